#pragma once
// TPathDialogForm: the program's own "Select directory" dialog: a skinned
// shell tree with OK, Cancel and an optional "Create" button that makes a
// new sub-folder and opens its name for editing. Made for one use.

#include <memory>
#include <string>

#include "controls/win/sBitBtn.h"
#include "controls/win/sEdit.h"
#include "controls/win/sTooledit.h"
#include "runtime/win/Form.h"
#include "runtime/win/StdCtrls.h"
#include "shell/ShellNames.h"
#include "shell/win/vtShellCtrls.h"

namespace folvane {

// The section the dialog's skin provider paints its frame from.
inline const wchar_t kPathDialogSection[] = L"DIALOG";

class TPathDialogForm : public TForm {
 public:
  explicit TPathDialogForm(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TPathDialogForm"; }

  TsShellTreeView* sShellTreeView1;
  TsEdit* sEdit1;      // kept hidden, as the stored layout has it
  TsBitBtn* sBitBtn3;  // Create
  TsBitBtn* sBitBtn1;  // OK
  TsBitBtn* sBitBtn2;  // Cancel

  // Captions from the program's strings.
  void Localise();
  // Whether the tree's selection is a folder the dialog can return (and
  // create in): an existing directory, never the root node nor a virtual item.
  bool SelectionIsDirectory() const;

  // The handlers of the stored form, public so tests drive them.
  void FormCreate();
  void sShellTreeView1Change(TTreeNode* node);
  void sBitBtn1Click();
  void sBitBtn2Click();
  void sBitBtn3Click();

 protected:
  void WndProc(Message& m) override;
  void PaintWindow(HDC dc, const RECT& clip) override;

 private:
  void PlaceControls();
  RECT SizeGripRect() const;

  // The client size the stored positions were made for; the controls keep
  // their distances to the anchored edges from it.
  SIZE designClient_{0, 0};
};

// Runs the dialog once: starts at `start` when it names an existing folder
// (else on the root), shows "Create" with sdAllowCreate, and on OK returns
// true with the chosen existing folder in `chosen`. Of the options only
// sdAllowCreate changes the dialog.
bool ExecutePathDialog(const TvtRoot& root, const std::wstring& start, TSelectDirOpts options,
                       const std::wstring& treeCaption, std::wstring& chosen);

// Makes every skinned directory edit open this dialog from its button;
// called once at start.
void RegisterPathDialog();

}  // namespace folvane
