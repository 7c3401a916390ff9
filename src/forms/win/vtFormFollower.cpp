#include "forms/win/vtFormFollower.h"

#include "runtime/win/Form.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

TvtFormFollower::TvtFormFollower(TForm* form, TsSkinManager* manager)
    : TComponent(form), form_(form), adapter_(std::make_unique<TvtCtrlAdapter>(form, manager)) {
  Tag = -98;
  saved_ = form_->WindowProc;
  form_->WindowProc = [this](Message& m) { HandleMessage(m); };
  adapter_->AdaptAll();
}

TvtFormFollower::~TvtFormFollower() {
  // A form being destroyed has already taken its windows (and with them
  // the adapters' hooks) down; its procedure is no longer ours to restore.
  if (!form_->Destroying()) form_->WindowProc = saved_;
  adapter_.reset();
}

void TvtFormFollower::HandleMessage(Message& m) {
  if (m.msg == SM_VANTILECMD && SkinCommandCode(m.wParam) == SKC_REMOVESKIN)
    adapter_->Broadcast(m.msg, m.wParam, m.lParam);
  saved_(m);
  if (Destroying() || form_->Destroying()) return;
  switch (m.msg) {
    case WM_PARENTNOTIFY:
      if (LOWORD(m.wParam) == WM_CREATE) adapter_->AdaptAll();
      break;
    case WM_SHOWWINDOW:
      if (m.wParam) adapter_->AdaptAll();
      break;
    case CM_SHOWINGCHANGED:
      adapter_->AdaptAll();
      break;
    case SM_VANTILECMD:
      FollowSkinCommand(m);
      break;
    default:
      break;
  }
}

void TvtFormFollower::FollowSkinCommand(const Message& m) {
  switch (SkinCommandCode(m.wParam)) {
    case SKC_ADAPTCONTROL: {
      // Only a windowed control of this form is walked: the pointer comes
      // from a message.
      auto* control = reinterpret_cast<TControl*>(m.lParam);
      TWinControl* root = nullptr;
      for (TComponent* c : form_->Components())
        if (c == control) root = dynamic_cast<TWinControl*>(control);
      if (root) adapter_->AdaptAll(root);
      break;
    }
    case SKC_NEWSKIN:
      adapter_->AdaptAll();
      break;
    case SKC_REFRESH:
      adapter_->AdaptAll();
      adapter_->Broadcast(m.msg, m.wParam, m.lParam);
      break;
    case SKC_REMOVESKIN:
      adapter_->Clear();
      break;
    default:
      break;
  }
}

}  // namespace folvane
