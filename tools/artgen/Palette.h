#pragma once
// The program's colours: one warm folder yellow, calm accents, dark outlines
// drawn from the same hue as what they surround.

#include <cstdint>

namespace folvane::artgen::palette {

constexpr uint32_t kFolderOutline = 0xB07D16;
constexpr uint32_t kFolderBackTop = 0xE9B036;
constexpr uint32_t kFolderBackBottom = 0xD99E24;
constexpr uint32_t kFolderFrontTop = 0xF9D469;
constexpr uint32_t kFolderFront = 0xF4C542;
constexpr uint32_t kFolderFrontBottom = 0xEDB832;
constexpr uint32_t kFolderHighlight = 0xFFEBB0;
constexpr uint32_t kPaper = 0xFFFFFF;
constexpr uint32_t kPaperShade = 0xE9ECF0;
constexpr uint32_t kPaperOutline = 0xB9BEC6;

// The four blades of the vane, each with a lit and a shaded half.
constexpr uint32_t kVaneLit[4] = {0x4FB6A8, 0x5D95E0, 0x9C7FDB, 0xF2897A};
constexpr uint32_t kVaneShade[4] = {0x2E9485, 0x3A74C4, 0x7A5BC0, 0xDB6352};
constexpr uint32_t kVaneHub = 0xFFFFFF;
constexpr uint32_t kBadgeRing = 0xFFFFFF;
constexpr uint32_t kBadgeOutline = 0x8C97A6;

constexpr uint32_t kGreen = 0x3AA655;
constexpr uint32_t kGreenDark = 0x23803B;
constexpr uint32_t kRed = 0xDC2828;
constexpr uint32_t kRedDark = 0xA51C1C;
constexpr uint32_t kBlue = 0x3C7DD9;
constexpr uint32_t kBlueDark = 0x2A5FAE;
constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace folvane::artgen::palette
