#pragma once
// Skinning of windows the program does not build from skinned components:
// a CBT hook on the main thread watches activation and destruction; an
// activated system dialog box gets a TvtDialogWnd, an activated form of the
// runtime without a provider of its own gets a TsSkinProvider. The default
// skin manager installs the hook with its skin and removes it with it.

#include <windows.h>

#include <memory>
#include <vector>

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TForm;
class TsSkinManager;
class TsSkinProvider;
class TvtDialogWnd;

// One skinned foreign window.
struct TvtProvider {
  HWND Window = nullptr;
  // Adapters of the dialog's child windows, freed before the dialog adapter.
  std::vector<AdapterPtr> Children;
  std::unique_ptr<TvtDialogWnd> DialogWnd;
  bool LeftScrollBar = false;
  // Made for a runtime form; the form owns it.
  TsSkinProvider* FormProvider = nullptr;
  TvtProvider();
  ~TvtProvider();
};

class TvtDialogHook {
 public:
  explicit TvtDialogHook(TsSkinManager& manager);
  ~TvtDialogHook();
  TvtDialogHook(const TvtDialogHook&) = delete;
  TvtDialogHook& operator=(const TvtDialogHook&) = delete;

  // The hook of the default manager, or nullptr.
  static TvtDialogHook* Current();
  bool Installed() const { return hook_ != nullptr; }
  size_t ProviderCount() const;
  TvtProvider* ProviderFor(HWND wnd) const;

  // Skins a window that has just been activated; true when it was taken.
  bool SkinActivatedWindow(HWND wnd);

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp);
  void WindowDestroyed(HWND wnd);
  bool SkinForm(TForm* form, HWND wnd);
  bool SkinDialogWindow(TvtProvider& provider, HWND wnd);
  bool ForeignDialogVisible() const;
  bool SkinChildren(TvtProvider& provider, HWND wnd);
  bool SkinChildWindow(TvtProvider& provider, HWND child);

  TsSkinManager* manager_;
  HHOOK hook_ = nullptr;
  std::vector<std::unique_ptr<TvtProvider>> providers_;
  // The windows being skinned (one more for each re-entry through the
  // hook): their destruction meanwhile is noted, not carried out.
  struct Busy {
    HWND Window;
    bool Destroyed;
  };
  std::vector<Busy> busy_;
  bool IsBusy(HWND wnd) const;
};

// Fills the manager's dialog-hook seams: the default manager installs the
// hook with a newly loaded skin and removes it with its skin.
void InstallDialogSkinning();

}  // namespace folvane
