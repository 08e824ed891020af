#include "list_elements.h"

namespace gauge {

Element* find_list_element(Element* start, std::uint32_t steps) {
    Element* element = start;
    for (std::uint32_t step = 0; element != nullptr && step < steps; ++step) {
        element = element->children != nullptr ? element->children[0] : nullptr;
    }
    return element;
}

void set_list_element_flags(Element* start, std::uint32_t steps, std::uint32_t bits) {
    if (Element* element = find_list_element(start, steps)) element->image_flags |= bits;
}

void clear_list_element_flags(Element* start, std::uint32_t steps, std::uint32_t bits) {
    if (Element* element = find_list_element(start, steps)) element->image_flags &= ~bits;
}

}  // namespace gauge
