// Bitmap ids of the Ostrel0 module.
#pragma once

#include <cstdint>

namespace flight::bitmap {

inline constexpr std::uint32_t kVsiDial = 0x100;
inline constexpr std::uint32_t kVsiNeedle = 0x101;
inline constexpr std::uint32_t kAsiDial = 0x110;
inline constexpr std::uint32_t kAsiNeedle = 0x111;
inline constexpr std::uint32_t kRpmDial = 0x120;
inline constexpr std::uint32_t kRpmNeedle = 0x121;

inline constexpr std::uint32_t kAltimeterDial = 0x130;
inline constexpr std::uint32_t kTenThousandsPointer = 0x131;
inline constexpr std::uint32_t kThousandsNeedle = 0x132;
inline constexpr std::uint32_t kHundredsNeedle = 0x133;

inline constexpr std::uint32_t kTurnDial = 0x151;
inline constexpr std::uint32_t kInclinometerBall = 0x152;
// The flag icon's first image; its second image (0x154) is not carried, so the
// flag's second state draws nothing.
inline constexpr std::uint32_t kTurnFlag = 0x153;
inline constexpr std::uint32_t kTurnFlagSecondState = 0x154;
inline constexpr std::uint32_t kAircraftSymbol = 0x155;

inline constexpr std::uint32_t kGyroBezel = 0x180;
inline constexpr std::uint32_t kCompassCard = 0x181;  // the card's window follows it
inline constexpr std::uint32_t kCompassWindow = 0x182;
inline constexpr std::uint32_t kHeadingMarker = 0x184;

}  // namespace flight::bitmap
