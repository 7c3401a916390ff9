#include "skin/win/SkinCommands.h"

#include <algorithm>

#include "runtime/win/Application.h"
#include "runtime/win/Form.h"

namespace folvane {

bool SkinLoading = false;
bool SkinAnnouncing = false;
bool SkinRemoving = false;
bool FormAnimating = false;

namespace {

// The name is registered as the platform's message registry knows it; the
// number it answers is not used, the message keeps its fixed value.
const UINT kRegistered = RegisterWindowMessageW(L"SM_VANTILECMD");

bool OwnThreadWindow(HWND wnd) {
  return wnd && IsWindow(wnd) && GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId();
}

void Deliver(TWinControl* form, Message& m) {
  if (form->HandleAllocated()) {
    m.result = SendMessageW(form->Handle(), m.msg, m.wParam, m.lParam);
  } else {
    form->WindowProc(m);
  }
  SkinChildWalk(form, m);
}

}  // namespace

std::vector<TForm*>& SkinnedForms() {
  static std::vector<TForm*> forms;
  return forms;
}

void AddSkinnedForm(TForm* form) { SkinnedForms().push_back(form); }

void RemoveSkinnedForm(TForm* form) {
  auto& list = SkinnedForms();
  auto it = std::find(list.begin(), list.end(), form);
  if (it == list.end()) return;
  *it = list.back();
  list.pop_back();
}

LRESULT SendSkinCommand(HWND wnd, WORD code, LPARAM arg, WORD low) {
  (void)kRegistered;
  if (!OwnThreadWindow(wnd)) return 0;
  return SendMessageW(wnd, SM_VANTILECMD, SkinCommandWParam(code, low), arg);
}

LRESULT SendSkinCommand(TControl* control, WORD code, LPARAM arg, WORD low) {
  if (!control || control->Destroying()) return 0;
  if (control->IsWindowed()) {
    auto* w = static_cast<TWinControl*>(control);
    return w->HandleAllocated() ? SendSkinCommand(w->Handle(), code, arg, low) : 0;
  }
  return control->Perform(SM_VANTILECMD, SkinCommandWParam(code, low), arg);
}

bool IsSkinned(HWND wnd) { return SendSkinCommand(wnd, SKC_ISSKINNED) == 1; }

bool IsOwnSkinWindow(HWND wnd) {
  return OwnThreadWindow(wnd) &&
         (TWinControl::FromHandle(wnd) != nullptr || GetPropW(wnd, kSkinnedWindowProp) != nullptr);
}

LRESULT SendSkinQuery(HWND wnd, WORD code, LPARAM arg, WORD low) {
  return IsOwnSkinWindow(wnd) ? SendSkinCommand(wnd, code, arg, low) : 0;
}

void SkinChildWalk(TWinControl* control, Message& m) {
  // Indexes, re-checked on every step: a receiver may change the list.
  for (size_t i = 0; i < control->Controls().size(); ++i) {
    TControl* child = control->Controls()[i];
    if (child->Destroying()) return;
    if (!child->IsWindowed() || !static_cast<TWinControl*>(child)->HandleAllocated()) {
      child->WindowProc(m);
      continue;
    }
    auto* windowed = static_cast<TWinControl*>(child);
    if (IsSkinned(windowed->Handle())) {
      SendMessageW(windowed->Handle(), m.msg, m.wParam, m.lParam);
    } else {
      SkinChildWalk(windowed, m);
    }
  }
}

void BroadcastSkinCommand(WORD code, LPARAM arg, WORD low) {
  if (Application) {
    const auto& components = Application->Components();
    for (size_t i = components.size(); i-- > 0;) {
      if (i >= components.size()) continue;  // the list shrank under us
      auto* form = dynamic_cast<TForm*>(components[i]);
      if (!form || form->Destroying() || form->Loading()) continue;
      if (form->HandleAllocated() && IsSkinned(form->Handle())) continue;
      Message m{SM_VANTILECMD, SkinCommandWParam(code, low), arg, 0};
      Deliver(form, m);
    }
  }
  auto& skinned = SkinnedForms();
  for (size_t i = 0; i < skinned.size(); ++i) {
    TForm* form = skinned[i];
    if (!form || form->Destroying()) continue;
    Message m{SM_VANTILECMD, SkinCommandWParam(code, low), arg, 0};
    Deliver(form, m);
  }
}

namespace {

struct Pass {
  HWND parent;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

BOOL CALLBACK PassToChild(HWND child, LPARAM lp) {
  auto* p = reinterpret_cast<Pass*>(lp);
  if (GetParent(child) == p->parent && OwnThreadWindow(child))
    SendMessageW(child, p->msg, p->wParam, p->lParam);
  return TRUE;
}

}  // namespace

void PassToChildWindows(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Pass pass{wnd, msg, wParam, lParam};
  EnumChildWindows(wnd, PassToChild, reinterpret_cast<LPARAM>(&pass));
}

}  // namespace folvane
