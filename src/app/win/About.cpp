#include "app/win/About.h"

#include <shellapi.h>

#include "runtime/win/Application.h"

namespace folvane {

const wchar_t TAboutBox::kWebAddress[] = L"https://www.folvane.example/";
const wchar_t TAboutBox::kWebSiteName[] = L"www.folvane.example";

namespace {

void ShellOpen(const std::wstring& address) {
  // The shell's answer is of no interest: a failure to open stays silent.
  ShellExecuteW(Application ? Application->Handle() : nullptr, L"Open", address.c_str(), nullptr,
                nullptr, SW_SHOWNORMAL);
}

template <typename Label = TLabel>
Label* MakeLabel(TComponent* owner, TWinControl* parent, const wchar_t* caption, int left,
                 int top, int width, int height) {
  auto* label = new Label(owner);
  label->SetParent(parent);
  label->SetCaption(caption);
  label->SetBounds(left, top, width, height);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(TComponent* owner) : TForm(owner) {
  BeginLoading();
  Name = L"AboutBox";
  SetCaption(L"About Folvane 1.0");
  BorderStyle = TFormBorderStyle::bsDialog;
  BorderIcons = biSystemMenu;
  Position = TPosition::poScreenCenter;
  SetColor(clBtnFace);
  Font() = TFont(L"MS Sans Serif", -11, clWindowText);
  ShowHints = false;
  SetClientSize(298, 253);

  Panel1 = new TPanel(this);
  Panel1->Name = L"Panel1";
  Panel1->SetParent(this);
  Panel1->SetBounds(9, 8, 281, 198);
  Panel1->BevelInner = TBevelCut::bvRaised;
  Panel1->BevelOuter = TBevelCut::bvLowered;
  Panel1->SetColor(Color());
  Panel1->ParentColor = true;
  Panel1->Font() = Font();
  Panel1->TabOrder = 0;

  sLabelFX1 = MakeLabel<TsLabelFX>(this, Panel1, L"Folvane 1.0", 36, 1, 209, 28);
  sLabelFX1->Name = L"sLabelFX1";
  sLabelFX1->Font() = TFont(L"MS Sans Serif", -19, clBlack);
  sLabelFX1->Font().SetStyle(fsBold);
  sLabelFX1->AutoSize = false;
  sLabelFX1->SetBounds(36, 1, 209, 28);
  sLabelFX1->Layout = TTextLayout::tlCenter;
  sLabelFX1->Alignment = TAlignment::taCenter;

  MakerLabel = MakeLabel(this, Panel1, L"Freeware by Folvane", 64, 32, 140, 13);
  MakerLabel->Name = L"MakerLabel";
  MakerLabel->Font() = Font();

  sLabel1 = MakeLabel<TsLabel>(this, Panel1, L"A Folder customizing tool", 73, 48, 117, 13);
  sLabel1->Name = L"sLabel1";
  sLabel1->Font() = TFont(L"MS Sans Serif", -11, clBlack);

  Comments = MakeLabel(this, Panel1, kWebSiteName, 78, 66, 109, 13);
  Comments->Name = L"Comments";
  Comments->Font() = Font();
  Comments->WordWrap = true;
  Comments->Hint = kWebAddress;
  Comments->OnClick = [this](TControl* s) { CommentsClick(s); };
  Comments->OnMouseMove = [](TControl* s, int, int) {
    s->SetCursor(crHandPoint);
    s->Font().SetColor(clBlue);
    s->FontChanged();
  };
  Comments->OnMouseLeave = [](TControl* s) {
    s->SetCursor(crDefault);
    s->Font().SetColor(clBlack);
    s->FontChanged();
  };

  Image1 = new TImage(this);
  Image1->Name = L"Image1";
  Image1->SetParent(Panel1);
  Image1->SetBounds(63, 84, 145, 105);
  Image1->Hint = kWebAddress;
  try {
    Image1->SetBitmap(TBitmap::FromResource(L"ABOUTPICTURE"));
  } catch (...) {
    // The picture is decoration; the link still works without it.
  }
  Image1->OnClick = [this](TControl* s) { Image1Click(s); };
  Image1->OnMouseMove = [](TControl* s, int, int) { s->SetCursor(crHandPoint); };
  Image1->OnMouseLeave = [](TControl* s) { s->SetCursor(crDefault); };

  sBitBtn1 = new TsBitBtn(this);
  sBitBtn1->Name = L"sBitBtn1";
  sBitBtn1->SetParent(this);
  sBitBtn1->SetBounds(108, 214, 75, 33);
  sBitBtn1->Font() = Font();
  sBitBtn1->SetKind(TBitBtnKind::bkOK);
  sBitBtn1->TabOrder = 1;

  OpenLink = ShellOpen;
  EndLoading();
}

void TAboutBox::CommentsClick(TControl* sender) {
  if (dynamic_cast<TLabel*>(sender) && OpenLink) OpenLink(sender->Hint);
}

void TAboutBox::Image1Click(TControl* sender) {
  if (dynamic_cast<TImage*>(sender) && OpenLink) OpenLink(sender->Hint);
}

}  // namespace folvane
