#include "forms/win/vtDialogHook.h"

#include <algorithm>

#include "forms/win/sSkinProvider.h"
#include "forms/win/vtAdapterFactory.h"
#include "forms/win/vtDialogWnd.h"
#include "runtime/win/Application.h"
#include "runtime/win/Form.h"
#include "runtime/win/HandleCount.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

// The hook is thread-local to the main thread and there is one default
// manager: one hook for the process.
std::unique_ptr<TvtDialogHook>& HookInstance() {
  static std::unique_ptr<TvtDialogHook> hook;
  return hook;
}

constexpr int kFormTagUnskinned = -98;

std::wstring ClassNameOf(HWND wnd) {
  wchar_t name[129] = {};
  GetClassNameW(wnd, name, 129);
  return name;
}

bool AnswersSkinned(HWND wnd) {
  return SendMessageW(wnd, SM_VANTILECMD, SkinCommandWParam(SKC_ISSKINNED), 0) == 1;
}

TForm* RuntimeFormOf(HWND wnd) {
  if (!Application) return nullptr;
  for (TForm* form : Application->Forms())
    if (form && form->HandleAllocated() && form->Handle() == wnd) return form;
  return nullptr;
}

BOOL CALLBACK FindToolbar(HWND child, LPARAM data) {
  if (_wcsicmp(ClassNameOf(child).c_str(), L"toolbarwindow32") != 0) return TRUE;
  *reinterpret_cast<bool*>(data) = true;
  return FALSE;
}

// At any depth: EnumChildWindows walks the descendants too.
bool HasToolbar(HWND wnd) {
  bool found = false;
  EnumChildWindows(wnd, FindToolbar, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

TvtProvider::TvtProvider() = default;
TvtProvider::~TvtProvider() {
  // The children's adapters ask the dialog for their background while they let go.
  Children.clear();
  DialogWnd.reset();
}

TvtDialogHook::TvtDialogHook(TsSkinManager& manager) : manager_(&manager) {
  hook_ = SetWindowsHookExW(WH_CBT, Proc, nullptr, GetCurrentThreadId());
  if (hook_) HandleCount::Created(HandleKind::Hook);
}

TvtDialogHook::~TvtDialogHook() {
  if (hook_) {
    UnhookWindowsHookEx(hook_);
    HandleCount::Released(HandleKind::Hook);
  }
  for (auto& p : providers_) {
    if (p && p->FormProvider && IsWindow(p->Window)) delete p->FormProvider;
  }
  providers_.clear();
}

TvtDialogHook* TvtDialogHook::Current() { return HookInstance().get(); }

size_t TvtDialogHook::ProviderCount() const {
  return static_cast<size_t>(
      std::count_if(providers_.begin(), providers_.end(), [](const auto& p) { return p != nullptr; }));
}

TvtProvider* TvtDialogHook::ProviderFor(HWND wnd) const {
  for (const auto& p : providers_)
    if (p && p->Window == wnd) return p.get();
  return nullptr;
}

LRESULT CALLBACK TvtDialogHook::Proc(int code, WPARAM wp, LPARAM lp) {
  TvtDialogHook* self = Current();
  const LRESULT result = CallNextHookEx(self ? self->hook_ : nullptr, code, wp, lp);
  if (!self) return result;
  try {
    if (code == HCBT_DESTROYWND)
      self->WindowDestroyed(reinterpret_cast<HWND>(wp));
    else if (code == HCBT_ACTIVATE)
      self->SkinActivatedWindow(reinterpret_cast<HWND>(wp));
  } catch (...) {
    // A window left unskinned; the chain has already run.
  }
  return result;
}

bool TvtDialogHook::IsBusy(HWND wnd) const {
  for (const Busy& b : busy_)
    if (b.Window == wnd) return true;
  return false;
}

void TvtDialogHook::WindowDestroyed(HWND wnd) {
  for (Busy& b : busy_)
    if (b.Window == wnd) {
      b.Destroyed = true;
      return;
    }
  // The adapter lets go of the window while it still exists; the form
  // provider goes with its form.
  for (auto& p : providers_)
    if (p && !IsBusy(p->Window) && (p->Window == wnd || !IsWindow(p->Window))) p.reset();
  providers_.erase(std::remove(providers_.begin(), providers_.end(), nullptr), providers_.end());
}

bool TvtDialogHook::ForeignDialogVisible() const {
  for (const auto& p : providers_)
    if (p && p->DialogWnd && IsWindowVisible(p->Window)) return true;
  return false;
}

bool TvtDialogHook::SkinActivatedWindow(HWND wnd) {
  if (!wnd || IsBusy(wnd) || ProviderFor(wnd)) return false;
  TsSkinManager* manager = TsSkinManager::PrimaryManager();
  if (!manager || manager != manager_ || !manager->Active()) return false;
  if (AnswersSkinned(wnd)) return false;
  const std::wstring cls = ClassNameOf(wnd);
  if (cls == L"TApplication" || cls == L"TQRStandardPreview") return false;
  if (TForm* form = RuntimeFormOf(wnd)) return SkinForm(form, wnd);
  if (!(manager->SkinningRules & srStdDialogs)) return false;
  if (ForeignDialogVisible() && !HasToolbar(wnd)) return false;
  auto provider = std::make_unique<TvtProvider>();
  provider->Window = wnd;
  TvtProvider* raw = provider.get();
  providers_.push_back(std::move(provider));
  busy_.push_back({wnd, false});
  bool ok = false;
  try {
    ok = SkinDialogWindow(*raw, wnd);
  } catch (...) {
    ok = false;
  }
  bool destroyed = false;
  for (auto b = busy_.begin(); b != busy_.end(); ++b)
    if (b->Window == wnd) {
      destroyed = b->Destroyed;
      busy_.erase(b);
      break;
    }
  if (!ok || destroyed) {
    for (auto& p : providers_)
      if (p.get() == raw) p.reset();
    providers_.erase(std::remove(providers_.begin(), providers_.end(), nullptr),
                     providers_.end());
  }
  return ok && !destroyed;
}

bool TvtDialogHook::SkinForm(TForm* form, HWND wnd) {
  const bool message = _wcsicmp(form->ClassName(), L"TMessageForm") == 0;
  if (message ? !(manager_->SkinningRules & srStdDialogs)
              : (!(manager_->SkinningRules & srStdForms) || form->Tag == kFormTagUnskinned))
    return false;
  for (TComponent* c : form->Components())
    if (dynamic_cast<TsSkinProvider*>(c)) return false;
  auto provider = std::make_unique<TvtProvider>();
  provider->Window = wnd;
  TvtProvider* raw = provider.get();
  providers_.push_back(std::move(provider));
  auto* skin = new TsSkinProvider(form);
  skin->MakeSkinMenu = false;
  raw->FormProvider = skin;
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return true;
}

bool TvtDialogHook::SkinDialogWindow(TvtProvider& provider, HWND wnd) {
  provider.Window = wnd;
  provider.LeftScrollBar = (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  if (!manager_->Active()) return false;
  const std::wstring cls = ClassNameOf(wnd);
  if (cls != L"#32770" && cls != L"TMessageForm") return false;
  provider.DialogWnd = std::make_unique<TvtDialogWnd>(wnd, *manager_);
  if (!provider.DialogWnd->Subclassed()) return false;
  if (!SkinChildren(provider, wnd)) return false;
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return true;
}

// Depth first: a window's own children before the window.
bool TvtDialogHook::SkinChildren(TvtProvider& provider, HWND wnd) {
  for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!SkinChildren(provider, child)) return false;
    if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) && !SkinChildWindow(provider, child))
      return false;
  }
  return true;
}

bool TvtDialogHook::SkinChildWindow(TvtProvider& provider, HWND child) {
  // A property sheet of this exact size does not survive skinning.
  if (_wcsicmp(ClassNameOf(child).c_str(), L"systabcontrol32") == 0) {
    RECT r{};
    GetWindowRect(child, &r);
    if (r.right - r.left == 470 && r.bottom - r.top == 349) return false;
  }
  bool& adapting = AdaptingDialog();
  const bool was = std::exchange(adapting, true);
  AdapterPtr adapter = AdaptRawWindow(child, manager_);
  adapting = was;
  if (adapter) provider.Children.push_back(std::move(adapter));
  return true;
}

void InstallDialogSkinning() {
  SkinManagerSeams& seams = ManagerSeams();
  seams.InstallDialogHook = [](TsSkinManager& manager) {
    if (!HookInstance()) HookInstance() = std::make_unique<TvtDialogHook>(manager);
  };
  seams.RemoveDialogHook = [](TsSkinManager&) { HookInstance().reset(); };
}

}  // namespace folvane
