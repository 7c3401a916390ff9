#include "paint/win/TextCanvas.h"

#include "paint/EllipsisFit.h"
#include "runtime/win/Handles.h"

namespace folvane {
namespace {

// wchar_t is 16 bits in the Windows build: the strings convert unit for unit.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

class GdiTextPlatform : public TextPlatform {
 public:
  int SaveDC(HDC dc) override { return ::SaveDC(dc); }
  void RestoreDC(HDC dc, int saved) override {
    if (saved) ::RestoreDC(dc, saved);
  }
  void IntersectClip(HDC dc, const RECT& r) override {
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  int DrawFormatted(HDC dc, const TFont& font, bool clearBrush, TColor brushColor,
               const wchar_t* text, int length, RECT& rect, UINT format) override {
    TextState state(dc, font, clearBrush, brushColor);
    return ::DrawTextW(dc, text, length, &rect, format);
  }
  SIZE TextExtent(HDC dc, const TFont& font, const wchar_t* text, int length) override {
    SelectGuard keep(dc, font.Handle());
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    return size;
  }
  void TextRect(HDC dc, const TFont& font, bool clearBrush, TColor brushColor, const RECT& rect,
                int x, int y, const wchar_t* text, int length) override {
    TextState state(dc, font, clearBrush, brushColor);
    const UINT options = ETO_CLIPPED | (clearBrush ? 0 : ETO_OPAQUE);
    ExtTextOutW(dc, x, y, options, &rect, text, static_cast<UINT>(length), nullptr);
  }
  bool WidthsGrowWithLength(HDC dc) override { return GetTextCharacterExtra(dc) >= 0; }

 private:
  // Font, colours and background mode for one call, put back afterwards so
  // that the DC never keeps a font the canvas may free.
  class TextState {
   public:
    TextState(HDC dc, const TFont& font, bool clearBrush, TColor brushColor)
        : dc_(dc),
          font_(dc, font.Handle()),
          color_(SetTextColor(dc, ColorToRGB(font.Color()))),
          back_(SetBkColor(dc, ColorToRGB(brushColor))),
          mode_(SetBkMode(dc, clearBrush ? TRANSPARENT : OPAQUE)) {}
    ~TextState() {
      SetBkMode(dc_, mode_);
      SetBkColor(dc_, back_);
      SetTextColor(dc_, color_);
    }
    TextState(const TextState&) = delete;
    TextState& operator=(const TextState&) = delete;

   private:
    HDC dc_;
    SelectGuard font_;
    COLORREF color_;
    COLORREF back_;
    int mode_;
  };
};

int Length(const std::wstring& text) { return static_cast<int>(text.size()); }

}  // namespace

TextPlatform& SystemTextPlatform() {
  static GdiTextPlatform platform;
  return platform;
}

SIZE TextExtent(TextCanvas& canvas, const std::wstring& text) {
  return canvas.Platform().TextExtent(canvas.Handle(), canvas.Font, text.c_str(), Length(text));
}

int TextWidth(TextCanvas& canvas, const std::wstring& text) { return TextExtent(canvas, text).cx; }

int TextHeight(TextCanvas& canvas, const std::wstring& text) {
  return TextExtent(canvas, text).cy;
}

void TextRect(TextCanvas& canvas, const RECT& rect, int x, int y, const std::wstring& text) {
  canvas.Platform().TextRect(canvas.Handle(), canvas.Font, canvas.BrushClear, canvas.BrushColor,
                             rect, x, y, text.c_str(), Length(text));
}

int DrawTextFull(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  return DrawTextW(dc, text.c_str(), Length(text), &rect, format);
}

std::wstring FitTextWithEllipsis(TextCanvas& canvas, const std::wstring& text, int maxWidth) {
  auto width = [&canvas](std::u16string_view s) {
    return canvas.Platform()
        .TextExtent(canvas.Handle(), canvas.Font, reinterpret_cast<const wchar_t*>(s.data()),
                    static_cast<int>(s.size()))
        .cx;
  };
  const std::u16string_view source(reinterpret_cast<const char16_t*>(text.data()), text.size());
  const std::u16string fitted =
      canvas.Platform().WidthsGrowWithLength(canvas.Handle())
          ? FitTextWithEllipsis(source, maxWidth, width)
          : FitTextWithEllipsisLinear(source, maxWidth, width);
  return std::wstring(fitted.begin(), fitted.end());
}

}  // namespace folvane
