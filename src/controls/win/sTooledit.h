#pragma once
// The file-name and directory edits: combo edits whose button opens a
// chooser and puts the choice into the text. TsFileDirEdit adds what both
// share: the length limit, dropped files and the name-list operations.

#include <memory>
#include <string>
#include <vector>

#include "controls/win/sCustomComboEdit.h"
#include "controls/win/sDialogs.h"

namespace folvane {

class TsFileDirEdit : public TsCustomComboEdit {
 public:
  explicit TsFileDirEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TsFileDirEdit"; }

  // Fired after files were dropped onto the edit.
  TNotifyEvent OnDropFiles;
  // Registers the window for dropped files (off unless code switches it on).
  bool AcceptFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool value);

  virtual std::wstring LongName() const = 0;
  virtual std::wstring ShortName() const = 0;
  // A dropped name enters the edit.
  virtual void ReceptFileName(const std::wstring& name) = 0;
  virtual void ClearFileList() = 0;
  virtual bool MultipleNames() const = 0;

 protected:
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;
  // The window of the form, which a dialog keeps disabled while it shows.
  HWND DialogOwner() const;
  // Gives the edit the focus when it can take it.
  void FocusAfterChoice();

 private:
  void DropFiles(HANDLE drop);
  bool acceptFiles_ = false;
};

enum class TFileDialogKind { dkOpen, dkSave };

class TsFilenameEdit : public TsFileDirEdit {
 public:
  explicit TsFilenameEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TsFilenameEdit"; }

  TFileDialogKind DialogKind() const { return kind_; }
  void SetDialogKind(TFileDialogKind kind);
  TOpenDialog& Dialog() const { return *dialog_; }

  const std::wstring& DefaultExt() const { return dialog_->DefaultExt; }
  void SetDefaultExt(const std::wstring& v) { dialog_->DefaultExt = v; }
  const std::wstring& Filter() const { return dialog_->Filter; }
  void SetFilter(const std::wstring& v) { dialog_->Filter = v; }
  int FilterIndex() const { return dialog_->FilterIndex; }
  void SetFilterIndex(int v) { dialog_->FilterIndex = v; }
  const std::wstring& InitialDir() const { return dialog_->InitialDir; }
  void SetInitialDir(const std::wstring& v) { dialog_->InitialDir = v; }
  std::vector<std::wstring>& HistoryList() { return dialog_->HistoryList; }
  TOpenOptions DialogOptions() const { return dialog_->Options; }
  void SetDialogOptions(TOpenOptions options);
  int HelpContext = 0;

  // The text; writing a non-empty name that is not valid raises "Invalid
  // file name" and keeps the text.
  std::wstring FileName() const { return Text(); }
  void SetFileName(const std::wstring& name);

  void ButtonClick() override;
  std::wstring LongName() const override { return Text(); }
  std::wstring ShortName() const override { return Text(); }
  void ReceptFileName(const std::wstring& name) override;
  void ClearFileList() override { dialog_->Files.clear(); }
  bool MultipleNames() const override { return (dialog_->Options & ofAllowMultiSelect) != 0; }

 private:
  void MakeDialog(TFileDialogKind kind);
  TFileDialogKind kind_ = TFileDialogKind::dkOpen;
  std::unique_ptr<TOpenDialog> dialog_;
};

// TSelectDirOpts: a set of these flags.
enum TSelectDirOpt : unsigned { sdAllowCreate = 1, sdPerformCreate = 2, sdPrompt = 4 };
using TSelectDirOpts = unsigned;

class TsDirectoryEdit : public TsFileDirEdit {
 public:
  explicit TsDirectoryEdit(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TsDirectoryEdit"; }

  std::wstring InitialDir;
  TSelectDirOpts DialogOptions = sdAllowCreate | sdPerformCreate | sdPrompt;
  bool MultipleDirs = false;
  bool NoChangeDir = false;
  // Root of the chooser's folder tree.
  std::wstring Root = L"rfDesktop";
  // The caption above the skinned folder dialog's tree.
  std::wstring DialogText;

  void ButtonClick() override;
  std::wstring LongName() const override;
  std::wstring ShortName() const override;
  void ReceptFileName(const std::wstring& name) override;
  void ClearFileList() override { SetText(L""); }
  bool MultipleNames() const override { return MultipleDirs; }

  // The program's own folder dialog lives above the controls, so it is
  // handed in once at start: it runs on `start` (empty: the root) and on OK
  // returns true with an existing folder in `chosen`. Without one, and on an
  // unskinned edit, the system's folder browser runs.
  using TPathDialogRunner = bool (*)(const std::wstring& root, const std::wstring& start,
                                     TSelectDirOpts options, const std::wstring& treeCaption,
                                     std::wstring& chosen);
  static void SetPathDialogRunner(TPathDialogRunner runner);

 private:
  std::wstring StartFolder() const;
  // False when no folder dialog is registered: the system browser chooses.
  bool ChooseWithPathDialog(const std::wstring& start);
  void TakeChoice(const std::wstring& chosen);
  void ChooseWithSystemBrowser(const std::wstring& start);
};

}  // namespace folvane
