#include "SheetPictures.h"

#include <algorithm>

#include "paint/MaskPieces.h"
#include "paint/PaintGlyph.h"
#include "paint/PaintTexture.h"
#include "skin/SkinModel.h"

namespace folvane::skinsheet {

namespace {

constexpr int kPad = 6;
constexpr int kGlyphZoom = 2;
constexpr int kItemGap = 18;
constexpr int kLabelHeight = 32;  // name and note above an item
constexpr PixelPoint kSample{160, 60};
constexpr PixelPoint kLargestTile{160, 60};

std::wstring EntryName(const TsMaskData& m) {
  return Wide(m.SectionName) + L" " + Wide(m.PropertyName);
}

int Heading(SheetPlan& plan, int top, const std::wstring& title, const std::wstring& note) {
  plan.Fill({kMargin, top + 24, plan.Width - kMargin, top + 25}, 0xC8C8C8);
  plan.Text(kMargin, top, title, TextStyle::Heading);
  plan.Text(kMargin + 180, top + 4, note, TextStyle::SmallGrey);
  return top + 36;
}

// A box of `count` glyph images (FW x FH each, zoomed) side by side.
int GlyphBoxWidth(int count, const MaskFrames& f) {
  return 2 * kPad + count * kGlyphZoom * f.FrameWidth + (count - 1) * kPad;
}

// States 0 ... ImageCount - 1, then state 0 faded, over `chequer` or the colour.
void LayoutGlyphBox(SheetPlan& plan, int index, const MaskFrames& f, PixelPoint at, bool chequer) {
  const int count = f.Count + 1;
  const int w = kGlyphZoom * f.FrameWidth, h = kGlyphZoom * f.FrameHeight;
  plan.Cell({at.X, at.Y, at.X + GlyphBoxWidth(count, f), at.Y + h + 2 * kPad}, chequer);
  for (int i = 0; i < count; ++i) {
    const int x = at.X + kPad + i * (w + kPad);
    const PixelRect target{x, at.Y + kPad, x + w, at.Y + kPad + h};
    const bool faded = i == f.Count;
    plan.Paints.push_back([=](const Painting& painting) {
      PaintZoomed(painting, target, kGlyphZoom, chequer,
                  [&](PixelBuffer& scratch, const BackgroundInfo& behind) {
                    PaintGlyph(scratch, {0, 0}, faded ? 0 : i, behind,
                               *painting.Model.Mask(index), faded ? kGlyphFaded : kGlyphNormal);
                  });
    });
  }
}

void LayoutGlyph(SheetPlan& plan, const SkinModel& model, TextMeasure& measure, Flow& flow,
                 int index) {
  const TsMaskData& m = *model.Mask(index);
  const MaskFrames f = FramesOf(m);
  if (!f.Source || f.FrameWidth <= 0 || f.FrameHeight <= 0) return;
  const std::wstring name = EntryName(m);
  const std::wstring note = std::to_wstring(f.Count) + L" \u00d7 " + std::to_wstring(f.FrameWidth) +
                            L"\u00d7" + std::to_wstring(f.FrameHeight) + (f.Masked ? L" +mask" : L"");
  const int box = GlyphBoxWidth(f.Count + 1, f);
  const int width = std::max({measure.Width(name, TextStyle::Bold), 2 * box + kPad});
  const PixelPoint at = flow.Place(width, kLabelHeight + kGlyphZoom * f.FrameHeight + 2 * kPad);
  plan.Text(at.X, at.Y, name, TextStyle::Bold);
  plan.Text(at.X, at.Y + 14, note, TextStyle::SmallGrey);
  LayoutGlyphBox(plan, index, f, {at.X, at.Y + kLabelHeight}, true);
  LayoutGlyphBox(plan, index, f, {at.X + box + kPad, at.Y + kLabelHeight}, false);
}

// A texture laid over `r` of `target` in `mode` over `behind`; an entry
// with a mask goes by the mask rule. What a mode leaves uncovered keeps
// what was there.
void PaintTextureShot(PixelBuffer& target, const SkinModel& model, int mask, int pattern,
                      PixelRect r, int mode, const BackgroundInfo& behind) {
  if (pattern >= 0) {
    PaintTexture(target, r, model.Pattern(pattern), 0, nullptr);
    return;
  }
  const TsMaskData& m = *model.Mask(mask);
  if (m.MaskType != 0)
    PaintMaskedTexture(target, r, behind, mode, m);
  else
    PaintTexture(target, r, nullptr, mode, &m);
}

// Small tiles are shown up to four times their size.
int TileZoom(PixelPoint tile) {
  return std::clamp(std::min(kLargestTile.X / std::max(tile.X, 1), kLargestTile.Y / std::max(tile.Y, 1)),
                    1, 4);
}

struct TextureItem {
  int Mask = -1, Pattern = -1;
  std::wstring Name, Note;
  PixelPoint Tile;  // the tile's size, shown whole up to kLargestTile
  int Mode = 0;
};

void LayoutTexture(SheetPlan& plan, TextMeasure& measure, Flow& flow, const TextureItem& t) {
  const int zoom = TileZoom(t.Tile);
  const PixelPoint tile{std::min(zoom * t.Tile.X, kLargestTile.X),
                        std::min(zoom * t.Tile.Y, kLargestTile.Y)};
  const int boxes = tile.X + 2 * kSample.X + 2 * kPad;
  const int width = std::max(measure.Width(t.Name, TextStyle::Bold), boxes);
  const PixelPoint at = flow.Place(width, kLabelHeight + std::max(tile.Y, kSample.Y));
  plan.Text(at.X, at.Y, t.Name, TextStyle::Bold);
  plan.Text(at.X, at.Y + 14, t.Note, TextStyle::SmallGrey);
  const int y = at.Y + kLabelHeight;
  const PixelRect tileRect{at.X, y, at.X + tile.X, y + tile.Y};
  const PixelRect overChequer{tileRect.Right + kPad, y, tileRect.Right + kPad + kSample.X, y + kSample.Y};
  const PixelRect overColour{overChequer.Right + kPad, y, overChequer.Right + kPad + kSample.X,
                             y + kSample.Y};
  plan.Cell(tileRect, true);
  plan.Cell(overChequer, true);
  plan.Cell(overColour, false);
  const TextureItem item = t;
  plan.Paints.push_back([=](const Painting& p) {
    PaintZoomed(p, tileRect, zoom, true, [&](PixelBuffer& scratch, const BackgroundInfo& behind) {
      PaintTextureShot(scratch, p.Model, item.Mask, item.Pattern,
                       {0, 0, scratch.Width(), scratch.Height()}, 0, behind);
    });
    PaintTextureShot(p.Sheet, p.Model, item.Mask, item.Pattern, overChequer, item.Mode,
                     p.Behind(true));
    PaintTextureShot(p.Sheet, p.Model, item.Mask, item.Pattern, overColour, item.Mode,
                     p.Behind(false));
  });
}

std::vector<TextureItem> TextureItems(const SkinModel& model) {
  std::vector<TextureItem> items;
  for (int i = 0; i < static_cast<int>(model.Masks().size()); ++i) {
    const TsMaskData& m = *model.Mask(i);
    const MaskFrames f = FramesOf(m);
    if (m.ImgType != itisaTexture || !f.Source || f.FrameWidth <= 0 || f.FrameHeight <= 0) continue;
    items.push_back({i, -1, EntryName(m),
                     L"mode " + std::to_wstring(m.StretchMode) + L" \u00b7 tile " +
                         std::to_wstring(f.FrameWidth) + L"\u00d7" + std::to_wstring(f.FrameHeight) +
                         (f.Masked ? L" +mask" : L""),
                     {f.FrameWidth, f.FrameHeight}, m.StretchMode});
  }
  for (int i = 0; i < static_cast<int>(model.Patterns().size()); ++i) {
    const TsPatternData& p = *model.Pattern(i);
    items.push_back({-1, i, Wide(p.SectionName) + L" " + Wide(p.PropertyName),
                     L"picture pattern " + std::to_wstring(p.Image.Width()) + L"\u00d7" +
                         std::to_wstring(p.Image.Height()),
                     {p.Image.Width(), p.Image.Height()}, 0});
  }
  return items;
}

}  // namespace

int LayoutGlyphs(SheetPlan& plan, const SkinModel& model, TextMeasure& measure, int top) {
  const int y = Heading(plan, top, L"Glyphs",
                        L"twice their size: each state image left to right, then state 0 faded "
                        L"(disabled); over the chequer, then over the colour");
  Flow flow(kMargin, plan.Width - kMargin, y, kItemGap * 2, kItemGap);
  for (int i = 0; i < static_cast<int>(model.Masks().size()); ++i)
    if (model.Mask(i)->ImgType == itisaGlyph) LayoutGlyph(plan, model, measure, flow, i);
  return flow.Bottom();
}

int LayoutTextures(SheetPlan& plan, const SkinModel& model, TextMeasure& measure, int top) {
  const int y = Heading(plan, top, L"Textures",
                        L"the tile (enlarged when small), then laid over 160\u00d760 in its mode over the chequer and "
                        L"over the colour; what a mode leaves uncovered shows the backdrop");
  Flow flow(kMargin, plan.Width - kMargin, y, kItemGap * 2, kItemGap);
  for (const TextureItem& t : TextureItems(model)) LayoutTexture(plan, measure, flow, t);
  return flow.Bottom();
}

int LayoutMaster(SheetPlan& plan, const SkinModel& model, int top) {
  const PixelBuffer& master = model.MasterBitmap();
  if (master.Empty()) return top;
  const int scale = 2 * master.Width() <= plan.Width - 2 * kMargin ? 2 : 1;
  const int y = Heading(plan, top, L"Master bitmap",
                        scale == 2 ? L"twice its size; magenta is the key colour"
                                   : L"magenta is the key colour");
  const PixelRect r{kMargin, y, kMargin + scale * master.Width(), y + scale * master.Height()};
  plan.Cell(r, true);
  plan.Paints.push_back([=](const Painting& p) {
    const PixelBuffer& m = p.Model.MasterBitmap();
    for (int py = r.Top; py < r.Bottom && py < p.Sheet.Height(); ++py)
      for (int px = r.Left; px < r.Right && px < p.Sheet.Width(); ++px)
        p.Sheet.SetColor(px, py, m.GetColor((px - r.Left) / scale, (py - r.Top) / scale));
  });
  return r.Bottom;
}

}  // namespace folvane::skinsheet
