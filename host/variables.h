// Host variables by token. Each holds 8 raw bytes, exactly what the host writes
// into a module variable's value: a double for number tokens, or for
// whole-number tokens (frequencies, codes, enumerations) the integer in the low
// 32 bits with the high bits 0. Tests may put any bit pattern in any variable.
#pragma once

#include <cstdint>
#include <map>

namespace host {

inline constexpr std::uint32_t kTokenNone = 0;      // names no variable; never refreshed
inline constexpr std::uint32_t kTokenTimeBase = 1;  // grows with host time
inline constexpr double kTimeBaseUnitsPerSecond = 18.0;

class HostVariables {
  public:
    // Every variable holds 0 until set.
    std::uint64_t bits(std::uint32_t token) const;
    double number(std::uint32_t token) const;
    std::uint32_t whole(std::uint32_t token) const;

    void set_bits(std::uint32_t token, std::uint64_t bits);
    void set_number(std::uint32_t token, double value);
    void set_whole(std::uint32_t token, std::uint32_t value);

    // Moves the time base on by `seconds` of host time.
    void advance_time_base(double seconds);

  private:
    std::map<std::uint32_t, std::uint64_t> bits_;
};

}  // namespace host
