// Walking the first-child chain of an element tree, for gauge callbacks that
// hide and show parts of their gauge with the hide bit.
#pragma once

#include <cstdint>

#include "gauge.h"

namespace gauge {

// The element reached after `steps` steps down the first-child chain: `start`
// itself for 0 steps; none if `start` is none or the chain ends early.
Element* find_list_element(Element* start, std::uint32_t steps);

// If find_list_element gives an element, ORs `bits` into its image flags.
void set_list_element_flags(Element* start, std::uint32_t steps, std::uint32_t bits);

// If find_list_element gives an element, clears `bits` in its image flags.
void clear_list_element_flags(Element* start, std::uint32_t steps, std::uint32_t bits);

}  // namespace gauge
