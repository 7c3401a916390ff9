#pragma once
// The main window: folder field, icon field with its preview, info-tip
// field, five buttons and a status line, wired to the folder operations.

#include <memory>

#include "app/FolderCustomizer.h"
#include "controls/win/sBitBtn.h"
#include "controls/win/sBevel.h"
#include "controls/win/sEdit.h"
#include "controls/win/sLabel.h"
#include "controls/win/sStatusBar.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/StdCtrls.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

class TAboutBox;

class TForm1 : public TForm {
 public:
  // `platform` defaults to the real file system.
  explicit TForm1(TComponent* owner, std::unique_ptr<FolderPlatform> platform = nullptr);
  ~TForm1() override;
  const wchar_t* ClassName() const override { return L"TForm1"; }

  TImage* Image1;
  TsBevel* sBevel1;
  TsLabel* sLabel1;
  TsLabel* sLabel2;
  TsLabel* sLabel3;
  TDirectoryEdit* DirEdt;
  TFilenameEdit* IconEdt;
  TsBitBtn* sBitBtn1;
  TsEdit* HintEdt;
  TsStatusBar* sStatusBar1;
  TsBitBtn* sBitBtn2;
  TsBitBtn* sBitBtn3;
  TsBitBtn* sBitBtn4;
  TsBitBtn* sBitBtn5;
  TsSkinManager* sSkinManager1;
  TImageList* ImageList1;

  // The About box the About button shows (created by the program start).
  TAboutBox* AboutBox = nullptr;

  const FolderCustomizer& Customizer() const { return customizer_; }
  void ClearFields();

 private:
  void CreateControls();
  void CreateSkinManager();
  TsBitBtn* MakeButton(const wchar_t* name, const wchar_t* caption, const wchar_t* hint,
                      const wchar_t* glyph, int left, int width, int tabOrder);
  void DirEdtChange(TControl*);
  void IconEdtChange(TControl*);
  void sBitBtn1Click(TControl*);
  void sBitBtn2Click(TControl*);
  void sBitBtn3Click(TControl*);
  void sBitBtn4Click(TControl*);
  void sBitBtn5Click(TControl*);

  std::unique_ptr<FolderPlatform> platform_;
  std::unique_ptr<ShellNotifier> notifier_;
  FolderCustomizer customizer_;
};

}  // namespace folvane
