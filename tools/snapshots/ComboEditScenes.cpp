#include "ComboEditScenes.h"

#include "Snapshot.h"

#include "app/win/FrmMain.h"

namespace folvane::snapshots {

namespace {

// The mouse at the middle of the edit's browse button, in client points.
LPARAM ButtonPoint(const TsCustomComboEdit& edit) {
  const RECT r = edit.Button()->BoundsRect();
  return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

}  // namespace

void SnapComboEdits(TForm1& form) {
  form.HintEdt->SetFocus();
  form.DirEdt->SetText(L"C:\\Users\\Public\\Pictures\\Holiday photos 2026\\Summer at the lake");
  form.IconEdt->SetText(L"C:\\Users\\Public\\Pictures\\Icons\\lake.ico");
  Pump(300);
  Save(form.Handle(), L"main-fields.png");

  // Hovered: the mouse over the folder field's button.
  SendMessageW(form.DirEdt->Handle(), WM_MOUSEMOVE, 0, ButtonPoint(*form.DirEdt));
  Pump(300);
  Save(form.Handle(), L"main-browse-hot.png");
  SendMessageW(form.DirEdt->Handle(), WM_MOUSELEAVE, 0, 0);

  // Pressed: held down on the icon field's button, then let go away from
  // it so that no dialog opens.
  const HWND icon = form.IconEdt->Handle();
  SendMessageW(icon, WM_MOUSEMOVE, 0, ButtonPoint(*form.IconEdt));
  SendMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint(*form.IconEdt));
  Pump(300);
  Save(form.Handle(), L"main-browse-pressed.png");
  SendMessageW(icon, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(icon, WM_MOUSELEAVE, 0, 0);
  form.DirEdt->SetFocus();
  Pump(100);
}

}  // namespace folvane::snapshots
