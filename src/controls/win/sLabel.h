#pragma once
// Labels whose text colour follows the skin. TsCustomLabel takes the
// colour of the skin section its parent shows (or the skin's global text
// colour) on every paint while the default manager has an active skin,
// and may paint a section of its own behind the text; TsLabel can be told
// to keep its own colour.

#include <string>

#include "runtime/win/ExtCtrls.h"

namespace folvane {

class SkinModel;

// The text colour a label on `parent` takes from `model`: the FontColor of
// the first section up the parent chain that is at most half transparent
// when it gives its own font, else the skin's global text colour; KeyColor
// when there is none.
TColor LabelSkinColor(TWinControl* parent, const SkinModel& model);

class TsCustomLabel : public TLabel {
 public:
  explicit TsCustomLabel(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TsCustomLabel"; }

  // A section painted behind the text; empty for none.
  const std::wstring& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::wstring& section);

  void Paint(HDC dc) override;

 protected:
  void WndProc(Message& m) override;
  void DoDrawText(HDC dc, RECT& rect, UINT flags) override;
  // Whether the colour step runs (a TsLabel may keep its own colour).
  virtual bool FollowsSkinColor() const { return true; }
  // The skin's model while the default manager has an active skin.
  static const SkinModel* ActiveModel();
  int OwnSectionIndex(const SkinModel& model) const;

 private:
  void ApplySkinColor(const SkinModel& model);
  void PaintOwnSection(HDC dc, const SkinModel& model, int section);
  std::wstring skinSection_;
  bool inColorStep_ = false;
};

class TsLabel : public TsCustomLabel {
 public:
  using TsCustomLabel::TsCustomLabel;
  const wchar_t* ClassName() const override { return L"TsLabel"; }
  // The font colour follows the skin.
  bool UseSkinColor = true;

 protected:
  bool FollowsSkinColor() const override { return UseSkinColor; }
};

}  // namespace folvane
