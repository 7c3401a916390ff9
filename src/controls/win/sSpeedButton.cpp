#include "controls/win/sSpeedButton.h"

#include <windowsx.h>

#include <algorithm>

#include "paint/ImageListItem.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/TextCanvas.h"
#include "paint/win/sSkinText.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

constexpr int kSpeedButtonKind = 92;

// The speed button always wraps its caption.
UINT TextFlags(TAlignment a) {
  const UINT align = a == TAlignment::taLeftJustify    ? DT_LEFT
                     : a == TAlignment::taRightJustify ? DT_RIGHT
                                                       : DT_CENTER;
  return align | DT_EXPANDTABS | DT_WORDBREAK;
}

// Repaints the skin section on a parent that asks for it by name.
constexpr WORD kRepaintThroughParent = 13;

// The whole face becomes what lies behind the button at `at`.
void FillBackground(PixelBuffer& face, const BackgroundInfo& behind, PixelPoint at) {
  if (!behind.IsBitmap || !behind.Bitmap) {
    face.Fill(ConvertColor(behind.Color));
    return;
  }
  for (int y = 0; y < face.Height(); ++y)
    for (int x = 0; x < face.Width(); ++x) {
      const long long bx = 0LL + x + behind.OffsetX + at.X, by = 0LL + y + behind.OffsetY + at.Y;
      if (bx < 0 || by < 0 || bx >= behind.Bitmap->Width() || by >= behind.Bitmap->Height())
        continue;
      face.SetColor(x, y, behind.Bitmap->GetColor(static_cast<int>(bx), static_cast<int>(by)));
    }
}

TColor ImageListFill(const TImageList& list) {
  const COLORREF background = ImageList_GetBkColor(list.Handle());
  return background == CLR_NONE ? KeyColor : static_cast<TColor>(background);
}

}  // namespace

TsSpeedButton::TsSpeedButton(TComponent* owner) : TGraphicControl(owner), SkinData(this, true) {
  SkinData.ControlKind = kSpeedButtonKind;
  SkinData.PrepareCache = [this] { RebuildCache(); };
}

TsSpeedButton::~TsSpeedButton() {
  MarkDestroying();
  if (destroyed_) *destroyed_ = true;
  anim_.reset();
}

void TsSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  SkinData.Loaded();
}

// --- properties

void TsSpeedButton::AppearanceChanged() {
  SkinData.BackgroundChanged = true;
  RepaintThroughParent();
}

void TsSpeedButton::LookChanged(LookPart) { AppearanceChanged(); }

void TsSpeedButton::SetDown(bool value) {
  if (GroupIndex == 0 && style_ != TToolButtonStyle::tbsCheck) value = false;
  if (value == down_) return;
  down_ = value;
  if (value && GroupIndex != 0 && Parent()) {
    // The others of the group go up.
    for (TControl* c : Parent()->Controls()) {
      auto* other = dynamic_cast<TsSpeedButton*>(c);
      if (other && other != this && other->GroupIndex == GroupIndex) other->SetDown(false);
    }
  }
  AppearanceChanged();
}

void TsSpeedButton::SetButtonStyle(TToolButtonStyle value) {
  style_ = value;
  AppearanceChanged();
}

void TsSpeedButton::SetGlyph(TBitmap glyph, int numGlyphs) {
  glyph_ = std::move(glyph);
  numGlyphs_ = std::max(1, numGlyphs);
  AppearanceChanged();
}

void TsSpeedButton::SetSpacing(int value) {
  spacing_ = value;
  AppearanceChanged();
}

void TsSpeedButton::SetTextOffset(int value) {
  textOffset_ = value;
  AppearanceChanged();
}

// --- state

bool TsSpeedButton::IsSeparatorLike() const {
  return style_ == TToolButtonStyle::tbsSeparator || style_ == TToolButtonStyle::tbsDivider;
}

int TsSpeedButton::PaintState() const {
  if (down_ || (pressed_ && !dragOut_)) return 2;
  // A drop-down button without a click of its own is the menu's handle.
  if (menuShowing_ && !OnClick) return 2;
  return SkinData.IsHot() ? 1 : 0;
}

void TsSpeedButton::Invalidate() {
  SkinData.BackgroundChanged = true;
  TGraphicControl::Invalidate();
}

// The parent paints only this child while it repaints.
void TsSpeedButton::RepaintThroughParent() {
  TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated()) return;
  SendSkinCommand(parent, SKC_SETPAINTEDCHILD, reinterpret_cast<LPARAM>(this));
  Repaint();
  SendSkinCommand(parent, SKC_SETPAINTEDCHILD, 0);
}

// A look change: cross-fades from the face shown when the skin fades.
void TsSpeedButton::Animate(bool halve) {
  if (!SkinData.IsSkinned() || IsSeparatorLike()) {
    TGraphicControl::Invalidate();
    return;
  }
  const TBitmap* cache = SkinData.CacheBitmap();
  if (cache && !cache->Empty() && !SkinData.BackgroundChanged && cachedState_ >= 0) {
    StartAnimation(anim_, SkinData, halve);
    if (anim_) return;
  }
  anim_.reset();
  AppearanceChanged();
}

void TsSpeedButton::TakeHoverFromSiblings() {
  if (!Parent()) return;
  const std::vector<TControl*> siblings = Parent()->Controls();
  for (TControl* c : siblings) {
    auto* other = dynamic_cast<TsSpeedButton*>(c);
    if (other && other != this && other->SkinData.Hovered) other->Perform(CM_MOUSELEAVE);
  }
}

void TsSpeedButton::Click() {
  if (style_ == TToolButtonStyle::tbsCheck && GroupIndex == 0) SetDown(!down_);
  TGraphicControl::Click();
}

void TsSpeedButton::MouseDown() {
  if (!Enabled() || IsSeparatorLike()) return;
  pressed_ = true;
  dragOut_ = false;
  const bool fade = EventAnimated(kEventMouseDown, AnimatEvents);
  if (down_) return;  // already shown down
  if (fade) Animate(true);
  else AppearanceChanged();
}

void TsSpeedButton::MouseUp(Message& m) {
  if (!pressed_) return;
  pressed_ = false;
  const int x = GET_X_LPARAM(m.lParam), y = GET_Y_LPARAM(m.lParam);
  const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
  const bool wasDown = down_;
  if (inside && Enabled()) {
    if (GroupIndex != 0) {
      if (!down_) SetDown(true);
      else if (AllowAllUp) SetDown(false);
    }
    Click();
  }
  if (down_ == wasDown || !inside) {
    if (EventAnimated(kEventMouseUp, AnimatEvents)) Animate(true);
    else AppearanceChanged();
  }
}

// --- messages

void TsSpeedButton::WndProc(Message& m) {
  if (m.msg == SM_VANTILECMD) {
    if (!SkinCommand(m)) TGraphicControl::WndProc(m);
    return;
  }
  const bool wasHovered = SkinData.Hovered;
  if (m.msg == CM_MOUSEENTER && Enabled() && !wasHovered) TakeHoverFromSiblings();
  if (SkinData.HandleMessage(m)) return;
  switch (m.msg) {
    case CM_MOUSEENTER:
      if (!Enabled() || wasHovered) return;
      TGraphicControl::WndProc(m);
      dragOut_ = false;
      if (EventAnimated(kEventMouseEnter, AnimatEvents)) Animate(false);
      else AppearanceChanged();
      return;
    case CM_MOUSELEAVE:
      if (!wasHovered) return;
      TGraphicControl::WndProc(m);
      // Held by the mouse and dragged away: shown up until it comes back.
      if (pressed_) dragOut_ = true;
      if (EventAnimated(kEventMouseLeave, AnimatEvents)) Animate(false);
      else AppearanceChanged();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (OpensMenu(GET_X_LPARAM(m.lParam))) {
        ShowDropdownMenu();
        return;
      }
      MouseDown();
      return;  // the click comes from the release, not the runtime
    case WM_LBUTTONUP:
      MouseUp(m);
      return;
    case CM_ENABLEDCHANGED:
      anim_.reset();
      pressed_ = false;
      TGraphicControl::WndProc(m);
      AppearanceChanged();
      return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TGraphicControl::WndProc(m);
      AppearanceChanged();
      return;
    default:
      break;
  }
  TGraphicControl::WndProc(m);
}

bool TsSpeedButton::SkinCommand(Message& m) {
  const WORD code = SkinCommandCode(m.wParam);
  const bool ours = SkinData.ConcernsManager(m.lParam);
  switch (code) {
    case SKC_NEWSKIN:
    case SKC_REMOVESKIN:
    case SKC_REFRESH:
      if (ours) anim_.reset();
      SkinData.HandleMessage(m);
      if (ours) {
        cachedState_ = -1;
        TGraphicControl::Invalidate();
      }
      return true;
    case SKC_REPAINTIFCHANGED:
      if (SkinData.IsPaintSuspended()) {
        SkinData.PaintSuspended = false;
        Repaint();
      }
      m.result = 0;
      return true;
    case SKC_ISBGCHANGED:
      m.result = SkinData.PaintSuspended;
      return true;
    case kRepaintThroughParent:
      RepaintThroughParent();
      m.result = 0;
      return true;
    case SKC_STOPANIMATION:
      anim_.reset();
      SkinData.HandleMessage(m);
      SkinData.BackgroundChanged = true;
      TGraphicControl::Invalidate();
      m.result = 0;
      return true;
    case SKC_REBUILDIMAGE:
      RebuildCache();
      m.result = 0;
      return true;
    default:
      return SkinData.HandleMessage(m);
  }
}

// --- painting

ButtonGeometry TsSpeedButton::Geometry() const {
  ButtonGeometry g = LookGeometry(Width(), Height(), glyph_, numGlyphs_, spacing_, Caption());
  g.DropDown = style_ == TToolButtonStyle::tbsDropDown ? 16 : 0;
  return g;
}

bool TsSpeedButton::NeedsRebuild() const {
  const TBitmap* cache = SkinData.CacheBitmap();
  return !cache || cache->Empty() || cache->Width() != Width() || cache->Height() != Height() ||
         SkinData.BackgroundChanged || SkinData.OutsideParent || PaintState() > 0 ||
         cachedState_ != PaintState() || cachedDown_ != down_ || cachedSpacing_ != spacing_ ||
         cachedGlyphs_ != numGlyphs_;
}

void TsSpeedButton::PaintCaptionAndGlyph(TBitmap& cache, int state) {
  ButtonGeometry g = Geometry();
  if (g.HasCaption) {
    TextCanvas canvas(cache.DC());
    canvas.Font = Font();
    RECT box{0, 0, std::max(0, SpeedButtonCaptionBoxWidth(g)), 0};
    canvas.DrawFormatted(Caption().c_str(), static_cast<int>(Caption().size()), box,
                         DT_CALCRECT | TextFlags(textAlignment_));
    g.TextWidth = box.right - box.left;
    g.TextHeight = box.bottom - box.top;
    const PixelRect p = SpeedButtonCaptionRect(g, textOffset_, state);
    RECT r{p.Left, p.Top, p.Right, p.Bottom};
    canvas.BrushClear = true;
    if (SkinData.IsSkinned()) {
      DrawControlText(canvas, Caption(), Enabled(), r, TextFlags(textAlignment_), SkinData,
                      state != 0);
    } else {
      if (!Enabled()) canvas.Font.SetColor(clGrayText);
      canvas.DrawFormatted(Caption().c_str(), static_cast<int>(Caption().size()), r,
                           TextFlags(textAlignment_));
    }
    GdiFlush();
  }
  const PixelRect r = GlyphRect(g, state);
  GlyphLook look;
  look.Enabled = Enabled();
  look.State = state;
  look.Down = down_;
  look.Grayed = grayed_;
  look.Blend = blend_;
  look.DisabledKind = disabledGlyphKind_;
  if (!glyph_.Empty()) {
    DrawButtonGlyph(cache.Pixels(), {r.Left, r.Top}, glyph_.Pixels(), numGlyphs_, look);
  } else if (ImageGlyphSelected()) {
    TBitmap item;
    ImageListItemToBitmap(item, *images_, imageIndex_);
    GdiFlush();
    if (item.Empty()) return;
    const PixelBuffer& px = item.Pixels();
    DrawImageListGlyph(cache.Pixels(), {r.Left, r.Top}, px, ImageListFill(*images_),
                       px.GetColor(0, px.Height() - 1), look);
  }
}

void TsSpeedButton::ComposeDivider(PixelBuffer& face, const BackgroundInfo& behind) {
  const SkinModel& model = *SkinData.Model();
  const int section = model.FindSection("DIVIDER");
  const int index = model.FindMask(section, "DIVIDER", "BORDERSMASK");
  const TsMaskData* mask = model.Mask(index);
  if (!mask || mask->ImageCount < 1) return;
  const int w = mask->Width() / mask->ImageCount;
  const int left = (Width() - w) / 2;
  BackgroundInfo b = behind;
  b.OffsetX += Left() + left;
  b.OffsetY += Top();
  PaintMask(face, {left, 0, left + w, Height()}, true, true, 0, *mask, b);
}

void TsSpeedButton::ComposeButton(TBitmap& cache, int state, const BackgroundInfo& behind) {
  PixelBuffer& face = cache.Pixels();
  const int arrow = style_ == TToolButtonStyle::tbsDropDown ? 16 : 0;
  const PixelRect body{0, 0, std::max(0, Width() - arrow), Height()};
  const PixelPoint at{Left(), Top()};
  if (drawOverBorder_) {
    PaintControlSection(SkinData, behind, true, true, face, at, body, state);
    SkinData.RefreshCornersFromParent(state);
    PaintCaptionAndGlyph(cache, state);
  } else {
    const TColor custom = SkinData.CustomColor() ? ConvertColor(Color()) : KeyColor;
    const SkinModel& model = *SkinData.Model();
    PaintSectionBackground(SkinData.SectionIndex, SkinData.SectionName(), behind, custom,
                           SkinData.HotTextureIndex, SkinData.TextureIndex, model, face, at, body,
                           state);
    PaintCaptionAndGlyph(cache, state);
    if (const TsMaskData* border = model.Mask(SkinData.FrameMaskIndex)) {
      BackgroundInfo b = behind;
      b.OffsetX += Left();
      b.OffsetY += Top();
      PaintMask(face, body, true, true, state, *border, b);
    }
  }
  if (arrow) PaintArrowPart(cache, behind);
}

// The arrow part looks pressed while the menu shows, hot with the button.
void TsSpeedButton::PaintArrowPart(TBitmap& cache, const BackgroundInfo& behind) {
  const int state = menuShowing_ || down_ || (pressed_ && !dragOut_) ? 2
                    : SkinData.IsHot()                              ? 1
                                                                    : 0;
  PixelBuffer& face = cache.Pixels();
  const PixelRect part{std::max(0, Width() - 16), 0, Width(), Height()};
  const PixelPoint at{Left() + part.Left, Top()};
  const SkinModel& model = *SkinData.Model();
  if (drawOverBorder_) {
    PaintControlSection(SkinData, behind, true, true, face, at, part, state);
  } else {
    const TColor custom = SkinData.CustomColor() ? ConvertColor(Color()) : KeyColor;
    PaintSectionBackground(SkinData.SectionIndex, SkinData.SectionName(), behind, custom,
                           SkinData.HotTextureIndex, SkinData.TextureIndex, model, face, at, part,
                           state);
    if (const TsMaskData* border = model.Mask(SkinData.FrameMaskIndex)) {
      BackgroundInfo b = behind;
      b.OffsetX += Left();
      b.OffsetY += Top();
      PaintMask(face, part, true, true, state, *border, b);
    }
  }
  const int glyph = model.CachedIndexes().ComboBoxGlyph;
  if (const TsMaskData* arrow = model.Mask(glyph)) {
    const MaskSize size = model.MaskStateSize(glyph);
    PaintGlyph(face, {part.Left + (16 - size.x) / 2 + 1, (Height() - size.y) / 2}, state,
               BitmapBackground(face), *arrow, kGlyphNormal);
  }
}

bool TsSpeedButton::OpensMenu(int x) const {
  if (style_ != TToolButtonStyle::tbsDropDown || !DropdownMenu || !Enabled()) return false;
  return x >= Width() - 16 || !OnClick;
}

void TsSpeedButton::ShowDropdownMenu() {
  TWinControl* parent = Parent();
  if (menuShowing_ || !parent || !parent->HandleAllocated()) return;
  anim_.reset();
  menuShowing_ = true;
  AppearanceChanged();
  POINT at{Left(), Top() + Height() + 1};
  ClientToScreen(parent->Handle(), &at);
  // A chosen item may close the form and free this button: nothing of it
  // is touched after the menu then.
  bool destroyed = false;
  destroyed_ = &destroyed;
  DropdownMenu->PopupComponent = this;
  DropdownMenu->Popup(at.x, at.y);
  if (destroyed) return;
  destroyed_ = nullptr;
  menuShowing_ = false;
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(parent->Handle(), &cursor);
  const RECT bounds = BoundsRect();
  if (!PtInRect(&bounds, cursor) && SkinData.Hovered) Perform(CM_MOUSELEAVE);
  AppearanceChanged();
}

void TsSpeedButton::RebuildCache() {
  if (!SkinData.IsSkinned()) return;
  const int state = PaintState();
  SkinData.InitCacheBitmap();
  TBitmap* cache = SkinData.CacheBitmap();
  if (!cache || cache->Empty()) return;
  const BackgroundInfo behind = SkinData.GetBackground();
  GdiFlush();
  PixelBuffer& face = cache->Pixels();
  // Separators and dividers show what lies behind them.
  FillBackground(face, behind, {Left(), Top()});
  if (style_ == TToolButtonStyle::tbsDivider) ComposeDivider(face, behind);
  else if (style_ != TToolButtonStyle::tbsSeparator) ComposeButton(*cache, state, behind);
  if (!Enabled() && !IsSeparatorLike())
    ApplyDisabledLook(face, disabledKind_, ConvertColor(SkinData.ControlBackColor(false)),
                      {Left(), Top()}, behind);
  if (OnPaint) OnPaint(this, *cache);
  SkinData.BackgroundChanged = false;
  SkinData.OutsideParent = false;
  cachedState_ = state;
  cachedDown_ = down_;
  cachedSpacing_ = spacing_;
  cachedGlyphs_ = numGlyphs_;
}

void TsSpeedButton::Paint(HDC dc) {
  if (!SkinData.IsSkinned()) {
    PaintPlatform(dc);
    return;
  }
  if (SkinData.IsPaintSuspended() && !anim_) return;
  if (anim_ && anim_->FrameImage.Width() == Width() && !anim_->FrameImage.Empty()) {
    BitBlt(dc, 0, 0, Width(), Height(), anim_->FrameImage.DC(), 0, 0, SRCCOPY);
    return;
  }
  if (NeedsRebuild()) RebuildCache();
  TBitmap* cache = SkinData.CacheBitmap();
  if (cache && !cache->Empty()) BitBlt(dc, 0, 0, Width(), Height(), cache->DC(), 0, 0, SRCCOPY);
}

// Without a skin: the platform's button frame under glyph and caption.
void TsSpeedButton::PaintPlatform(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (IsSeparatorLike()) {
    BrushHandle brush(CreateSolidBrush(ColorToRGB(clBtnFace)));
    FillRect(dc, &r, brush.Get());
    return;
  }
  const int state = PaintState();
  if (!Flat || state > 0)
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (state == 2 ? DFCS_PUSHED : 0));
  TBitmap face(Width(), Height(), PixelFormat::Bgr24);
  BitBlt(face.DC(), 0, 0, Width(), Height(), dc, 0, 0, SRCCOPY);
  GdiFlush();
  PaintCaptionAndGlyph(face, state);
  BitBlt(dc, 0, 0, Width(), Height(), face.DC(), 0, 0, SRCCOPY);
}

}  // namespace folvane
