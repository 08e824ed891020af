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
    // Transponder, ADF, autopilot, DME, audio panel.
    {38, "transponder code", TokenKind::kWhole},
    {16, "ADF frequency", TokenKind::kWhole},
    {18, "ADF frequency thousands and tenths", TokenKind::kWhole},
    {103, "autopilot", TokenKind::kNumber},
    {105, "autopilot NAV hold", TokenKind::kNumber},
    {106, "autopilot heading hold", TokenKind::kNumber},
    {108, "autopilot altitude hold", TokenKind::kNumber},
    {109, "autopilot altitude", TokenKind::kNumber},
    {112, "autopilot approach hold", TokenKind::kNumber},
    {113, "autopilot back course", TokenKind::kNumber},
    {120, "autopilot vertical speed", TokenKind::kNumber},
    {31, "DME 1 distance", TokenKind::kNumber},
    {32, "DME 1 speed", TokenKind::kNumber},
    {35, "DME 2 distance", TokenKind::kNumber},
    {36, "DME 2 speed", TokenKind::kNumber},
    {354, "marker beacon", TokenKind::kNumber},
    {874, "COM 1 audio", TokenKind::kNumber},
    {875, "COM 2 audio", TokenKind::kNumber},
    {877, "NAV 1 audio", TokenKind::kNumber},
    {878, "NAV 2 audio", TokenKind::kNumber},
    {879, "DME audio", TokenKind::kNumber},
    {880, "ADF audio", TokenKind::kNumber},
    {881, "marker audio", TokenKind::kNumber},
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
    // Transponder, ADF, autopilot, audio panel.
    {0x10073, "transponder digit 1 advance"},
    {0x10074, "transponder digit 2 advance"},
    {0x10075, "transponder digit 3 advance"},
    {0x10076, "transponder digit 4 advance"},
    {0x10070, "ADF hundreds advance"},
    {0x10071, "ADF tens advance"},
    {0x10072, "ADF units advance"},
    {0x10395, "ADF tenths advance"},
    {0x1002C, "autopilot toggle"},
    {0x10106, "autopilot heading hold toggle"},
    {0x100C1, "autopilot NAV hold toggle"},
    {0x100BC, "autopilot approach hold toggle"},
    {0x100C0, "autopilot back course toggle"},
    {0x10107, "autopilot altitude hold toggle"},
    {0x10164, "autopilot altitude up"},
    {0x10165, "autopilot altitude down"},
    {0x10166, "autopilot vertical speed up"},
    {0x10167, "autopilot vertical speed down"},
    {0x1039F, "COM 1 audio toggle"},
    {0x103A0, "COM 2 audio toggle"},
    {0x10132, "NAV 1 audio toggle"},
    {0x10133, "NAV 2 audio toggle"},
    {0x10134, "DME audio toggle"},
    {0x10136, "ADF audio toggle"},
    {0x103AD, "marker audio toggle"},
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
    // Transponder, ADF, autopilot, DME, audio panel.
    {0xA70A, "transponder"},
    {0xA709, "ADF frequency"},
    {0xAB0E, "autopilot AP button"},
    {0xAD87, "autopilot HDG button"},
    {0xAD85, "autopilot NAV button"},
    {0xAD83, "autopilot APR button"},
    {0xAD82, "autopilot REV button"},
    {0xAD8C, "autopilot ALT button"},
    {0xAD8D, "autopilot altitude setting"},
    {0xA704, "DME"},
    {0xA708, "DME receiver selector"},
    {0xAB49, "inner marker lamp"},
    {0xAB47, "outer marker lamp"},
    {0xAB48, "middle marker lamp"},
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
