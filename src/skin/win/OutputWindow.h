#pragma once
// The surface a window fade is shown on: a window that never paints by
// itself, laid directly over the form that changes, onto which the fade
// copies its frames.

#include "runtime/win/Control.h"

namespace folvane {

class TOutputWindow : public TWinControl {
 public:
  // At most one exists; it lives from the start of a fade to its end.
  explicit TOutputWindow(TWinControl* faded);
  ~TOutputWindow() override;
  const wchar_t* ClassName() const override { return L"TOutputWindow"; }

  static TOutputWindow* Current() { return current_; }
  // Places the window over the faded control and shows it without
  // activating anything.
  void ShowOver();
  // Hides it without redrawing what lies below (unless the faded form is
  // layered, whose contents the system keeps).
  void HideAfterFade();

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void WndProc(Message& m) override;

 private:
  TWinControl* faded_;
  static TOutputWindow* current_;
};

}  // namespace folvane
