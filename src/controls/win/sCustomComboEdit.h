#pragma once
// TsCustomComboEdit: a skinned masked edit with a small browse button
// inside its right edge. The button (TsEditButton) is a windowless speed
// button that shows a glyph chosen by TsGlyphMode; clicking it, or pressing
// the click key, runs the edit's button action. Typed text stops at the
// button.

#include <string>

#include "controls/ComboEditLayout.h"
#include "controls/win/sMaskEdit.h"
#include "controls/win/sSpeedButton.h"

namespace folvane {

class TsCustomComboEdit;

class TsEditButton : public TsSpeedButton {
 public:
  explicit TsEditButton(TsCustomComboEdit* edit);
  const wchar_t* ClassName() const override { return L"TsEditButton"; }
  TsCustomComboEdit* Edit() const { return edit_; }
  void Paint(HDC dc) override;
  // Composes the skinned face into the cache: the edit's face behind it,
  // the state image through its mask, the idle and disabled looks.
  void ComposeSkinned();

 private:
  void PaintUnskinned(HDC dc);
  TsCustomComboEdit* edit_;
};

class TsGlyphMode {
 public:
  explicit TsGlyphMode(TsCustomComboEdit& edit) : edit_(edit) {}
  TsGlyphMode(const TsGlyphMode&) = delete;
  TsGlyphMode& operator=(const TsGlyphMode&) = delete;

  bool UseDefaultGlyph() const { return useDefault_; }
  void SetUseDefaultGlyph(bool value);
  // Three state images side by side over their masks; setting it copies the
  // picture and clears UseDefaultGlyph.
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int Blend() const { return blend_; }
  void SetBlend(int value);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value);
  std::wstring Hint() const;
  void SetHint(const std::wstring& hint);

  EditGlyphChoice Choice() const;
  // The picture the button shows, or none.
  const TBitmap* InUse() const;

 private:
  void Changed();
  TsCustomComboEdit& edit_;
  bool useDefault_ = true;
  TBitmap glyph_;
  int blend_ = 0;
  bool grayed_ = false;
};

// The built-in glyph for a default glyph name ("BTN_OPENFILE",
// "BTN_OPENFOLDER", "BTN_DATE", "BTN_ELLIPSIS", "BTN_CALC"), or none. The
// five are read from the program's resources once and kept for the
// process's lifetime; one that does not load is simply missing.
const TBitmap* BuiltInEditGlyph(const std::wstring& name);

class TsCustomComboEdit : public TsMaskEdit {
 public:
  explicit TsCustomComboEdit(TComponent* owner);
  ~TsCustomComboEdit() override;
  const wchar_t* ClassName() const override { return L"TsCustomComboEdit"; }

  TNotifyEvent OnButtonClick;
  bool ShowButton() const { return showButton_; }
  void SetShowButton(bool value);
  // TShortCut: virtual key plus kShortCutShift, kShortCutCtrl, kShortCutAlt.
  int ClickKey = kDefaultClickKey;
  bool DirectInput() const { return directInput_; }
  void SetDirectInput(bool value);
  bool IsReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool AutoSelect = true;
  TsGlyphMode GlyphMode;

  TsEditButton* Button() const { return button_; }
  // The button's click and the click key: the button action, unless the
  // edit is read-only.
  void DoClick();
  // The button action. Descendants open their chooser after calling it.
  virtual void ButtonClick();
  const std::wstring& DefaultGlyphName() const { return defaultGlyph_; }

  void Invalidate() override;
  void RebuildCache() override;
  RECT TextRect(int textHeight) const override;
  // The glyph choice: sizes the button (w + 2, or 0 without a glyph).
  void ChooseGlyph();
  // The edit's face for the button's background, made current.
  TBitmap* PreparedFace();
  // What the formatting rectangle is now (for checks).
  RECT FormattingRect() const;

 protected:
  void SetDefaultGlyphName(const std::wstring& name);
  void CreateParamsFor(CreateParams& params) override;
  void CreateWindowHandleDone() override;
  void Loaded() override;
  void WndProc(Message& m) override;

 private:
  bool HandleKey(Message& m);
  void Paste();
  void SetTextMargins();
  void NarrowFormattingRect();
  void ApplyShowButton();
  void PaintButtonOnWindow();
  void UpdatePlatformReadOnly();
  int ButtonWidth() const;

  TsEditButton* button_;
  std::wstring defaultGlyph_;
  bool showButton_ = true;
  bool directInput_ = true;
  bool readOnly_ = false;
};

}  // namespace folvane
