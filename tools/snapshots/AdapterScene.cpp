// A plain form holding one window of each kind the window adapters skin:
// raw windows made with CreateWindowEx (push, default and disabled
// buttons, check boxes and radio buttons in every state, texts, an icon, a
// group box, an edit, a tool bar, a size box) and runtime controls given
// their adapters by the form's control adapter (edit, panels with a label,
// button with a glyph, status bar).
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "Snapshot.h"

#include "forms/win/vtAdapterFactory.h"
#include "forms/win/vtFormFollower.h"
#include "runtime/win/Application.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Form.h"
#include "runtime/win/StdCtrls.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane::snapshots {

namespace {

HWND Raw(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, RECT r,
         DWORD exStyle = 0) {
  HWND wnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                             r.right - r.left, r.bottom - r.top, parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return wnd;
}

template <typename T>
T* Place(TForm* form, TWinControl* parent, RECT r) {
  auto* c = new T(form);
  c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  c->SetParent(parent);
  return c;
}

void AddToolBar(HWND parent, std::vector<HWND>& raw) {
  HWND bar = Raw(parent, TOOLBARCLASSNAMEW, L"",
                 TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
                 {250, 160, 470, 186});
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[] = {
      {I_IMAGENONE, 1, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_AUTOSIZE, {}, 0,
       reinterpret_cast<INT_PTR>(L"Open")},
      {I_IMAGENONE, 2, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK | BTNS_AUTOSIZE, {}, 0,
       reinterpret_cast<INT_PTR>(L"Pinned")},
      {I_IMAGENONE, 3, 0, BTNS_BUTTON | BTNS_AUTOSIZE, {}, 0, reinterpret_cast<INT_PTR>(L"Off")},
  };
  SendMessageW(bar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
  raw.push_back(bar);
}

}  // namespace

void SnapAdapters() {
  TsSkinManager* manager = TsSkinManager::PrimaryManager();
  if (!manager) {
    CountFailure(L"adapters: no skin manager");
    return;
  }
  auto* form = new TForm(Application);
  form->Name = L"AdapterForm";
  form->BorderStyle = TFormBorderStyle::bsDialog;
  form->SetCaption(L"Window adapters");
  form->SetColor(manager->Model().GlobalBackColor());
  form->SetBounds(60, 60, 500, 380);
  form->SetClientSize(484, 340);
  form->HandleNeeded();
  const HWND f = form->Handle();

  std::vector<HWND> raw;
  raw.push_back(Raw(f, L"BUTTON", L"Push", BS_PUSHBUTTON, {10, 10, 90, 35}));
  raw.push_back(Raw(f, L"BUTTON", L"Default", BS_DEFPUSHBUTTON, {96, 10, 176, 35}));
  raw.push_back(Raw(f, L"BUTTON", L"Disabled", BS_PUSHBUTTON | WS_DISABLED, {182, 10, 262, 35}));
  const struct {
    const wchar_t* text;
    DWORD style;
    WPARAM check;
  } boxes[] = {{L"Unchecked", BS_AUTO3STATE, BST_UNCHECKED},
               {L"Checked", BS_AUTO3STATE, BST_CHECKED},
               {L"Indeterminate", BS_AUTO3STATE, BST_INDETERMINATE},
               {L"Radio off", BS_AUTORADIOBUTTON | WS_GROUP, BST_UNCHECKED},
               {L"Radio on", BS_AUTORADIOBUTTON, BST_CHECKED}};
  int top = 45;
  for (const auto& b : boxes) {
    HWND box = Raw(f, L"BUTTON", b.text, b.style, {10, top, 130, top + 20});
    SendMessageW(box, BM_SETCHECK, b.check, 0);
    raw.push_back(box);
    top += 22;
  }
  raw.push_back(Raw(f, L"BUTTON", L"Group box", BS_GROUPBOX, {140, 45, 240, 155}));
  raw.push_back(Raw(f, L"STATIC", L"A static text that wraps onto a second line", SS_LEFT,
                    {150, 63, 234, 108}));
  raw.push_back(Raw(f, L"STATIC", L"Simple static", SS_SIMPLE, {150, 118, 234, 134}));
  HWND icon = Raw(f, L"STATIC", L"", SS_ICON, {250, 45, 282, 77});
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
  raw.push_back(icon);
  raw.push_back(Raw(f, L"EDIT", L"Raw edit", ES_AUTOHSCROLL, {290, 45, 470, 68}, WS_EX_CLIENTEDGE));
  AddToolBar(f, raw);
  raw.push_back(Raw(f, L"SCROLLBAR", L"", SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                    {454, 300, 470, 316}));

  auto* edit = Place<TEdit>(form, form, {290, 76, 470, 97});
  edit->SetText(L"Runtime edit");
  auto* about = Place<TPanel>(form, form, {10, 170, 240, 250});
  about->BevelOuter = TBevelCut::bvLowered;
  about->BevelInner = TBevelCut::bvRaised;
  auto* label = Place<TLabel>(form, about, {10, 10, 200, 25});
  label->SetCaption(L"A label on a lowered panel");
  auto* plain = Place<TPanel>(form, form, {250, 196, 470, 250});
  plain->SetCaption(L"Raised panel");
  auto* bitBtn = Place<TBitBtn>(form, form, {290, 105, 380, 132});
  bitBtn->SetKind(TBitBtnKind::bkOK);
  auto* bar = Place<TStatusBar>(form, form, {0, 318, 484, 340});
  bar->SetSimpleText(L"Status bar of a plain form");
  form->HandleNeeded();

  std::vector<AdapterPtr> adapters;
  for (HWND wnd : raw)
    if (AdapterPtr a = AdaptRawWindow(wnd)) adapters.push_back(std::move(a));
  new TvtFormFollower(form);  // the form's control adapter, owned by the form
  form->Show();
  Pump(400);
  Save(f, L"adapters.png");

  adapters.clear();
  delete form;
  Pump(50);
}

}  // namespace folvane::snapshots
