// A plain form with one window of each kind that scrolls - memo, list box,
// combo box with its list dropped down, list view with its header, tree
// view - each scrolled halfway, their frames and bars drawn by the window
// adapters.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "Snapshot.h"

#include "forms/win/vtAdapterFactory.h"
#include "runtime/win/Application.h"
#include "runtime/win/Form.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane::snapshots {

namespace {

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, RECT r,
           DWORD exStyle = WS_EX_CLIENTEDGE) {
  HWND wnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                             r.right - r.left, r.bottom - r.top, parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return wnd;
}

std::wstring Numbered(const wchar_t* what, int i) { return what + std::to_wstring(i); }

HWND Memo(HWND f) {
  std::wstring text;
  for (int i = 1; i <= 40; ++i) text += Numbered(L"Memo line ", i) + L" of forty\r\n";
  HWND memo = Child(f, L"EDIT", text.c_str(), ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, {10, 10, 170, 140});
  SendMessageW(memo, EM_LINESCROLL, 0, 17);
  return memo;
}

HWND List(HWND f) {
  HWND list = Child(f, L"LISTBOX", L"", LBS_NOINTEGRALHEIGHT | WS_VSCROLL, {180, 10, 320, 140});
  for (int i = 1; i <= 40; ++i)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Numbered(L"List item ", i).c_str()));
  SendMessageW(list, LB_SETTOPINDEX, 16, 0);
  return list;
}

HWND ListView(HWND f) {
  HWND view = Child(f, WC_LISTVIEWW, L"", LVS_REPORT | WS_VSCROLL, {10, 150, 230, 300});
  const wchar_t* names[] = {L"Name", L"Size"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = c ? 70 : 120;
    col.pszText = const_cast<wchar_t*>(names[c]);
    SendMessageW(view, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
  }
  for (int i = 0; i < 40; ++i) {
    std::wstring name = Numbered(L"File ", i + 1);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = name.data();
    SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    std::wstring size = std::to_wstring((i + 1) * 12) + L" KB";
    item.iSubItem = 1;
    item.pszText = size.data();
    SendMessageW(view, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
  }
  RECT r{LVIR_BOUNDS};
  SendMessageW(view, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  SendMessageW(view, LVM_SCROLL, 0, 16 * (r.bottom - r.top));
  return view;
}

HWND Tree(HWND f) {
  HWND tree = Child(f, WC_TREEVIEWW, L"", TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | WS_VSCROLL,
                    {240, 150, 470, 300});
  for (int i = 1; i <= 12; ++i) {
    std::wstring name = Numbered(L"Folder ", i);
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = name.data();
    auto parent = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    for (int j = 1; j <= 2; ++j) {
      std::wstring sub = Numbered(L"Subfolder ", j);
      ins.hParent = parent;
      ins.item.pszText = sub.data();
      SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
    }
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  }
  SCROLLINFO info{sizeof(info), SIF_ALL};
  GetScrollInfo(tree, SB_VERT, &info);
  const int half = (info.nMax - info.nMin + 1 - static_cast<int>(info.nPage)) / 2;
  SendMessageW(tree, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, half), 0);
  return tree;
}

HWND Combo(HWND f) {
  HWND combo = Child(f, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, {330, 10, 470, 160}, 0);
  for (int i = 1; i <= 30; ++i)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Numbered(L"Choice ", i).c_str()));
  SendMessageW(combo, CB_SETMINVISIBLE, 8, 0);
  SendMessageW(combo, CB_SETCURSEL, 14, 0);
  return combo;
}

}  // namespace

void SnapScrollingWindows() {
  TsSkinManager* manager = TsSkinManager::PrimaryManager();
  if (!manager) {
    CountFailure(L"scrolling windows: no skin manager");
    return;
  }
  auto* form = new TForm(Application);
  form->Name = L"ScrollingForm";
  form->BorderStyle = TFormBorderStyle::bsDialog;
  form->SetCaption(L"Scrolling windows");
  form->SetColor(manager->Model().GlobalBackColor());
  form->SetBounds(60, 60, 500, 350);
  form->SetClientSize(480, 310);
  form->HandleNeeded();
  const HWND f = form->Handle();
  std::vector<HWND> raw{Memo(f), List(f), ListView(f), Tree(f)};
  HWND combo = Combo(f);
  raw.push_back(combo);
  std::vector<AdapterPtr> adapters;
  for (HWND wnd : raw)
    if (AdapterPtr a = AdaptRawWindow(wnd)) adapters.push_back(std::move(a));
  form->Show();
  Pump(200);
  Save(f, L"scrolling-windows.png");
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{sizeof(info)};
  GetComboBoxInfo(combo, &info);
  SendMessageW(info.hwndList, LB_SETTOPINDEX, 10, 0);
  Pump(200);
  Save(f, L"scrolling-windows-dropped.png");
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  adapters.clear();
  delete form;
  Pump(50);
}

}  // namespace folvane::snapshots
