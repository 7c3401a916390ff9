#include "SheetCanvas.h"

#include <algorithm>
#include <map>

#include "SheetPlan.h"
#include "paint/PaintColor.h"

namespace folvane::skinsheet {

namespace {

constexpr TColor kChequerLight = 0xFFFFFF;
constexpr TColor kChequerDark = 0xDCDCDC;

TColor TextColor(TextStyle style) {
  return style == TextStyle::SmallGrey ? RgbColor(0x80, 0x80, 0x80) : RgbColor(0x24, 0x24, 0x28);
}

}  // namespace

HFONT FontFor(TextStyle style) {
  static std::map<TextStyle, FontHandle> fonts;
  FontHandle& font = fonts[style];
  if (!font) {
    int height = -11, weight = FW_NORMAL;
    if (style == TextStyle::Bold) weight = FW_BOLD;
    if (style == TextStyle::Heading) height = -15, weight = FW_BOLD;
    if (style == TextStyle::Title) height = -22, weight = FW_BOLD;
    font.Reset(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                           DEFAULT_PITCH, L"Tahoma"));
  }
  return font.Get();
}

SheetCanvas::SheetCanvas(int width, int height, TColor paper) : bitmap_(width, height) {
  bitmap_.Pixels().Fill(paper);
}

void SheetCanvas::Fill(const PixelRect& r, TColor color) {
  const PixelRect c = ClampRect(r, bitmap_.Width(), bitmap_.Height());
  for (int y = c.Top; y < c.Bottom; ++y)
    for (int x = c.Left; x < c.Right; ++x) bitmap_.Pixels().SetColor(x, y, color);
}

void SheetCanvas::Chequer(const PixelRect& r, int square) {
  const PixelRect c = ClampRect(r, bitmap_.Width(), bitmap_.Height());
  for (int y = c.Top; y < c.Bottom; ++y)
    for (int x = c.Left; x < c.Right; ++x)
      bitmap_.Pixels().SetColor(x, y, ((x / square + y / square) & 1) ? kChequerDark : kChequerLight);
}

void SheetCanvas::Outline(const PixelRect& r, TColor color) {
  Fill({r.Left - 1, r.Top - 1, r.Right + 1, r.Top}, color);
  Fill({r.Left - 1, r.Bottom, r.Right + 1, r.Bottom + 1}, color);
  Fill({r.Left - 1, r.Top, r.Left, r.Bottom}, color);
  Fill({r.Right, r.Top, r.Right + 1, r.Bottom}, color);
}

void SheetCanvas::Text(int x, int y, const std::wstring& text, TextStyle style) {
  labels_.push_back({x, y, text, style});
}

void SheetCanvas::DrawText() {
  HDC dc = bitmap_.DC();
  SetBkMode(dc, TRANSPARENT);
  for (const Label& l : labels_) {
    SelectGuard font(dc, FontFor(l.style));
    SetTextColor(dc, TextColor(l.style));
    TextOutW(dc, l.x, l.y, l.text.c_str(), static_cast<int>(l.text.size()));
  }
  GdiFlush();
  labels_.clear();
}

TextMeasure::TextMeasure() : probe_(1, 1) {}

int TextMeasure::Width(const std::wstring& text, TextStyle style) {
  SelectGuard font(probe_.DC(), FontFor(style));
  SIZE size{};
  GetTextExtentPoint32W(probe_.DC(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void PaintZoomed(const Painting& p, const PixelRect& target, int zoom, bool chequer,
                 const std::function<void(PixelBuffer&, const BackgroundInfo&)>& draw) {
  const int w = target.Width() / zoom, h = target.Height() / zoom;
  if (w <= 0 || h <= 0) return;
  PixelBuffer under(w, h, PixelFormat::Bgr24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      under.SetColor(x, y, p.Backdrop.GetColor(target.Left + x * zoom, target.Top + y * zoom));
  PixelBuffer scratch = under.Clone();
  draw(scratch, chequer ? BitmapBackground(under) : ColorBackground(p.Colour));
  for (int y = 0; y < h * zoom; ++y)
    for (int x = 0; x < w * zoom; ++x)
      p.Sheet.SetColor(target.Left + x, target.Top + y, scratch.GetColor(x / zoom, y / zoom));
}

}  // namespace folvane::skinsheet
