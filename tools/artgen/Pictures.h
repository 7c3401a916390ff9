#pragma once
// Every picture the program ships, drawn from scratch.

#include <cstdint>

#include "Pixels.h"

namespace folvane::artgen {

// Key colours of the keyed glyphs (0xRRGGBB); the bottom-left pixel of each
// glyph holds its key.
constexpr uint32_t kKeyRed = 0xFF0000;
constexpr uint32_t kKeyCyan = 0x00FFFF;
constexpr uint32_t kKeyGreen = 0x00FF00;
constexpr uint32_t kKeyOlive = 0x808000;

// The program icon at one size, with soft alpha.
Pixels iconPicture(int size);

// 32 x 32 keyed button glyphs.
Pixels applyGlyph();
Pixels removeGlyph();
Pixels clearGlyph();
Pixels aboutGlyph();
Pixels closeGlyph();

// 36 x 18: the normal and the disabled check mark side by side, keyed olive.
Pixels okGlyph();

// 32 x 32 closed folder, every pixel fully opaque or fully transparent.
Pixels defaultFolderPicture();

// 147 x 110 opaque illustration for the About box.
Pixels aboutPicture();

// The browse button glyphs of the combo edits: normal, hot and pressed
// images (17 high) side by side over their masks, 24-bit.
Pixels openFileGlyph();     // 60 x 34
Pixels openFolderGlyph();   // 60 x 34
Pixels calendarGlyph();     // 48 x 34
Pixels ellipsisGlyph();     // 54 x 34
Pixels calculatorGlyph();   // 57 x 34

}  // namespace folvane::artgen
