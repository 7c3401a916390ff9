#pragma once
// Forms: top-level windows holding controls, with the active control, the
// tab order, default and cancel buttons, modal showing and hints.

#include <windows.h>

#include "runtime/win/Control.h"

namespace folvane {

class TApplication;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsSizeToolWin };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter };

// Results of a modal form.
constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  const wchar_t* ClassName() const override { return L"TForm"; }

  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = TPosition::poDesigned;
  // Hints are shown for controls that ask for them.
  bool ShowHints = true;

  // Sizes the window so that its client area has this size.
  void SetClientSize(int width, int height);
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // Called by a control of this form when it receives the focus.
  void FocusArrived(TWinControl* control);
  // Moves the focus to the next (or previous) control in tab order.
  void SelectNext(TWinControl* current, bool forward);

  void Show();
  void Hide();
  int ShowModal();
  void Close();
  bool Modal() const { return modal_; }
  int ModalResult = mrNone;

  // Registers the hint of a windowed control with the form's hint window.
  void UpdateHint(TWinControl* control);
  // Lets the hint window show hints or keeps it quiet.
  void ActivateHints(bool active);

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;
  bool DialogKey(WPARAM key);

 private:
  void CenterWindow();
  void FocusFirstControl();
  void CreateHintWindow();
  class TButtonControl* FindButton(bool wantDefault) const;

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  TWinControl* activeControl_ = nullptr;
  bool modal_ = false;
  HWND hintWnd_ = nullptr;
};

// A button that can be the form's default (Enter) or cancel (Escape) one.
class TButtonControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  bool Default = false;
  bool Cancel = false;
  int ModalResult = mrNone;
  void Click() override;
};

}  // namespace folvane
