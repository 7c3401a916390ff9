#include "shell/win/sTreeView.h"

#include <commctrl.h>

#include "forms/win/vtScrollWnd.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

TsTreeView::TsTreeView(TComponent* owner)
    : TTreeView(owner), SkinData(this, false), BoundLabel(this, &SkinData) {
  SkinData.ControlKind = kEditLikeKind;
  SkinData.SetSkinSection(L"EDIT");
}

TsTreeView::~TsTreeView() {
  MarkDestroying();
  scrollWnd_.reset();
  BoundLabel.SetActive(false);
}

void TsTreeView::Loaded() {
  TTreeView::Loaded();
  SkinData.Loaded();
}

void TsTreeView::RefreshScrollBars() { RefreshControlScrollBars(SkinData, scrollWnd_); }

void TsTreeView::ColorsChanged() {
  if (HIMAGELIST list = Images()) ImageList_SetBkColor(list, ColorToRGB(Color()));
}

void TsTreeView::WndProc(Message& m) {
  if (SkinData.HandleMessage(m)) return;
  // A fading form paints every window from its own image meanwhile.
  if (m.msg == WM_NCPAINT && FormAnimating) return;
  BoundLabel.HandleControlMessage(m);
  TTreeView::WndProc(m);
  switch (m.msg) {
    case CM_COLORCHANGED:
      ColorsChanged();
      break;
    case WM_NCPAINT:
      ColorsChanged();
      break;
    case SM_VANTILECMD:
      switch (SkinCommandCode(m.wParam)) {
        case SKC_NEWSKIN:
        case SKC_REFRESH:
        case SKC_REMOVESKIN:
          RefreshScrollBars();
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
}

}  // namespace folvane
