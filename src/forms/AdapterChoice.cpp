#include "forms/AdapterChoice.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

namespace folvane {

namespace {

constexpr std::uint32_t kStaticTypeMask = 0x1F;
constexpr std::uint32_t kSimpleStatic = 11;  // SS_SIMPLE

std::wstring Lower(std::wstring_view s) {
  std::wstring out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return out;
}

AdapterChoice Pick(AdapterKind kind, const wchar_t* section, bool inDialog = false) {
  AdapterChoice c;
  c.Kind = kind;
  c.Section = section;
  c.InDialog = inDialog;
  return c;
}

AdapterChoice ChooseStatic(std::uint32_t style) {
  const std::uint32_t type = style & kStaticTypeMask;
  // A simple static is text: drawn as an icon it would lose its text.
  if (type == kSimpleStatic) return Pick(AdapterKind::Static, L"CHECKBOX");
  if (IsPictureStatic(style)) return Pick(AdapterKind::Icon, L"CHECKBOX");
  if ((style & 0x0D) == 0x0D || type == 5 || type == 6) return {};
  return Pick(AdapterKind::Static, L"CHECKBOX");
}

AdapterChoice ChooseButton(std::uint32_t style) {
  if ((style & 7) == 7) return Pick(AdapterKind::GroupBox, L"GROUPBOX");
  if ((style & 3) == 3 || (style & 2) || (style & 5) == 5 || (style & 9) == 9 || (style & 4))
    return Pick(AdapterKind::CheckBox, L"CHECKBOX");
  return Pick(AdapterKind::Btn, L"BUTTON");
}

}  // namespace

bool IsPictureStatic(std::uint32_t style) {
  if ((style & kStaticTypeMask) == kSimpleStatic) return false;
  return (style & 3) == 3 || (style & 0x0E) == 0x0E;
}

AdapterChoice ChooseRawWindowAdapter(std::wstring_view className, std::uint32_t style) {
  const std::wstring name = Lower(className);
  if (name == L"static") return ChooseStatic(style);
  if (name == L"#32770") return Pick(AdapterKind::TransPanel, L"CHECKBOX");
  if (name == L"tpanel" || name == L"tsilentpaintpanel") return Pick(AdapterKind::DlgPanel, L"PANEL");
  if (name == L"button") return ChooseButton(style);
  if (name == L"combobox") return Pick(AdapterKind::ComboBox, L"COMBOBOX", true);
  if (name == L"combolbox") return Pick(AdapterKind::Edit, L"COMBOBOX");
  if (name == L"comboboxex32") return Pick(AdapterKind::ComboBox, L"COMBOBOX");
  if (name == L"scrollbar") return Pick(AdapterKind::Sizer, L"CHECKBOX");
  if (name == L"systabcontrol32")
    return style & 0x2000 ? AdapterChoice{} : Pick(AdapterKind::TabControl, L"PAGECONTROL");
  if (name == L"syslistview32") return Pick(AdapterKind::ListView, L"EDIT", true);
  if (name == L"msctls_updown32") {
    AdapterChoice c = Pick(AdapterKind::Spin, L"SPEEDBUTTON_SMALL");
    c.SpinKind = 2;
    return c;
  }
  if (name == L"listbox") return Pick(AdapterKind::Edit, L"EDIT", true);
  if (name == L"link window" || name == L"syslink") return Pick(AdapterKind::Link, L"CHECKBOX");
  if (name == L"toolbarwindow32")
    return Pick(AdapterKind::ToolBar, style & 0x200 ? L"BAR" : L"CHECKBOX");
  if (name == L"edit") return Pick(AdapterKind::Edit, L"EDIT", true);
  if (name == L"systreeview32") return Pick(AdapterKind::TreeView, L"EDIT", true);
  if (name.find(L"shbrowseforfolder") != std::wstring::npos)
    return Pick(AdapterKind::TransPanel, L"CHECKBOX");
  return {};
}

AdapterChoice ChooseListAdapter(int listIndex) {
  // In list index order: ThirdEdits, ThirdButtons, ... ThirdStatusBar.
  static const struct {
    AdapterKind kind;
    const wchar_t* section;
  } kLists[] = {
      {AdapterKind::Edit, L""},          {AdapterKind::Btn, L"BUTTON"},
      {AdapterKind::BitBtn, L"BUTTON"},  {AdapterKind::CheckBox, L"CHECKBOX"},
      {AdapterKind::ComboBox, L""},      {AdapterKind::Grid, L""},
      {AdapterKind::GroupBox, L"GROUPBOX"}, {AdapterKind::ListView, L""},
      {AdapterKind::Panel, L"PANEL"},    {AdapterKind::TreeView, L""},
      {AdapterKind::WWComboBox, L""},    {AdapterKind::GridEh, L""},
      {AdapterKind::VirtualTree, L""},   {AdapterKind::PageControl, L"PAGECONTROL"},
      {AdapterKind::TabControl, L"PAGECONTROL"}, {AdapterKind::ToolBarVCL, L"TOOLBAR"},
      {AdapterKind::StatusBar, L"STATUSBAR"},
  };
  if (listIndex < 0 || listIndex >= static_cast<int>(std::size(kLists))) return {};
  return Pick(kLists[listIndex].kind, kLists[listIndex].section);
}

}  // namespace folvane
