#pragma once
// The arithmetic of skinned menus, free of windows: what kind an item is
// from its caption, how large items and popups measure, the border width a
// skin gives popups, and the corner pixels cut out of a popup's region.

#include <string>
#include <vector>

#include "paint/PixelGeometry.h"

namespace folvane {

class SkinModel;

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

// "-" is a divider; a caption that starts and ends with "-" is a caption
// item; everything else is a normal item.
TsMenuItemType MenuItemTypeOf(const std::wstring& caption);
// The word a caption item shows: the first part between "-" characters.
std::wstring CaptionItemWord(const std::wstring& caption);
std::wstring WithoutAmpersands(const std::wstring& text);

// The extra line's caption when nobody supplies one.
extern const wchar_t kDefaultExtraLineCaption[];

struct MenuItemSizes {
  int Margin = 2;
  int Spacing = 6;
};

// Width of a popup item: 2 x glyph width + text width + 3 x Margin +
// Spacing, plus the extra line's width for items of the first column.
int PopupItemWidth(const MenuItemSizes& sizes, int glyphWidth, int textWidth, int extraLine);
// Height: 2 for a divider; Round(1.25 x height of "W") + 2 x Margin for a
// caption item; that or the glyph height, whichever is larger, plus
// 2 x Margin for a normal item.
int PopupItemHeight(const MenuItemSizes& sizes, TsMenuItemType type, int letterHeight,
                    int glyphHeight);

struct MeasuredMenuItem {
  int Width = 0;
  int Height = 0;
  bool StartsColumn = false;  // a break before the item
};
// A popup's size: per column the widest item + 12, columns 4 pixels apart;
// the tallest column; both plus 2 x borderWidth.
PixelPoint PopupSize(const std::vector<MeasuredMenuItem>& items, int borderWidth);

// SkinBorderWidth of -1: the "MAINMENU" border's BorderWidth, 3 when that
// is 0 or less, 0 without the border. Values of 0 or more stay.
int ResolveSkinBorderWidth(int value, const SkinModel& model);

// 1 x 1 rectangles (window coordinates of a width x height popup) of the
// key-coloured pixels in the four corners of state 0 of border mask
// `maskIndex`: the top corners at y = 0, the bottom ones at height minus the
// bottom slice.
std::vector<PixelRect> PopupCornerCutouts(const SkinModel& model, int maskIndex, int width,
                                          int height);

}  // namespace folvane
