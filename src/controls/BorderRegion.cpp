#include "controls/BorderRegion.h"

#include <algorithm>
#include <cstdint>

#include "paint/MaskPieces.h"
#include "paint/PaintColor.h"
#include "paint/PaintMask.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

struct Frame {
  const PixelBuffer* Source = nullptr;
  std::int64_t Left = 0, Top = 0;
  int Width = 0, Height = 0;
};

// The state image of the entry; an own picture without an image count holds
// three states over their masks.
Frame StateFrame(const TsMaskData& mask, int state) {
  Frame f;
  if (mask.HasImage() && mask.ImageCount == 0) {
    f.Source = &mask.Image;
    f.Width = mask.Image.Width() / 3;
    f.Height = mask.Image.Height() / 2;
    f.Left = std::int64_t{std::clamp(state, 0, 2)} * f.Width;
    return f;
  }
  const MaskFrames m = FramesOf(mask);
  if (!m.Source) return f;
  f.Source = m.Source;
  f.Left = m.FrameLeft(state);
  f.Top = m.R.Top;
  f.Width = m.FrameWidth;
  f.Height = m.FrameHeight;
  return f;
}

bool IsKey(const Frame& f, std::int64_t x, std::int64_t y) {
  const std::int64_t sx = f.Left + x, sy = f.Top + y;
  if (x < 0 || y < 0 || x >= f.Width || y >= f.Height) return false;
  if (sx < 0 || sy < 0 || sx >= f.Source->Width() || sy >= f.Source->Height()) return false;
  return f.Source->GetColor(static_cast<int>(sx), static_cast<int>(sy)) == KeyColor;
}

// Runs of key pixels of the entry block at (ex, ey), w x h, placed at (cx, cy).
void AddRuns(const Frame& f, int ex, int ey, int cx, int cy, int w, int h,
             std::vector<PixelRect>& runs) {
  for (int j = 0; j < h; ++j) {
    int start = -1;
    for (int i = 0; i <= w; ++i) {
      const bool key = i < w && IsKey(f, ex + i, ey + j);
      if (key && start < 0) start = i;
      if (!key && start >= 0) {
        runs.push_back({cx + start, cy + j, cx + i, cy + j + 1});
        start = -1;
      }
    }
  }
}

}  // namespace

std::vector<PixelRect> BorderCornerHoles(const SkinModel& model, int maskIndex, int state,
                                         int width, int height) {
  std::vector<PixelRect> runs;
  const TsMaskData* mask = model.Mask(maskIndex);
  if (!mask || width < 2 || height < 2) return runs;
  const Frame f = StateFrame(*mask, state);
  if (!f.Source || f.Width <= 0 || f.Height <= 0) return runs;
  // Corners shrink as the border painting shrinks them on a small control.
  const SlicePair across = ShrinkSlices(width, model.SliceWidthLeft(maskIndex),
                                        model.SliceWidthRight(maskIndex));
  const SlicePair down = ShrinkSlices(height, model.SliceWidthTop(maskIndex),
                                      model.SliceWidthBottom(maskIndex));
  const int wl = across.Near, wr = across.Far, wt = down.Near, wb = down.Far;
  AddRuns(f, 0, 0, 0, 0, wl, wt, runs);
  AddRuns(f, f.Width - wr, 0, width - wr, 0, wr, wt, runs);
  AddRuns(f, 0, f.Height - wb, 0, height - wb, wl, wb, runs);
  AddRuns(f, f.Width - wr, f.Height - wb, width - wr, height - wb, wr, wb, runs);
  return runs;
}

}  // namespace folvane
