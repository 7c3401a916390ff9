#pragma once
// TsTreeView: the platform's tree view with a skin state and a bound label.
// It takes the colours of its section (unless CustomColor / CustomFont),
// goes back to the system's window colours when the skin is removed, and
// its label follows it. Its frame and scroll bars are skinned through a
// scroll-bar adapter while the skin is active.

#include <memory>

#include "controls/win/sBoundLabel.h"
#include "forms/win/vtMainWnd.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/TreeView.h"

namespace folvane {

class TsTreeView : public TTreeView {
 public:
  explicit TsTreeView(TComponent* owner);
  ~TsTreeView() override;
  const wchar_t* ClassName() const override { return L"TsTreeView"; }

  TsCommonData SkinData;
  TsBoundLabel BoundLabel;

  // Call once the control has its parent and properties (as forms do
  // after loading).
  void Loaded() override;
  // Attaches the skinned frame and bars, or gives the platform's back.
  void RefreshScrollBars();

 protected:
  void WndProc(Message& m) override;
  // The colour of the tree (and of its image list) changed.
  virtual void ColorsChanged();

 private:
  AdapterPtr scrollWnd_;
};

}  // namespace folvane
