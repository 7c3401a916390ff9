#include "shell/win/vtPathDialog.h"

#include "runtime/win/Application.h"
#include "shell/ShellErrors.h"

namespace folvane {

namespace {

// The program's strings for the dialog.
const wchar_t kCaptionText[] = L"Select directory";
const wchar_t kOkText[] = L"OK";
const wchar_t kCancelText[] = L"Cancel";
const wchar_t kCreateText[] = L"Create";

constexpr int kMinWidth = 275;
constexpr int kMinHeight = 250;
constexpr int kGripSize = 13;

TsBitBtn* MakeButton(TPathDialogForm* form, const wchar_t* name, int left, int tabOrder) {
  auto* b = new TsBitBtn(form);
  b->Name = name;
  b->SetParent(form);
  b->SetBounds(left, 328, 75, 25);
  b->TabOrder = tabOrder;
  b->Font().SetName(L"MS Sans Serif");
  b->SkinData.SetSkinSection(L"BUTTON");
  b->SetShowFocus(false);
  return b;
}

}  // namespace

TPathDialogForm::TPathDialogForm(TComponent* owner) : TForm(owner) {
  // Built as a stored form is read: every component hears Loaded at the end.
  BeginLoading();
  Name = L"PathDialogForm";
  BorderStyle = TFormBorderStyle::bsSizeToolWin;
  BorderIcons = biSystemMenu;
  Position = TPosition::poScreenCenter;
  Font().SetName(L"MS Sans Serif");
  Font().SetHeight(-11);
  SetCaption(kCaptionText);
  SetBounds(0, 0, 319, 397);

  sShellTreeView1 = new TsShellTreeView(this);
  sShellTreeView1->Name = L"sShellTreeView1";
  sShellTreeView1->SetParent(this);
  sShellTreeView1->SetBounds(8, 20, 295, 299);
  sShellTreeView1->Indent = 19;
  sShellTreeView1->ShowRoot = false;
  sShellTreeView1->HideSelection = false;
  sShellTreeView1->TabOrder = 0;
  sShellTreeView1->Font().SetName(L"MS Sans Serif");
  sShellTreeView1->SkinData.SetSkinSection(L"EDIT");
  sShellTreeView1->BoundLabel.SetActive(true);
  sShellTreeView1->BoundLabel.SetLayout(TsCaptionLayout::sclTopLeft);
  sShellTreeView1->BoundLabel.SetIndent(4);
  sShellTreeView1->BoundLabel.SetCaption(L" ");

  sEdit1 = new TsEdit(this);
  sEdit1->Name = L"sEdit1";
  sEdit1->SetParent(this);
  sEdit1->SetBounds(8, 288, 289, 21);
  sEdit1->SkinData.SetSkinSection(L"EDIT");
  sEdit1->SetVisible(false);
  sEdit1->TabOrder = 4;

  sBitBtn3 = MakeButton(this, L"sBitBtn3", 12, 1);
  sBitBtn3->SetCaption(kCreateText);
  sBitBtn3->SetEnabled(false);
  sBitBtn1 = MakeButton(this, L"sBitBtn1", 137, 2);
  sBitBtn1->SetCaption(kOkText);
  sBitBtn1->Default = true;
  sBitBtn1->ModalResult = mrOk;
  sBitBtn2 = MakeButton(this, L"sBitBtn2", 214, 3);
  sBitBtn2->SetCaption(kCancelText);
  sBitBtn2->Cancel = true;
  sBitBtn2->ModalResult = mrCancel;

  sShellTreeView1->OnChange = [this](TControl*, TTreeNode* node) { sShellTreeView1Change(node); };
  sBitBtn1->OnClick = [this](TControl*) { sBitBtn1Click(); };
  sBitBtn2->OnClick = [this](TControl*) { sBitBtn2Click(); };
  sBitBtn3->OnClick = [this](TControl*) { sBitBtn3Click(); };
  SetActiveControl(sShellTreeView1);
  EndLoading();
}

void TPathDialogForm::Localise() {
  SetCaption(kCaptionText);
  sBitBtn1->SetCaption(kOkText);
  sBitBtn2->SetCaption(kCancelText);
  sBitBtn3->SetCaption(kCreateText);
}

void TPathDialogForm::FormCreate() {
  HandleNeeded();
  RECT client;
  GetClientRect(Handle(), &client);
  designClient_ = {client.right, client.bottom};
  sShellTreeView1->RefreshScrollBars();
}

bool TPathDialogForm::SelectionIsDirectory() const {
  TTreeNode* node = sShellTreeView1->Selected();
  if (!node || !node->Parent()) return false;
  const std::wstring path = sShellTreeView1->Path();
  return !IsVirtualParsingName(path) && DirectoryExists(path);
}

void TPathDialogForm::sShellTreeView1Change(TTreeNode*) {
  const bool enable = SelectionIsDirectory();
  sBitBtn1->SetEnabled(enable);
  sBitBtn3->SetEnabled(enable);
}

void TPathDialogForm::sBitBtn1Click() {
  if (sShellTreeView1->IsEditing() || sShellTreeView1->TakeEditEndedByFocusLoss()) {
    // The click only ends the name's edit, keeping the new name.
    sShellTreeView1->EndEditing(false);
    ModalResult = mrNone;
    sShellTreeView1->SetFocus();
    return;
  }
  ModalResult = mrOk;
}

void TPathDialogForm::sBitBtn2Click() {
  if (sShellTreeView1->IsEditing() || sShellTreeView1->TakeEditEndedByFocusLoss()) {
    ModalResult = mrNone;
    return;
  }
  ModalResult = mrCancel;
}

void TPathDialogForm::sBitBtn3Click() {
  sShellTreeView1->TakeEditEndedByFocusLoss();
  if (!SelectionIsDirectory()) return;
  const std::wstring path = FreeNewFolderPath(sShellTreeView1->Path(), DirectoryExists);
  if (!path.empty()) CreateDirectoryW(path.c_str(), nullptr);
  if (!DirectoryExists(path)) {
    MessageBoxW(Handle(), (L"Directory " + path + L" can`t be created!").c_str(), L"Error",
                MB_OK | MB_ICONERROR);
    return;
  }
  sShellTreeView1->RefreshNode(sShellTreeView1->Selected());
  TTreeNode* parent = sShellTreeView1->Selected();
  for (TTreeNode* c = parent ? parent->GetFirstChild() : nullptr; c; c = c->GetNextSibling()) {
    TvtShellFolder* folder = sShellTreeView1->FolderOf(c);
    if (!folder || !SameText(folder->Path(), path)) continue;
    c->Select();
    sShellTreeView1->SetFocus();
    c->Expand(false);
    c->EditText();
    break;
  }
  sShellTreeView1->SetPath(path);
}

RECT TPathDialogForm::SizeGripRect() const {
  RECT client{};
  if (HandleAllocated()) GetClientRect(Handle(), &client);
  return {client.right - kGripSize, client.bottom - kGripSize, client.right, client.bottom};
}

void TPathDialogForm::PlaceControls() {
  if (!HandleAllocated() || designClient_.cx == 0) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const int dx = client.right - designClient_.cx;
  const int dy = client.bottom - designClient_.cy;
  sShellTreeView1->SetBounds(8, 20, 295 + dx, 299 + dy);
  sShellTreeView1->BoundLabel.PlaceLabel();
  sEdit1->SetBounds(8, 288 + dy, 289 + dx, sEdit1->Height());
  sBitBtn3->SetBounds(12, 328 + dy, 75, 25);
  sBitBtn1->SetBounds(137 + dx, 328 + dy, 75, 25);
  sBitBtn2->SetBounds(214 + dx, 328 + dy, 75, 25);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TPathDialogForm::PaintWindow(HDC dc, const RECT& clip) {
  TForm::PaintWindow(dc, clip);
  RECT grip = SizeGripRect();
  DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TPathDialogForm::WndProc(Message& m) {
  switch (m.msg) {
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
      info->ptMinTrackSize = {kMinWidth, kMinHeight};
      m.result = 0;
      return;
    }
    case WM_NCHITTEST: {
      TForm::WndProc(m);
      if (m.result == HTCLIENT) {
        POINT p{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
        ScreenToClient(Handle(), &p);
        const RECT grip = SizeGripRect();
        if (PtInRect(&grip, p)) m.result = HTBOTTOMRIGHT;
      }
      return;
    }
    case WM_SIZE:
      TForm::WndProc(m);
      PlaceControls();
      return;
    default:
      break;
  }
  TForm::WndProc(m);
}

bool ExecutePathDialog(const TvtRoot& root, const std::wstring& start, TSelectDirOpts options,
                       const std::wstring& treeCaption, std::wstring& chosen) {
  TPathDialogForm dialog(Application);
  dialog.Localise();
  dialog.sBitBtn3->SetVisible((options & sdAllowCreate) != 0);
  dialog.sShellTreeView1->BoundLabel.SetCaption(treeCaption.empty() ? L" " : treeCaption);
  // Before the window exists, so the tree is built once, on this root.
  dialog.sShellTreeView1->SetRoot(root);
  dialog.FormCreate();
  if (!start.empty() && DirectoryExists(start)) dialog.sShellTreeView1->SetPath(start);
  if (dialog.ShowModal() != mrOk) return false;
  const std::wstring path = dialog.sShellTreeView1->Path();
  if (path.empty() || !DirectoryExists(path)) return false;
  chosen = path;
  return true;
}

void RegisterPathDialog() { TsDirectoryEdit::SetPathDialogRunner(&ExecutePathDialog); }

}  // namespace folvane
