// The main window's skinned buttons in each of their looks at once: the
// pointer over "Apply", "Remove" held down, "Clear Fields" with the focus
// and "About" disabled; and a button held down by a real mouse press.
#include <windows.h>

#include "Snapshot.h"

#include "app/win/FrmMain.h"

namespace folvane::snapshots {

namespace {

void PointAt(TControl* control) {
  POINT p{control->Width() / 2, control->Height() / 2};
  ClientToScreen(static_cast<TWinControl*>(control)->Handle(), &p);
  SetCursorPos(p.x, p.y);
}

void MouseButton(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof(in));
}

}  // namespace

void SaveButtonStates(TForm1* form) {
  form->sBitBtn3->SetFocus();
  form->sBitBtn2->SetDown(true);
  form->sBitBtn4->SetEnabled(false);
  PointAt(form->sBitBtn1);
  Pump(500);  // the hover fade runs its course
  Save(form->Handle(), L"main-buttons.png");
  form->sBitBtn2->SetDown(false);
  form->sBitBtn4->SetEnabled(true);

  // A real press: the platform button pushed and captured, drawn by the skin.
  PointAt(form->sBitBtn5);
  Pump(300);
  auto closeClick = form->sBitBtn5->OnClick;
  form->sBitBtn5->OnClick = nullptr;  // released below without closing
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  Pump(400);
  Save(form->Handle(), L"main-button-pressed.png");
  MouseButton(MOUSEEVENTF_LEFTUP);
  Pump(300);
  form->sBitBtn5->OnClick = closeClick;
  POINT away{0, 0};
  SetCursorPos(away.x, away.y);
  form->DirEdt->SetFocus();
  Pump(400);
}

}  // namespace folvane::snapshots
