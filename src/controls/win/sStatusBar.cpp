#include "controls/win/sStatusBar.h"

#include <vector>

#include "controls/StatusBarLayout.h"
#include "controls/win/sEditFace.h"
#include "paint/DcPrimitives.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/TextCanvas.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Application.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

UINT AlignmentFlags(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taCenter: return DT_CENTER;
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taLeftJustify: break;
  }
  return DT_LEFT;
}

}  // namespace

TsStatusBar::TsStatusBar(TComponent* owner) : TStatusBar(owner), SkinData(this, true) {
  SkinData.ControlKind = kStatusBarKind;
  SkinData.PrepareCache = [this] { RebuildCache(); };
  if (!Loading()) SkinData.Loaded();
}

TsStatusBar::~TsStatusBar() { MarkDestroying(); }

void TsStatusBar::Loaded() {
  TStatusBar::Loaded();
  SkinData.Loaded();
}

bool TsStatusBar::TransparentSection() const {
  const TsGeneralData* s = SkinData.Section();
  return s && (s->Transparency > 0 || s->HotTransparency > 0);
}

// --- the cache

void TsStatusBar::RebuildCache() {
  SkinData.InitCacheBitmap();
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty() || !SkinData.Model()) return;
  SkinData.OutsideParent = false;
  if (TWinControl* parent = Parent(); parent && parent->HandleAllocated()) {
    RECT client;
    GetClientRect(parent->Handle(), &client);
    POINT topLeft{Left(), Top()}, bottomRight{Left() + Width(), Top() + Height()};
    SkinData.OutsideParent = !PtInRect(&client, topLeft) ||
                             bottomRight.x > client.right || bottomRight.y > client.bottom;
  }
  PaintBarFace(SkinData.GetBackground());
  PaintTextAreas();
  if (SizeGripShown()) PaintGrip();
  SkinData.BackgroundChanged = false;
}

void TsStatusBar::PaintBarFace(const BackgroundInfo& behind) {
  PaintControlSection(SkinData, behind, true, true, SkinData.CacheBitmap()->Pixels(),
                      {Left(), Top()}, {0, 0, Width(), Height()}, 0);
}

void TsStatusBar::PaintTextAreas() {
  const int bw = BorderWidth();
  const int w = Width() - 2 * bw, h = Height() - 2 * bw;
  std::vector<int> widths;
  for (const TStatusPanel& p : Panels) widths.push_back(p.Width);
  const bool simple = SimplePanel || Panels.empty();
  std::vector<PixelRect> areas = StatusPanelAreas(simple, widths, w, h);
  for (PixelRect& a : areas) a = {a.Left + bw, a.Top + bw, a.Right + bw, a.Bottom + bw};

  const SkinModel& model = *SkinData.Model();
  const TsMaskData* panelMask = model.Mask(
      model.FindMask(SkinData.SectionIndex, SkinData.SectionName(), "STATUSPANELMASK"));
  PixelBuffer& cache = SkinData.CacheBitmap()->Pixels();
  for (size_t i = 0; i < areas.size(); ++i) {
    if (panelMask) {
      const PixelRect where = simple ? PixelRect{0, 0, Width(), Height()} : areas[i];
      PaintMask(cache, where, false, true, 0, *panelMask,
                BitmapBackground(cache, where.Left, where.Top));
    } else if (i + 1 < areas.size()) {
      PaintDivider(areas[i]);
    }
    PaintAreaText(simple ? -1 : static_cast<int>(i), areas[i]);
  }
}

void TsStatusBar::PaintDivider(const PixelRect& area) {
  const SkinModel& model = *SkinData.Model();
  const int section = model.FindSection("DIVIDER");
  const int mask = model.FindMask(section, "DIVIDER", "BORDERSMASK");
  if (section < 0 || mask < 0) return;
  PixelBuffer& cache = SkinData.CacheBitmap()->Pixels();
  const PixelRect r = StatusDividerRect(area, model.MaskStateSize(mask).x, Height());
  if (r.IsEmpty() || r.Left < 0 || r.Right > cache.Width()) return;
  // The divider is painted over a copy of what the bar shows there.
  PixelBuffer behind(r.Width(), r.Height(), PixelFormat::Bgr24);
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x)
      behind.SetColor(x, y, cache.GetColor(r.Left + x, r.Top + y));
  PaintSection(section, "DIVIDER", BitmapBackground(behind), kNoIndex, kNoIndex, model, cache,
               {0, 0}, r, 0, true);
}

std::wstring TsStatusBar::FittedText(const std::wstring& text, int width) {
  TBitmap* cache = SkinData.CacheBitmap();
  WindowDC screen(nullptr);
  TextCanvas canvas(cache && !cache->Empty() ? cache->DC() : screen.Get());
  canvas.Font = Font();
  return FitTextWithEllipsis(canvas, text, width);
}

void TsStatusBar::PaintAreaText(int panel, const PixelRect& area) {
  const PixelRect t = StatusTextRect(area);
  const RECT rect{t.Left, t.Top, t.Right, t.Bottom};
  TBitmap* cache = SkinData.CacheBitmap();
  if (panel >= 0 && Panels[static_cast<size_t>(panel)].Style == TStatusPanelStyle::psOwnerDraw &&
      OnDrawPanel) {
    const RECT inset{area.Left, area.Top, area.Right, area.Bottom};
    OnDrawPanel(this, cache->DC(), panel, inset);
    GdiFlush();
    return;
  }
  const std::wstring& text = panel < 0 ? SimpleText() : Panels[static_cast<size_t>(panel)].Text;
  if (text.empty() || t.IsEmpty()) return;
  const UINT align =
      panel < 0 ? DT_LEFT : AlignmentFlags(Panels[static_cast<size_t>(panel)].Alignment);
  TextCanvas canvas(cache->DC());
  canvas.Font = Font();
  const std::wstring shown = FitTextWithEllipsis(canvas, text, t.Width());
  DrawControlText(canvas, shown, Enabled(), rect, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                  SkinData, SkinData.IsHot());
  GdiFlush();
}

void TsStatusBar::PaintGrip() {
  const SkinModel& model = *SkinData.Model();
  int mask = model.FindOwnMask("GLOBALINFO", "GRIPIMAGE");
  if (mask < 0) mask = model.FindMask(model.FindSection("FORM"), "FORM", "GRIPIMAGE");
  const TsMaskData* grip = model.Mask(mask);
  if (!grip) return;
  const MaskSize size = model.MaskStateSize(mask);
  PixelBuffer& cache = SkinData.CacheBitmap()->Pixels();
  const PixelPoint at = StatusGripPosition(Width(), Height(), BorderWidth(), size.x, size.y);
  PaintGlyph(cache, at, 0, BitmapBackground(cache), *grip, kGlyphNormal);
}

// --- painting

void TsStatusBar::PrepareCache() {
  const bool parentAsks = Parent() && SendSkinCommand(Parent(), SKC_ISOUTSIDE) != 0;
  if ((SkinData.BackgroundChanged || SkinData.OutsideParent || parentAsks) &&
      !SkinData.ParentBackgroundForced)
    RebuildCache();
}

void TsStatusBar::PaintClient(HDC dc) {
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  CopyCacheToDC(this, SkinData, {BorderWidth(), BorderWidth()}, 0, 0, false, dc, client);
  PaintGraphicChildren(dc, client);
}

void TsStatusBar::PaintFrame() {
  if (BorderWidth() <= 0) return;
  PrepareCache();
  PaintFrameFromCache(*this, SkinData, UsableFrameWidth(Handle(), BorderWidth()));
}

bool TsStatusBar::HandleSkinnedPaint(Message& m) {
  switch (m.msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = m.wParam ? reinterpret_cast<HDC>(m.wParam) : BeginPaint(Handle(), &ps);
      if (!SkinData.IsPaintSuspended()) {
        PrepareCache();
        PaintClient(dc);
      }
      if (!m.wParam) EndPaint(Handle(), &ps);
      m.result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      if (!SkinData.BackgroundChanged) PaintClient(reinterpret_cast<HDC>(m.wParam));
      m.result = 1;
      return true;
    case WM_NCPAINT:
      if (BorderWidth() <= 0) return false;
      PaintFrame();
      m.result = 0;
      return true;
    case WM_PRINT:
    case WM_PRINTCLIENT: {
      HDC dc = reinterpret_cast<HDC>(m.wParam);
      RebuildCache();
      if (TBitmap* cache = SkinData.CacheBitmap(); cache && !cache->Empty() && dc) {
        const int from = m.msg == WM_PRINT ? 0 : BorderWidth();
        BitBlt(dc, 0, 0, Width() - from, Height() - from, cache->DC(), from, from, SRCCOPY);
      }
      m.result = 0;
      return true;
    }
    default:
      return false;
  }
}

bool TsStatusBar::HandleSkinCommand(Message& m) {
  if (m.msg != SM_VANTILECMD) return SkinData.HandleMessage(m);
  const WORD code = SkinCommandCode(m.wParam);
  const bool own = SkinData.ConcernsManager(m.lParam);
  switch (code) {
    case SKC_NEWSKIN:
    case SKC_REFRESH:
      SkinData.HandleMessage(m);  // also walks the children
      if (own && code == SKC_REFRESH && HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return true;
    case SKC_REMOVESKIN:
      SkinData.HandleMessage(m);
      // The platform paints its own bar again.
      if (own && HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return true;
    case SKC_REPAINTIFCHANGED:
      SkinData.PaintSuspended = false;
      if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
      m.result = 0;
      return true;
    case SKC_ISSKINNED:
      m.result = 1;
      return true;
    case SKC_GETAPPLICATION:
      m.result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return SkinData.HandleMessage(m);
  }
}

void TsStatusBar::AfterPlatform(const Message& m) {
  switch (m.msg) {
    case WM_MOVE:
      if (TransparentSection()) SkinData.BackgroundChanged = true;
      break;
    case SB_SETTEXTW:
    case SB_SETTEXTA:
    case SB_SIMPLE:
    case SB_SETPARTS:
      SkinData.BackgroundChanged = true;
      // The whole face changes (a text is fitted anew); the platform bar
      // invalidates only what it would have drawn, and not always that.
      if (SkinData.IsSkinned() && HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case SB_GETRECT:
      SkinData.BackgroundChanged = true;
      break;
    case WM_SIZE:
      if (BorderWidth() > 0 && SkinData.IsSkinned() && HandleAllocated())
        SendMessageW(Handle(), WM_NCPAINT, 1, 0);
      break;
    default:
      break;
  }
}

void TsStatusBar::WndProc(Message& m) {
  if (HandleSkinCommand(m)) return;
  if (SkinData.IsSkinned() && HandleAllocated() && Visible() && HandleSkinnedPaint(m)) return;
  TStatusBar::WndProc(m);
  AfterPlatform(m);
}

}  // namespace folvane
