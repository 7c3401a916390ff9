#include "SheetSections.h"

#include <algorithm>

#include "paint/DisabledLook.h"
#include "paint/MaskPieces.h"
#include "paint/NewBitmap.h"
#include "paint/PaintColor.h"
#include "paint/SectionPainting.h"
#include "skin/SkinModel.h"

namespace folvane::skinsheet {

namespace {

constexpr int kLabelWidth = 176;
constexpr int kPad = 8;       // inside a cell
constexpr int kSizeGap = 10;  // between the sizes in a cell
constexpr PixelPoint kSizes[] = {{24, 24}, {90, 28}, {160, 60}};
constexpr int kCellWidth = 2 * kPad + 24 + 90 + 160 + 2 * kSizeGap;
constexpr int kCellHeight = 2 * kPad + 60;
constexpr int kCellGap = 6;
constexpr int kGroupGap = 26;
constexpr int kLooks = 4;  // normal, hot, pressed, disabled
constexpr int kDisabled = 3;
constexpr int kRowGap = 6;
constexpr int kHeadHeight = 40;
constexpr std::size_t kRowsPerHead = 16;
constexpr TColor kStripe = RgbColor(0xF3, 0xF5, 0xF8);

const wchar_t* const kLookNames[kLooks] = {L"normal", L"hot", L"pressed", L"disabled"};

int GroupWidth() { return kLooks * kCellWidth + (kLooks - 1) * kCellGap; }

PixelRect CellRect(int top, bool chequer, int look) {
  const int groupLeft = kMargin + kLabelWidth + (chequer ? 0 : GroupWidth() + kGroupGap);
  const int left = groupLeft + look * (kCellWidth + kCellGap);
  return {left, top, left + kCellWidth, top + kCellHeight};
}

// A short note under a section's name: what it is made of.
std::wstring SectionNote(const SkinModel& model, int index) {
  const TsGeneralData& s = *model.Section(index);
  std::wstring note;
  auto add = [&note](const std::wstring& part) { note += (note.empty() ? L"" : L" \u00b7 ") + part; };
  const TsMaskData* border = model.Mask(model.FindMask(index, s.SectionName, "BORDERSMASK"));
  if (border)
    add(L"border \u00d7" + std::to_wstring(border->ImageCount) + (border->MaskType ? L" +mask" : L""));
  if (s.Transparency == 100 && s.HotTransparency == 100)
    add(L"clear");
  else if (s.Transparency || s.HotTransparency)
    add(L"T " + std::to_wstring(s.Transparency) + L"/" + std::to_wstring(s.HotTransparency));
  if (s.GradientPercent || s.HotGradientPercent) add(L"gradient");
  if (s.ImagePercent || s.HotImagePercent) add(L"texture");
  if (!s.ParentClass.empty()) add(L"of " + Wide(s.ParentClass));
  return note;
}

// One shot of a section: looks 0 ... 2 are the paint states, look 3 the
// normal state with the disabled look over it. The texture entries are
// given as a control gives them (which lets a masked mode-10 texture lie
// over the normal state).
void PaintShot(const Painting& p, int index, PixelRect r, int look, bool chequer) {
  const std::string& name = p.Model.Section(index)->SectionName;
  const int texture = p.Model.FindTextureMask(index, name, "PATTERN");
  const int hotTexture = p.Model.FindTextureMask(index, name, "HOTPATTERN");
  const BackgroundInfo behind = p.Behind(chequer);
  const PixelPoint at{r.Left, r.Top};
  if (look != kDisabled) {
    PaintSection(index, name, behind, hotTexture, texture, p.Model, p.Sheet, at, r, look, true);
    return;
  }
  const TsGeneralData& s = *p.Model.Section(index);
  PixelBuffer face = NewBitmap24(r.Width(), r.Height());
  PaintSection(index, name, behind, hotTexture, texture, p.Model, face, at,
               {0, 0, r.Width(), r.Height()}, 0, true);
  ApplyDisabledLook(face, dkBlended, ConvertColor(s.Color), at, behind);
  CopyBlock(p.Sheet, r.Left, r.Top, face, 0, 0, r.Width(), r.Height());
}

void LayoutColumnHeads(SheetPlan& plan, int top) {
  plan.Text(CellRect(top, true, 0).Left, top, L"Over a picture (chequer)", TextStyle::Bold);
  plan.Text(CellRect(top, false, 0).Left, top, L"Over the skin's colour " + HexColor(plan.Colour),
            TextStyle::Bold);
  for (bool chequer : {true, false})
    for (int look = 0; look < kLooks; ++look)
      plan.Text(CellRect(top, chequer, look).Left, top + 18, kLookNames[look], TextStyle::SmallGrey);
}

void LayoutRow(SheetPlan& plan, const SkinModel& model, int index, int top, bool stripe) {
  if (stripe)
    plan.Fill({kMargin / 2, top - kRowGap / 2, SheetWidth() - kMargin / 2,
               top + kCellHeight + kRowGap / 2},
              kStripe);
  plan.Text(kMargin, top + kPad + 12, Wide(model.Section(index)->SectionName), TextStyle::Bold);
  plan.Text(kMargin, top + kPad + 28, SectionNote(model, index), TextStyle::SmallGrey);
  for (bool chequer : {true, false})
    for (int look = 0; look < kLooks; ++look) {
      const PixelRect cell = CellRect(top, chequer, look);
      plan.Cell(cell, chequer);
      int x = cell.Left + kPad;
      for (const PixelPoint& size : kSizes) {
        const int y = cell.Top + (kCellHeight - size.Y) / 2;
        const PixelRect r{x, y, x + size.X, y + size.Y};
        plan.Paints.push_back(
            [=](const Painting& p) { PaintShot(p, index, r, look, chequer); });
        x += size.X + kSizeGap;
      }
    }
}

}  // namespace

int SheetWidth() { return 2 * kMargin + kLabelWidth + 2 * GroupWidth() + kGroupGap; }

int LayoutSections(SheetPlan& plan, const SkinModel& model, int top) {
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(model.Sections().size()); ++i) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return model.Section(a)->SectionName < model.Section(b)->SectionName;
  });
  int y = top;
  for (std::size_t n = 0; n < order.size(); ++n) {
    // The heads again every so many rows, so that a tall sheet reads on.
    if (n % kRowsPerHead == 0) {
      LayoutColumnHeads(plan, y + (n ? kRowGap : 0));
      y += kHeadHeight + (n ? kRowGap : 0);
    }
    LayoutRow(plan, model, order[n], y, n % 2 == 1);
    y += kCellHeight + kRowGap;
  }
  return y;
}

}  // namespace folvane::skinsheet
