#pragma once
// TvtFormFollower: keeps the control adapter of a form without a skin
// provider in step with the form - it walks the form when the form shows,
// when a child window is made, when a control asks for its children
// (SKC_ADAPTCONTROL) and when the skin changes, and passes skin refreshes
// and removal on to the adapted windows. A form's skin provider does the
// same itself and needs none.
//
// Owned by the form (a component), so it goes with it.

#include <memory>

#include "forms/win/vtCtrlAdapter.h"
#include "runtime/win/Component.h"

namespace folvane {

class TvtFormFollower : public TComponent {
 public:
  explicit TvtFormFollower(TForm* form, TsSkinManager* manager = nullptr);
  ~TvtFormFollower() override;
  const wchar_t* ClassName() const override { return L"TvtFormFollower"; }

  TvtCtrlAdapter& Adapter() { return *adapter_; }

 private:
  void HandleMessage(Message& m);
  void FollowSkinCommand(const Message& m);

  TForm* form_;
  std::unique_ptr<TvtCtrlAdapter> adapter_;
  std::function<void(Message&)> saved_;
};

}  // namespace folvane
