#include "paint/win/sSkinText.h"

#include "paint/PaintColor.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Control.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {
namespace {

// A parent chain deeper than this is not a real form; the climb stops.
constexpr int kMaxParentDepth = 64;

TsSkinManager* ManagerOrPrimary(TsSkinManager* manager) {
  return manager ? manager : TsSkinManager::PrimaryManager();
}

RECT Shifted(const RECT& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void Draw(TextCanvas& canvas, const std::wstring& text, RECT rect, UINT format) {
  canvas.DrawFormatted(text.c_str(), static_cast<int>(text.size()), rect, format);
}

// The contour copies, left, top, right, bottom, each one pixel out and
// skipped when its colour is -1.
void DrawTextContour(TextCanvas& canvas, const std::wstring& text, const RECT& rect, UINT format,
                     const TsGeneralData& section, bool hot) {
  struct Side {
    TColor color;
    int dx, dy;
  } const sides[] = {
      {hot ? section.HotTCLeft : section.TCLeft, -1, 0},
      {hot ? section.HotTCTop : section.TCTop, 0, -1},
      {hot ? section.HotTCRight : section.TCRight, 1, 0},
      {hot ? section.HotTCBottom : section.TCBottom, 0, 1},
  };
  for (const Side& side : sides) {
    canvas.Font.SetColor(side.color);
    if (side.color != kNoContourColor) Draw(canvas, text, Shifted(rect, side.dx, side.dy), format);
  }
}

// 40 percent text colour over 60 percent background, from RGB values: a
// system colour code would otherwise be blended as if it were a colour.
TColor DisabledTextColor(TColor fontColor, TColor background) {
  return LerpColors(ConvertColor(fontColor), ConvertColor(background), 0.4);
}

// Restores the DC's saved state however the writer is left.
class SavedDC {
 public:
  explicit SavedDC(TextCanvas& canvas)
      : canvas_(canvas), saved_(canvas.Platform().SaveDC(canvas.Handle())) {}
  ~SavedDC() { canvas_.Platform().RestoreDC(canvas_.Handle(), saved_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  TextCanvas& canvas_;
  int saved_;
};

bool BorrowsParentColors(const TsCommonData& data, const TsGeneralData* section, bool hot) {
  const TControl* host = data.HostControl();
  if (!host || !host->ParentFont || !host->Parent() || !section) return false;
  const int kind = data.ControlKind;
  const bool textOnParent = kind == 32 || kind == 33 || kind == 74 || !host->IsWindowed();
  return textOnParent && (hot ? section->HotTransparency : section->Transparency) > 0;
}

// The colour section S of an owner: its own, or for a check box, radio
// button, group box or graphic control that shows its parent's font
// through a transparent face, the section it borrows from its parents.
int ColorSectionOf(const TsCommonData& data, bool hot) {
  const TsSkinManager* manager = data.UsedManager();
  const TsGeneralData* own = manager ? manager->Model().Section(data.SectionIndex) : nullptr;
  if (!BorrowsParentColors(data, own, hot)) return data.SectionIndex;
  return FontSectionFromParent(data.HostControl(), data.SectionIndex, data.UsedManager());
}

void DrawEnabledControlText(TextCanvas& canvas, const std::wstring& text, const RECT& rect,
                            UINT format, const TsCommonData& data, int s, bool hot) {
  const TsSkinManager* manager = data.UsedManager();
  const TsGeneralData* section = manager ? manager->Model().Section(s) : nullptr;
  if (section && !data.CustomFont()) {
    DrawTextContour(canvas, text, rect, format, *section, hot);
    canvas.Font.SetColor(hot ? section->HotFontColor : section->FontColor);
  }
  Draw(canvas, text, rect, format | DT_NOCLIP);
}

void DrawDisabledControlText(TextCanvas& canvas, const std::wstring& text, const RECT& rect,
                             UINT format, const TsCommonData& data, int s) {
  const TsSkinManager* manager = data.UsedManager();
  const TsGeneralData* section = manager ? manager->Model().Section(s) : nullptr;
  // Painting never fails a control's paint: a text that cannot be dimmed
  // is drawn in the font's colour, one that cannot be drawn is left out.
  try {
    if (section)
      canvas.Font.SetColor(DisabledTextColor(section->FontColor, manager->Model().GlobalBackColor()));
    Draw(canvas, text, rect, format);
  } catch (...) {
  }
}

}  // namespace

void DrawControlText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                     UINT format, TsCommonData& skinData, bool hot) {
  if (TControl* host = skinData.HostControl()) canvas.Font = host->Font();
  if (hot && skinData.SkinSection() == L"WEBBUTTON")
    canvas.Font.SetStyle(canvas.Font.Style() | fsUnderline);
  SavedDC saved(canvas);
  canvas.Platform().IntersectClip(canvas.Handle(), rect);
  if (text.empty()) return;
  const int s = ColorSectionOf(skinData, hot);
  canvas.BrushClear = true;
  if (enabled)
    DrawEnabledControlText(canvas, text, rect, format, skinData, s, hot);
  else
    DrawDisabledControlText(canvas, text, rect, format, skinData, s);
}

void DrawControlText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                     UINT format, TsCommonData& skinData, bool hot, int /*unused*/) {
  DrawControlText(canvas, text, enabled, rect, format, skinData, hot);
}

void DrawSectionText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                     UINT format, int sectionIndex, bool hot, TsSkinManager* manager) {
  manager = ManagerOrPrimary(manager);
  if (!manager) return;
  const TsGeneralData* section = manager->Model().Section(sectionIndex);
  if (!section) return;
  canvas.BrushClear = true;
  if (text.empty()) return;
  if (enabled) {
    DrawTextContour(canvas, text, rect, format, *section, hot);
    canvas.Font.SetColor(hot ? section->HotFontColor : section->FontColor);
  } else {
    canvas.Font.SetColor(DisabledTextColor(section->FontColor, section->Color));
  }
  Draw(canvas, text, rect, format);
}

void WriteSectionText(TextCanvas& canvas, const std::wstring& text, bool enabled, RECT rect,
                      UINT format, int sectionIndex, bool hot, TsSkinManager* manager) {
  DrawSectionText(canvas, text, enabled, rect, format, sectionIndex, hot, manager);
}

int FontSectionFromParent(TControl* control, int sectionIndex, TsSkinManager* manager) {
  manager = ManagerOrPrimary(manager);
  for (int depth = 0; control && depth < kMaxParentDepth; ++depth) {
    TWinControl* parent = control->Parent();
    if (!parent) return sectionIndex;
    // The parent answers its SectionIndex + 1, 0 when it is not skinned.
    const int p = static_cast<int>(SendSkinCommand(parent, SKC_GETSECTIONINDEX)) - 1;
    const TsGeneralData* section = manager && p >= 0 ? manager->Model().Section(p) : nullptr;
    if (!section) return sectionIndex;
    if (section->Transparency <= 50) return section->GiveOwnFont ? p : sectionIndex;
    if (!parent->Parent()) return sectionIndex;
    control = parent;  // a mostly transparent parent shows its own parent's look
  }
  return sectionIndex;
}

}  // namespace folvane
