#include "variables.h"

#include <bit>

namespace host {

std::uint64_t HostVariables::bits(std::uint32_t token) const {
    const auto found = bits_.find(token);
    return found == bits_.end() ? 0 : found->second;
}

double HostVariables::number(std::uint32_t token) const {
    return std::bit_cast<double>(bits(token));
}

std::uint32_t HostVariables::whole(std::uint32_t token) const {
    return static_cast<std::uint32_t>(bits(token));
}

void HostVariables::set_bits(std::uint32_t token, std::uint64_t bits) {
    bits_[token] = bits;
}

void HostVariables::set_number(std::uint32_t token, double value) {
    set_bits(token, std::bit_cast<std::uint64_t>(value));
}

void HostVariables::set_whole(std::uint32_t token, std::uint32_t value) {
    set_bits(token, value);
}

void HostVariables::advance_time_base(double seconds) {
    set_number(kTokenTimeBase, number(kTokenTimeBase) + seconds * kTimeBaseUnitsPerSecond);
}

}  // namespace host
