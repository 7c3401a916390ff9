#pragma once
// Which window adapter serves a window: for raw child windows of system
// dialogs by their class name and style, for controls of the component
// runtime by the class list of the skin manager that names their class.

#include <cstdint>
#include <string>
#include <string_view>

namespace folvane {

enum class AdapterKind {
  None,
  Static, Icon, Link, TransPanel, DlgPanel,
  Btn, BitBtn, CheckBox, GroupBox, Panel,
  Sizer, Spin, ToolBar, ToolBarVCL, StatusBar,
  TabControl, PageControl,
  Edit, ComboBox, WWComboBox, ListView, TreeView, Grid, GridEh, VirtualTree,
};

struct AdapterChoice {
  AdapterKind Kind = AdapterKind::None;
  // The default section given to the adapter.
  std::wstring Section;
  bool InDialog = false;
  // Spin buttons of dialogs keep their kind in the adapter.
  int SpinKind = 0;
};

// The adapter for a raw window of a system dialog. The class name is
// compared without regard to case; `style` is the window's GWL_STYLE.
AdapterChoice ChooseRawWindowAdapter(std::wstring_view className, std::uint32_t style);

// The adapter of class list `listIndex` (ThirdPartyIndex). Section is the
// fixed section of the list, or empty where the item keeps its own and the
// adapter falls back on "EDIT".
AdapterChoice ChooseListAdapter(int listIndex);

// Static control types whose pictures a static adapter draws.
bool IsPictureStatic(std::uint32_t style);

}  // namespace folvane
