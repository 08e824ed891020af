// Each unit shows the COM and NAV active frequencies (host variables) in USE
// windows and its own standby frequencies in STBY windows. Clicks over a STBY
// window tune it; the transfer buttons send the standby frequency to the host
// and keep the old active one; the power knob blanks or shows all four windows.
#include "comnav.h"

#include "bitmaps.h"
#include "frequency.h"
#include "mouse_rects.h"
#include "numbers.h"
#include "records.h"
#include "services.h"
#include "text.h"

namespace radios {
namespace {

using namespace gauge;

// What tells the two units apart.
struct UnitValues {
    const char* name;
    std::uint32_t com_active_token;
    std::uint32_t nav_active_token;
    std::uint32_t com_transfer_event;
    std::uint32_t nav_transfer_event;
    std::uint32_t face_bitmap;
    std::int32_t com_selection[2];  // MHz digits; fraction digits
    std::int32_t nav_selection[2];
    std::uint32_t nav_failure_key;
    std::uint32_t com_help_id;
    std::uint32_t nav_help_id;
};

constexpr UnitValues kUnits[2] = {
    {"RadioComNav1",
     23,
     24,
     0x100AB,
     0x100AC,
     bitmap::kComNav1Face,
     {4, 5},
     {6, 7},
     14,
     0xA710,
     0xA714},
    {"RadioComNav2",
     870,
     27,
     0x1038A,
     0x100AD,
     bitmap::kComNav2Face,
     {27, 28},
     {8, 9},
     15,
     0xA703,
     0xA716},
};

enum class Radio { kCom, kNav };

// The gauge's own state, one copy per unit.
struct UnitState {
    std::int8_t power;
    std::int8_t first_initialization;
    std::uint32_t com_standby;
    std::uint32_t nav_standby;
    ModuleVar com_active;
    ModuleVar nav_active;
};

UnitState unit_state[2] = {
    {0, 1, 0, 0, {.token = kUnits[0].com_active_token}, {.token = kUnits[0].nav_active_token}},
    {0, 1, 0, 0, {.token = kUnits[1].com_active_token}, {.token = kUnits[1].nav_active_token}},
};

template <int Unit>
std::uint32_t& standby(Radio radio) {
    return radio == Radio::kCom ? unit_state[Unit].com_standby : unit_state[Unit].nav_standby;
}

// "1%d%d.%d%d" of the four digits while the unit is on, else the empty text.
template <int Unit>
void write_frequency(Element* element, std::uint32_t frequency) {
    String* display = as<String>(element);
    if (unit_state[Unit].power != 1) {
        clear_text(display);
        return;
    }
    write_text(display, "1%d%d.%d%d", static_cast<int>((frequency >> 12) & 15),
               static_cast<int>((frequency >> 8) & 15), static_cast<int>((frequency >> 4) & 15),
               static_cast<int>(frequency & 15));
}

// ---------------------------------------------------------------------------
// Element callbacks.

template <int Unit>
double GAUGE_CALL power_icon(Element*) {
    return unit_state[Unit].power;
}

template <int Unit>
double GAUGE_CALL active_display(Element* element) {
    const std::uint32_t frequency = low_bits(as<String>(element)->variables[0].value);
    write_frequency<Unit>(element, frequency);
    return frequency;
}

template <int Unit, Radio R>
double GAUGE_CALL standby_display(Element* element) {
    const std::uint32_t frequency = standby<Unit>(R);
    write_frequency<Unit>(element, frequency);
    return frequency;
}

// ---------------------------------------------------------------------------
// Mouse functions.

template <int Unit, int Power>
std::int32_t GAUGE_CALL set_power(MousePosition*, std::uint32_t) {
    unit_state[Unit].power = Power;
    return 0;
}

template <int Unit, Radio R, bool Up>
std::int32_t GAUGE_CALL step_whole_mhz(MousePosition*, std::uint32_t) {
    std::uint32_t& frequency = standby<Unit>(R);
    frequency = step_mhz(frequency, R == Radio::kCom ? kComBand : kNavBand, Up);
    return 0;
}

template <int Unit, Radio R, bool Up>
std::int32_t GAUGE_CALL step_fraction(MousePosition*, std::uint32_t) {
    std::uint32_t& frequency = standby<Unit>(R);
    frequency = step_khz(frequency, Up);
    return 0;
}

template <int Unit, Radio R>
std::int32_t GAUGE_CALL transfer(MousePosition*, std::uint32_t) {
    UnitState& state = unit_state[Unit];
    ModuleVar& active = R == Radio::kCom ? state.com_active : state.nav_active;
    const std::uint32_t event =
        R == Radio::kCom ? kUnits[Unit].com_transfer_event : kUnits[Unit].nav_transfer_event;
    std::uint32_t& frequency = standby<Unit>(R);
    lookup_var(active);
    trigger_key_event(event, frequency);
    frequency = low_bits(active.value);
    return 0;
}

// ---------------------------------------------------------------------------
// Gauge callback: once the host variables hold values, the standby frequencies
// start out as the active ones.

template <int Unit>
void GAUGE_CALL first_initialization(GaugeHeader*, std::int32_t service_id, std::uint32_t) {
    UnitState& state = unit_state[Unit];
    if (service_id != kServiceFirstValues || state.first_initialization != 1) return;
    lookup_var(state.com_active);
    lookup_var(state.nav_active);
    state.com_standby = low_bits(state.com_active.value);
    state.nav_standby = low_bits(state.nav_active.value);
    state.first_initialization = 0;
}

// ---------------------------------------------------------------------------
// Declarations.

constexpr FailureEntry kComFailures[] = {{20, 3, 0}, {21, 3, 0}, {9, 0, 0}, {0, 0, 0}};
constexpr FailureEntry kNav1Failures[] = {{20, 3, 0}, {21, 3, 0}, {14, 0, 0}, {0, 0, 0}};
constexpr FailureEntry kNav2Failures[] = {{20, 3, 0}, {21, 3, 0}, {15, 0, 0}, {0, 0, 0}};
constexpr const FailureEntry* kNavFailures[2] = {kNav1Failures, kNav2Failures};
static_assert(kNav1Failures[2].key == kUnits[0].nav_failure_key);
static_assert(kNav2Failures[2].key == kUnits[1].nav_failure_key);

constexpr HighlightEntry kStandbyHighlights[] = {{1, 0, 2}, {1, 4, 5}, {0, 0, 0}};

template <int Unit>
constexpr GaugeHeader* gauge_of() {
    return Unit == 0 ? &comnav1.record : &comnav2.record;
}

// One of the four frequency windows: box 120 x 40, six characters, amber segment
// digits on black, highlighted in white.
template <int Unit>
constexpr String800 frequency_window(std::int32_t x, std::uint32_t image_flags,
                                     const FailureEntry* failures, std::uint32_t token,
                                     const HighlightEntry* highlights, ElementCallback callback) {
    return radio_display({.gauge = gauge_of<Unit>(),
                          .x = x,
                          .y = 20,
                          .width = 120,
                          .height = 40,
                          .max_chars = 6,
                          .image_flags = image_flags,
                          .tokens = {token},
                          .failures = failures,
                          .highlights = highlights,
                          .callback = callback});
}

template <int Unit>
struct Declaration {
    static constexpr const UnitValues& unit = kUnits[Unit];

    static constexpr HighlightEntry com_highlights[] = {
        {unit.com_selection[0], 0, 2}, {unit.com_selection[1], 4, 5}, {0, 0, 0}};
    static constexpr HighlightEntry nav_highlights[] = {
        {unit.nav_selection[0], 0, 2}, {unit.nav_selection[1], 4, 5}, {0, 0, 0}};

    static inline Icon800 power_knob = radio_icon({.gauge = gauge_of<Unit>(),
                                                   .bitmap = bitmap::kPowerKnobOff,
                                                   .x = 30,
                                                   .y = 120,
                                                   .image_count = 2,
                                                   .image_flags = 0x1,
                                                   .callback = power_icon<Unit>});

    static inline String800 com_active = frequency_window<Unit>(
        20, 0x7, kComFailures, unit.com_active_token, com_highlights, active_display<Unit>);
    static inline String800 com_standby = frequency_window<Unit>(
        160, 0x7, kComFailures, 0, kStandbyHighlights, standby_display<Unit, Radio::kCom>);
    static inline String800 nav_active = frequency_window<Unit>(
        325, 0x6, kNavFailures[Unit], unit.nav_active_token, nav_highlights, active_display<Unit>);
    static inline String800 nav_standby = frequency_window<Unit>(
        465, 0x7, kNavFailures[Unit], 0, kStandbyHighlights, standby_display<Unit, Radio::kNav>);

    static constexpr Element* face_children[] = {
        &power_knob.record.common, &com_active.record.common,  &com_standby.record.common,
        &nav_active.record.common, &nav_standby.record.common, nullptr};

    static inline StaticImage face =
        radio_face(gauge_of<Unit>(), unit.face_bitmap, 0x1, face_children);

    static constexpr Element* elements[] = {&face.common, nullptr};

    // clang-format off
    static constexpr MouseRect mouse_rects[] = {
        mouse_parent(0, 0, 0, 0, 0),
        mouse_function(30, 120, 25, 60, kCursorDown, kMouseLeftClick, set_power<Unit, 0>),
        mouse_function(56, 120, 25, 60, kCursorUp, kMouseLeftClick, set_power<Unit, 1>),
        mouse_parent(160, 20, 120, 100, unit.com_help_id),
            mouse_function(0, 0, 29, 44, kCursorDown, kMouseClickRepeat, step_whole_mhz<Unit, Radio::kCom, false>),
            mouse_function(30, 0, 29, 44, kCursorUp, kMouseClickRepeat, step_whole_mhz<Unit, Radio::kCom, true>),
            mouse_function(80, 0, 19, 44, kCursorDown, kMouseClickRepeat, step_fraction<Unit, Radio::kCom, false>),
            mouse_function(100, 0, 19, 44, kCursorUp, kMouseClickRepeat, step_fraction<Unit, Radio::kCom, true>),
        kMouseRectEndParent,
        mouse_function(100, 90, 45, 30, kCursorHand, kMouseLeftClick, transfer<Unit, Radio::kCom>),
        mouse_parent(465, 20, 120, 100, unit.nav_help_id),
            mouse_function(0, 0, 29, 44, kCursorDown, kMouseClickRepeat, step_whole_mhz<Unit, Radio::kNav, false>),
            mouse_function(30, 0, 29, 44, kCursorUp, kMouseClickRepeat, step_whole_mhz<Unit, Radio::kNav, true>),
            mouse_function(80, 0, 19, 44, kCursorDown, kMouseClickRepeat, step_fraction<Unit, Radio::kNav, false>),
            mouse_function(100, 0, 19, 44, kCursorUp, kMouseClickRepeat, step_fraction<Unit, Radio::kNav, true>),
        kMouseRectEndParent,
        mouse_function(412, 90, 45, 30, kCursorHand, kMouseLeftClick, transfer<Unit, Radio::kNav>),
        kMouseRectEndParent,
        kMouseRectEnd,
    };
    // clang-format on

    static constexpr GaugeHeader800 declared_header =
        radio_gauge(unit.name, elements, mouse_rects, first_initialization<Unit>);
};

}  // namespace

GaugeHeader800 comnav1 = Declaration<0>::declared_header;
GaugeHeader800 comnav2 = Declaration<1>::declared_header;

}  // namespace radios
