// The window image: frame, caption band, icon, caption buttons and title
// painted off-screen into one bitmap of the whole window.
#include <algorithm>

#include "forms/win/sSkinProvider.h"
#include "forms/win/NonClientDC.h"
#include "forms/win/sSystemMenu.h"
#include "paint/MaskPieces.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/TextCanvas.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Application.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

void FillPixels(PixelBuffer& image, const PixelRect& rect, TColor color) {
  const PixelRect r = ClampRect(rect, image.Width(), image.Height());
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) image.SetColor(x, y, color);
}

// The caption font's height as the system has it; 0 (the font's own) when
// the system does not say.
int SystemCaptionFontHeight() {
  NONCLIENTMETRICSW metrics;
  if (!ReadNonClientMetrics(metrics)) return 0;
  return metrics.lfCaptionFont.lfHeight;
}

// The icon the caption shows: the form's own, else the program's.
HICON CaptionIcon(HWND wnd, bool large) {
  HICON icon = reinterpret_cast<HICON>(
      SendMessageW(wnd, WM_GETICON, large ? ICON_BIG : ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  return icon;
}

}  // namespace

int TsSkinProvider::FormSectionFrameStates() const {
  const SkinModel* model = SkinData.Model();
  const TsMaskData* frame = model ? model->Mask(SkinData.FrameMaskIndex) : nullptr;
  return frame ? std::max(frame->ImageCount, 1) : 0;
}

bool TsSkinProvider::ReuseTitleCache() const {
  if (TitleDirty || !titleCache_ || CaptionBarHeight() == 0) return false;
  if (FormSectionFrameStates() > 1) return false;
  const TBitmap* image = SkinData.CacheBitmap();
  return titleCache_->Width() == OuterWidth() && image && image->Height() == OuterHeight();
}

void TsSkinProvider::RenderWindowImage() {
  if (!form_ || !form_->HandleAllocated() || form_->Loading()) return;
  if (!SkinData.CacheBitmap()) {
    SkinData.InitCacheBitmap();
    SkinData.UpdatePlainBackground(false);
    if (!form_->Loading()) {
      Message m{SM_VANTILECMD, SkinCommandWParam(SKC_PLAINBG), 1, 0};
      SkinChildWalk(form_, m);
    }
  }
  const FormShape shape = Shape();
  const int w = OuterWidth(), h = OuterHeight();
  const PixelRect paintRect =
      shape.Iconic ? PixelRect{0, 0, w, FrameThicknessY() + CaptionBarHeight() + 1}
                   : PixelRect{0, 0, w, h};
  if (SkinData.BackgroundChanged) {
    if (ReuseTitleCache()) {
      TBitmap* image = SkinData.CacheBitmap();
      CopyBlock(image->Pixels(), 0, 0, titleCache_->Pixels(), 0, 0, titleCache_->Width(),
                titleCache_->Height());
      RenderCaption(true);
    } else {
      RegionDirty = true;
      TBitmap* image = SkinData.CacheBitmap();
      if (image->Width() != w || image->Height() != h || image->Empty()) {
        try {
          *image = w > 0 && h > 0 ? TBitmap(w, h, PixelFormat::Bgr24) : TBitmap();
        } catch (const std::exception&) {
          *image = TBitmap();  // a size the system refuses: nothing to paint
        }
      }
      if (!image->Empty()) {
        RenderFrame(paintRect);
        const int top = FrameThicknessY() + CaptionBarHeight();
        if (FormSectionFrameStates() == 1 && CaptionBarHeight() != 0 &&
            (!titleCache_ || titleCache_->Width() != w)) {
          titleCache_ = std::make_unique<TBitmap>(w, std::max(top, 1), PixelFormat::Bgr24);
          CopyBlock(titleCache_->Pixels(), 0, 0, image->Pixels(), 0, 0, w, top);
        }
        RenderCaption(false);
      }
      TitleDirty = false;
    }
    PaintedOnce = true;
    SkinData.BackgroundChanged = false;
  }
  SkinData.PaintSuspended = false;
}

void TsSkinProvider::RenderFrame(const PixelRect& paintRect) {
  PixelBuffer& image = SkinData.CacheBitmap()->Pixels();
  const SkinModel* model = SkinData.Model();
  if (!model || !SkinData.Section()) return;
  const int state = ActiveLook ? 1 : 0;
  const BackgroundInfo behind = ColorBackground(BackgroundColor());
  if (SkinData.NeedsFullRepaint()) {
    if (HasSkinnedFrame()) {
      PaintControlSection(SkinData, behind, true, true, image, {0, 0}, paintRect, state);
    } else {
      PaintSectionBackground(SkinData.SectionIndex, SkinData.SectionName(), behind, KeyColor,
                             SkinData.HotTextureIndex, SkinData.TextureIndex, *model, image,
                             {0, 0}, paintRect, state);
    }
    if (GripMode == TsGripMode::gmRightBottom) DrawGrip(image);
    return;
  }
  // A plain client is filled by the form itself: the image needs its colour
  // and the frame only.
  FillPixels(image, paintRect, BackgroundColor());
  if (const TsMaskData* frame = model->Mask(SkinData.FrameMaskIndex))
    PaintMask(image, paintRect, false, true, state, *frame, behind);
}

void TsSkinProvider::RenderCaption(bool fromReuse) {
  const int caption = CaptionBarHeight();
  if (caption == 0) return;
  TBitmap* bitmap = SkinData.CacheBitmap();
  PixelBuffer& image = bitmap->Pixels();
  const SkinModel& model = *SkinData.Model();
  const int w = OuterWidth();
  const int bandBottom = FrameThicknessY() + caption + (Shape().Iconic ? 1 : 0);
  const int state = ActiveLook ? 1 : 0;
  const int section = CaptionSectionIndex();
  if (section >= 0) {
    const PixelRect band{0, 0, w, std::min(bandBottom, image.Height())};
    PaintSection(section, TitleSkinName(), BitmapBackground(image), -1, -1, model, image, {0, 0},
                 band, state, true);
  }
  DrawCaptionIcon();
  CaptionContext context = ButtonContext();
  const int span = Buttons.ButtonsSpan(context);
  const int titleBar = model.FindMask(SkinData.SectionIndex, SkinData.SectionName(), "TITLEBAR");
  if (Buttons.VisibleSysButtons(context, sysMenu_ != nullptr) > 0 && model.MaskIndexValid(titleBar)) {
    const TsMaskData& mask = *model.Mask(titleBar);
    const int extra = mask.HasImage() ? mask.Image.Width() / 9 * 2
                                      : model.MaskStateSize(titleBar).x / 3 * 2;
    PaintMask(image, {w - span - extra, 0, image.Width(), FrameThicknessY() + caption}, true,
              true, state, mask, BitmapBackground(image));
  }
  // What lies under the buttons, so that one button can be redrawn alone.
  const int backupW = std::max(span + FrameThicknessX() + 10, 1);
  const int backupH = std::max(fromReuse ? FrameThicknessY() + caption : TopAreaHeight(), 1);
  if (buttonAreaBackup_.Width() != backupW || buttonAreaBackup_.Height() != backupH)
    buttonAreaBackup_ = TBitmap(backupW, backupH, PixelFormat::Bgr24);
  CopyBlock(buttonAreaBackup_.Pixels(), 0, 0, image, w - backupW - 1, 0, backupW, backupH);
  DrawCaptionButtons();
  DrawCaptionText();
}

void TsSkinProvider::DrawCaptionIcon() {
  if (!IconShown()) return;
  const PixelRect box = CaptionIconBox();
  TBitmap* image = SkinData.CacheBitmap();
  if (!TitleIcon.Glyph.Empty()) {
    const int side = DefaultIconSize(TopAreaHeight() - 2);
    const int iw = TitleIcon.Width ? TitleIcon.Width : side;
    const int ih = TitleIcon.Height ? TitleIcon.Height : side;
    TransparentBlt(image->DC(), box.Left, box.Top, iw, ih, TitleIcon.Glyph.DC(), 0, 0,
                   TitleIcon.Glyph.Width(), TitleIcon.Glyph.Height(), RGB(0xFF, 0, 0xFF));
  } else if (box.Width() > 0 && box.Height() > 0) {
    DrawIconEx(image->DC(), box.Left, box.Top, CaptionIcon(form_->Handle(), box.Height() > 16),
               box.Width(), box.Height(), 0, nullptr, DI_NORMAL);
  }
  GdiFlush();
}

void TsSkinProvider::DrawButtonGlyph(int glyph, int state, const CaptionButton& r, bool opaque) {
  const SkinModel* model = SkinData.Model();
  const TsMaskData* mask = model ? model->Mask(glyph) : nullptr;
  if (!mask) return;
  PixelBuffer& image = SkinData.CacheBitmap()->Pixels();
  PaintGlyph(image, {r.Left, r.Top}, state, BitmapBackground(image, 0, 0), *mask,
             opaque ? kGlyphNormal : kGlyphFaded);
}

void TsSkinProvider::DrawCaptionButtons() {
  if (!HasSkinnedFrame()) return;
  CaptionContext context = ButtonContext();
  const std::vector<PlacedButton> placed = Buttons.LayOut(context);
  TBitmap* image = SkinData.CacheBitmap();
  for (const PlacedButton& p : placed) {
    const CaptionButton* r = Buttons.Find(p.Code);
    if (!r) continue;
    if (p.Glyph >= 0) DrawButtonGlyph(p.Glyph, r->State, *r, ActiveLook && p.Enabled);
    const int user = p.Code - kCodeUserFirst;
    if (user >= 0 && user < static_cast<int>(TitleButtons.size())) {
      TBitmap& glyph = TitleButtons[static_cast<size_t>(user)]->Glyph;
      if (glyph.Empty()) continue;
      const COLORREF key = GetPixel(glyph.DC(), 0, glyph.Height() - 1);
      TransparentBlt(image->DC(), r->Left + (r->Right - r->Left - glyph.Width()) / 2,
                     r->Top + (r->Bottom - r->Top - glyph.Height()) / 2, glyph.Width(),
                     glyph.Height(), glyph.DC(), 0, 0, glyph.Width(), glyph.Height(), key);
      GdiFlush();
    }
  }
}

void TsSkinProvider::DrawCaptionText() {
  const int caption = CaptionBarHeight();
  const std::wstring& text = form_->Caption();
  if (caption == 0 || text.empty()) return;
  CaptionContext context = ButtonContext();
  RECT r{(IconShown() ? CaptionIconBox().Width() : 0) + FrameThicknessX() + 4, FrameThicknessY(),
         OuterWidth() - Buttons.ButtonsSpan(context) - 6, caption};
  if (r.right <= r.left) return;
  TBitmap* image = SkinData.CacheBitmap();
  TextCanvas canvas(image->DC());
  canvas.Font = form_->Font();
  canvas.Font.SetStyle(canvas.Font.Style() | fsBold);
  canvas.Font.SetHeight(SystemCaptionFontHeight());
  canvas.BrushClear = true;
  const SIZE extent = TextExtent(canvas, text);
  r.top += (r.bottom - r.top - extent.cy) / 2;
  r.bottom = r.top + extent.cy;
  UINT format = DT_VCENTER | DT_EXPANDTABS | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  switch (captionAlignment_) {
    case TAlignment::taLeftJustify: format |= DT_LEFT; break;
    case TAlignment::taRightJustify: format |= DT_RIGHT; break;
    case TAlignment::taCenter: format |= DT_CENTER; break;
  }
  DrawSectionText(canvas, text, form_->Enabled(), r, format, CaptionSectionIndex(), ActiveLook,
                  SkinData.UsedManager());
  GdiFlush();
}

void TsSkinProvider::DrawGrip(PixelBuffer& image) {
  const SkinModel* model = SkinData.Model();
  if (!model) return;
  const int gi = model->FindSection("GLOBALINFO");
  const int grip = gi >= 0 ? model->FindMask(gi, "GLOBALINFO", "GRIPIMAGE") : kNoIndex;
  const TsMaskData* mask = model->Mask(grip);
  if (!mask) return;
  const MaskSize s = model->MaskStateSize(grip);
  const int x = image.Width() - s.x - FrameThicknessX();
  const int y = image.Height() - s.y - FrameThicknessY();
  PaintGlyph(image, {x, y}, 0, BitmapBackground(image, 0, 0), *mask, kGlyphNormal);
}

// --- one caption button straight to the screen

void TsSkinProvider::RepaintCaptionButton(int code) {
  CaptionButton* r = Buttons.Find(code);
  TBitmap* bitmap = SkinData.CacheBitmap();
  if (!r || !bitmap || bitmap->Empty() || !form_->HandleAllocated()) return;
  if (CaptionIconBox().Right >= r->Left) return;
  CaptionContext context = ButtonContext();
  PixelBuffer& image = bitmap->Pixels();
  const int height = Buttons.ButtonHeight(context);
  const int width = r->Right - r->Left;
  CopyBlock(image, r->Left, r->Top, buttonAreaBackup_.Pixels(),
            buttonAreaBackup_.Width() + r->Left - OuterWidth(), r->Top, width, height);
  const FormShape shape = context.Shape;
  int glyph = r->GlyphMask;
  bool disabled = false;
  if (code == kCodeMaximize && shape.Maximized) {
    glyph = restoreGlyph_;
  } else if (shape.Minimized && code == kCodeMinimize) {
    glyph = restoreGlyph_;
  } else if (shape.Minimized && code == kCodeMaximize) {
    disabled = !MaxEnabled(shape);
  }
  const bool user = code >= kCodeUserFirst;
  if (!user) {
    const bool faded = (disabled || r->State == 0) && (disabled || !ActiveLook);
    DrawButtonGlyph(glyph, r->State, *r, !faded);
  } else if (glyph >= 0) {
    DrawButtonGlyph(glyph, r->State, *r, !(r->State == 0 && !ActiveLook));
  }
  if (user) {
    const size_t i = static_cast<size_t>(code - kCodeUserFirst);
    TBitmap& g = TitleButtons[i]->Glyph;
    if (!g.Empty()) {
      const int shift = r->State == 2 ? 1 : 0;
      const COLORREF key = GetPixel(g.DC(), 0, g.Height() - 1);
      TransparentBlt(bitmap->DC(), r->Left + (width - g.Width()) / 2 + shift,
                     r->Top + (r->Bottom - r->Top - g.Height()) / 2 + shift, g.Width(),
                     g.Height(), g.DC(), 0, 0, g.Width(), g.Height(), key);
    }
  }
  GdiFlush();
  NonClientDC dc(form_->Handle());
  BitBlt(dc.Get(), r->Left, r->Top, width, r->Bottom - r->Top, bitmap->DC(), r->Left, r->Top,
         SRCCOPY);
}

}  // namespace folvane
