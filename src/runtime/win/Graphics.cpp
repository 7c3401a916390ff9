#include "runtime/win/Graphics.h"

#include "runtime/SystemColor.h"

namespace folvane {

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return color & 0xFFFFFF;
}

bool ReadNonClientMetrics(NONCLIENTMETRICSW& metrics) {
  metrics = NONCLIENTMETRICSW{};
  metrics.cbSize = sizeof(metrics);
  return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

HCURSOR CursorHandle(int cursor) {
  switch (cursor) {
    case crHandPoint: return LoadCursorW(nullptr, IDC_HAND);
    case crIBeam: return LoadCursorW(nullptr, IDC_IBEAM);
    default: return LoadCursorW(nullptr, IDC_ARROW);
  }
}

}  // namespace folvane
