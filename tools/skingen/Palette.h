#pragma once
// The skin's colours (0xRRGGBB): light neutral greys for surfaces and one
// calm steel blue (hue about 200 degrees) for everything active, hot or
// selected. Options.dat repeats these values in its own BGR decimal form.

#include <cstdint>

namespace folvane::skingen::palette {

// Surfaces.
constexpr uint32_t kWindow = 0xF0F0F0;  // GLOBALINFO, dialogs
constexpr uint32_t kForm = 0xE7E7E7;    // client area of forms
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kTrack = 0xF0F0F0;   // scroll-bar tracks

// Lines.
constexpr uint32_t kLineSoft = 0xD5D5D5;
constexpr uint32_t kLineBox = 0xC8C8C8;   // group boxes, panels, page bodies
constexpr uint32_t kLineEdit = 0xABB1B9;  // edits and check boxes, cool grey
constexpr uint32_t kLineButton = 0xA9ADB2;
constexpr uint32_t kLineMenu = 0x979A9E;

// The accent, darkest to lightest.
constexpr uint32_t kAccent900 = 0x2E566A;  // text contour of the active caption
constexpr uint32_t kAccent800 = 0x3A6680;  // active window outline
constexpr uint32_t kAccent700 = 0x3F7596;
constexpr uint32_t kAccent600 = 0x4C88AE;
constexpr uint32_t kAccent500 = 0x5C98BC;
constexpr uint32_t kAccent300 = 0x9CC6E2;
constexpr uint32_t kAccent200 = 0xC8E0F2;
constexpr uint32_t kAccent100 = 0xE2EFF9;
constexpr uint32_t kAccent50 = 0xF1F7FC;

// Active caption, top to bottom (the gradient of FORMTITLE).
constexpr uint32_t kCaptionTop = 0x94C0DA;
constexpr uint32_t kCaptionBottom = 0x568AAD;
// Inactive caption and frame.
constexpr uint32_t kCaptionIdle = 0xDADADA;
constexpr uint32_t kOutlineIdle = 0xA0A0A0;

// Glyph strokes.
constexpr uint32_t kGlyph = 0x505050;
constexpr uint32_t kGlyphHot = 0x202020;
constexpr uint32_t kCheck = 0x2E566A;
constexpr uint32_t kCloseHot = 0xD1463C;
constexpr uint32_t kClosePressed = 0xA8342C;

// Scroll-bar thumbs: normal and hot (also pressed, inside a darker rim).
constexpr uint32_t kThumb[2] = {0xCDCDCD, 0xA6A6A6};
constexpr uint32_t kThumbRim = 0x6E6E6E;
constexpr uint32_t kThumbRimInner = 0x8C8C8C;

}  // namespace folvane::skingen::palette
