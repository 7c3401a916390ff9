#include "controls/win/sLabelFX.h"

#include <cstring>

#include "paint/PaintColor.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

void TsShadow::SetColor(TColor color) {
  color_ = color;
  StoreChannels(ConvertColor(color));
  Changed();
}

void TsShadow::StoreChannels(TColor rgb) {
  R = RedOf(rgb);
  G = GreenOf(rgb);
  B = BlueOf(rgb);
}

TsLabelFX::TsLabelFX(TComponent* owner)
    : TsCustomLabel(owner), shadow_([this] { Invalidate(); }), kind_([this] { Invalidate(); }) {}

TsLabelFX::ShadowValues TsLabelFX::CurrentShadow() {
  ShadowValues v{shadow_.Color(), shadow_.BlurCount(), shadow_.Distance()};
  if (shadow_.Mode() == TsShadowMode::smSkin1) {
    if (const SkinModel* model = ActiveModel(); model && model->SkinData().Shadow1Blur != -1) {
      v = {model->SkinData().Shadow1Color, model->SkinData().Shadow1Blur,
           model->SkinData().Shadow1Offset};
    }
  }
  v.Color = ConvertColor(v.Color);
  shadow_.StoreChannels(v.Color);
  return v;
}

TColor TsLabelFX::TextColor() const {
  switch (kind_.KindType()) {
    case TsKindType::ktStandard: return Color();
    case TsKindType::ktCustom: return kind_.Color();
    case TsKindType::ktSkin: break;
  }
  if (const SkinModel* model = ActiveModel()) {
    const TsGeneralData* global = model->Section(model->FindSection("GLOBALINFO"));
    if (global && global->TCLeft != kNoContourColor) return global->TCLeft;
  }
  return kind_.Color();
}

void TsLabelFX::DrawPlain(HDC dc, const std::wstring& text, RECT& rect, UINT flags,
                          TColor color) {
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ConvertColor(color) & 0xFFFFFF);
  DrawTextW(dc, text.c_str(), -1, &rect, flags);
}

void TsLabelFX::DrawDisabled(HDC dc, const std::wstring& text, RECT rect, UINT flags) {
  OffsetRect(&rect, 1, 1);
  DrawPlain(dc, text, rect, flags, clBtnHighlight);
  OffsetRect(&rect, -1, -1);
  DrawPlain(dc, text, rect, flags, clBtnShadow);
}

void TsLabelFX::DoDrawText(HDC dc, RECT& rect, UINT flags) {
  if (shadow_.Mode() == TsShadowMode::smNone) {
    TsCustomLabel::DoDrawText(dc, rect, flags);
    return;
  }
  const ShadowValues shadow = CurrentShadow();
  const std::wstring text = TextToDraw(flags);
  const bool measuring = (flags & DT_CALCRECT) != 0;
  if (!Enabled() && !measuring) {
    DrawDisabled(dc, text, rect, flags);
    return;
  }
  const TColor color = TextColor();
  if (shadow.Color == NoColor || shadow.Blur == 0) {
    DrawPlain(dc, text, rect, flags, color);
    return;
  }
  if (measuring) {
    DrawPlain(dc, text, rect, flags, color);
    extents_ = MeasureShadowExtents(shadow.Distance, shadow.Blur);
    const int grow = extents_.After - extents_.Before;
    rect.right += grow;
    rect.bottom += grow;
    return;
  }
  PaintWithShadow(dc, text, rect, flags, shadow, color);
}

void TsLabelFX::PaintWithShadow(HDC dc, const std::wstring& text, const RECT& rect, UINT flags,
                                const ShadowValues& shadow, TColor color) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  if (work_.Width() != w || work_.Height() != h) work_ = TBitmap(w, h, PixelFormat::Bgra32);
  PixelBuffer& pixels = work_.Pixels();
  for (int y = 0; y < h; ++y) std::memset(pixels.Row(y), 0, static_cast<size_t>(w) * 4);
  // The text's place inside the drawing rectangle, clear of the shadow
  // (the values in use now, also for a label never measured).
  extents_ = MeasureShadowExtents(shadow.Distance, shadow.Blur);
  const RECT textRect{-extents_.Before, -extents_.Before, w - extents_.After, h - extents_.After};
  RECT shadowText = textRect;
  OffsetRect(&shadowText, shadow.Distance, shadow.Distance);
  DrawPlain(work_.DC(), text, shadowText, flags, clWhite);
  GdiFlush();
  mask_.Build(pixels, shadow.Blur);
  if (Transparent) {
    BitBlt(work_.DC(), 0, 0, w, h, dc, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    ComposeShadow(pixels, mask_, shadow.Color);
  } else {
    ComposeShadowOverColor(pixels, mask_, shadow.Color, ConvertColor(Color()));
  }
  BitBlt(dc, rect.left, rect.top, w, h, work_.DC(), 0, 0, SRCCOPY);
  RECT onCanvas = textRect;
  OffsetRect(&onCanvas, rect.left, rect.top);
  DrawPlain(dc, text, onCanvas, flags, color);
}

}  // namespace folvane
