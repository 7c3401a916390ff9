#pragma once
// Standard windowed controls: edit, edit with a browse button, button with
// glyph, panel, status bar.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/win/Bitmap.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Form.h"

namespace folvane {

enum class TBevelCut { bvNone, bvLowered, bvRaised };
// A control's own border: none, or a single line (3-D with Ctl3D).
enum class TBorderStyle { bsNone, bsSingle };
// Bevels drawn in the non-client area; bkNone leaves the border alone.
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TEdit"; }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  bool ReadOnly = false;
  // Set before the window is made.
  TBorderStyle BorderStyle = TBorderStyle::bsSingle;
  bool Ctl3D = true;
  TBevelCut BevelInner = TBevelCut::bvRaised;
  TBevelCut BevelOuter = TBevelCut::bvLowered;
  TBevelKind BevelKind = TBevelKind::bkNone;
  // Each character shows as this one; 0 shows the text.
  wchar_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(wchar_t c);
  // The width of the bevel edges inside the border (0 without a bevel kind).
  int BevelEdgeWidth() const;

  // Fires only when the text really changed.
  TNotifyEvent OnChange;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;
  virtual void Change();

 private:
  void PaintBevelEdges();
  int maxLength_ = 0;
  wchar_t passwordChar_ = 0;
  std::wstring lastText_;
};

// Raised for an operation a control does not offer.
class EInvalidOperation : public std::exception {
 public:
  explicit EInvalidOperation(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return "folvane::EInvalidOperation"; }

 private:
  std::wstring message_;
};

// An edit with an input mask. No mask engine is built: setting a mask other
// than the empty one is refused with EInvalidOperation, so that a mask is
// never silently ignored.
class TMaskEdit : public TEdit {
 public:
  using TEdit::TEdit;
  const wchar_t* ClassName() const override { return L"TMaskEdit"; }
  const std::wstring& EditMask() const { return editMask_; }
  void SetEditMask(const std::wstring& mask);

 private:
  std::wstring editMask_;
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

enum class TStatusPanelStyle { psText, psOwnerDraw };

struct TStatusPanel {
  std::wstring Text;
  int Width = 50;
  TAlignment Alignment = TAlignment::taLeftJustify;
  TStatusPanelStyle Style = TStatusPanelStyle::psText;
};

class TStatusBar;
using TDrawPanelEvent =
    std::function<void(TStatusBar* sender, HDC dc, int panel, const RECT& rect)>;

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TStatusBar"; }
  // One text over the whole bar instead of the panels; set before the
  // window is made, or through SetSimplePanel.
  bool SimplePanel = true;
  void SetSimplePanel(bool simple);
  const std::wstring& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::wstring& text);
  // The panels of the non-simple mode; call PanelsChanged after editing.
  std::vector<TStatusPanel> Panels;
  void PanelsChanged();
  void SetPanelText(int index, const std::wstring& text);
  // A grip is shown only where the form can really be resized.
  bool SizeGrip = true;
  bool SizeGripShown() const;
  // A frame of this width around the panels (non-client).
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  // Owner-drawn panels are painted by this handler.
  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;

 private:
  void SendPanels();
  std::wstring simpleText_;
  int borderWidth_ = 0;
};

// Draws a raised or lowered 3-D frame and shrinks `r` by its width.
void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width);

}  // namespace folvane
