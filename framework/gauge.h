// The declaration records a gauge module hands to the host.
//
// A gauge is initialised static data: a header, a tree of element records, a
// mouse rectangle list and a few tables. The host reads them in place at fixed
// byte offsets, so on 32-bit targets every record below has exactly the size and
// field offsets the host expects (asserted at the end of this file). On 64-bit
// targets the same types hold native pointers and the layout follows from them.
//
// Fields named `host_*` belong to the host: 0 in every declaration.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform.h"

namespace gauge {

struct Element;
struct GaugeHeader;
struct ModuleVar;

// ---------------------------------------------------------------------------
// Function types the host calls, and the values they use.

struct MousePosition {
    std::int32_t x{};  // pixels to the right of the rectangle's left edge
    std::int32_t y{};  // pixels down from the rectangle's top edge
};

using ElementCallback = double(GAUGE_CALL*)(Element* element);
using MouseFunction = std::int32_t(GAUGE_CALL*)(MousePosition* position, std::uint32_t flags);
using GaugeCallback = void(GAUGE_CALL*)(GaugeHeader* gauge, std::int32_t service_id,
                                        std::uint32_t extra);
using ModuleRoutine = void(GAUGE_CALL*)();
using GaugeRoutine = void(GAUGE_CALL*)();
using GaugeRoutineWithValue = void(GAUGE_CALL*)(std::uintptr_t value);

// Service ids a gauge callback acts on.
inline constexpr std::int32_t kServiceFirstValues = 4;  // variables hold values, no click yet
inline constexpr std::int32_t kServiceBeforeDraw = 6;   // sent before every drawing

// Element kinds.
enum ElementKind : std::uint32_t {
    kStaticImage = 0,
    kNeedle = 1,
    kString = 2,
    kSlider = 3,
    kIcon = 4,
    kMovingImage = 5,
    kSprite = 6,
};

// Image flags.
inline constexpr std::uint32_t kImageTransparent = 0x00000001;  // pure black is not drawn
inline constexpr std::uint32_t kImageHidden = 0x40000000;       // set and cleared at run time

// Mouse rectangle kinds, cursors and flags.
enum MouseRectKind : std::uint32_t {
    kMouseEnd = 0,
    kMouseParent = 1,
    kMouseChild = 2,
    kMouseEndParent = 3,
};
inline constexpr std::int32_t kCursorNone = -1;
inline constexpr std::int32_t kCursorUp = 1;
inline constexpr std::int32_t kCursorDown = 2;
inline constexpr std::int32_t kCursorHand = 5;
inline constexpr std::uint32_t kMouseLeftClick = 0x20000000;
inline constexpr std::uint32_t kMouseRepeat = 0x00200000;  // repeat while the button is held
inline constexpr std::uint32_t kMouseMove = 0x00800000;    // movement while the button is held
inline constexpr std::uint32_t kMouseClickRepeat = kMouseLeftClick | kMouseRepeat;
inline constexpr std::uint32_t kMouseClickDrag = kMouseLeftClick | kMouseMove;

inline constexpr std::uint32_t kNoBitmap = 0xFFFFFFFF;

GAUGE_PACK_BEGIN

// ---------------------------------------------------------------------------
// Tables and lists.

// A host variable as a module holds it. The host writes `value` when it refreshes
// the variable; callbacks read it as a double or read its low 32 bits.
struct ModuleVar {
    std::uint32_t token{};
    void* host_pointer{};
    std::uint32_t host_type{};
    double value{};
    double host_previous{};
};

// When the needle's value equals `value`, the needle points at gauge pixel (x, y).
struct NonlinearityEntry {
    std::int32_t x{};
    std::int32_t y{};
    double value{};
    double host_degrees{};
};

struct FailureEntry {
    std::uint32_t key{};  // 0 ends the list
    std::uint32_t action{};
    std::uint32_t reserved{};
};

struct HighlightEntry {
    std::int32_t selection_id{};  // 0 ends the list
    std::int32_t first{};
    std::int32_t last{};
};

struct MouseRect {
    std::uint32_t kind{};
    std::int32_t x{};  // relative to the enclosing parent
    std::int32_t y{};
    std::uint32_t width{};
    std::uint32_t height{};
    std::int32_t cursor{};
    std::uint32_t help_id{};
    std::uint32_t flags{};
    std::uint32_t key_event{};
    MouseFunction function{};
    std::uint32_t extra{};
};

// ---------------------------------------------------------------------------
// Gauge header.

struct GaugeRoutines {
    GaugeRoutine query{};
    GaugeRoutineWithValue install{};
    GaugeRoutine initialize{};
    GaugeRoutine update{};
    GaugeRoutineWithValue generate{};
    GaugeRoutine draw{};
    GaugeRoutine kill{};
};

// The fields common to both header versions (the whole of a version 700 header).
struct GaugeHeader {
    std::uint32_t version{};
    const char* name{};
    Element* const* elements{};  // null-terminated; exactly one entry, the root
    GaugeRoutines routines{};
    std::uint32_t host_40{};
    std::uint32_t default_width_mm{};
    std::uint32_t default_height_mm{};
    std::uint32_t host_52[7]{};
    const MouseRect* mouse_rects{};
    GaugeCallback callback{};
    std::uint32_t host_88[8]{};
};

// A version 800 header: the common fields followed by more of the host's.
struct GaugeHeader800 {
    GaugeHeader record{};
    std::uint32_t host_120[19]{};
};

// ---------------------------------------------------------------------------
// Elements. Every record begins with the common part `Element`.

struct Element {
    std::uint32_t kind{};
    std::uint32_t bitmap{};
    std::int32_t x{};
    std::int32_t y{};
    std::uint32_t host_16[2]{};
    std::int32_t offset_x{};
    std::int32_t offset_y{};
    GaugeHeader* gauge{};
    std::uint32_t host_36{};
    Element* const* children{};  // null-terminated, or none
    const FailureEntry* failures{};
    std::uint32_t image_flags{};
    std::uint32_t special_flags{};
    std::uint32_t host_56{};
};

struct StaticImage {
    Element common{};
    std::uint32_t host_60[9]{};
};

struct Needle {
    Element common{};
    ModuleVar variable{};
    std::uint32_t host_88[6]{};
    const NonlinearityEntry* table{};
    std::uint32_t table_entries{};
    std::uint32_t max_degrees_per_update{};
    std::uint32_t host_124[25]{};
    ElementCallback callback{};
    std::uint32_t host_228[3]{};
};

struct String {
    Element common{};
    ModuleVar variables[3]{};
    std::uint32_t host_144[10]{};
    char* text{};  // the host's buffer, maximum characters plus one
    std::uint32_t host_188{};
    std::uint32_t box_width{};
    std::uint32_t box_height{};
    std::uint32_t host_200[2]{};
    std::uint32_t text_colour{};  // 0x00BBGGRR
    std::uint32_t background_colour{};
    std::uint32_t highlight_colour{};
    std::uint32_t host_220[7]{};
    char font[32]{};
    std::uint32_t font_weight{};
    std::uint32_t character_set{};
    std::uint32_t text_format{};
    std::uint32_t max_chars{};
    std::uint32_t host_296{};
    const HighlightEntry* highlights{};
    std::uint32_t host_304[2]{};
    ElementCallback callback{};
    std::uint32_t host_316{};
};

struct String800 {
    String record{};
    std::uint32_t host_320[2]{};
};

struct Slider {
    Element common{};
    ModuleVar x_variable{};
    std::uint32_t host_88{};
    double x_scale{};
    std::uint32_t host_100{};
    ModuleVar y_variable{};
    std::uint32_t host_132{};
    double y_scale{};
    std::uint32_t host_144[12]{};
};

struct Icon {
    Element common{};
    ModuleVar variable{};
    std::uint32_t host_88{};
    std::uint32_t switch_type{};
    std::uint32_t host_96[4]{};
    std::uint32_t icon_count{};
    std::int32_t scroll_x{};
    std::int32_t scroll_y{};
    std::uint32_t host_124[2]{};
    ElementCallback callback{};
};

struct Icon800 {
    Icon record{};
    std::uint32_t host_136[2]{};
};

struct MovingImage {
    Element common{};
    ModuleVar x_variable{};
    std::uint32_t host_88{};
    double x_min{};
    double x_max{};
    std::uint32_t host_108{};
    ModuleVar y_variable{};
    std::uint32_t host_140{};
    double y_min{};
    double y_max{};
    std::uint32_t host_160[21]{};
    ElementCallback x_callback{};
    ElementCallback y_callback{};
    std::uint32_t host_252[5]{};
};

struct Sprite {
    Element common{};
    ModuleVar x_variable{};
    std::uint32_t host_88{};
    double x_scale{};
    ModuleVar y_variable{};
    std::uint32_t host_128{};
    double y_scale{};
    ModuleVar rotation_variable{};
    std::uint32_t host_168{};
    double rotation_scale{};
    float texture_scale_x{};
    float texture_scale_y{};
    std::uint32_t host_188[41]{};
};

// ---------------------------------------------------------------------------
// The two exported records.

inline constexpr std::uint32_t kImportTableId = 0x0000000F;
inline constexpr std::uint32_t kLinkageModuleId = 0x13;
inline constexpr std::uint32_t kLinkageVersionRadios = 0x800;
inline constexpr std::size_t kMaxGaugesPerModule = 23;

struct HostServices;

struct ImportEntry {
    std::uint32_t id{};
    HostServices* services{};
};

struct ImportTableRecord {
    ImportEntry services_entry{};  // id kImportTableId; the host fills in the table
    ImportEntry end{};             // 0, 0
};

struct LinkageRecord {
    std::uint32_t module_id{};
    ModuleRoutine module_init{};
    ModuleRoutine module_deinit{};
    std::uint32_t flags{};
    std::uint32_t status{};
    std::uint32_t version{};
    GaugeHeader* gauges[kMaxGaugesPerModule + 1]{};  // null-terminated
};

GAUGE_PACK_END

// Elements are handed around as pointers to their common part; these give the
// whole record back. Every record begins with its common part, so the cast is
// between pointer-interconvertible objects.
template <typename Record>
Record* as(Element* element) {
    return reinterpret_cast<Record*>(element);
}

template <typename Record>
Element* element_of(Record& record) {
    return reinterpret_cast<Element*>(&record);
}

// ---------------------------------------------------------------------------
// On a 32-bit target the host reads these records at fixed offsets.

#if GAUGE_32BIT
#define GAUGE_LAYOUT(Type, member, offset) \
    static_assert(offsetof(Type, member) == (offset), #Type "::" #member)

static_assert(sizeof(MousePosition) == 8);
static_assert(sizeof(ModuleVar) == 28);
GAUGE_LAYOUT(ModuleVar, token, 0);
GAUGE_LAYOUT(ModuleVar, host_pointer, 4);
GAUGE_LAYOUT(ModuleVar, host_type, 8);
GAUGE_LAYOUT(ModuleVar, value, 12);
GAUGE_LAYOUT(ModuleVar, host_previous, 20);

static_assert(sizeof(NonlinearityEntry) == 24);
GAUGE_LAYOUT(NonlinearityEntry, x, 0);
GAUGE_LAYOUT(NonlinearityEntry, y, 4);
GAUGE_LAYOUT(NonlinearityEntry, value, 8);
GAUGE_LAYOUT(NonlinearityEntry, host_degrees, 16);

static_assert(sizeof(FailureEntry) == 12);
static_assert(sizeof(HighlightEntry) == 12);
GAUGE_LAYOUT(HighlightEntry, first, 4);
GAUGE_LAYOUT(HighlightEntry, last, 8);

static_assert(sizeof(MouseRect) == 44);
GAUGE_LAYOUT(MouseRect, x, 4);
GAUGE_LAYOUT(MouseRect, y, 8);
GAUGE_LAYOUT(MouseRect, width, 12);
GAUGE_LAYOUT(MouseRect, height, 16);
GAUGE_LAYOUT(MouseRect, cursor, 20);
GAUGE_LAYOUT(MouseRect, help_id, 24);
GAUGE_LAYOUT(MouseRect, flags, 28);
GAUGE_LAYOUT(MouseRect, key_event, 32);
GAUGE_LAYOUT(MouseRect, function, 36);
GAUGE_LAYOUT(MouseRect, extra, 40);

static_assert(sizeof(GaugeHeader) == 120);
static_assert(sizeof(GaugeHeader800) == 196);
GAUGE_LAYOUT(GaugeHeader, version, 0);
GAUGE_LAYOUT(GaugeHeader, name, 4);
GAUGE_LAYOUT(GaugeHeader, elements, 8);
GAUGE_LAYOUT(GaugeHeader, routines, 12);
static_assert(sizeof(GaugeRoutines) == 28);
GAUGE_LAYOUT(GaugeHeader, default_width_mm, 44);
GAUGE_LAYOUT(GaugeHeader, default_height_mm, 48);
GAUGE_LAYOUT(GaugeHeader, mouse_rects, 80);
GAUGE_LAYOUT(GaugeHeader, callback, 84);

static_assert(sizeof(Element) == 60);
GAUGE_LAYOUT(Element, kind, 0);
GAUGE_LAYOUT(Element, bitmap, 4);
GAUGE_LAYOUT(Element, x, 8);
GAUGE_LAYOUT(Element, y, 12);
GAUGE_LAYOUT(Element, offset_x, 24);
GAUGE_LAYOUT(Element, offset_y, 28);
GAUGE_LAYOUT(Element, gauge, 32);
GAUGE_LAYOUT(Element, children, 40);
GAUGE_LAYOUT(Element, failures, 44);
GAUGE_LAYOUT(Element, image_flags, 48);
GAUGE_LAYOUT(Element, special_flags, 52);

static_assert(sizeof(StaticImage) == 96);
static_assert(sizeof(Needle) == 240);
GAUGE_LAYOUT(Needle, variable, 60);
GAUGE_LAYOUT(Needle, table, 112);
GAUGE_LAYOUT(Needle, table_entries, 116);
GAUGE_LAYOUT(Needle, max_degrees_per_update, 120);
GAUGE_LAYOUT(Needle, callback, 224);

static_assert(sizeof(String) == 320);
static_assert(sizeof(String800) == 328);
GAUGE_LAYOUT(String, variables, 60);
GAUGE_LAYOUT(String, text, 184);
GAUGE_LAYOUT(String, box_width, 192);
GAUGE_LAYOUT(String, box_height, 196);
GAUGE_LAYOUT(String, text_colour, 208);
GAUGE_LAYOUT(String, background_colour, 212);
GAUGE_LAYOUT(String, highlight_colour, 216);
GAUGE_LAYOUT(String, font, 248);
GAUGE_LAYOUT(String, font_weight, 280);
GAUGE_LAYOUT(String, character_set, 284);
GAUGE_LAYOUT(String, text_format, 288);
GAUGE_LAYOUT(String, max_chars, 292);
GAUGE_LAYOUT(String, highlights, 300);
GAUGE_LAYOUT(String, callback, 312);

static_assert(sizeof(Slider) == 192);
GAUGE_LAYOUT(Slider, x_variable, 60);
GAUGE_LAYOUT(Slider, x_scale, 92);
GAUGE_LAYOUT(Slider, y_variable, 104);
GAUGE_LAYOUT(Slider, y_scale, 136);

static_assert(sizeof(Icon) == 136);
static_assert(sizeof(Icon800) == 144);
GAUGE_LAYOUT(Icon, variable, 60);
GAUGE_LAYOUT(Icon, switch_type, 92);
GAUGE_LAYOUT(Icon, icon_count, 112);
GAUGE_LAYOUT(Icon, scroll_x, 116);
GAUGE_LAYOUT(Icon, scroll_y, 120);
GAUGE_LAYOUT(Icon, callback, 132);

static_assert(sizeof(MovingImage) == 272);
GAUGE_LAYOUT(MovingImage, x_variable, 60);
GAUGE_LAYOUT(MovingImage, x_min, 92);
GAUGE_LAYOUT(MovingImage, x_max, 100);
GAUGE_LAYOUT(MovingImage, y_variable, 112);
GAUGE_LAYOUT(MovingImage, y_min, 144);
GAUGE_LAYOUT(MovingImage, y_max, 152);
GAUGE_LAYOUT(MovingImage, x_callback, 244);
GAUGE_LAYOUT(MovingImage, y_callback, 248);

static_assert(sizeof(Sprite) == 352);
GAUGE_LAYOUT(Sprite, x_variable, 60);
GAUGE_LAYOUT(Sprite, x_scale, 92);
GAUGE_LAYOUT(Sprite, y_variable, 100);
GAUGE_LAYOUT(Sprite, y_scale, 132);
GAUGE_LAYOUT(Sprite, rotation_variable, 140);
GAUGE_LAYOUT(Sprite, rotation_scale, 172);
GAUGE_LAYOUT(Sprite, texture_scale_x, 180);
GAUGE_LAYOUT(Sprite, texture_scale_y, 184);

static_assert(sizeof(ImportTableRecord) == 16);
GAUGE_LAYOUT(LinkageRecord, module_id, 0);
GAUGE_LAYOUT(LinkageRecord, module_init, 4);
GAUGE_LAYOUT(LinkageRecord, module_deinit, 8);
GAUGE_LAYOUT(LinkageRecord, flags, 12);
GAUGE_LAYOUT(LinkageRecord, status, 16);
GAUGE_LAYOUT(LinkageRecord, version, 20);
GAUGE_LAYOUT(LinkageRecord, gauges, 24);
#undef GAUGE_LAYOUT
#endif

}  // namespace gauge
