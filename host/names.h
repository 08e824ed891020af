// The names of the tokens, key events and help ids the panel uses, so that
// people read and write "COM 1 active frequency" rather than 23. One table
// each, grown gauge by gauge.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

enum class TokenKind {
    kNumber,  // the value is a double
    kWhole,   // the value is an integer in the low 32 bits
};

struct TokenInfo {
    std::uint32_t token;
    const char* name;
    TokenKind kind;
};

struct NamedId {
    std::uint32_t id;
    const char* name;
};

const TokenInfo* find_token(std::uint32_t token);
const TokenInfo* find_token(std::string_view name);
// Tokens without an entry hold numbers.
TokenKind token_kind(std::uint32_t token);

const NamedId* find_key_event(std::uint32_t id);
const NamedId* find_key_event(std::string_view name);
const NamedId* find_help_id(std::uint32_t id);
const NamedId* find_help_id(std::string_view name);

// "23 (COM 1 active frequency)", or the bare number when it has no name.
std::string token_label(std::uint32_t token);
// "0x100AB (COM 1 set active frequency)", or the bare hex number.
std::string key_event_label(std::uint32_t id);
std::string help_id_label(std::uint32_t id);

// A decimal or 0x number, or a name from the table.
std::optional<std::uint32_t> parse_token(std::string_view text);
std::optional<std::uint32_t> parse_key_event(std::string_view text);
std::optional<std::uint32_t> parse_help_id(std::string_view text);

// Unsigned decimal or 0x hexadecimal, nothing else around it.
std::optional<std::uint64_t> parse_unsigned(std::string_view text);

std::string hex(std::uint64_t value);

// "static image", "needle", "string", ... or "unknown".
const char* element_kind_name(std::uint32_t kind);

}  // namespace host
