#include "SkinSheet.h"

#include <algorithm>

#include "SheetPlan.h"
#include "SheetSections.h"
#include "SheetPictures.h"
#include "skin/SkinModel.h"

namespace folvane::skinsheet {

namespace {

constexpr TColor kPaper = 0xFFFFFF;

int LayoutHeader(SheetPlan& plan, const SkinModel& model, const std::wstring& skinName, int y) {
  plan.Text(kMargin, y, skinName, TextStyle::Title);
  const TsSkinData& data = model.SkinData();
  const std::wstring dot = L"   \u00b7   ";
  const std::wstring facts =
      L"version " + Wide(SkinVersionText(data.Version)) + dot + L"by " +
      (data.Author.empty() ? L"(no author)" : Wide(data.Author)) + dot +
      std::to_wstring(model.Sections().size()) + L" sections, " +
      std::to_wstring(model.Masks().size()) + L" image references, " +
      std::to_wstring(model.Patterns().size()) + L" patterns" + dot + L"master bitmap " +
      std::to_wstring(model.MasterBitmap().Width()) + L" \u00d7 " +
      std::to_wstring(model.MasterBitmap().Height());
  plan.Text(kMargin, y + 32, facts, TextStyle::Small);
  plan.Text(kMargin, y + 50,
            L"Sections in the states normal (0), hot (1) and pressed (2), and disabled (normal "
            L"with the blended disabled look), at 24\u00d724, 90\u00d728 and 160\u00d760, over a "
            L"picture (chequer) and over the skin's colour.",
            TextStyle::SmallGrey);
  if (!data.Description.empty())
    plan.Text(kMargin, y + 66, Wide(data.Description), TextStyle::SmallGrey);
  return y + 96;
}

}  // namespace

std::unique_ptr<SheetCanvas> DrawSkinSheet(const SkinModel& model, const std::wstring& skinName) {
  SheetPlan plan;
  plan.Width = SheetWidth();
  plan.Colour = model.GlobalBackColor();
  TextMeasure measure;
  int y = LayoutHeader(plan, model, skinName, kMargin);
  y = LayoutSections(plan, model, y);
  y = LayoutGlyphs(plan, model, measure, y + kBlockGap);
  y = LayoutTextures(plan, model, measure, y + kBlockGap);
  y = LayoutMaster(plan, model, y + kBlockGap);
  plan.Height = y + kMargin;

  auto canvas = std::make_unique<SheetCanvas>(plan.Width, plan.Height, kPaper);
  for (const Backdrop& b : plan.Backdrops) {
    if (b.Chequer)
      canvas->Chequer(b.Rect);
    else
      canvas->Fill(b.Rect, b.Color);
  }
  const PixelBuffer backdrop = canvas->Pixels().Clone();
  const Painting painting{model, canvas->Pixels(), backdrop, plan.Colour};
  for (const auto& paint : plan.Paints) paint(painting);
  for (const Label& l : plan.Labels) canvas->Text(l.X, l.Y, l.Text, l.Style);
  canvas->DrawText();
  return canvas;
}

}  // namespace folvane::skinsheet
