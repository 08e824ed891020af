#include "placement.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "loaded_module.h"

namespace host {
namespace {

// Bounds that no declared gauge comes near; beyond them the tree is taken to
// be corrupt (a cycle, a stray pointer) rather than walked for ever.
constexpr int kMaxDepth = 32;
constexpr std::size_t kMaxElements = 4096;
constexpr std::uint32_t kMaxTextChars = 1024;

}  // namespace

TextBuffer::TextBuffer(std::uint32_t max_chars)
    : size_(std::size_t{max_chars} + 1), storage_(new char[size_ + 2 * kGuard]) {
    reset();
}

void TextBuffer::reset() {
    std::memset(storage_.get(), kGuardByte, kGuard);
    std::memset(text(), 0, size_);
    std::memset(text() + size_, kGuardByte, kGuard);
}

bool TextBuffer::overrun() const {
    const char* guards[] = {storage_.get(), storage_.get() + kGuard + size_};
    return std::any_of(std::begin(guards), std::end(guards), [](const char* guard) {
        return std::any_of(guard, guard + kGuard, [](char byte) { return byte != kGuardByte; });
    });
}

std::string TextBuffer::contents() const {
    // A text without its NUL shows at most the maximum characters.
    const char* start = storage_.get() + kGuard;
    return std::string(start, strnlen(start, size_ - 1));
}

Placement::Placement(std::string alias, const LoadedModule& module, gauge::GaugeHeader& gauge,
                     PlacementOptions options)
    : alias_(std::move(alias)), module_(&module), gauge_(&gauge), options_(options) {
    const std::string where = module.name() + "!" + gauge.name;
    try {
        mouse_ = MouseMap(gauge.mouse_rects);
        collect(root_of(gauge), 0);
    } catch (const std::exception& error) {
        throw std::runtime_error(where + ": " + error.what());
    }
}

Placement::~Placement() {
    // The records outlive the placement: leave no pointer to a freed buffer.
    for (ElementState& state : elements_) {
        if (!state.buffer) continue;
        auto* string = gauge::as<gauge::String>(state.element);
        if (string->text == state.buffer->text()) string->text = nullptr;
    }
}

void Placement::collect(gauge::Element* element, int depth) {
    if (depth > kMaxDepth) throw std::runtime_error("element tree deeper than 32 levels");
    if (elements_.size() >= kMaxElements) throw std::runtime_error("element tree too large");
    const int number = static_cast<int>(elements_.size()) + 1;
    if (element->kind > gauge::kSprite)
        throw std::runtime_error("element " + std::to_string(number) + ": unknown kind " +
                                 std::to_string(element->kind));
    ElementState state;
    state.element = element;
    state.number = number;
    state.depth = depth;
    if (element->kind == gauge::kString) {
        const std::uint32_t max_chars = gauge::as<gauge::String>(element)->max_chars;
        if (max_chars > kMaxTextChars)
            throw std::runtime_error("element " + std::to_string(number) + ": maximum characters " +
                                     std::to_string(max_chars) + " beyond " +
                                     std::to_string(kMaxTextChars));
        state.buffer = std::make_unique<TextBuffer>(max_chars);
    }
    elements_.push_back(std::move(state));
    if (element->children == nullptr) return;
    for (gauge::Element* const* child = element->children; *child != nullptr; ++child)
        collect(*child, depth + 1);
}

ElementState& Placement::element(int number) {
    if (number < 1 || number > static_cast<int>(elements_.size()))
        throw std::out_of_range("gauge " + alias_ + " has no element " + std::to_string(number) +
                                " (it has " + std::to_string(elements_.size()) + ")");
    return elements_[static_cast<std::size_t>(number - 1)];
}

}  // namespace host
