#include "controls/StatusBarLayout.h"

#include <algorithm>
#include <cstdint>

namespace folvane {

std::vector<PixelRect> StatusPanelAreas(bool simple, const std::vector<int>& widths, int width,
                                        int height) {
  if (simple) return {{0, 1, width - 1, height - 1}};
  std::vector<PixelRect> areas;
  areas.reserve(widths.size());
  std::int64_t left = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    const bool last = i + 1 == widths.size();
    const std::int64_t right = last ? width : left + widths[i] + 1;
    // Panels that lie beyond the bar are kept, empty, at its right edge.
    const int l = static_cast<int>(std::min<std::int64_t>(left, width));
    const int r = static_cast<int>(std::clamp<std::int64_t>(right, l, width));
    areas.push_back({l + 1, 1, r - 1, height - 1});
    left += std::int64_t{widths[i]} + 1;
  }
  return areas;
}

PixelRect StatusTextRect(const PixelRect& area) {
  return {area.Left + 2, area.Top, area.Right - 4, area.Bottom - 1};
}

PixelRect StatusDividerRect(const PixelRect& area, int dividerImageWidth, int height) {
  const int w = dividerImageWidth > 1 ? dividerImageWidth - 1 : 0;
  const int right = area.Right + 1;  // the panel's outer edge
  return {right - w, 1, right, height - 1};
}

PixelPoint StatusGripPosition(int width, int height, int borderWidth, int gripWidth,
                              int gripHeight) {
  return {width - borderWidth - gripWidth, height - borderWidth - gripHeight};
}

}  // namespace folvane
