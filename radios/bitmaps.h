// Bitmap ids of the Radios module.
#pragma once

#include <cstdint>

namespace radios::bitmap {

inline constexpr std::uint32_t kComNav1Face = 0x101;
inline constexpr std::uint32_t kComNav2Face = 0x111;
inline constexpr std::uint32_t kPowerKnobOff = 0x103;  // kPowerKnobOn follows it
inline constexpr std::uint32_t kPowerKnobOn = 0x104;

}  // namespace radios::bitmap
