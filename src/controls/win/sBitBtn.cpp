#include "controls/win/sBitBtn.h"

#include <algorithm>

#include "controls/BorderRegion.h"
#include "paint/FocusDots.h"
#include "paint/ImageListItem.h"
#include "paint/PaintColor.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/TextCanvas.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Application.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

// A border entry with StretchMode bit 2 shows only in states above 0.
constexpr int kBorderNotInStateZero = 2;
// How long a quick click shows its pressed look.
constexpr DWORD kPressedFlash = 30;
// A state change that never fades (keys, focus, capture loss).
constexpr int kNoFadeEvent = -1;

UINT TextFlags(TAlignment a, bool wrap) {
  const UINT align = a == TAlignment::taLeftJustify    ? DT_LEFT
                     : a == TAlignment::taRightJustify ? DT_RIGHT
                                                       : DT_CENTER;
  return align | DT_EXPANDTABS | (wrap ? DT_WORDBREAK : DT_SINGLELINE);
}

// Restores a flag however the scope is left.
class SetForScope {
 public:
  SetForScope(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
  ~SetForScope() { flag_ = old_; }
  SetForScope(const SetForScope&) = delete;
  SetForScope& operator=(const SetForScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace

TsBitBtn::TsBitBtn(TComponent* owner) : TBitBtn(owner), SkinData(this, true) {
  SkinData.ControlKind = 94;
  SkinData.PrepareCache = [this] { RebuildCache(); };
}

TsBitBtn::~TsBitBtn() {
  MarkDestroying();
  StopFading();
  HintsBack();
}

void TsBitBtn::Loaded() {
  TBitBtn::Loaded();
  SkinData.Loaded();
}

// --- properties

void TsBitBtn::AppearanceChanged() {
  if (SkinData.IsSkinned()) SkinData.Invalidate();
  else Invalidate();
}

// Without a skin the platform draws the glyph, so an image-list glyph is
// copied into it whenever its source changes.
void TsBitBtn::LookChanged(LookPart part) {
  if (!SkinData.IsSkinned()) {
    if (part == LookPart::ImageSource) ImagesToGlyph();
    if (part == LookPart::DisabledGlyph && ImageGlyphSelected()) ImagesToGlyph();
  }
  AppearanceChanged();
}

void TsBitBtn::SetShowFocus(bool value) {
  showFocus_ = value;
  AppearanceChanged();
}

void TsBitBtn::SetWordWrap(bool value) {
  wordWrap_ = value;
  AppearanceChanged();
}

void TsBitBtn::SetDown(bool value) {
  if (down_ == value) return;
  down_ = value;
  AppearanceChanged();
}

// --- image-list glyphs

// Without a skin the platform drawing shows the glyph: the selected picture
// and its disabled look side by side.
void TsBitBtn::ImagesToGlyph() {
  if (!ImageGlyphSelected()) {
    DropImageGlyph();
    return;
  }
  if (!Glyph().Empty() && !glyphFromImages_) return;  // a glyph of its own wins
  TBitmap item;
  ImageListItemToBitmap(item, *images_, imageIndex_);
  if (item.Empty()) return;
  const int w = item.Width(), h = item.Height();
  const COLORREF background = ImageList_GetBkColor(images_->Handle());
  const TColor fill = background == CLR_NONE ? KeyColor : static_cast<TColor>(background);
  TBitmap pair(2 * w, h, PixelFormat::Bgr24);
  GdiFlush();
  PixelBuffer& to = pair.Pixels();
  to.Fill(fill);
  GlyphLook normal;
  DrawImageListGlyph(to, {0, 0}, item.Pixels(), fill, fill, normal);
  GlyphLook disabled;
  disabled.Enabled = false;
  disabled.DisabledKind = disabledGlyphKind_;
  // The disabled look blends with the face the platform paints.
  PixelBuffer face(w, h, PixelFormat::Bgr24);
  face.Fill(ConvertColor(clBtnFace));
  DrawImageListGlyph(face, {0, 0}, item.Pixels(), fill, fill, disabled);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      to.SetColor(w + x, y, item.Pixels().GetColor(x, y) == fill ? fill : face.GetColor(x, y));
  glyphFromImages_ = true;
  SetGlyph(std::move(pair), 2);
}

void TsBitBtn::DropImageGlyph() {
  if (!glyphFromImages_) return;
  glyphFromImages_ = false;
  SetGlyph(TBitmap(), 1);
}

// --- state

bool TsBitBtn::ActiveDefault() const {
  if (!Default || !HandleAllocated()) return false;
  const TForm* form = ParentForm();
  if (!form || !form->HandleAllocated() || GetActiveWindow() != form->Handle()) return false;
  // Enter goes to a focused button rather than to the default one.
  const auto* focused = dynamic_cast<const TButtonControl*>(FromHandle(GetFocus()));
  return !focused || focused == this;
}

int TsBitBtn::PaintState() const {
  if (down_) return 2;
  if (HandleAllocated()) {
    const bool pushed = (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    // Held by the mouse but dragged off the button, it shows as raised.
    const bool mouseHeld = GetKeyState(VK_LBUTTON) < 0;
    if ((pushed || forcedPressed_) && (SkinData.Hovered || !mouseHeld)) return 2;
  }
  return ActiveDefault() || SkinData.IsHot() ? 1 : 0;
}

bool TsBitBtn::NeedsRebuild() const {
  const TBitmap* cache = SkinData.CacheBitmap();
  return SkinData.BackgroundChanged || !cache || cache->Empty() ||
         cache->Width() != Width() || cache->Height() != Height() ||
         cachedState_ != PaintState() || cachedFocused_ != Focused() ||
         cachedSpacing_ != Spacing;
}

void TsBitBtn::StopFading() { StopFade(fade_); }

// A state change: fades when the event asks for it, else shows at once.
void TsBitBtn::Transition(int event) {
  // Inside a platform step the step's end shows the outcome.
  if (holdPaint_ || !SkinData.IsSkinned() || !HandleAllocated()) return;
  const int state = PaintState();
  if (state == cachedState_ && Focused() == cachedFocused_ && !SkinData.BackgroundChanged) return;
  const bool allowed = event >= 0 && EventAnimated(event, AnimatEvents);
  ChangeStateAnimated(fade_, SkinData, false, state > cachedState_ ? 1 : 2, allowed);
}

void TsBitBtn::ReleaseTransition() {
  if (!pendingRelease_) return;
  pendingRelease_ = false;
  SetForScope showing(holdPaint_, false);
  Transition(kEventMouseUp);
}

// Released before the press had faded in: the pressed look shows at once
// and stays a moment, so that a quick click is seen.
void TsBitBtn::QuickClickFlash() {
  if (!fade_ || !SkinData.IsSkinned() || !HandleAllocated()) return;
  if (!(SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED)) return;
  StopFading();
  {
    SetForScope forced(forcedPressed_, true);
    RebuildCache();
    WindowDC dc(Handle());
    PaintTo(dc.Get());
    GdiFlush();
    Sleep(kPressedFlash);
  }
  SkinData.BackgroundChanged = false;
}

// The platform changes its pushed state, focus or capture: its own
// drawing waits, then the new look is shown (or faded to).
void TsBitBtn::PlatformStep(Message& m, int event) {
  {
    SetForScope hold(holdPaint_, true);
    TBitBtn::WndProc(m);
  }
  if (!holdPaint_) Transition(event);
}

void TsBitBtn::HintsOff() {
  if (hintsOff_ || !Application) return;
  savedHints_ = Application->ShowHint();
  Application->SetShowHint(false);
  hintsOff_ = true;
}

void TsBitBtn::HintsBack() {
  if (!hintsOff_) return;
  hintsOff_ = false;
  if (Application) Application->SetShowHint(savedHints_);
}

// --- messages

void TsBitBtn::WndProc(Message& m) {
  if (m.msg == SM_VANTILECMD) {
    if (!SkinCommand(m)) TBitBtn::WndProc(m);
    return;
  }
  const bool wasHovered = SkinData.Hovered;
  const bool wasStale = SkinData.BackgroundChanged;
  if (SkinData.HandleMessage(m)) return;
  switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      HintsOff();
      PlatformStep(m, down_ ? kNoFadeEvent : kEventMouseDown);
      return;
    case WM_LBUTTONUP:
      QuickClickFlash();
      pendingRelease_ = true;
      PlatformStep(m, kNoFadeEvent);
      ReleaseTransition();
      HintsBack();
      return;
    case WM_CAPTURECHANGED:
      // Alt+Tab or another window taking the mouse ends the press too.
      HintsBack();
      if (pendingRelease_) break;  // part of a release
      PlatformStep(m, kNoFadeEvent);
      return;
    case CN_COMMAND:
      if (HIWORD(m.wParam) == BN_CLICKED) {
        // The new look starts before the click's handler (a modal box) runs.
        if (pendingRelease_) ReleaseTransition();
        else if (!holdPaint_) Transition(kNoFadeEvent);
        Click();
        return;
      }
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      if (m.wParam != VK_SPACE) break;
      if (m.msg != WM_KEYDOWN) StopFading();
      PlatformStep(m, kNoFadeEvent);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      // The focus look is followed like the paint state, so the face is
      // not stale for it: a press that takes the focus still fades.
      SkinData.BackgroundChanged = wasStale;
      const bool inStep = holdPaint_;
      {
        SetForScope hold(holdPaint_, true);
        TBitBtn::WndProc(m);
      }
      // A running fade goes on to the new look; a step shows it at its end.
      if (!fade_ && !inStep && SkinData.IsSkinned()) Invalidate();
      return;
    }
    case CM_MOUSEENTER:
      TBitBtn::WndProc(m);
      if (Enabled() && !wasHovered) Transition(kEventMouseEnter);
      return;
    case CM_MOUSELEAVE:
      TBitBtn::WndProc(m);
      if (wasHovered) Transition(kEventMouseLeave);
      return;
    case CM_ENABLEDCHANGED:
      StopFading();
      TBitBtn::WndProc(m);
      if (SkinData.IsSkinned()) SkinData.Invalidate();
      return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TBitBtn::WndProc(m);
      if (SkinData.IsSkinned()) SkinData.Invalidate();
      return;
    case WM_SIZE:
      regionPending_ = true;
      break;
    case WM_DESTROY:
      StopFading();
      HintsBack();
      break;
    default:
      break;
  }
  if (SkinData.IsSkinned()) SkinnedMessage(m);
  else TBitBtn::WndProc(m);
}

// Painting messages while the skin paints the face.
void TsBitBtn::SkinnedMessage(Message& m) {
  switch (m.msg) {
    case WM_ERASEBKGND:
      m.result = 1;
      return;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      if (!holdPaint_) PaintTo(dc);
      EndPaint(Handle(), &ps);
      m.result = 0;
      return;
    }
    case WM_PRINT:
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(m.wParam));
      m.result = 0;
      return;
    case CN_DRAWITEM:
      if (!holdPaint_) PaintTo(reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam)->hDC);
      m.result = TRUE;
      return;
    default:
      TBitBtn::WndProc(m);
  }
}

bool TsBitBtn::SkinCommand(Message& m) {
  const WORD code = SkinCommandCode(m.wParam);
  const bool ours = SkinData.ConcernsManager(m.lParam);
  switch (code) {
    case SKC_NEWSKIN:
      if (ours) {
        StopFading();
        regionPending_ = true;
        DropImageGlyph();
      }
      SkinData.HandleMessage(m);
      return true;
    case SKC_REMOVESKIN:
      if (ours) StopFading();
      SkinData.HandleMessage(m);
      if (ours) {
        cachedState_ = -1;
        ImagesToGlyph();
        RemoveRegion();
        Invalidate();
      }
      return true;
    case SKC_REFRESH:
      if (ours) StopFading();
      SkinData.HandleMessage(m);
      if (ours) {
        regionPending_ = true;
        Repaint();
      }
      return true;
    case SKC_REPAINTIFCHANGED:
      if (SkinData.IsPaintSuspended()) {
        SkinData.PaintSuspended = false;
        Repaint();
      }
      m.result = 0;
      return true;
    case SKC_FORCEPARENTBG:
      if (SkinData.ParentBackgroundForced && SkinData.IsSkinned()) RebuildCache();
      SkinData.HandleMessage(m);
      return true;
    case SKC_STOPANIMATION:
      StopFading();
      SkinData.HandleMessage(m);
      if (SkinData.IsSkinned() && HandleAllocated()) Repaint();
      m.result = 0;
      return true;
    case SKC_REBUILDIMAGE:
      if (SkinData.IsSkinned()) RebuildCache();
      m.result = 0;
      return true;
    case SKC_SHOWFADEFRAME:
      m.result = 0;  // the timer copies its frame to the window
      return true;
    default:
      return SkinData.HandleMessage(m);
  }
}

// --- composing the face

ButtonGeometry TsBitBtn::Geometry() const {
  return LookGeometry(Width(), Height(), Glyph(), NumGlyphs(), Spacing, Caption());
}

void TsBitBtn::MeasureCaption(TBitmap& cache, ButtonGeometry& g) {
  if (!g.HasCaption) return;
  TextCanvas canvas(cache.DC());
  canvas.Font = Font();
  RECT r{0, 0, std::max(0, BitBtnCaptionBoxWidth(g)), 0};
  canvas.DrawFormatted(Caption().c_str(), static_cast<int>(Caption().size()), r,
                       DT_CALCRECT | TextFlags(textAlignment_, wordWrap_));
  g.TextWidth = r.right - r.left;
  g.TextHeight = r.bottom - r.top;
}

void TsBitBtn::PaintCaption(TBitmap& cache, int state, const ButtonGeometry& g) {
  const PixelRect p = BitBtnCaptionRect(g, false, state);
  captionRect_ = {p.Left, p.Top, p.Right, p.Bottom};
  if (!g.HasCaption) return;
  TextCanvas canvas(cache.DC());
  canvas.Font = Font();
  canvas.BrushClear = true;
  DrawControlText(canvas, Caption(), Enabled(), captionRect_, TextFlags(textAlignment_, wordWrap_),
                  SkinData, state != 0);
  const TsGeneralData* section = SkinData.Section();
  if (Enabled() && Focused() && section && section->ShowFocus && showFocus_) {
    GdiFlush();
    DrawDottedFocus(cache.Pixels(), {p.Left - FocusMargin, p.Top - FocusMargin,
                                     p.Right + FocusMargin, p.Bottom + FocusMargin});
  }
}

void TsBitBtn::PaintGlyph(TBitmap& cache, int state, const ButtonGeometry& g) {
  const PixelRect r = GlyphRect(g, state);
  glyphRect_ = {r.Left, r.Top, r.Right, r.Bottom};
  GlyphLook look;
  look.Enabled = Enabled();
  look.State = SkinData.IsHot() ? 1 : 0;  // pressed only moves the glyph
  look.Down = down_;
  look.Grayed = grayed_;
  look.Blend = blend_;
  look.DisabledKind = disabledGlyphKind_;
  if (!Glyph().Empty()) {
    DrawButtonGlyph(cache.Pixels(), {r.Left, r.Top}, Glyph().Pixels(), NumGlyphs(), look);
  } else if (ImageGlyphSelected()) {
    TBitmap item;
    ImageListItemToBitmap(item, *images_, imageIndex_);
    if (item.Empty()) return;
    GdiFlush();
    const COLORREF background = ImageList_GetBkColor(images_->Handle());
    const TColor fill = background == CLR_NONE ? KeyColor : static_cast<TColor>(background);
    DrawImageListGlyph(cache.Pixels(), {r.Left, r.Top}, item.Pixels(), fill,
                       item.Pixels().GetColor(0, 0), look);
  }
}

void TsBitBtn::PaintBorder(PixelBuffer& face, const BackgroundInfo& behind, int state) {
  const SkinModel& model = *SkinData.Model();
  const PixelRect all{0, 0, Width(), Height()};
  if (const TsMaskData* border = model.Mask(SkinData.FrameMaskIndex)) {
    if (state != 0 || !(border->StretchMode & kBorderNotInStateZero)) {
      BackgroundInfo b = behind;
      b.OffsetX += Left();
      b.OffsetY += Top();
      PaintMask(face, all, true, true, state, *border, b);
    }
  }
  PaintSectionCorners(SkinData.SectionIndex, SkinData.SectionName(), model, face, all, state);
}

void TsBitBtn::RebuildCache() {
  if (!SkinData.IsSkinned()) return;
  const int state = PaintState();
  SkinData.InitCacheBitmap();
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty()) return;
  const BackgroundInfo behind = SkinData.GetBackground();
  GdiFlush();
  PixelBuffer& face = cache->Pixels();
  const PixelRect all{0, 0, Width(), Height()};
  const PixelPoint at{Left(), Top()};
  const SkinModel& model = *SkinData.Model();
  if (drawOverBorder_) {
    PaintControlSection(SkinData, behind, true, true, face, at, all, state);
  } else {
    const TColor custom = SkinData.CustomColor() ? ConvertColor(Color()) : KeyColor;
    PaintSectionBackground(SkinData.SectionIndex, SkinData.SectionName(), behind, custom,
                           SkinData.HotTextureIndex, SkinData.TextureIndex, model, face, at,
                           all, state);
  }
  ButtonGeometry g = Geometry();
  MeasureCaption(*cache, g);
  if (showCaption_) PaintCaption(*cache, state, g);
  GdiFlush();
  PaintGlyph(*cache, state, g);
  if (!drawOverBorder_) PaintBorder(face, behind, state);
  if (!Enabled())
    ApplyDisabledLook(face, disabledKind_, ConvertColor(SkinData.ControlBackColor(false)), at,
                      behind);
  if (OnPaint) OnPaint(this, *cache);
  SkinData.BackgroundChanged = false;
  cachedState_ = state;
  cachedFocused_ = Focused();
  cachedSpacing_ = Spacing;
  std::vector<PixelRect> holes =
      BorderCornerHoles(model, SkinData.FrameMaskIndex, state, Width(), Height());
  if (holes != holes_ || !regionApplied_) {
    holes_ = std::move(holes);
    regionPending_ = true;
  }
}

// --- the window

void TsBitBtn::PaintTo(HDC dc) {
  if (!dc || SkinData.IsPaintSuspended()) return;
  const bool fading = fade_ && fade_->Direction() != 0;
  if (!fading && NeedsRebuild()) RebuildCache();
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty()) return;
  if (regionPending_ && !fading) ApplyRegion();
  // A fade shows its latest frame (its start before the first one).
  TBitmap* shown = cache;
  if (fading) shown = !fade_->Frame().Empty() ? &fade_->Frame() : &fade_->StartImage;
  if (shown->Empty()) shown = cache;
  BitBlt(dc, 0, 0, shown->Width(), shown->Height(), shown->DC(), 0, 0, SRCCOPY);
  painted_ = true;
}

void TsBitBtn::ApplyRegion() {
  regionPending_ = false;
  if (!HandleAllocated()) return;
  RegionHandle region(CreateRectRgn(0, 0, Width(), Height()));
  for (const PixelRect& hole : holes_) {
    RegionHandle cut(CreateRectRgn(hole.Left, hole.Top, hole.Right, hole.Bottom));
    CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
  }
  // The window owns a region once it has it; only the first paint redraws.
  if (SetWindowRgn(Handle(), region.Get(), painted_ ? FALSE : TRUE)) {
    region.Release();
    regionApplied_ = true;
  }
}

void TsBitBtn::RemoveRegion() {
  holes_.clear();
  regionPending_ = true;
  if (!regionApplied_ || !HandleAllocated()) return;
  SetWindowRgn(Handle(), nullptr, TRUE);
  regionApplied_ = false;
}

}  // namespace folvane
