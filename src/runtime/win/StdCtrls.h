#pragma once
// Standard windowed controls: edit, edit with a browse button, button with
// glyph, panel, status bar.

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/win/Bitmap.h"
#include "runtime/win/Form.h"

namespace folvane {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TEdit"; }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  bool ReadOnly = false;

  // Fires only when the text really changed.
  TNotifyEvent OnChange;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;
  virtual void Change();

 private:
  int maxLength_ = 0;
  std::wstring lastText_;
};

class TSpeedButton;

// An edit with a browse button inside its right edge.
class TCustomComboEdit : public TEdit {
 public:
  explicit TCustomComboEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TCustomComboEdit"; }
  TSpeedButton* Button() const { return button_; }
  static constexpr int kButtonWidth = 21;
  // Opens whatever the button offers.
  virtual void ButtonClick() {}

 protected:
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;
  virtual void DrawButtonGlyph(HDC dc, const RECT& r) = 0;

 private:
  void PlaceButton();
  TWinControl* host_;
  TSpeedButton* button_;
  friend class TComboButton;
};

// Asks the user for a path; false when cancelled. Replaceable in tests.
using TPathChooser = std::function<bool(HWND owner, std::wstring& path)>;

class TFilenameEdit : public TCustomComboEdit {
 public:
  explicit TFilenameEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TFilenameEdit"; }
  // "Name|pattern|Name|pattern", as the open dialog's filter.
  std::wstring Filter;
  TPathChooser Chooser;
  void ButtonClick() override;

 protected:
  void DrawButtonGlyph(HDC dc, const RECT& r) override;
};

enum class TRootFolder { rfDesktop };

class TDirectoryEdit : public TCustomComboEdit {
 public:
  explicit TDirectoryEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TDirectoryEdit"; }
  TRootFolder Root = TRootFolder::rfDesktop;
  TPathChooser Chooser;
  void ButtonClick() override;

 protected:
  void DrawButtonGlyph(HDC dc, const RECT& r) override;
};

enum class TBitBtnKind { bkCustom, bkOK };

// A push button with a glyph left of its caption, drawn by the runtime.
class TBitBtn : public TButtonControl {
 public:
  explicit TBitBtn(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TBitBtn"; }

  // The glyph's transparent colour is its bottom-left pixel; with two or
  // more glyphs the second is the disabled look.
  void SetGlyph(TBitmap glyph, int numGlyphs = 1);
  const TBitmap& Glyph() const { return glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetKind(TBitBtnKind kind);
  TBitBtnKind Kind() const { return kind_; }
  int Spacing = 4;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void WndProc(Message& m) override;
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TPanel"; }
  TBevelCut BevelInner = TBevelCut::bvNone;
  TBevelCut BevelOuter = TBevelCut::bvRaised;
  int BevelWidth = 1;
  bool ParentColor = false;

 protected:
  void PaintBackground(HDC dc, const RECT& clip) override;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TStatusBar"; }
  bool SimplePanel = true;
  const std::wstring& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::wstring& text);

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void CreateWindowHandleDone() override;

 private:
  std::wstring simpleText_;
};

// Draws a raised or lowered 3-D frame and shrinks `r` by its width.
void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width);

}  // namespace folvane
