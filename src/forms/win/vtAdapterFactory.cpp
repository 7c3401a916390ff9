#include "forms/win/vtAdapterFactory.h"

#include <iterator>

#include "forms/win/vtBtnWnd.h"
#include "forms/win/vtCheckBoxWnd.h"
#include "forms/win/vtEditWnd.h"
#include "forms/win/vtGroupBoxWnd.h"
#include "forms/win/vtListWnds.h"
#include "forms/win/vtPanelWnd.h"
#include "forms/win/vtSizerWnd.h"
#include "forms/win/vtStaticWnd.h"
#include "forms/win/vtStatusBarWnd.h"
#include "forms/win/vtToolBarWnd.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

namespace {

std::wstring OrEdit(const std::wstring& section) { return section.empty() ? L"EDIT" : section; }

}  // namespace

AdapterPtr CreateWindowAdapter(AdapterKind kind, HWND wnd, const std::wstring& section,
                               TsSkinManager* manager, TsCommonData* skinData) {
  switch (kind) {
    case AdapterKind::Static: return TvtMainWnd::Attach<TvtStaticWnd>(wnd, section, manager, skinData);
    case AdapterKind::Icon: return TvtMainWnd::Attach<TvtIconWnd>(wnd, section, manager, skinData);
    case AdapterKind::Link: return TvtMainWnd::Attach<TvtLinkWnd>(wnd, section, manager, skinData);
    case AdapterKind::TransPanel:
      return TvtMainWnd::Attach<TvtTransPanelWnd>(wnd, section, manager, skinData);
    case AdapterKind::DlgPanel:
      return TvtMainWnd::Attach<TvtDlgPanelWnd>(wnd, section, manager, skinData);
    case AdapterKind::Btn: return TvtMainWnd::Attach<TvtBtnWnd>(wnd, section, manager, skinData);
    case AdapterKind::BitBtn:
      return TvtMainWnd::Attach<TvtBitBtnWnd>(wnd, section, manager, skinData);
    case AdapterKind::CheckBox:
      return TvtMainWnd::Attach<TvtCheckBoxWnd>(wnd, section, manager, skinData);
    case AdapterKind::GroupBox:
      return TvtMainWnd::Attach<TvtGroupBoxWnd>(wnd, section, manager, skinData);
    case AdapterKind::Panel: return TvtMainWnd::Attach<TvtPanelWnd>(wnd, section, manager, skinData);
    case AdapterKind::Sizer: return TvtMainWnd::Attach<TvtSizerWnd>(wnd, section, manager, skinData);
    case AdapterKind::ToolBar:
      return TvtMainWnd::Attach<TvtToolBarWnd>(wnd, section, manager, skinData);
    case AdapterKind::ToolBarVCL:
      return TvtMainWnd::Attach<TvtToolBarVCLWnd>(wnd, section, manager, skinData);
    case AdapterKind::StatusBar:
      return TvtMainWnd::Attach<TvtStatusBarWnd>(wnd, section, manager, skinData);
    case AdapterKind::Edit: return TvtMainWnd::Attach<TvtEditWnd>(wnd, section, manager, skinData);
    case AdapterKind::ComboBox:
    case AdapterKind::WWComboBox:
      return TvtMainWnd::Attach<TvtComboBoxWnd>(wnd, OrEdit(section), manager, skinData);
    case AdapterKind::ListView:
      return TvtMainWnd::Attach<TvtListViewWnd>(wnd, OrEdit(section), manager, skinData);
    case AdapterKind::TreeView:
      return TvtMainWnd::Attach<TvtTreeViewWnd>(wnd, OrEdit(section), manager, skinData);
    case AdapterKind::Grid:
    case AdapterKind::GridEh:
    case AdapterKind::VirtualTree:
      // Kinds this program never shows: a skinned frame and skinned bars.
      return TvtMainWnd::Attach<TvtEditWnd>(wnd, OrEdit(section), manager, skinData);
    default:
      return nullptr;
  }
}

AdapterChoice ChooseAdapterFor(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, static_cast<int>(std::size(name)));
  return ChooseRawWindowAdapter(name, static_cast<std::uint32_t>(GetWindowLongPtrW(wnd, GWL_STYLE)));
}

AdapterPtr AdaptRawWindow(HWND wnd, TsSkinManager* manager) {
  if (!IsWindow(wnd) || IsSkinned(wnd) || AdapterOf(wnd)) return nullptr;
  const AdapterChoice choice = ChooseAdapterFor(wnd);
  AdapterPtr adapter = CreateWindowAdapter(choice.Kind, wnd, choice.Section, manager, nullptr);
  if (!adapter) return nullptr;
  adapter->InDialog = adapter->InDialog || choice.InDialog;
  if (choice.Kind != AdapterKind::DlgPanel) adapter->RefreshGeometry();
  return adapter;
}

}  // namespace folvane
