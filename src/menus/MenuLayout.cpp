#include "menus/MenuLayout.h"

#include <algorithm>
#include <cmath>

#include "paint/PaintColor.h"
#include "skin/SkinModel.h"

namespace folvane {

// The fourth character is a grave accent, not an apostrophe.
const wchar_t kDefaultExtraLineCaption[] = L"Don\x60t forget OnGetExtraLineData event...";

TsMenuItemType MenuItemTypeOf(const std::wstring& caption) {
  if (caption == L"-") return smDivider;
  if (caption.size() >= 2 && caption.front() == L'-' && caption.back() == L'-') return smCaption;
  return smNormal;
}

std::wstring CaptionItemWord(const std::wstring& caption) {
  size_t start = caption.find_first_not_of(L'-');
  if (start == std::wstring::npos) return {};
  const size_t end = caption.find(L'-', start);
  return caption.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

std::wstring WithoutAmpersands(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text)
    if (c != L'&') out.push_back(c);
  return out;
}

int PopupItemWidth(const MenuItemSizes& sizes, int glyphWidth, int textWidth, int extraLine) {
  return 2 * glyphWidth + textWidth + 3 * sizes.Margin + sizes.Spacing + extraLine;
}

int PopupItemHeight(const MenuItemSizes& sizes, TsMenuItemType type, int letterHeight,
                    int glyphHeight) {
  const int text = static_cast<int>(RoundHalfEven(1.25 * letterHeight));
  switch (type) {
    case smDivider: return 2;
    case smCaption: return text + 2 * sizes.Margin;
    default: return std::max(text, glyphHeight) + 2 * sizes.Margin;
  }
}

PixelPoint PopupSize(const std::vector<MeasuredMenuItem>& items, int borderWidth) {
  int width = 0, height = 0;
  int columnWidth = 0, columnHeight = 0;
  bool first = true;
  for (const auto& item : items) {
    if (item.StartsColumn && !first) {
      width += columnWidth + 4;
      height = std::max(height, columnHeight);
      columnWidth = columnHeight = 0;
    }
    first = false;
    columnWidth = std::max(columnWidth, item.Width + 12);
    columnHeight += item.Height;
  }
  width += columnWidth;
  height = std::max(height, columnHeight);
  return {width + 2 * borderWidth, height + 2 * borderWidth};
}

int ResolveSkinBorderWidth(int value, const SkinModel& model) {
  if (value >= 0) return value;
  const int section = model.FindSection("MAINMENU");
  const TsMaskData* border = model.Mask(model.FindMask(section, "MAINMENU", "BORDERSMASK"));
  if (!border) return 0;
  return border->BorderWidth > 0 ? border->BorderWidth : 3;
}

namespace {

bool IsKey(TColor c) { return (c & 0xFFFFFF) == 0xFF00FF; }

// Pixel (x, y) of state image 0 of a mask.
TColor MaskPixel(const SkinModel& model, const TsMaskData& mask, int x, int y) {
  if (mask.HasImage()) return mask.Image.GetColor(x, y);
  return model.MasterBitmap().GetColor(mask.Left + x, mask.Top + y);
}

}  // namespace

std::vector<PixelRect> PopupCornerCutouts(const SkinModel& model, int maskIndex, int width,
                                          int height) {
  std::vector<PixelRect> cut;
  const TsMaskData* mask = model.Mask(maskIndex);
  if (!mask || width <= 0 || height <= 0) return cut;
  const MaskSize state = model.MaskStateSize(maskIndex);
  const PixelBuffer& source = mask->HasImage() ? mask->Image : model.MasterBitmap();
  const int originX = mask->HasImage() ? 0 : mask->Left;
  const int originY = mask->HasImage() ? 0 : mask->Top;
  const int wl = model.SliceWidthLeft(maskIndex), wr = model.SliceWidthRight(maskIndex);
  const int wt = model.SliceWidthTop(maskIndex), wb = model.SliceWidthBottom(maskIndex);
  struct Corner {
    int sx, sy, w, h, dx, dy;
  };
  const Corner corners[] = {
      {0, 0, wl, wt, 0, 0},
      {state.x - wr, 0, wr, wt, width - wr, 0},
      {0, state.y - wb, wl, wb, 0, height - wb},
      {state.x - wr, state.y - wb, wr, wb, width - wr, height - wb},
  };
  for (const Corner& c : corners) {
    for (int y = 0; y < c.h; ++y) {
      for (int x = 0; x < c.w; ++x) {
        const int px = originX + c.sx + x, py = originY + c.sy + y;
        if (px < 0 || py < 0 || px >= source.Width() || py >= source.Height()) continue;
        if (!IsKey(MaskPixel(model, *mask, c.sx + x, c.sy + y))) continue;
        const int wx = c.dx + x, wy = c.dy + y;
        if (wx < 0 || wy < 0 || wx >= width || wy >= height) continue;
        cut.push_back({wx, wy, wx + 1, wy + 1});
      }
    }
  }
  return cut;
}

}  // namespace folvane
