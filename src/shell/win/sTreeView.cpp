#include "shell/win/sTreeView.h"

#include <commctrl.h>

#include "skin/win/SkinCommands.h"

namespace folvane {

TsTreeView::TsTreeView(TComponent* owner)
    : TTreeView(owner), SkinData(this, false), BoundLabel(this, &SkinData) {
  SkinData.ControlKind = kEditLikeKind;
  SkinData.SetSkinSection(L"EDIT");
}

TsTreeView::~TsTreeView() {
  MarkDestroying();
  BoundLabel.SetActive(false);
}

void TsTreeView::Loaded() {
  TTreeView::Loaded();
  SkinData.Loaded();
}

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
    default:
      break;
  }
}

}  // namespace folvane
