#include "forms/win/vtCheckBoxWnd.h"

#include "forms/win/AdapterPaintDC.h"
#include "forms/win/ButtonWindow.h"
#include "paint/PaintGlyph.h"
#include "paint/win/sCommonData.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

namespace {

// Room a check box keeps for its glyph when the skin has none.
constexpr int kDefaultGlyphSize = 16;

bool IsRadio(LONG_PTR style) {
  const LONG_PTR type = style & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace

const char* TvtCheckBoxWnd::GlyphName() const {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const int check = static_cast<int>(SendMessageW(Handle(), BM_GETCHECK, 0, 0));
  return CheckGlyphName(IsRadio(style), check);
}

void TvtCheckBoxWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT:
      if (!FirstPaintDone) PrepareFirstPaint();
      Paint(m.wParam);
      m.result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      m.result = 1;
      return;
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The system button paints itself on these.
      WithoutRedraw([&] { TvtMainWnd::HandleMessage(m); });
      return;
    case SM_VANTILECMD: {
      const WORD code = SkinCommandCode(m.wParam);
      if (code != SKC_CTRLACTIVATED && code != SKC_CTRLDEACTIVATED) break;
      SkinData()->Hovered = code == SKC_CTRLACTIVATED;
      MarkImageChanged();
      Repaint();
      m.result = 0;
      return;
    }
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtCheckBoxWnd::Paint(WPARAM givenDC) {
  RefreshGeometry();
  AdapterPaint paint(Handle(), givenDC);
  if (SkinData()->PaintSuspended) return;
  MarkImageChanged();
  RenderImage();
  if (TBitmap* image = SkinData()->CacheBitmap(); image && !image->Empty())
    BitBlt(paint.Get(), 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
}

void TvtCheckBoxWnd::PaintImage() {
  TBitmap* image = SizedImage();
  const SkinModel* model = SkinData()->Model();
  if (!image || !model) return;
  const ButtonLook look = ReadButtonLook(Handle(), HostControl());
  const int state = CheckGlyphState(look);
  PaintSectionImage(state == 0 ? 0 : 1);

  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const int globals = model->FindSection("GLOBALINFO");
  const int maskIndex = model->FindMask(globals, "GLOBALINFO", GlyphName());
  const TsMaskData* mask = model->Mask(maskIndex);
  int gw = kDefaultGlyphSize, gh = kDefaultGlyphSize;
  if (mask) {
    const MaskSize size = model->MaskStateSize(maskIndex);
    gw = size.x;
    gh = size.y;
  }
  const int w = image->Width(), h = image->Height();
  const CheckBoxLayout layout = LayOutCheckBox(w, h, gw, gh, (style & BS_LEFTTEXT) != 0);
  if (mask)
    PaintGlyph(image->Pixels(), layout.Glyph, state, BitmapBackground(image->Pixels()), *mask,
               kGlyphNormal);

  const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
  const UINT align = (style & BS_LEFTTEXT) ? DT_RIGHT : DT_LEFT;
  const RECT textRect{layout.Text.Left, layout.Text.Top, layout.Text.Right, layout.Text.Bottom};
  DrawAdapterText(image->DC(), WindowFont(), WindowText, look.Enabled, textRect,
                  DT_EXPANDTABS | lines | align, *SkinData(), state != 0);
  if (look.Enabled && look.Focused && !WindowText.empty()) {
    const SIZE text = MeasureAdapterText(image->DC(), WindowFont(), WindowText,
                                         layout.Text.Width(), DT_EXPANDTABS | lines);
    const int top = (h - text.cy) / 2;
    const int left = (style & BS_LEFTTEXT) ? layout.Text.Right - text.cx : layout.Text.Left;
    DrawFocusFrame(*SkinData(), *image, {left, top, left + text.cx, top + text.cy});
  }
  if (!look.Enabled) BlendDisabled();
}

}  // namespace folvane
