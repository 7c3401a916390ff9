#include "forms/win/vtSizerWnd.h"

#include <algorithm>

#include "forms/win/AdapterPaintDC.h"
#include "forms/win/vtGroupBoxWnd.h"
#include "paint/PaintGlyph.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Bitmap.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

void TvtSizerWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT: {
      RefreshGeometry();
      AdapterPaint paint(Handle(), m.wParam);
      MarkImageChanged();
      RenderImage();
      TBitmap* image = SkinData()->CacheBitmap();
      if (paint.Get() && image && !image->Empty())
        BitBlt(paint.Get(), 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
      m.result = 0;
      return;
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      m.result = 1;
      return;
    case WM_NCHITTEST:
      if (IsWindowEnabled(Handle()))
        if (TsSkinManager* primary = TsSkinManager::PrimaryManager()) primary->SetHotWindow(nullptr);
      m.result = HTBOTTOMRIGHT;
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtSizerWnd::PaintImage() {
  TBitmap* image = SizedImage();
  const SkinModel* model = SkinData()->Model();
  if (!image || !model) return;
  CopyBehind(*image, Behind(), {0, 0, image->Width(), image->Height()});
  const int globals = model->FindSection("GLOBALINFO");
  const int grip = model->FindMask(globals, "GLOBALINFO", "GRIPIMAGE");
  const TsMaskData* mask = model->Mask(grip);
  if (!mask) return;
  const MaskSize size = model->MaskStateSize(grip);
  PaintGlyph(image->Pixels(),
             {std::max(image->Width() - size.x, 0), std::max(image->Height() - size.y, 0)}, 0,
             BitmapBackground(image->Pixels()), *mask, kGlyphNormal);
}

}  // namespace folvane
