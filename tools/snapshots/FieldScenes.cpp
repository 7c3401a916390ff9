#include "FieldScenes.h"

#include "Snapshot.h"

#include "app/win/FrmMain.h"

namespace folvane::snapshots {

void SnapFieldScenes(TForm1& form) {
  const std::wstring status = form.sStatusBar1->SimpleText();

  form.HintEdt->SetFocus();
  form.HintEdt->SetText(L"Holiday photos, 2026");
  SendMessageW(form.HintEdt->Handle(), EM_SETSEL, 8, 14);
  Pump(300);
  Save(form.Handle(), L"main-tip-focused.png");

  form.DirEdt->SetFocus();
  form.HintEdt->SetEnabled(false);
  Pump(300);
  Save(form.Handle(), L"main-tip-disabled.png");
  form.HintEdt->SetEnabled(true);

  form.sStatusBar1->SetSimpleText(
      L"Last action: folder was changed successfully - C:\\Users\\Public\\Pictures\\Holiday "
      L"photos 2026\\Summer at the lake");
  Pump(300);
  Save(form.Handle(), L"main-status-long.png");
  form.sStatusBar1->SetSimpleText(status);
  Pump(100);
}

}  // namespace folvane::snapshots
