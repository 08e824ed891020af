#include "names.h"

#include <charconv>
#include <cstdio>
#include <iterator>

namespace host {
namespace {

constexpr TokenInfo kTokens[] = {
    {1, "time base", TokenKind::kNumber},
    {23, "COM 1 active frequency", TokenKind::kWhole},
    {24, "NAV 1 active frequency", TokenKind::kWhole},
    {27, "NAV 2 active frequency", TokenKind::kWhole},
    {870, "COM 2 active frequency", TokenKind::kWhole},
    // Flight instruments.
    {61, "airspeed", TokenKind::kNumber},
    {65, "vertical speed", TokenKind::kNumber},
    {69, "inclinometer ball", TokenKind::kNumber},
    {70, "turn rate", TokenKind::kNumber},
    {74, "altitude", TokenKind::kNumber},
    {76, "barometric setting", TokenKind::kNumber},
    {84, "gyro heading", TokenKind::kNumber},
    {107, "heading marker", TokenKind::kNumber},
    {279, "turn coordinator flag", TokenKind::kNumber},
    {390, "engine speed", TokenKind::kNumber},
};

constexpr NamedId kKeyEvents[] = {
    {0x100AB, "COM 1 set active frequency"},
    {0x100AC, "NAV 1 set active frequency"},
    {0x100AD, "NAV 2 set active frequency"},
    {0x1038A, "COM 2 set active frequency"},
    // Flight instrument knobs.
    {0x10155, "gyro heading up"},
    {0x10156, "gyro heading down"},
    {0x10157, "heading marker up"},
    {0x10158, "heading marker down"},
    {0x1015B, "barometric setting up"},
    {0x1015C, "barometric setting down"},
};

constexpr NamedId kHelpIds[] = {
    {0xA703, "COM 2 tuning"},
    {0xA710, "COM 1 tuning"},
    {0xA714, "NAV 1 tuning"},
    {0xA716, "NAV 2 tuning"},
    // Flight instruments.
    {0xAB02, "airspeed indicator"},
    {0xAB07, "altimeter"},
    {0xAB08, "barometric setting knob"},
    {0xAB33, "heading marker knob"},
    {0xAB34, "directional gyro"},
    {0xAB35, "gyro heading knob"},
    {0xAB58, "tachometer"},
    {0xAB71, "turn coordinator"},
    {0xAB76, "vertical speed indicator"},
};

template <typename Entry, std::size_t N>
const Entry* by_number(const Entry (&table)[N], std::uint32_t number) {
    for (const Entry& entry : table) {
        if constexpr (requires { entry.token; }) {
            if (entry.token == number) return &entry;
        } else {
            if (entry.id == number) return &entry;
        }
    }
    return nullptr;
}

template <typename Entry, std::size_t N>
const Entry* by_name(const Entry (&table)[N], std::string_view name) {
    for (const Entry& entry : table)
        if (name == entry.name) return &entry;
    return nullptr;
}

template <typename Entry, std::size_t N>
std::optional<std::uint32_t> parse_number_or_name(const Entry (&table)[N], std::string_view text) {
    if (const auto number = parse_unsigned(text); number && *number <= UINT32_MAX)
        return static_cast<std::uint32_t>(*number);
    if (const Entry* entry = by_name(table, text)) {
        if constexpr (requires { entry->token; })
            return entry->token;
        else
            return entry->id;
    }
    return std::nullopt;
}

std::string with_name(std::string number, const char* name) {
    return name == nullptr ? number : number + " (" + name + ")";
}

}  // namespace

const TokenInfo* find_token(std::uint32_t token) {
    return by_number(kTokens, token);
}
const TokenInfo* find_token(std::string_view name) {
    return by_name(kTokens, name);
}

TokenKind token_kind(std::uint32_t token) {
    const TokenInfo* info = find_token(token);
    return info != nullptr ? info->kind : TokenKind::kNumber;
}

const NamedId* find_key_event(std::uint32_t id) {
    return by_number(kKeyEvents, id);
}
const NamedId* find_key_event(std::string_view name) {
    return by_name(kKeyEvents, name);
}
const NamedId* find_help_id(std::uint32_t id) {
    return by_number(kHelpIds, id);
}
const NamedId* find_help_id(std::string_view name) {
    return by_name(kHelpIds, name);
}

std::string token_label(std::uint32_t token) {
    const TokenInfo* info = find_token(token);
    return with_name(std::to_string(token), info != nullptr ? info->name : nullptr);
}

std::string key_event_label(std::uint32_t id) {
    const NamedId* event = find_key_event(id);
    return with_name(hex(id), event != nullptr ? event->name : nullptr);
}

std::string help_id_label(std::uint32_t id) {
    const NamedId* help = find_help_id(id);
    return with_name(hex(id), help != nullptr ? help->name : nullptr);
}

std::optional<std::uint32_t> parse_token(std::string_view text) {
    return parse_number_or_name(kTokens, text);
}
std::optional<std::uint32_t> parse_key_event(std::string_view text) {
    return parse_number_or_name(kKeyEvents, text);
}
std::optional<std::uint32_t> parse_help_id(std::string_view text) {
    return parse_number_or_name(kHelpIds, text);
}

std::optional<std::uint64_t> parse_unsigned(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

const char* element_kind_name(std::uint32_t kind) {
    static const char* const kNames[] = {"static image", "needle",       "string", "slider",
                                         "icon",         "moving image", "sprite"};
    return kind < std::size(kNames) ? kNames[kind] : "unknown";
}

}  // namespace host
