// Drawing of skinned popup items: the popup's background, prepared once per
// open menu, and each item cut out of it and painted over.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "menus/win/sSkinMenus.h"
#include "paint/Blends.h"
#include "paint/KeyedCopies.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Application.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/MenuItemDefaults.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

constexpr TColor kKey = 0xFF00FF;

// GetWindowDC/ReleaseDC: border strips lie outside a popup's client area
// on systems that give popups a frame.
class WindowFrameDC {
 public:
  explicit WindowFrameDC(HWND wnd) : wnd_(wnd), dc_(wnd ? GetWindowDC(wnd) : nullptr) {
    if (dc_) HandleCount::Created(HandleKind::DeviceContext);
  }
  ~WindowFrameDC() {
    if (!dc_) return;
    ReleaseDC(wnd_, dc_);
    HandleCount::Released(HandleKind::DeviceContext);
  }
  WindowFrameDC(const WindowFrameDC&) = delete;
  WindowFrameDC& operator=(const WindowFrameDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

TFont MenuFont(bool bold) {
  NONCLIENTMETRICSW metrics;
  ReadNonClientMetrics(metrics);
  TFont font(metrics.lfMenuFont.lfFaceName, metrics.lfMenuFont.lfHeight);
  if (bold) font.SetStyle(fsBold);
  return font;
}

void Blit(HDC to, int x, int y, int w, int h, TBitmap& from, int fx, int fy) {
  if (w <= 0 || h <= 0) return;
  BitBlt(to, x, y, w, h, from.DC(), fx, fy, SRCCOPY);
}

// A piece of the background as a working bitmap of its own.
TBitmap BackgroundPiece(TBitmap& background, int x, int y, int w, int h) {
  TBitmap piece(w, h);
  Blit(piece.DC(), 0, 0, w, h, background, x, y);
  GdiFlush();
  return piece;
}

bool LastInColumn(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (!parent) return true;
  bool after = false;
  for (const TMenuItem* sibling : parent->ItemList()) {
    if (!sibling->Visible()) continue;
    if (after) return sibling->Break() != TMenuBreak::mbNone;
    if (sibling == &item) after = true;
  }
  return true;
}

const TMenuItem* LastVisible(const TMenuItem& item) {
  const TMenuItem* last = nullptr;
  if (const TMenuItem* parent = item.Parent())
    for (const TMenuItem* sibling : parent->ItemList())
      if (sibling->Visible()) last = sibling;
  return last;
}

}  // namespace

void TsSkinableMenus::DrawItem(TMenuItem& item, HDC dc, const RECT& rect,
                               TOwnerDrawState odState) {
  if (!SkinUsable()) {
    DrawMenuItemDefault(item, dc, rect, odState);
    return;
  }
  PopupMenuState& state = StateFor(item);
  if (!state.Window) state.Window = WindowFromDC(dc);
  if (!state.BackgroundReady) PrepareBackground(state, item, state.Window, dc);
  if (state.Background.Empty()) {
    DrawMenuItemDefault(item, dc, rect, odState);
    return;
  }
  if (!state.Subclassed && !state.HandOverPosted) {
    // The popup is taken over from the message loop, never from inside its
    // own painting.
    state.HandOverPosted = true;
    if (Application && Application->Handle()) {
      if (state.Window) {
        PostMessageW(Application->Handle(), kMenuWindowFound, 0,
                     reinterpret_cast<LPARAM>(state.Window));
      } else {
        PostMessageW(Application->Handle(), kMenuItemPainted, 0, reinterpret_cast<LPARAM>(&item));
      }
    } else {
      TakeOverWindow(state.Window);
    }
  }
  const int extra = InFirstColumn(item) ? ExtraLineWidth(state) : 0;
  {
    WindowFrameDC frame(state.Window);
    HDC windowDC = frame.Get();
    if (windowDC) {
      DrawBorderStrips(state, item, windowDC, rect);
      FillBelowAndBeside(state, item, windowDC, rect);
    }
  }
  switch (MenuItemTypeOf(item.Caption())) {
    case smDivider: DrawDivider(state, dc, rect, extra); break;
    case smCaption: DrawCaptionItem(state, item, dc, rect, extra, odState); break;
    default: DrawNormalItem(state, item, dc, rect, extra, odState); break;
  }
  if (&item == state.FirstItem && extra > 0) {
    // The extra line runs the popup's whole height, past every item.
    WindowFrameDC frame(state.Window);
    const int sbw = ActualSkinBorderWidth();
    if (frame.Get())
      Blit(frame.Get(), sbw, sbw, extra, state.Background.Height() - 2 * sbw, state.Background,
           sbw, sbw);
  }
}

void TsSkinableMenus::PrepareBackground(PopupMenuState& state, TMenuItem& item, HWND window,
                                        HDC dc) {
  state.BackgroundReady = true;
  ComputeExtraLine(state);
  int width = 0, height = 0;
  if (window) {
    RECT wr{};
    GetWindowRect(window, &wr);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    state.ClientOffset = {origin.x - wr.left, origin.y - wr.top};
    width = wr.right - wr.left;
    height = wr.bottom - wr.top;
  } else if (TMenuItem* parent = item.Parent()) {
    // No window to ask: the size the platform gives the measured items.
    std::vector<MeasuredMenuItem> measured;
    for (TMenuItem* sibling : parent->ItemList()) {
      if (!sibling->Visible()) continue;
      MeasuredMenuItem m;
      MeasureItem(*sibling, dc, m.Width, m.Height);
      m.StartsColumn = sibling->Break() != TMenuBreak::mbNone;
      measured.push_back(m);
    }
    const PixelPoint size = PopupSize(measured, BorderWidth);
    width = size.X;
    height = size.Y;
  }
  const int mainMenu = Model().FindSection("MAINMENU");
  if (mainMenu < 0 || width <= 0 || height <= 0) return;
  state.Background = TBitmap(width, height);
  PaintSection(mainMenu, "MAINMENU", BackgroundInfo{}, -1, -1, Model(),
               state.Background.Pixels(), {0, 0}, {0, 0, width, height}, 0, true);
  const TMenuItem& first = state.FirstItem ? *state.FirstItem : item;
  state.IconColumn = Margin + GlyphSize(first).cx + Spacing;
  const int sbw = ActualSkinBorderWidth();
  const int extra = ExtraLineWidth(state);
  if (extra > 0) PaintExtraLine(state, height);
  const std::string& icoLine = manager_.MenuSupport().IcoLineSkin;
  const int icoSection = Model().FindSection(icoLine);
  const int stripHeight = height - 2 * sbw;
  if (icoSection >= 0 && stripHeight > 0 && state.IconColumn > 0) {
    TBitmap strip(state.IconColumn, stripHeight);
    PaintSection(icoSection, icoLine, BitmapBackground(state.Background.Pixels(), extra + sbw, sbw),
                 -1, -1, Model(), strip.Pixels(), {0, 0}, {0, 0, strip.Width(), stripHeight}, 0,
                 true);
    Blit(state.Background.DC(), extra + sbw, sbw, strip.Width(), stripHeight, strip, 0, 0);
    GdiFlush();
  }
  state.Cutouts = PopupCornerCutouts(
      Model(), Model().FindMask(mainMenu, "MAINMENU", "BORDERSMASK"), width, height);
}

void TsSkinableMenus::PaintExtraLine(PopupMenuState& state, int height) {
  const int sbw = ActualSkinBorderWidth();
  const int extra = ExtraLineWidth(state);
  const int stripHeight = height - 2 * sbw;
  const int section = Model().FindSection(state.ExtraSection);
  if (section < 0 || stripHeight <= 0) return;
  TBitmap strip(extra, stripHeight);
  PaintSection(section, state.ExtraSection, BitmapBackground(state.Background.Pixels(), sbw, sbw),
               -1, -1, Model(), strip.Pixels(), {0, 0}, {0, 0, extra, stripHeight}, 0, true);
  int baseline = stripHeight - 12;
  if (state.ExtraGlyph && !state.ExtraGlyph->Empty()) {
    TBitmap& glyph = *state.ExtraGlyph;
    Blit(strip.DC(), (extra - glyph.Width()) / 2, stripHeight - 12 - glyph.Height(),
         glyph.Width(), glyph.Height(), glyph, 0, 0);
    baseline = stripHeight - (glyph.Height() + 20);
  }
  if (!state.ExtraCaption.empty()) {
    const TvtMenuSupport& support = manager_.MenuSupport();
    LOGFONTW lf{};
    lf.lfHeight = support.ExtraLineFontHeight;
    lf.lfEscapement = -2700;
    lf.lfOrientation = -2700;
    lstrcpynW(lf.lfFaceName, support.ExtraLineFontName.c_str(), LF_FACESIZE);
    FontHandle font(CreateFontIndirectW(&lf));
    HDC dc = strip.DC();
    SelectGuard select(dc, font.Get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Model().Section(section)->FontColor));
    // Turned a quarter anticlockwise, the text's height lies across the
    // strip and its run goes up from the baseline point.
    TextOutW(dc, (extra - metrics.tmHeight) / 2, baseline, state.ExtraCaption.c_str(),
             static_cast<int>(state.ExtraCaption.size()));
  }
  Blit(state.Background.DC(), sbw, sbw, extra, stripHeight, strip, 0, 0);
  GdiFlush();
}

void TsSkinableMenus::DrawBorderStrips(PopupMenuState& state, TMenuItem& item, HDC windowDC,
                                       const RECT& r) {
  TBitmap& bg = state.Background;
  const int w = bg.Width(), h = bg.Height();
  const int top = r.top + state.ClientOffset.y;
  const int itemHeight = r.bottom - r.top;
  if (&item == state.FirstItem) Blit(windowDC, 0, 0, w, BorderWidth, bg, 0, 0);
  if (&item == LastVisible(item)) Blit(windowDC, 0, h - BorderWidth, w, BorderWidth, bg, 0, h - BorderWidth);
  const int extra = InFirstColumn(item) ? ExtraLineWidth(state) : 0;
  const int left = std::max(ActualSkinBorderWidth(), BorderWidth) + extra;
  Blit(windowDC, 0, top, left, itemHeight, bg, 0, top);
  Blit(windowDC, w - BorderWidth, top, BorderWidth, itemHeight, bg, w - BorderWidth, top);
}

void TsSkinableMenus::FillBelowAndBeside(PopupMenuState& state, TMenuItem& item, HDC windowDC,
                                         const RECT& r) {
  TBitmap& bg = state.Background;
  const int x = r.left + state.ClientOffset.x;
  const int y = r.top + state.ClientOffset.y;
  const int bottom = r.bottom + state.ClientOffset.y;
  if (LastInColumn(item))
    Blit(windowDC, x, bottom, r.right - r.left, bg.Height() - BorderWidth - bottom, bg, x, bottom);
  if (item.Break() != TMenuBreak::mbNone) Blit(windowDC, x - 4, y, 4, r.bottom - r.top, bg, x - 4, y);
}

void TsSkinableMenus::DrawDivider(PopupMenuState& state, HDC dc, const RECT& r, int extra) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  const int bx = r.left + state.ClientOffset.x, by = r.top + state.ClientOffset.y;
  TBitmap image = BackgroundPiece(state.Background, bx, by, w, h);
  const int left = std::max(extra + Margin + Spacing, extra + state.IconColumn + 2);
  const int right = w - (extra + 2 * Margin + Spacing);
  int mask = -1;
  const int divider = Model().FindSection("DIVIDERV");
  if (divider >= 0) mask = Model().FindMask(divider, "DIVIDERV", "BORDERSMASK");
  if (mask < 0) {
    const int trackBar = Model().FindSection("TRACKBAR");
    mask = Model().FindMask(trackBar, "TRACKBAR", "SLIDERCHANNEL");
  }
  if (right > left) {
    if (const TsMaskData* entry = Model().Mask(mask)) {
      PaintMask(image.Pixels(), {left, 0, right, h}, true, true, 0, *entry,
                BitmapBackground(state.Background.Pixels(), bx, by));
    } else {
      for (int x = left; x < right; ++x) {
        image.Pixels().SetColor(x, 0, 0x808080);
        if (h > 1) image.Pixels().SetColor(x, 1, 0xFFFFFF);
      }
    }
  }
  if (OnDrawItem) OnDrawItem(this, image.DC(), RECT{0, 0, w, h}, 0, smDivider);
  Blit(dc, r.left, r.top, w, h, image, 0, 0);
}

void TsSkinableMenus::DrawCaptionItem(PopupMenuState& state, TMenuItem& item, HDC dc,
                                      const RECT& r, int extra, TOwnerDrawState odState) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  const int bx = r.left + state.ClientOffset.x, by = r.top + state.ClientOffset.y;
  TBitmap image = BackgroundPiece(state.Background, bx, by, w, h);
  const int toolbar = Model().FindSection("TOOLBAR");
  const RECT inner{extra + 1, 1, w - 1, h - 1};
  if (toolbar >= 0 && inner.right > inner.left && inner.bottom > inner.top) {
    PaintSection(toolbar, "TOOLBAR", BitmapBackground(state.Background.Pixels(), bx, by), -1, -1,
                 Model(), image.Pixels(), {inner.left, inner.top},
                 {inner.left, inner.top, inner.right, inner.bottom}, 0, true);
    TextCanvas canvas(image.DC());
    canvas.Font = CaptionFont;
    DrawSectionText(canvas, CaptionItemWord(item.Caption()), true, inner,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE, toolbar, false, &manager_);
  }
  if (OnDrawItem) OnDrawItem(this, image.DC(), RECT{0, 0, w, h}, odState, smCaption);
  Blit(dc, r.left, r.top, w, h, image, 0, 0);
}

void TsSkinableMenus::DrawItemImage(TMenuItem& item, TBitmap& image, int x, int y) const {
  if (!item.Bitmap().Empty()) {
    const PixelBuffer& picture = item.Bitmap().Pixels();
    const TColor key = picture.GetColor(0, picture.Height() - 1);
    CopyKeyed(image.Pixels(), x, y, picture, {0, 0, picture.Width() - 1, picture.Height() - 1}, key);
    return;
  }
  const TMenu* menu = item.GetParentMenu();
  if (menu && menu->Images && menu->Images->Handle() && item.ImageIndex() >= 0) {
    ImageList_Draw(menu->Images->Handle(), item.ImageIndex(), image.DC(), x, y, ILD_TRANSPARENT);
    GdiFlush();
  }
}

void TsSkinableMenus::DrawNormalItem(PopupMenuState& state, TMenuItem& item, HDC dc,
                                     const RECT& r, int extra, TOwnerDrawState odState) {
  const int w = r.right - r.left - extra, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  const int bx = r.left + extra + state.ClientOffset.x, by = r.top + state.ClientOffset.y;
  TBitmap image = BackgroundPiece(state.Background, bx, by, w, h);
  const bool enabled = item.Enabled() && !(odState & (odDisabled | odGrayed));
  const bool selected = (odState & odSelected) != 0;
  const bool hot = enabled && (selected || (odState & odHotLight));
  const int menuItem = Model().FindSection("MENUITEM");
  PaintSection(menuItem, "MENUITEM", BitmapBackground(state.Background.Pixels(), bx, by), -1, -1,
               Model(), image.Pixels(), {0, 0}, {0, 0, w, h}, selected && enabled ? 1 : 0, true);
  if (item.Checked()) {
    const int global = Model().FindSection("GLOBALINFO");
    int mask = Model().FindMask(global, "GLOBALINFO", item.RadioItem() ? "RADIOCHECKED" : "CHECK");
    if (mask < 0) mask = Model().FindMask(global, "GLOBALINFO", "BOXCHECKED");
    if (const TsMaskData* glyph = Model().Mask(mask)) {
      const MaskSize size = Model().MaskStateSize(mask);
      PaintGlyph(image.Pixels(), {Margin, (h - size.y) / 2}, selected && enabled ? 1 : 0,
                 BitmapBackground(image.Pixels()), *glyph, kGlyphNormal);
    }
  }
  const SIZE glyph = GlyphSize(item);
  const TMenu* menu = item.GetParentMenu();
  const bool rightToLeft = menu && menu->RightToLeft;
  const int at = (h - glyph.cy) / 2;
  DrawItemImage(item, image, rightToLeft ? w - at - glyph.cx : at, at);

  TextCanvas canvas(image.DC());
  canvas.Font = MenuFont(item.Default() || (odState & odDefault));
  RECT textRect{glyph.cx + 2 * Margin + Spacing, 0, w, h};
  std::wstring caption = item.Caption();
  UINT flags = AlignmentFlag();
  if (!caption.empty() && caption[0] == 8) {
    caption.erase(0, 1);
    caption += L"      ";
    flags = DT_RIGHT;
  }
  flags |= DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP;
  if (rightToLeft) flags = (flags & ~DT_CENTER) | DT_RIGHT;
  if (odState & odNoAccel) flags |= DT_HIDEPREFIX;
  DrawSectionText(canvas, caption, true, textRect, flags, menuItem, hot, &manager_);
  const std::wstring shortCut = ShortCutToText(item.ShortCut());
  if (!shortCut.empty()) {
    const RECT keys = rightToLeft ? RECT{6, 0, w, h} : RECT{textRect.left, 0, w - 8, h};
    DrawSectionText(canvas, shortCut, true, keys,
                    (rightToLeft ? DT_LEFT : DT_RIGHT) | DT_VCENTER | DT_SINGLELINE, menuItem, hot,
                    &manager_);
  }
  GdiFlush();
  if (OnDrawItem) OnDrawItem(this, image.DC(), RECT{0, 0, w, h}, odState, smNormal);
  if (!enabled) {
    GdiFlush();
    BlendKeyedRect(image.Pixels(), 0, 0, state.Background.Pixels(),
                   {bx, by, bx + w - 1, by + h - 1}, kKey, 0.4);
  }
  Blit(dc, r.left + extra, r.top, w, h, image, 0, 0);
}

// --- main-menu top items

void TsSkinableMenus::DrawTopItem(TMenuItem& item, HDC dc, const RECT& rect,
                                  TOwnerDrawState state) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const int line = Model().FindSection("MENULINE");
  if (!SkinUsable() || w <= 0 || h <= 0 || line < 0) {
    DrawMenuItemDefault(item, dc, rect, state);
    return;
  }
  TBitmap image(w, h);
  PaintSection(line, "MENULINE", BackgroundInfo{}, -1, -1, Model(), image.Pixels(), {0, 0},
               {0, 0, w, h}, 0, true);
  DrawTopItemInto(item, image, RECT{0, 0, w, h}, state);
  Blit(dc, rect.left, rect.top, w, h, image, 0, 0);
}

void TsSkinableMenus::DrawTopItemInto(TMenuItem& item, TBitmap& lineImage, const RECT& rect,
                                      TOwnerDrawState state) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0 || lineImage.Empty()) return;
  TBitmap image = BackgroundPiece(lineImage, rect.left, rect.top, w, h);
  const bool hot = (state & (odSelected | odHotLight)) != 0;
  PaintSection(Model().FindSection("MENUITEM"), "MENUITEM",
               BitmapBackground(lineImage.Pixels(), rect.left, rect.top), -1, -1, Model(),
               image.Pixels(), {0, 0}, {0, 0, w, h}, hot ? 1 : 0, true);
  int textLeft = Margin;
  const TMenu* menu = item.GetParentMenu();
  if (!item.Bitmap().Empty() || (menu && menu->Images && item.ImageIndex() >= 0)) {
    const SIZE glyph = GlyphSize(item);
    DrawItemImage(item, image, 3, (h - glyph.cy) / 2);
    textLeft += 3 + glyph.cx;
  }
  TextCanvas canvas(image.DC());
  canvas.Font = MenuFont(item.Default());
  const UINT flags = AlignmentFlag() | DT_VCENTER | DT_SINGLELINE |
                     ((state & odNoAccel) ? DT_HIDEPREFIX : 0);
  DrawSectionText(canvas, item.Caption(), true, RECT{textLeft, 0, w - Margin, h}, flags,
                  Model().FindSection("MENULINE"), hot, &manager_);
  GdiFlush();
  if (OnDrawItem) OnDrawItem(this, image.DC(), RECT{0, 0, w, h}, state, smTopLine);
  if (!item.Enabled() || (state & (odDisabled | odGrayed))) {
    GdiFlush();
    BlendKeyedRect(image.Pixels(), 0, 0, lineImage.Pixels(),
                   {rect.left, rect.top, rect.right - 1, rect.bottom - 1}, 0xFF000000, 102.0 / 255);
  }
  Blit(lineImage.DC(), rect.left, rect.top, w, h, image, 0, 0);
  GdiFlush();
}

}  // namespace folvane
