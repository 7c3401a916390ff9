#include "controls/win/sTooledit.h"

#include <shellapi.h>

#include "controls/FileDirNames.h"
#include "runtime/Exception.h"

namespace folvane {

namespace {

constexpr int kFileDirEditKind = 132;
constexpr int kFilenameEditKind = 133;
constexpr int kDirectoryEditKind = 134;
constexpr int kMaxPathText = 255;

bool FolderExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file system's spelling of the last component of `path`, long or short.
std::wstring FoundComponent(const std::wstring& path, bool shortForm) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  if (shortForm && found.cAlternateFileName[0]) return found.cAlternateFileName;
  return found.cFileName;
}

}  // namespace

// --- TsFileDirEdit

TsFileDirEdit::TsFileDirEdit(TComponent* owner) : TsCustomComboEdit(owner) {
  SkinData.ControlKind = kFileDirEditKind;
  SetMaxLength(kMaxPathText);
}

void TsFileDirEdit::SetAcceptFiles(bool value) {
  if (value == acceptFiles_) return;
  acceptFiles_ = value;
  if (HandleAllocated()) DragAcceptFiles(Handle(), value ? TRUE : FALSE);
}

void TsFileDirEdit::CreateWindowHandleDone() {
  TsCustomComboEdit::CreateWindowHandleDone();
  if (acceptFiles_) DragAcceptFiles(Handle(), TRUE);
}

HWND TsFileDirEdit::DialogOwner() const {
  const TForm* form = ParentForm();
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

void TsFileDirEdit::FocusAfterChoice() {
  if (CanFocus() && HandleAllocated()) SetFocus();
}

void TsFileDirEdit::DropFiles(HANDLE handle) {
  auto drop = static_cast<HDROP>(handle);
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  if (count > 0) {
    ClearFileList();
    for (UINT i = 0; i < count; ++i) {
      // Asked for its length first, so a name of any length arrives whole.
      const UINT length = DragQueryFileW(drop, i, nullptr, 0);
      std::wstring name(static_cast<size_t>(length) + 1, L'\0');
      const UINT got = DragQueryFileW(drop, i, name.data(), length + 1);
      name.resize(got);
      ReceptFileName(name);
      if (!MultipleNames()) break;
    }
    if (OnDropFiles) OnDropFiles(this);
  }
  DragFinish(drop);
}

void TsFileDirEdit::WndProc(Message& m) {
  switch (m.msg) {
    case WM_DROPFILES:
      if (acceptFiles_) {
        DropFiles(reinterpret_cast<HANDLE>(m.wParam));
        m.result = 0;
        return;
      }
      break;
    case WM_DESTROY:
      if (acceptFiles_) DragAcceptFiles(Handle(), FALSE);
      break;
    default:
      break;
  }
  TsCustomComboEdit::WndProc(m);
}

// --- TsFilenameEdit

TsFilenameEdit::TsFilenameEdit(TComponent* owner) : TsFileDirEdit(owner) {
  SkinData.ControlKind = kFilenameEditKind;
  MakeDialog(TFileDialogKind::dkOpen);
  SetDefaultGlyphName(L"BTN_OPENFILE");
}

void TsFilenameEdit::MakeDialog(TFileDialogKind kind) {
  std::unique_ptr<TOpenDialog> made;
  if (kind == TFileDialogKind::dkOpen) {
    auto open = std::make_unique<TsOpenDialog>(nullptr);
    open->ZipShowing = TsZipShowing::zsAsFile;
    made = std::move(open);
  } else {
    made = std::make_unique<TsSaveDialog>(nullptr);
  }
  if (dialog_) {
    made->DefaultExt = dialog_->DefaultExt;
    made->FileEditStyle = dialog_->FileEditStyle;
    made->FileName = dialog_->FileName;
    made->Filter = dialog_->Filter;
    made->FilterIndex = dialog_->FilterIndex;
    made->InitialDir = dialog_->InitialDir;
    made->HistoryList = dialog_->HistoryList;
    made->Files = dialog_->Files;
    made->Options = dialog_->Options;
  } else {
    made->Filter = L"All files (*.*)|*.*";
    made->Options = ofHideReadOnly | ofEnableSizing;
  }
  dialog_ = std::move(made);
}

void TsFilenameEdit::SetDialogKind(TFileDialogKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  MakeDialog(kind);
}

void TsFilenameEdit::SetDialogOptions(TOpenOptions options) {
  if (options == dialog_->Options) return;
  dialog_->Options = options;
  if (!MultipleNames()) dialog_->Files.clear();
}

void TsFilenameEdit::SetFileName(const std::wstring& name) {
  if (!name.empty() && !IsValidFileName(name)) throw Exception(L"Invalid file name");
  SetText(name);
  ClearFileList();
}

void TsFilenameEdit::ReceptFileName(const std::wstring& name) {
  if (!MultipleNames() || dialog_->Files.empty()) SetFileName(name);
  if (MultipleNames()) dialog_->Files.push_back(name);
}

void TsFilenameEdit::ButtonClick() {
  TsFileDirEdit::ButtonClick();
  const FileDialogStart start = FileDialogStartFor(
      Text(), {dialog_->InitialDir, dialog_->FileName}, FolderExists);
  dialog_->InitialDir = start.InitialDir;
  dialog_->FileName = start.FileName;
  dialog_->HelpContext = HelpContext;
  const bool confirmed = dialog_->Execute(DialogOwner());
  const std::wstring chosen = dialog_->FileName;
  FocusAfterChoice();
  if (!confirmed) return;
  SetText(chosen);
  dialog_->InitialDir = FolderPart(chosen);
}

// --- TsDirectoryEdit

TsDirectoryEdit::TsDirectoryEdit(TComponent* owner) : TsFileDirEdit(owner) {
  SkinData.ControlKind = kDirectoryEditKind;
  SetDefaultGlyphName(L"BTN_OPENFOLDER");
}

std::wstring TsDirectoryEdit::StartFolder() const {
  std::wstring start = Text();
  if (start.empty()) start = InitialDir;
  if (!FolderExists(start)) return {};
  if (!NoChangeDir && !SetCurrentDirectoryW(start.c_str()))
    throw EInOutError(L"I/O error " + std::to_wstring(GetLastError()));
  return start;
}

void TsDirectoryEdit::ButtonClick() {
  TsFileDirEdit::ButtonClick();
  const std::wstring start = StartFolder();
  if (SkinData.IsSkinned() && ChooseWithPathDialog(start)) return;
  ChooseWithSystemBrowser(start);
}

namespace {
TsDirectoryEdit::TPathDialogRunner g_pathDialog = nullptr;
}  // namespace

void TsDirectoryEdit::SetPathDialogRunner(TPathDialogRunner runner) { g_pathDialog = runner; }

bool TsDirectoryEdit::ChooseWithPathDialog(const std::wstring& start) {
  if (!g_pathDialog) return false;
  std::wstring chosen;
  if (g_pathDialog(Root, start, DialogOptions, DialogText, chosen) && !chosen.empty())
    TakeChoice(chosen);
  FocusAfterChoice();
  return true;
}

void TsDirectoryEdit::ChooseWithSystemBrowser(const std::wstring& start) {
  std::wstring chosen;
  if (BrowseForFolder(DialogOwner(), Root, start, chosen) && !chosen.empty()) TakeChoice(chosen);
  FocusAfterChoice();
}

void TsDirectoryEdit::TakeChoice(const std::wstring& chosen) {
  SetText(AddDirectory(Text(), chosen, MultipleDirs));
  if (FolderExists(chosen)) InitialDir = chosen;
}

std::wstring TsDirectoryEdit::LongName() const {
  return ConvertDirectoryNames(Text(), MultipleDirs,
                               [](const std::wstring& p) { return FoundComponent(p, false); });
}

std::wstring TsDirectoryEdit::ShortName() const {
  return ConvertDirectoryNames(Text(), MultipleDirs,
                               [](const std::wstring& p) { return FoundComponent(p, true); });
}

void TsDirectoryEdit::ReceptFileName(const std::wstring& name) {
  const std::wstring entry = DroppedDirectory(name, FolderExists(name));
  SetText(AddDirectory(Text(), entry, MultipleDirs));
}

}  // namespace folvane
