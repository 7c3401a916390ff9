// Painting of the skinned bars: tracks before and after the thumb centre,
// the two arrows and the thumb, each a scroll section with its glyph, a
// disabled bar dimmed towards what lies behind it.
#include <algorithm>
#include <optional>

#include "forms/win/AdapterPaintDC.h"
#include "forms/win/vtScrollWnd.h"
#include "paint/Blends.h"
#include "paint/PaintColor.h"
#include "paint/PaintGlyph.h"
#include "paint/ScrollSection.h"
#include "paint/TintRounded.h"
#include "paint/win/sCommonData.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

struct PartSkin {
  int Section, Border, Pattern, HotPattern, Glyph;
};

struct BarSkin {
  PartSkin TrackBefore, TrackAfter, FirstArrow, SecondArrow, Thumb;
};

BarSkin SkinOf(const SkinCachedIndexes& i, bool vertical) {
  if (vertical)
    return {{i.ScrollBar1V, i.ScrollBar1VBorder, i.ScrollBar1VPattern, i.ScrollBar1VHotPattern, -1},
            {i.ScrollBar2V, i.ScrollBar2VBorder, i.ScrollBar2VPattern, i.ScrollBar2VHotPattern, -1},
            {i.ScrollBtnTop, i.ScrollBtnTopBorder, i.ScrollBtnTopPattern, i.ScrollBtnTopHotPattern,
             i.ScrollBtnTopGlyph},
            {i.ScrollBtnBottom, i.ScrollBtnBottomBorder, i.ScrollBtnBottomPattern,
             i.ScrollBtnBottomHotPattern, i.ScrollBtnBottomGlyph},
            {i.ScrollSliderV, i.ScrollSliderVBorder, i.ScrollSliderVPattern,
             i.ScrollSliderVHotPattern, i.ScrollSliderVGlyph}};
  return {{i.ScrollBar1H, i.ScrollBar1HBorder, i.ScrollBar1HPattern, i.ScrollBar1HHotPattern, -1},
          {i.ScrollBar2H, i.ScrollBar2HBorder, i.ScrollBar2HPattern, i.ScrollBar2HHotPattern, -1},
          {i.ScrollBtnLeft, i.ScrollBtnLeftBorder, i.ScrollBtnLeftPattern, i.ScrollBtnLeftHotPattern,
           i.ScrollBtnLeftGlyph},
          {i.ScrollBtnRight, i.ScrollBtnRightBorder, i.ScrollBtnRightPattern,
           i.ScrollBtnRightHotPattern, i.ScrollBtnRightGlyph},
          {i.ScrollSliderH, i.ScrollSliderHBorder, i.ScrollSliderHPattern, i.ScrollSliderHHotPattern,
           i.ScrollSliderHGlyph}};
}

SIZE GlyphSize(const TsMaskData& mask) {
  return {mask.Width() / std::max(mask.ImageCount, 1), mask.Height() / (mask.MaskType > 0 ? 2 : 1)};
}

// Along-the-bar coordinates turned into a rectangle of the bar image.
PixelRect Span(bool vertical, int from, int to, int across) {
  return vertical ? PixelRect{0, from, across, to} : PixelRect{from, 0, to, across};
}

}  // namespace

// What the bars lie over: the adapter's window image when it covers the
// window, else the section's colour.
BackgroundInfo TvtScrollWnd::BarBackground(PixelRect at, TColor& color) {
  const TsGeneralData* section = SkinData()->Section();
  color = section ? ConvertColor(section->Color) : ConvertColor(clBtnFace);
  TBitmap* image = SkinData()->CacheBitmap();
  RECT box{};
  GetWindowRect(Handle(), &box);
  if (image && !image->Empty() && image->Width() == box.right - box.left &&
      image->Height() == box.bottom - box.top)
    return BitmapBackground(image->Pixels(), at.Left, at.Top);
  return ColorBackground(color);
}

TBitmap TvtScrollWnd::BarImage(TvtScrollBar& bar) {
  const SkinModel* model = SkinData()->Model();
  const RECT r = BarRect(bar);
  const bool vertical = bar.Vertical();
  const int length = vertical ? r.bottom - r.top : r.right - r.left;
  const int across = vertical ? r.right - r.left : r.bottom - r.top;
  if (!model || !bar.Shown || length <= 1 || across <= 0) return {};
  const SkinCachedIndexes& indexes = model->CachedIndexes();
  if (!model->SectionIndexValid(indexes.ScrollBar1H)) return {};
  bar.ReadInfo(Handle());
  const bool enabled = BarEnabled(bar);
  const BarSkin skin = SkinOf(indexes, vertical);

  TBitmap image(vertical ? across : length, vertical ? length : across);
  PixelBuffer& px = image.Pixels();
  TColor color = 0;
  const BackgroundInfo behind = BarBackground({r.left, r.top, r.right, r.bottom}, color);

  const int arrow = ArrowLength(bar);
  const ThumbPlace thumb = Thumb(bar, length);
  auto paint = [&](const PartSkin& part, PixelRect rect, int state, const BackgroundInfo& bg) {
    PaintScrollSection(part.Section, part.Border, part.Pattern, part.HotPattern, bg, *model, px,
                       {rect.Left, rect.Top}, rect, state, true);
  };
  auto glyph = [&](const PartSkin& part, PixelRect area, int state, const BackgroundInfo& bg) {
    const TsMaskData* mask = model->Mask(part.Glyph);
    if (!mask) return;
    const SIZE g = GlyphSize(*mask);
    PaintGlyph(px, {area.Left + (area.Width() - g.cx) / 2, area.Top + (area.Height() - g.cy) / 2},
               state, bg, *mask, kGlyphNormal);
  };

  if (2 * arrow < length) {
    const int middle = thumb.Start + thumb.Size / 2;
    paint(skin.TrackBefore, Span(vertical, 0, middle, across), PartStates(bar, kPartTrackBefore),
          behind);
    paint(skin.TrackAfter, Span(vertical, middle, length, across), PartStates(bar, kPartTrackAfter),
          behind);
    // Arrows and thumb lie over the tracks just painted.
    const PixelBuffer backdrop = px.Clone();
    const BackgroundInfo over = BitmapBackground(backdrop);
    const int end = std::min(SystemDefaultArrow(), arrow);
    const PixelRect first = Span(vertical, 0, arrow, across);
    const PixelRect second = Span(vertical, length - arrow, length, across);
    const int s0 = PartStates(bar, kPartFirstArrow), s1 = PartStates(bar, kPartSecondArrow);
    paint(skin.FirstArrow, first, s0, over);
    glyph(skin.FirstArrow, Span(vertical, 0, end, across), s0, over);
    paint(skin.SecondArrow, second, s1, over);
    glyph(skin.SecondArrow, Span(vertical, length - end, length, across), s1, over);
    if (enabled && thumb.Drawn) {
      const PixelRect t = Span(vertical, thumb.Start, thumb.Start + thumb.Size, across);
      const int st = PartStates(bar, kPartThumb);
      paint(skin.Thumb, t, st, over);
      glyph(skin.Thumb, t, st, over);
    }
  } else {
    const int half = length / 2;
    paint(skin.FirstArrow, Span(vertical, 0, half, across), PartStates(bar, kPartFirstArrow), behind);
    paint(skin.SecondArrow, Span(vertical, half, length, across), PartStates(bar, kPartSecondArrow),
          behind);
  }
  if (!enabled) {
    if (behind.IsBitmap && behind.Bitmap) {
      BlendKeyedRect(px, 0, 0, *behind.Bitmap,
                     {behind.OffsetX, behind.OffsetY, behind.OffsetX + px.Width() - 1,
                      behind.OffsetY + px.Height() - 1},
                     0xFF000000, 0.4);
    } else {
      // The same share as over a bitmap: 40 % of the bar stays.
      TintRounded(px, {0, 0, px.Width(), px.Height()}, 40, 0, 0, color);
    }
  }
  return image;
}

void TvtScrollWnd::PaintBars(HDC into) {
  if (!BarsActive() || SkinData()->PaintSuspended || sending_) return;
  if (TControl* host = HostControl(); host && !IsWindowVisible(Handle())) return;
  if (FormAnimating) return;
  std::optional<NonClientDC> own;
  if (!into) own.emplace(Handle());
  HDC dc = into ? into : own->Get();
  if (!dc) return;
  for (TvtScrollBar* bar : {HorzBar.get(), VertBar.get()}) {
    TBitmap image = BarImage(*bar);
    if (image.Empty()) continue;
    const RECT r = BarRect(*bar);
    BitBlt(dc, r.left, r.top, image.Width(), image.Height(), image.DC(), 0, 0, SRCCOPY);
  }
  PaintCorner(dc);
}

void TvtScrollWnd::PaintCorner(HDC dc) {
  const RECT corner = CornerRect();
  if (IsRectEmpty(&corner)) return;
  TBitmap image(corner.right - corner.left, corner.bottom - corner.top);
  TColor color = 0;
  const BackgroundInfo behind =
      BarBackground({corner.left, corner.top, corner.right, corner.bottom}, color);
  PixelBuffer& px = image.Pixels();
  for (int y = 0; y < px.Height(); ++y)
    for (int x = 0; x < px.Width(); ++x) {
      const int sx = behind.OffsetX + x, sy = behind.OffsetY + y;
      const bool fromImage = behind.IsBitmap && behind.Bitmap && behind.Bitmap->Contains(sx, sy);
      px.SetColor(x, y, fromImage ? behind.Bitmap->GetColor(sx, sy) : color);
    }
  const SkinModel* model = SkinData()->Model();
  if (model && CornerIsSizeBox()) {
    const int grip = model->FindMask(model->FindSection("GLOBALINFO"), "GLOBALINFO", "GRIPIMAGE");
    if (const TsMaskData* mask = model->Mask(grip)) {
      const MaskSize size = model->MaskStateSize(grip);
      const PixelBuffer backdrop = px.Clone();
      PaintGlyph(px, {std::max(px.Width() - size.x, 0), std::max(px.Height() - size.y, 0)}, 0,
                 BitmapBackground(backdrop), *mask, kGlyphNormal);
    }
  }
  BitBlt(dc, corner.left, corner.top, image.Width(), image.Height(), image.DC(), 0, 0, SRCCOPY);
}

}  // namespace folvane
