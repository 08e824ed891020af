// RenderFixture: the bitmaps, tokens and positions shared by the fixture's
// declarations, its painter and the renderer tests.
#pragma once

#include <cstdint>

namespace render_fixture {

// Bitmaps (24-bit, so every colour arrives exactly).
inline constexpr std::uint32_t kBackground = 0x100;     // 200 x 200 mid grey
inline constexpr std::uint32_t kNeedleBitmap = 0x110;   // 72 x 5, white bar on black, points right
inline constexpr std::uint32_t kFramedSquare = 0x120;   // 20 x 20 red, black 10 x 10 centre
inline constexpr std::uint32_t kGreenSquare = 0x121;    // 20 x 20 green
inline constexpr std::uint32_t kIconImages = 0x130;     // three 20 x 20: red, green, blue
inline constexpr std::uint32_t kSliderBlock = 0x140;    // 10 x 10 yellow
inline constexpr std::uint32_t kStrip = 0x150;          // 60 x 20: red, green, blue thirds
inline constexpr std::uint32_t kStripWindow = 0x151;    // 20 x 20: white frame, black hole
inline constexpr std::uint32_t kTexture = 0x160;        // 300 x 300: red bar right of centre
inline constexpr std::uint32_t kTextureWindow = 0x161;  // 60 x 60: white frame, black hole

inline constexpr int kGaugeSize = 200;
inline constexpr int kPivot = 100;  // needles turn about (100, 100)
inline constexpr int kNeedleLength = 72;
inline constexpr int kNeedleWidth = 5;
inline constexpr int kTableRadius = 70;  // table points lie this far from the pivot

// The needle pictures' point sits at x = 0, y = 2 of the needle bitmap.
inline constexpr int kNeedlePivotX = 0;
inline constexpr int kNeedlePivotY = 2;

// Tokens.
inline constexpr std::uint32_t kWrapToken = 200;  // WrapNeedle
inline constexpr std::uint32_t kTurnToken = 201;  // TurnNeedle
inline constexpr std::uint32_t kFreeToken = 202;  // FreeNeedle, no table, 6 degrees per update
inline constexpr std::uint32_t kHideToken = 210;  // 1: the gauge callback hides the framed square
inline constexpr std::uint32_t kIconToken = 211;
inline constexpr std::uint32_t kSliderToken = 213;
inline constexpr std::uint32_t kMovingToken = 214;    // travel 0 to 100
inline constexpr std::uint32_t kRotationToken = 215;  // degrees

// Element positions of the gauge "Elements".
inline constexpr int kTransparentX = 10, kTransparentY = 10;  // framed square, flag 0x1
inline constexpr int kOpaqueX = 40, kOpaqueY = 10;            // framed square, no flags
inline constexpr int kHiddenX = 70, kHiddenY = 10;            // framed square the callback hides
inline constexpr int kChildX = 100, kChildY = 10;             // its child, the green square
inline constexpr int kIconX = 10, kIconY = 40;
inline constexpr int kSliderX = 150, kSliderY = 10;
inline constexpr int kMovingX = 150, kMovingY = 40;
inline constexpr int kSpriteX = 130, kSpriteY = 130;
inline constexpr int kStringX = 10, kStringY = 70;               // box 120 x 40, flag 0x1
inline constexpr int kOpaqueStringX = 10, kOpaqueStringY = 130;  // box 100 x 30, no flags
inline constexpr int kStringWidth = 120, kStringHeight = 40;
inline constexpr int kOpaqueStringWidth = 100, kOpaqueStringHeight = 30;

inline constexpr std::uint32_t kTextColour = 0x0060D0;  // 0x00BBGGRR: orange
inline constexpr std::uint32_t kHighlightColour = 0xFFFFFF;
inline constexpr std::uint32_t kOpaqueBackground = 0x400000;  // dark blue

// Failure keys: the string is not drawn (3), the icon shows 0 (2), the slider
// freezes (1).
inline constexpr std::uint32_t kStringFailure = 20;
inline constexpr std::uint32_t kIconFailure = 21;
inline constexpr std::uint32_t kSliderFailure = 22;

}  // namespace render_fixture
