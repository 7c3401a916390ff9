#include "shell/win/sTreeView.h"

#include <commctrl.h>

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
