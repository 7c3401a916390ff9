// Painting with a skin state: the owner's section into its cache, the
// cache's transparent corners, and the cache onto the screen.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "paint/MaskPieces.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintMask.h"
#include "paint/SectionPainting.h"
#include "paint/win/sCommonData.h"
#include "skin/SkinModel.h"

namespace folvane {

namespace {

// A border entry with StretchMode bit 2 (value 2) shows only in states above 0.
constexpr int kBorderNotInStateZero = 2;

int Saturate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

bool Inside(const PixelRect& r, const PixelBuffer& b) {
  return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() &&
         r.Bottom <= b.Height();
}

// Where the state images of a border entry lie. An own picture without an
// image count holds three states over their masks.
struct BorderFrames {
  const PixelBuffer* Source = nullptr;
  PixelRect R;
  int Count = 1;
  int FrameWidth = 0;
  int FrameHeight = 0;
};

BorderFrames BorderFramesOf(const TsMaskData& mask) {
  BorderFrames f;
  if (mask.HasImage() && mask.ImageCount == 0) {
    f.Source = &mask.Image;
    f.R = {0, 0, mask.Image.Width(), mask.Image.Height()};
    f.Count = 3;
    f.FrameWidth = f.R.Width() / 3;
    f.FrameHeight = f.R.Height() / 2;
    return f;
  }
  const MaskFrames m = FramesOf(mask);
  f.Source = m.Source;
  f.R = m.R;
  f.Count = std::max(1, m.Count);
  f.FrameWidth = m.FrameWidth;
  f.FrameHeight = m.FrameHeight;
  return f;
}

}  // namespace

void PaintControlSection(const TsCommonData& data, const BackgroundInfo& background,
                         bool fillCentre, bool fillCorners, PixelBuffer& bitmap,
                         PixelPoint offset, PixelRect rect, int state) {
  const SkinModel* model = data.Model();
  if (!model || !model->SectionIndexValid(data.SectionIndex)) return;
  if (bitmap.Format() != PixelFormat::Bgr24 || !Inside(rect, bitmap)) return;
  const TColor custom = data.CustomColor() ? ConvertColor(data.OwnerColor()) : KeyColor;
  PaintSectionBackground(data.SectionIndex, data.SectionName(), background, custom,
                         data.HotTextureIndex, data.TextureIndex, *model, bitmap, offset, rect,
                         state);
  if (const TsMaskData* border = model->Mask(data.FrameMaskIndex)) {
    if (state != 0 || !(border->StretchMode & kBorderNotInStateZero)) {
      // Key pixels of the border show what lies behind each of them.
      BackgroundInfo behind = background;
      behind.OffsetX = Saturate(std::int64_t{background.OffsetX} + offset.X - rect.Left);
      behind.OffsetY = Saturate(std::int64_t{background.OffsetY} + offset.Y - rect.Top);
      PaintMask(bitmap, rect, fillCentre, fillCorners, state, *border, behind);
    }
  }
  PaintSectionCorners(data.SectionIndex, data.SectionName(), *model, bitmap, rect, state);
}

void TsCommonData::RefreshCornersFromParent(int state, unsigned corners) {
  if (!IsSkinned() || FrameMaskIndex < 0 || !cache_ || cache_->Empty() || !hostControl_) return;
  if (hostControl_->Width() <= 1 || hostControl_->Height() <= 1) return;
  TWinControl* parent = hostControl_->Parent();
  if (!parent) return;
  const SkinModel& model = *Model();
  const TsMaskData* mask = model.Mask(FrameMaskIndex);
  if (!mask) return;
  const BorderFrames frames = BorderFramesOf(*mask);
  if (!frames.Source) return;

  BackgroundRequest request;
  RequestBackground(parent, request);
  BackgroundInfo behind = BackgroundFromAnswer(request);
  if (behind.IsBitmap) {
    behind.OffsetX = Saturate(std::int64_t{behind.OffsetX} + hostControl_->Left());
    behind.OffsetY = Saturate(std::int64_t{behind.OffsetY} + hostControl_->Top());
  }

  PixelBuffer& cache = cache_->Pixels();
  const int w = cache.Width(), h = cache.Height();
  const int wl = model.SliceWidthLeft(FrameMaskIndex), wt = model.SliceWidthTop(FrameMaskIndex);
  const int wr = model.SliceWidthRight(FrameMaskIndex);
  const int wb = model.SliceWidthBottom(FrameMaskIndex);
  const int frame = std::clamp(state, 0, frames.Count - 1);
  const std::int64_t fx = std::int64_t{frames.R.Left} + std::int64_t{frame} * frames.FrameWidth;
  const std::int64_t fy = frames.R.Top;
  const struct {
    unsigned bit;
    int ex, ey, cx, cy, cw, ch;  // entry corner, cache corner, size
  } blocks[] = {
      {kCornerTopLeft, 0, 0, 0, 0, wl, wt},
      {kCornerBottomLeft, 0, frames.FrameHeight - wb, 0, h - wb, wl, wb},
      {kCornerBottomRight, frames.FrameWidth - wr, frames.FrameHeight - wb, w - wr, h - wb, wr, wb},
      {kCornerTopRight, frames.FrameWidth - wr, 0, w - wr, 0, wr, wt},
  };
  const TColor flat = ConvertColor(behind.Color);
  for (const auto& b : blocks) {
    if (!(corners & b.bit)) continue;
    for (int j = 0; j < b.ch; ++j) {
      for (int i = 0; i < b.cw; ++i) {
        const std::int64_t sx = fx + b.ex + i, sy = fy + b.ey + j;
        if (sx < 0 || sy < 0 || sx >= frames.Source->Width() || sy >= frames.Source->Height())
          continue;
        if (frames.Source->GetColor(static_cast<int>(sx), static_cast<int>(sy)) != KeyColor)
          continue;
        const int x = b.cx + i, y = b.cy + j;
        if (!cache.Contains(x, y)) continue;
        if (!behind.IsBitmap) {
          cache.SetColor(x, y, flat);
          continue;
        }
        const std::int64_t bx = std::int64_t{x} + behind.OffsetX;
        const std::int64_t by = std::int64_t{y} + behind.OffsetY;
        if (bx < 0 || by < 0 || bx >= behind.Bitmap->Width() || by >= behind.Bitmap->Height())
          continue;
        cache.SetColor(x, y, behind.Bitmap->GetColor(static_cast<int>(bx), static_cast<int>(by)));
      }
    }
  }
}

// --- copying the cache to the screen

namespace {

void CopyWithSavedDC(TBitmap& cache, POINT from, HDC dc, const RECT& rect, int saved) {
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, cache.DC(),
         from.x, from.y, SRCCOPY);
  RestoreDC(dc, saved);
}

void ExcludeShifted(HDC dc, RECT r, int offsetX, int offsetY, const RECT& within) {
  OffsetRect(&r, offsetX, offsetY);
  RECT hit;
  if (IntersectRect(&hit, &r, &within)) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

bool IsGroupBoxWindow(HWND wnd) {
  wchar_t name[16] = {};
  GetClassNameW(wnd, name, 16);
  return lstrcmpiW(name, L"Button") == 0 &&
         (GetWindowLongW(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

void CopyCacheToDC(TWinControl* parent, TsCommonData& data, POINT sourceOrigin, int offsetY,
                   int offsetX, bool refreshCorners, HDC dc, const RECT& rect) {
  TBitmap* cache = data.CacheBitmap();
  if (!cache || cache->Empty() || !dc) return;
  if (refreshCorners) data.RefreshCornersFromParent(0, kAllCorners);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  if (parent) {
    // Graphic children paint themselves over this afterwards; windowed ones
    // are clipped by their windows.
    for (TControl* child : parent->Controls())
      if (child->Visible() && !child->IsWindowed())
        ExcludeShifted(dc, child->BoundsRect(), offsetX, offsetY, rect);
  }
  CopyWithSavedDC(*cache, sourceOrigin, dc, rect, saved);
}

void CopyCacheToDC(HWND wnd, TsCommonData& data, POINT sourceOrigin, int offsetY, int offsetX,
                   bool refreshCorners, HDC dc, const RECT& rect) {
  TBitmap* cache = data.CacheBitmap();
  if (!cache || cache->Empty() || !dc) return;
  if (refreshCorners) data.RefreshCornersFromParent(0, kAllCorners);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  const SkinModel* model = data.Model();
  for (HWND child = wnd ? GetWindow(wnd, GW_CHILD) : nullptr; child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&r), 2);
    if (!IsGroupBoxWindow(child) || !model) {
      ExcludeShifted(dc, r, offsetX, offsetY, rect);
      continue;
    }
    // A group box shows the parent through its middle: only its frame is
    // its own.
    const int section = model->FindSection("GROUPBOX");
    const int border = model->FindMask(section, "GROUPBOX", "BORDERSMASK");
    // The caption strip is the group box's answer; an answer beyond the
    // box (a pointer from a receiver that means something else) is none.
    const LRESULT strip = SendSkinQuery(child, SKC_GETMANAGER);
    const int caption = strip > 0 && strip <= r.bottom - r.top ? static_cast<int>(strip) : 0;
    const int wl = model->SliceWidthLeft(border), wr = model->SliceWidthRight(border);
    const int wb = model->SliceWidthBottom(border);
    ExcludeShifted(dc, {r.left, r.top, r.right, r.top + caption}, offsetX, offsetY, rect);
    ExcludeShifted(dc, {r.left, r.top, r.left + wl, r.bottom}, offsetX, offsetY, rect);
    ExcludeShifted(dc, {r.right - wr, r.top, r.right, r.bottom}, offsetX, offsetY, rect);
    ExcludeShifted(dc, {r.left, r.bottom - wb, r.right, r.bottom}, offsetX, offsetY, rect);
  }
  CopyWithSavedDC(*cache, sourceOrigin, dc, rect, saved);
}

}  // namespace folvane
