#include "forms/win/vtStaticWnd.h"

#include "forms/AdapterLook.h"
#include "forms/win/AdapterPaintDC.h"
#include "paint/win/sCommonData.h"
#include "paint/win/sSkinText.h"
#include "runtime/win/Bitmap.h"

namespace folvane {

namespace {

constexpr LONG_PTR kStaticType = 0x1F;

UINT TextFormat(LONG_PTR style) {
  UINT format = DT_NOCLIP | DT_EXPANDTABS;
  const LONG_PTR type = style & kStaticType;
  if (type == SS_CENTER) format |= DT_CENTER;
  if (type == SS_RIGHT) format |= DT_RIGHT;
  // Simple and no-wrap statics keep their text on one line.
  if (type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  return format;
}

}  // namespace

bool TvtStaticWnd::LeftToSystem() const {
  return (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_TABSTOP) ||
         (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

void TvtStaticWnd::HandleMessage(Message& m) {
  if (!Skinned() || LeftToSystem()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  switch (m.msg) {
    case WM_PAINT: {
      // A repaint without erasing still shows the static.
      AdapterPaint paint(Handle(), m.wParam);
      PaintInto(paint.Get());
      m.result = 0;
      return;
    }
    case WM_ERASEBKGND:
      PaintInto(reinterpret_cast<HDC>(m.wParam));
      m.result = 1;
      return;
    case WM_MOVE:
      MarkImageChanged();
      break;
    case WM_SETTEXT:
      TvtMainWnd::HandleMessage(m);
      MarkImageChanged();
      Repaint();
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

void TvtStaticWnd::PaintInto(HDC dc) {
  if (!dc || SkinData()->PaintSuspended) return;
  RefreshGeometry();
  if (!FirstPaintDone) PrepareFirstPaint();
  MarkImageChanged();
  RenderImage();
  if (TBitmap* image = SkinData()->CacheBitmap(); image && !image->Empty())
    BitBlt(dc, 0, 0, image->Width(), image->Height(), image->DC(), 0, 0, SRCCOPY);
}

void TvtStaticWnd::PaintImage() {
  TBitmap* image = SizedImage();
  if (!image) return;
  PaintSectionImage(0);
  DrawContent(*image);
}

void TvtStaticWnd::DrawContent(TBitmap& image) {
  const std::wstring text = ShownText();
  if (text.empty()) return;
  TextCanvas canvas(image.DC());
  // The font the window was given, else the system's message font.
  canvas.Font = FontFromHandle(reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  RECT r{0, 0, image.Width() + 4, image.Height()};
  DrawSectionText(canvas, text, IsWindowEnabled(Handle()) != FALSE, r,
                  TextFormat(GetWindowLongPtrW(Handle(), GWL_STYLE)), SkinData()->SectionIndex,
                  false, SkinManager());
  GdiFlush();
}

void TvtIconWnd::DrawContent(TBitmap& image) {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  if ((style & kStaticType) == SS_BITMAP) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return;
    MemoryDC source;
    source.Select(bitmap);
    BitBlt(image.DC(), 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
  } else {
    auto icon = reinterpret_cast<HICON>(SendMessageW(Handle(), STM_GETICON, 0, 0));
    if (!icon) return;
    DrawIconEx(image.DC(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  }
  GdiFlush();
}

std::wstring TvtLinkWnd::ShownText() const { return StripLinkTags(WindowText); }

}  // namespace folvane
