#include "controls/win/sLabel.h"

#include <string>

#include "paint/PaintColor.h"
#include "paint/SectionPainting.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/Bitmap.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

// A parent chain deeper than this is not a real form.
constexpr int kMaxParentDepth = 64;

std::string SectionBytes(const std::wstring& name) {
  std::string out;
  for (wchar_t c : name) {
    const wchar_t upper = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    out.push_back(upper <= 0xFF ? static_cast<char>(upper) : '?');
  }
  return out;
}

// What the parent shows, for the dimmed text of a disabled label.
TColor ParentColor(TWinControl* parent) {
  if (!parent) return ConvertColor(clBtnFace);
  const TColor answer =
      static_cast<TColor>(SendSkinCommand(parent, SKC_GETBGCOLOR, KeyColor));
  return answer == 0 || answer == KeyColor ? ConvertColor(parent->Color()) : answer;
}

}  // namespace

TColor LabelSkinColor(TWinControl* parent, const SkinModel& model) {
  for (int depth = 0; parent && depth < kMaxParentDepth; ++depth) {
    // The parent answers its SectionIndex + 1, 0 when it shows no section.
    const int index = static_cast<int>(SendSkinCommand(parent, SKC_GETSECTIONINDEX)) - 1;
    const TsGeneralData* section = model.Section(index);
    if (!section) break;
    if (section->Transparency > 50) {
      parent = parent->Parent();
      continue;
    }
    if (section->GiveOwnFont) return ConvertColor(section->FontColor);
    break;
  }
  return model.GlobalTextColor();
}

TsCustomLabel::TsCustomLabel(TComponent* owner) : TLabel(owner) { Transparent = true; }

const SkinModel* TsCustomLabel::ActiveModel() {
  TsSkinManager* manager = TsSkinManager::PrimaryManager();
  if (!manager || manager->Destroying() || !manager->SkinActive()) return nullptr;
  return &manager->Model();
}

int TsCustomLabel::OwnSectionIndex(const SkinModel& model) const {
  if (skinSection_.empty()) return kNoIndex;
  const int index = model.FindSection(SectionBytes(skinSection_));
  return index > 0 ? index : kNoIndex;
}

void TsCustomLabel::SetSkinSection(const std::wstring& section) {
  if (section == skinSection_) return;
  skinSection_ = section;
  Invalidate();
}

void TsCustomLabel::ApplySkinColor(const SkinModel& model) {
  inColorStep_ = true;
  if (FollowsSkinColor()) {
    const TColor color = LabelSkinColor(Parent(), model);
    if (color != KeyColor) Font().SetColor(color);
  }
  if (const TsGeneralData* own = model.Section(OwnSectionIndex(model)))
    Font().SetColor(ConvertColor(own->FontColor));
  inColorStep_ = false;
}

void TsCustomLabel::PaintOwnSection(HDC dc, const SkinModel& model, int section) {
  if (Width() <= 0 || Height() <= 0) return;
  TBitmap face(Width(), Height());
  BackgroundRequest request;
  RequestBackground(Parent(), request);
  const BackgroundInfo behind = BackgroundFromAnswer(request);
  PaintSection(section, SectionBytes(skinSection_), behind, kNoIndex, kNoIndex, model,
               face.Pixels(), {Left(), Top()}, {0, 0, Width(), Height()}, 0, true);
  BitBlt(dc, 0, 0, Width(), Height(), face.DC(), 0, 0, SRCCOPY);
}

void TsCustomLabel::Paint(HDC dc) {
  if (const SkinModel* model = ActiveModel()) {
    ApplySkinColor(*model);
    const int section = OwnSectionIndex(*model);
    if (section != kNoIndex) PaintOwnSection(dc, *model, section);
  }
  TLabel::Paint(dc);
}

void TsCustomLabel::DoDrawText(HDC dc, RECT& rect, UINT flags) {
  if (Enabled() || (flags & DT_CALCRECT) || !ActiveModel()) {
    TLabel::DoDrawText(dc, rect, flags);
    return;
  }
  // Disabled in a skin: 40 percent font colour over 60 percent parent.
  const std::wstring text = TextToDraw(flags);
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  const TColor dimmed = LerpColors(ConvertColor(Font().Color()), ParentColor(Parent()), 0.4);
  SetTextColor(dc, dimmed & 0xFFFFFF);
  DrawTextW(dc, text.c_str(), -1, &rect, flags);
}

void TsCustomLabel::WndProc(Message& m) {
  if (m.msg == SM_VANTILECMD && SkinCommandCode(m.wParam) == SKC_REMOVESKIN &&
      reinterpret_cast<TsSkinManager*>(m.lParam) == TsSkinManager::PrimaryManager()) {
    if (FollowsSkinColor()) {
      Font().SetColor(clWindowText);
      Invalidate();
    }
    m.result = 0;
    return;
  }
  TLabel::WndProc(m);
  if (m.msg == CM_FONTCHANGED && !inColorStep_) {
    AdjustSize();
    Invalidate();
  }
}

}  // namespace folvane
