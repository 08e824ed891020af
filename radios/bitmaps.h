// Bitmap ids of the Radios module. An icon's further images follow its first
// id; a moving image's window follows its picture.
#pragma once

#include <cstdint>

namespace radios::bitmap {

// COM/NAV units.
inline constexpr std::uint32_t kComNav1Face = 0x101;
inline constexpr std::uint32_t kComNav2Face = 0x111;
inline constexpr std::uint32_t kPowerKnobOff = 0x103;  // kPowerKnobOn follows it
inline constexpr std::uint32_t kPowerKnobOn = 0x104;

// Transponder.
inline constexpr std::uint32_t kTransponderFace = 0x120;
inline constexpr std::uint32_t kDigitStrip = 0x121;
inline constexpr std::uint32_t kDigitWindow = 0x122;
inline constexpr std::uint32_t kReplyLamp = 0x123;
inline constexpr std::uint32_t kModeKnobOff = 0x125;  // SBY, ON, ALT, TST follow it
inline constexpr int kModeKnobPositions = 5;

// ADF receiver.
inline constexpr std::uint32_t kAdfFace = 0x135;
inline constexpr std::uint32_t kAdfKnobOff = 0x137;  // kAdfKnobOn follows it
inline constexpr std::uint32_t kAdfKnobOn = 0x138;

// Autopilot: the face and each mode button lit.
inline constexpr std::uint32_t kAutopilotFace = 0x150;
inline constexpr std::uint32_t kAltLit = 0x151;
inline constexpr std::uint32_t kApLit = 0x152;
inline constexpr std::uint32_t kAprLit = 0x153;
inline constexpr std::uint32_t kHdgLit = 0x154;
inline constexpr std::uint32_t kNavLit = 0x155;
inline constexpr std::uint32_t kRevLit = 0x156;

// DME.
inline constexpr std::uint32_t kDmeFace = 0x160;
inline constexpr std::uint32_t kDmeLeverR1 = 0x162;  // kDmeLeverR2 follows it
inline constexpr std::uint32_t kDmeLeverR2 = 0x163;
inline constexpr std::uint32_t kDmeSlideOff = 0x165;  // kDmeSlideOn follows it
inline constexpr std::uint32_t kDmeSlideOn = 0x166;

// Audio panel.
inline constexpr std::uint32_t kAudioFace = 0x170;
inline constexpr std::uint32_t kMarkerBlueLit = 0x172;  // amber, then white follow it
inline constexpr std::uint32_t kMarkerAmberLit = 0x173;
inline constexpr std::uint32_t kMarkerWhiteLit = 0x174;
inline constexpr std::uint32_t kAudioButtonLit = 0x176;

}  // namespace radios::bitmap
