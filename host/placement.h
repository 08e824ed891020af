// A gauge placed on the host's panel, and what each of its elements shows.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gauge.h"
#include "mouse_map.h"

namespace host {

class LoadedModule;

// A string element's text buffer: maximum characters plus one, with guard bytes
// on both sides so a callback that writes past the end is caught, not fatal.
class TextBuffer {
  public:
    explicit TextBuffer(std::uint32_t max_chars);
    char* text() { return storage_.get() + kGuard; }
    // Empties the text and renews the guards.
    void reset();
    // True when a guard byte changed since reset().
    bool overrun() const;
    // The text up to its NUL, at most the maximum characters.
    std::string contents() const;

    static constexpr std::size_t kGuard = 32;
    static constexpr char kGuardByte = static_cast<char>(0xA5);

  private:
    std::size_t size_;  // maximum characters plus one
    std::unique_ptr<char[]> storage_;
};

struct ElementState {
    gauge::Element* element = nullptr;
    int number = 0;  // 1-based position in drawing order; the root is 1
    int depth = 0;   // 0 for the root
    // Values by kind: needle, string and icon use the first; moving images and
    // sliders x and y; sprites x, y and rotation.
    std::array<double, 3> values{};
    int value_count = 0;
    std::string text;                    // strings
    std::int32_t image = -1;             // icons: the image index, -1 none
    bool hidden = false;                 // the hide bit was set at the last update
    std::unique_ptr<TextBuffer> buffer;  // strings
};

struct PlacementOptions {
    // Service id 4 reaches the gauge callback by itself at the first update or
    // click; switched off, only an explicit service call sends it.
    bool send_first_values = true;
};

class Placement {
  public:
    // Throws std::runtime_error naming the problem when the gauge's element tree
    // or mouse rectangle list is malformed.
    Placement(std::string alias, const LoadedModule& module, gauge::GaugeHeader& gauge,
              PlacementOptions options);
    ~Placement();
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;

    const std::string& alias() const { return alias_; }
    const LoadedModule& module() const { return *module_; }
    gauge::GaugeHeader& gauge() const { return *gauge_; }
    const PlacementOptions& options() const { return options_; }
    const MouseMap& mouse() const { return mouse_; }

    // Elements in drawing order: an element before its child list, list entries
    // in order.
    std::vector<ElementState>& elements() { return elements_; }
    const std::vector<ElementState>& elements() const { return elements_; }
    // By 1-based number; throws std::out_of_range naming the gauge.
    ElementState& element(int number);

    bool first_values_sent = false;

  private:
    void collect(gauge::Element* element, int depth);

    std::string alias_;
    const LoadedModule* module_;
    gauge::GaugeHeader* gauge_;
    PlacementOptions options_;
    MouseMap mouse_;
    std::vector<ElementState> elements_;
};

}  // namespace host
