#include "runtime/win/MenuItemDefaults.h"

#include <algorithm>

#include "runtime/win/Graphics.h"
#include "runtime/win/Handles.h"
#include "runtime/win/Menus.h"

namespace folvane {

namespace {

LOGFONTW SystemMenuFont() {
  NONCLIENTMETRICSW metrics;
  ReadNonClientMetrics(metrics);
  return metrics.lfMenuFont;
}

// The two fonts are made once and live as long as the process: every menu
// item measures and draws with them.
struct MenuFonts {
  FontHandle normal;
  FontHandle bold;
};

void ReleaseMenuFonts();

MenuFonts& Fonts() {
  static MenuFonts fonts;
  return fonts;
}

void ReleaseMenuFonts() {
  Fonts().normal.Reset();
  Fonts().bold.Reset();
}

std::wstring ItemText(const TMenuItem& item) {
  std::wstring text = item.Caption();
  const std::wstring shortCut = ShortCutToText(item.ShortCut());
  if (!shortCut.empty()) text += L"\t" + shortCut;
  return text;
}

}  // namespace

HFONT MenuFontHandle(bool bold) {
  // Held between uses like the painting scratch bitmaps: handle counts drop
  // them first.
  HandleCount::AddCache(ReleaseMenuFonts);
  FontHandle& font = bold ? Fonts().bold : Fonts().normal;
  if (!font) {
    LOGFONTW lf = SystemMenuFont();
    if (bold) lf.lfWeight = FW_BOLD;
    font.Reset(CreateFontIndirectW(&lf));
  }
  return font.Get();
}

void MeasureMenuItemDefault(TMenuItem& item, HDC dc, int& width, int& height) {
  if (item.IsLine()) {
    width = 10;
    height = GetSystemMetrics(SM_CYMENU) / 2;
    return;
  }
  SelectGuard font(dc, MenuFontHandle(item.Default()));
  RECT r{0, 0, 0, 0};
  const std::wstring text = ItemText(item);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  width = r.right + 2 * GetSystemMetrics(SM_CXMENUCHECK) + 8;
  height = std::max<int>(r.bottom + 4, GetSystemMetrics(SM_CYMENUCHECK));
}

void DrawMenuItemDefault(TMenuItem& item, HDC dc, const RECT& rect, unsigned state) {
  const bool selected = (state & ODS_SELECTED) != 0;
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (item.IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  SelectGuard font(dc, MenuFontHandle(item.Default()));
  SetBkMode(dc, TRANSPARENT);
  const int textColor = !item.Enabled() ? COLOR_GRAYTEXT
                        : selected      ? COLOR_HIGHLIGHTTEXT
                                        : COLOR_MENUTEXT;
  SetTextColor(dc, GetSysColor(textColor));
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  if (item.Checked()) {
    RECT box{rect.left, rect.top, rect.left + check + 4, rect.bottom};
    DrawTextW(dc, item.RadioItem() ? L"\x25CF" : L"\x2713", 1, &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  RECT text = rect;
  text.left += check + 4;
  text.right -= 8;
  DrawTextW(dc, item.Caption().c_str(), static_cast<int>(item.Caption().size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  const std::wstring shortCut = ShortCutToText(item.ShortCut());
  if (!shortCut.empty())
    DrawTextW(dc, shortCut.c_str(), static_cast<int>(shortCut.size()), &text,
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace folvane
