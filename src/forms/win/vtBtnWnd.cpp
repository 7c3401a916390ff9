#include "forms/win/vtBtnWnd.h"

#include <algorithm>

#include "forms/win/AdapterPaintDC.h"
#include "forms/win/ButtonWindow.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/StdCtrls.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {
constexpr int kGlyphSpacing = 4;
}

int TvtBtnWnd::PaintState() const { return ButtonPaintState(ReadButtonLook(Handle(), HostControl())); }

void TvtBtnWnd::HandleMessage(Message& m) {
  if (!Skinned()) {
    TvtMainWnd::HandleMessage(m);
    return;
  }
  if (HandleLookChange(m)) return;
  switch (m.msg) {
    case WM_PAINT:
      if (!FirstPaintDone) PrepareFirstPaint();
      Paint(m.wParam);
      m.result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
      m.result = 1;
      return;
    default:
      break;
  }
  TvtMainWnd::HandleMessage(m);
}

// Messages after which the button looks different; the system button
// paints itself on several of them, so they run with redraw off.
bool TvtBtnWnd::HandleLookChange(Message& m) {
  const bool visible = IsWindowVisible(Handle()) != FALSE;
  switch (m.msg) {
    case SM_VANTILECMD: {
      const WORD code = SkinCommandCode(m.wParam);
      if (code != SKC_CTRLACTIVATED && code != SKC_CTRLDEACTIVATED) return false;
      ShowHover(code == SKC_CTRLACTIVATED);
      m.result = 0;
      return true;
    }
    case WM_MOVE: {
      const TsGeneralData* s = SkinData()->Section();
      if (s && (s->Transparency > 0 || (s->HotTransparency > 0 && PaintState() != 0))) {
        MarkImageChanged();
        Repaint();
      }
      return false;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!IsWindowEnabled(Handle())) return false;
      WithoutRedraw([&] {
        TvtMainWnd::HandleMessage(m);
        SkinData()->FocusLook = m.msg == WM_SETFOCUS;
      });
      return true;
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
      if (!visible) return false;
      WithoutRedraw([&] { TvtMainWnd::HandleMessage(m); });
      return true;
    default:
      return false;
  }
}

void TvtBtnWnd::ShowHover(bool hovered) {
  if (SkinData()->Hovered == hovered) return;
  SkinData()->Hovered = hovered;
  MarkImageChanged();
  Repaint();
}

void TvtBtnWnd::Paint(WPARAM givenDC) {
  RefreshGeometry();
  AdapterPaint paint(Handle(), givenDC);
  if (SkinData()->PaintSuspended) return;
  MarkImageChanged();
  RenderImage();
  const POINT client = ClientOrigin();
  if (TBitmap* image = SkinData()->CacheBitmap(); image && !image->Empty())
    BitBlt(paint.Get(), -client.x, -client.y, image->Width(), image->Height(), image->DC(), 0, 0,
           SRCCOPY);
}

void TvtBtnWnd::PaintImage() {
  TBitmap* image = SizedImage();
  if (!image) return;
  const ButtonLook look = ReadButtonLook(Handle(), HostControl());
  const int state = ButtonPaintState(look);
  PaintSectionImage(state);

  const int w = image->Width(), h = image->Height();
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const UINT wrap = (style & BS_MULTILINE) ? DT_WORDBREAK : 0;
  const SIZE glyph = GlyphSize();
  const int glyphShare = glyph.cx > 0 ? glyph.cx + kGlyphSpacing : 0;
  const TFont font = WindowFont();
  const SIZE text = MeasureAdapterText(image->DC(), font, WindowText,
                                       w - (glyph.cx > 0 ? glyph.cx + 2 : 0) - 2,
                                       DT_CENTER | DT_EXPANDTABS | DT_NOPREFIX | wrap);
  const int textHeight = std::max<int>(text.cy, glyph.cy);
  PixelRect r = ButtonCaptionRect(w, h, text.cx + glyphShare, textHeight, look.Pushed);
  if (glyph.cx > 0) {
    DrawGlyph(*image, {r.Left + 1, r.Top + (textHeight - glyph.cy) / 2}, look.Enabled);
    r.Left += glyphShare;
  }
  const RECT textRect{r.Left, r.Top + (textHeight - text.cy) / 2, r.Right,
                      r.Top + (textHeight + text.cy) / 2};
  DrawAdapterText(image->DC(), font, WindowText, look.Enabled, textRect,
                  DT_CENTER | DT_EXPANDTABS | wrap, *SkinData(), state != 0);
  const bool focusShown = (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
  if (look.Enabled && focusShown && !WindowText.empty())
    DrawFocusFrame(*SkinData(), *image,
                   {textRect.left, textRect.top, textRect.right, textRect.bottom});
  if (!look.Enabled) BlendDisabled();
}

// --- buttons with a glyph

SIZE TvtBitBtnWnd::GlyphSize() const {
  auto* button = dynamic_cast<TBitBtn*>(HostControl());
  if (!button || button->Glyph().Empty()) return {0, 0};
  return {button->Glyph().Width() / std::max(1, button->NumGlyphs()), button->Glyph().Height()};
}

// The glyph's bottom-left pixel is its transparent colour; with two or
// more glyphs the second is the disabled look.
void TvtBitBtnWnd::DrawGlyph(TBitmap& image, PixelPoint at, bool enabled) {
  auto* button = dynamic_cast<TBitBtn*>(HostControl());
  if (!button || button->Glyph().Empty()) return;
  const PixelBuffer& glyph = button->Glyph().Pixels();
  const SIZE size = GlyphSize();
  const int frame = !enabled && button->NumGlyphs() > 1 ? 1 : 0;
  const TColor clear = glyph.GetColor(0, glyph.Height() - 1) & 0xFFFFFF;
  PixelBuffer& out = image.Pixels();
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) {
      const TColor c = glyph.GetColor(frame * size.cx + x, y) & 0xFFFFFF;
      if (c != clear && out.Contains(at.X + x, at.Y + y)) out.SetColor(at.X + x, at.Y + y, c);
    }
}

}  // namespace folvane
