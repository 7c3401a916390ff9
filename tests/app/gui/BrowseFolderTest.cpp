// The folder field's browse button as a user drives it: the program's own
// folder dialog opens, a folder is picked in its tree, OK fills the field
// and the preview shows the folder's icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/win/FrmMain.h"
#include "shell/ShellNames.h"
#include "shell/win/vtPathDialog.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

std::function<void()> g_inDialog;

void CALLBACK RunInDialog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_inDialog) g_inDialog();
}

TPathDialogForm* OpenDialog() {
  for (TForm* f : Application->Forms())
    if (auto* d = dynamic_cast<TPathDialogForm*>(f); d && d->Modal()) return d;
  return nullptr;
}

// Clicks the browse button inside the folder field.
void ClickBrowse(TForm1* form) {
  const RECT b = form->DirEdt->Button()->BoundsRect();
  ClickAt(form->DirEdt->Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
}

TEST(BrowseFolder, TheFolderDialogFillsTheFieldAndThePreview) {
  TempFolder dir;
  const std::wstring picked = dir.File(L"Pictures");
  CreateDirectoryW(picked.c_str(), nullptr);
  const std::wstring icon = dir.File(L"green.ico");
  WriteIcoFile(icon, RGB(0, 255, 0));
  const std::wstring ini = picked + L"\\desktop.ini";
  WritePrivateProfileStringW(L".ShellClassInfo", L"IconFile", icon.c_str(), ini.c_str());
  WritePrivateProfileStringW(L".ShellClassInfo", L"IconIndex", L"0", ini.c_str());

  auto* form = new TForm1(Application);
  form->Show();
  Pump(50);

  bool sawDialog = false;
  g_inDialog = [&] {
    TPathDialogForm* d = OpenDialog();
    if (!d) return;
    sawDialog = true;
    d->sShellTreeView1->SetPath(picked);
    ClickAt(d->sBitBtn1->Handle(), 10, 10);
  };
  SetTimer(nullptr, 0, 150, RunInDialog);
  ClickBrowse(form);
  Pump(50);
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(SameText(form->DirEdt->Text(), picked));
  EXPECT_EQ(form->Customizer().IconPath(), icon);
  EXPECT_TRUE(form->Image1->HasPicture());

  // The next opening starts at the folder in the field; Cancel keeps it.
  std::wstring startedAt;
  g_inDialog = [&] {
    TPathDialogForm* d = OpenDialog();
    if (!d) return;
    startedAt = d->sShellTreeView1->Path();
    PressKey(d->sShellTreeView1->Handle(), VK_ESCAPE);
  };
  SetTimer(nullptr, 0, 150, RunInDialog);
  ClickBrowse(form);
  Pump(50);
  EXPECT_TRUE(SameText(startedAt, picked));
  EXPECT_TRUE(SameText(form->DirEdt->Text(), picked));
  g_inDialog = nullptr;
  delete form;
  Pump();
}

}  // namespace
