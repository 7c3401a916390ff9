#include "app/win/FrmMain.h"

#include "app/WindowsFolderPlatform.h"
#include "app/WindowsShellNotifier.h"
#include "app/win/About.h"
#include "app/win/PreviewIcon.h"
#include "runtime/win/Resources.h"
#include "shell/win/vtPathDialog.h"

namespace folvane {

namespace {

constexpr TColor kFieldFont = clBlack;

TsLabel* MakeLabel(TForm* form, const wchar_t* name, const wchar_t* caption, int top, int width) {
  auto* label = new TsLabel(form);
  label->Name = name;
  label->SetParent(form);
  label->Font() = TFont(L"Tahoma", -11, clBlack);
  label->SetCaption(caption);
  label->SetBounds(8, top, width, 13);
  return label;
}

template <typename Edit>
Edit* MakeEdit(TForm* form, const wchar_t* name, const wchar_t* hint, int top, int width,
               int maxLength, int tabOrder) {
  auto* edit = new Edit(form);
  edit->Name = name;
  edit->SetParent(form);
  edit->SetBounds(8, top, width, 21);
  edit->Hint = hint;
  edit->ShowHint = true;
  edit->SetMaxLength(maxLength);
  edit->SetColor(clWhite);
  edit->Font() = TFont(L"Tahoma", -11, kFieldFont);
  edit->TabOrder = tabOrder;
  return edit;
}

}  // namespace

TForm1::TForm1(TComponent* owner, std::unique_ptr<FolderPlatform> platform)
    : TForm(owner),
      platform_(platform ? std::move(platform) : MakeWindowsFolderPlatform()),
      notifier_(MakeWindowsShellNotifier()),
      customizer_(*platform_, [this] { ClearFields(); }, notifier_.get()) {
  // The folder field's button opens the program's own folder dialog.
  RegisterPathDialog();
  BeginLoading();
  Name = L"Form1";
  SetCaption(L"Folvane");
  BorderStyle = TFormBorderStyle::bsSingle;
  BorderIcons = biSystemMenu | biMinimize;
  Position = TPosition::poDesktopCenter;
  SetColor(clBtnFace);
  Font() = TFont(L"Tahoma", -11, clWindowText);
  SetClientSize(418, 188);
  CreateControls();
  EndLoading();
}

TForm1::~TForm1() { MarkDestroying(); }

// The form's skin: the internal skin "Ambrel (internal)", a packed archive
// kept in the program's resources. The skin directory is the design
// machine's folder; it holds no skin of that name, so the internal one is
// used.
void TForm1::CreateSkinManager() {
  sSkinManager1 = new TsSkinManager(this);
  sSkinManager1->Name = L"sSkinManager1";
  TsStoredSkin ambrel;
  ambrel.Name = u"Ambrel (internal)";
  ambrel.Data = ReadResourceData(L"AMBREL_SKIN");
  sSkinManager1->SetInternalSkins({ambrel});
  sSkinManager1->SetSkinDirectory(L"c:\\Skins");
  sSkinManager1->SetSkinName(L"Ambrel (internal)");
  sSkinManager1->MenuSupport().IcoLineSkin = "ICOLINE";
  sSkinManager1->MenuSupport().ExtraLineFontName = L"Tahoma";
  sSkinManager1->MenuSupport().ExtraLineFontHeight = -11;
}

TsBitBtn* TForm1::MakeButton(const wchar_t* name, const wchar_t* caption, const wchar_t* hint,
                            const wchar_t* glyph, int left, int width, int tabOrder) {
  auto* button = new TsBitBtn(this);
  button->Name = name;
  button->SetParent(this);
  button->SetBounds(left, 121, width, 41);
  button->SetCaption(caption);
  button->Hint = hint;
  button->ShowHint = true;
  button->TabOrder = tabOrder;
  try {
    button->SetGlyph(TBitmap::FromResource(glyph));
  } catch (...) {
    // Without its picture the button still works by its caption.
  }
  return button;
}

void TForm1::CreateControls() {
  Image1 = new TImage(this);
  Image1->Name = L"Image1";
  Image1->SetParent(this);
  Image1->SetBounds(371, 49, 32, 32);

  sBevel1 = new TsBevel(this);
  sBevel1->Name = L"sBevel1";
  sBevel1->SetParent(this);
  sBevel1->SetBounds(364, 44, 46, 42);
  sBevel1->Shape = TBevelShape::bsFrame;

  sLabel1 = MakeLabel(this, L"sLabel1", L"Select folder to customize:", 4, 127);
  sLabel2 = MakeLabel(this, L"sLabel2", L"Select icon file:", 41, 72);
  sLabel3 = MakeLabel(this, L"sLabel3", L"Enter info tip (optional):", 78, 115);

  DirEdt = MakeEdit<TsDirectoryEdit>(
      this, L"DirEdt", L"Browse and select a folder to customize or to remove customization", 17,
      402, 255, 0);
  DirEdt->SkinData.SetSkinSection(L"EDIT");
  DirEdt->Root = L"rfDesktop";
  IconEdt = MakeEdit<TsFilenameEdit>(this, L"IconEdt", L"Browse and select icon file", 54, 350,
                                     255, 1);
  IconEdt->SkinData.SetSkinSection(L"EDIT");
  IconEdt->SetFilter(L"All files (*.ico)|*.ico");

  sBitBtn1 = MakeButton(L"sBitBtn1", L"Apply", L"Apply changes to folder", L"GLYPH_APPLY", 8, 74, 2);

  HintEdt = MakeEdit<TsEdit>(this, L"HintEdt", L"Enter folder info tip ", 91, 402, 0, 3);
  HintEdt->SkinData.SetSkinSection(L"EDIT");

  sStatusBar1 = new TsStatusBar(this);
  sStatusBar1->Name = L"sStatusBar1";
  sStatusBar1->SkinData.SetSkinSection(L"STATUSBAR");
  sStatusBar1->SetParent(this);
  sStatusBar1->SetBounds(0, 169, 418, 19);
  sStatusBar1->SimplePanel = true;
  sStatusBar1->TabOrder = 4;

  sBitBtn2 = MakeButton(L"sBitBtn2", L"Remove", L"Remove customization from folder",
                        L"GLYPH_REMOVE", 88, 81, 5);
  sBitBtn3 = MakeButton(L"sBitBtn3", L"Clear Fields", L"Clear all edit fields", L"GLYPH_CLEAR",
                        175, 75, 6);
  sBitBtn4 = MakeButton(L"sBitBtn4", L"About", L"About Folvane", L"GLYPH_ABOUT", 255, 75, 7);
  sBitBtn5 = MakeButton(L"sBitBtn5", L"Close", L"Close Application", L"GLYPH_CLOSE", 335, 75, 8);

  CreateSkinManager();
  sSkinProvider1 = new TsSkinProvider(this);
  sSkinProvider1->Name = L"sSkinProvider1";
  ImageList1 = new TImageList(this, 32, 32);
  ImageList1->Name = L"ImageList1";
  try {
    ImageList1->Add(TBitmap::FromResource(L"DEFAULTFOLDER"));
  } catch (...) {
    // An empty list previews nothing for folders without desktop.ini.
  }

  DirEdt->OnChange = [this](TControl* s) { DirEdtChange(s); };
  IconEdt->OnChange = [this](TControl* s) { IconEdtChange(s); };
  sBitBtn1->OnClick = [this](TControl* s) { sBitBtn1Click(s); };
  sBitBtn2->OnClick = [this](TControl* s) { sBitBtn2Click(s); };
  sBitBtn3->OnClick = [this](TControl* s) { sBitBtn3Click(s); };
  sBitBtn4->OnClick = [this](TControl* s) { sBitBtn4Click(s); };
  sBitBtn5->OnClick = [this](TControl* s) { sBitBtn5Click(s); };
  SetActiveControl(DirEdt);
}

void TForm1::ClearFields() {
  DirEdt->SetText(L"");
  IconEdt->SetText(L"");
  HintEdt->SetText(L"");
  customizer_.ClearPaths();
  Image1->ClearPicture();
  sStatusBar1->SetSimpleText(L"");
  DirEdt->SetFocus();
}

void TForm1::DirEdtChange(TControl*) {
  const PreviewResult preview = customizer_.PreviewLookup(DirEdt->Text());
  // A failed load raises to the standard error report; the preview keeps
  // the picture it had.
  if (preview.defaultIcon) Image1->SetIcon(ImageList1->GetIcon(0));
  else Image1->SetIcon(LoadPreviewIcon(PreviewIconPath(customizer_.FolderPath(), preview.iconFile)));
}

void TForm1::IconEdtChange(TControl*) {
  const std::wstring path = IconEdt->Text();
  if (path.empty() || !platform_->FileExists(path)) return;
  Image1->SetIcon(LoadPreviewIcon(path));
}

void TForm1::sBitBtn1Click(TControl*) {
  sStatusBar1->SetSimpleText(customizer_.Apply(DirEdt->Text(), IconEdt->Text(), HintEdt->Text()));
}

void TForm1::sBitBtn2Click(TControl*) {
  sStatusBar1->SetSimpleText(customizer_.Remove(DirEdt->Text()));
}

void TForm1::sBitBtn3Click(TControl*) {
  ClearFields();
  sStatusBar1->SetSimpleText(L"Last action: clear fields");
}

void TForm1::sBitBtn4Click(TControl*) {
  if (AboutBox) AboutBox->ShowModal();
  DirEdt->SetFocus();
  sStatusBar1->SetSimpleText(L"Last action: show about box");
}

void TForm1::sBitBtn5Click(TControl*) { Close(); }

}  // namespace folvane
