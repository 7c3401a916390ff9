#pragma once
// Where a skinned status bar puts its text areas, dividers, texts and grip.

#include <vector>

#include "paint/PixelGeometry.h"

namespace folvane {

// The text areas of a bar of the given size: one (0, 1, width - 1,
// height - 1) for the simple panel; else one per panel, panel i spanning
// from the sum of the widths (plus 1 each) of the panels before it to that
// position + its width + 1 (the last to the bar's right edge), inset by 1.
std::vector<PixelRect> StatusPanelAreas(bool simple, const std::vector<int>& widths, int width,
                                        int height);
// The rectangle a text area's text is fitted into: bottom - 1, left + 2,
// right - 4.
PixelRect StatusTextRect(const PixelRect& area);
// The divider piece at the right edge of a text area: one divider image
// wide less one pixel, from row 1 to height - 1.
PixelRect StatusDividerRect(const PixelRect& area, int dividerImageWidth, int height);
// The grip's top-left corner, its right and bottom edges `borderWidth`
// inside the bar's bottom-right corner.
PixelPoint StatusGripPosition(int width, int height, int borderWidth, int gripWidth,
                              int gripHeight);

}  // namespace folvane
