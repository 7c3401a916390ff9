#pragma once
// TsSkinManager: the component that owns the active skin. It chooses a skin
// by name (packed file, skin folder or internal skin), loads it into the
// skin model, recolours it, and announces every change to all windows with
// the skin command message. One manager is the process-wide
// PrimaryManager, used by every skinned control without a manager of its
// own.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/win/Component.h"
#include "skin/SkinLoader.h"
#include "skin/SkinModel.h"
#include "skin/StoredSkin.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

class TBitmap;
class TForm;
class TMenuItem;
class TsSkinManager;

// Which button events animate (TvtBtnEvents).
enum TvtBtnEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };
using TvtBtnEvents = unsigned;

struct TvtFormAnimation {
  bool Active = true;
  WORD Time = 0;
};

struct TvtAnimEffects {
  struct {
    TvtBtnEvents Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
  } Buttons;
  TvtFormAnimation DialogShow{true, 100};
  TvtFormAnimation FormShow{true, 0};
  TvtFormAnimation PageChange{true, 0};
  TvtFormAnimation SkinChanging{true, 100};
};

// The button events of the default manager, which the button fades read.
TvtBtnEvents& DefaultButtonEvents();

struct TvtMenuSupport {
  std::string IcoLineSkin = "ICOLINE";
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  // ExtraLineFont: name and height (the caption is drawn in the extra
  // line section's font colour).
  std::wstring ExtraLineFontName = L"Tahoma";
  int ExtraLineFontHeight = -11;
};

// What the extra line of a popup menu shows: its section, caption and glyph
// and whether it shows at all; the handler may change each of them.
using TvtGetExtraLineData =
    std::function<void(TMenuItem* firstItem, std::string& skinSection, std::wstring& caption,
                       std::unique_ptr<TBitmap>& glyph, bool& lineVisible)>;

// The manager's popup-menu object (TsSkinableMenus), made by the menu layer.
class MenuSkinningLink {
 public:
  virtual ~MenuSkinningLink() = default;
};

// Which foreign windows get skinned (TvtSkinningRules).
enum TvtSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TvtSkinningRules = unsigned;

// The class lists of ThirdParty, in index order (the order the control
// adapter uses, not the order of the properties' declaration).
enum ThirdPartyIndex : int {
  tpEdit, tpButton, tpBitBtn, tpCheckBox, tpComboBox, tpGrid, tpGroupBox, tpListView,
  tpPanel, tpTreeView, tpwwEdit, tpGridEh, tpVirtualTree, tpPageControl, tpTabControl,
  tpToolBar, tpStatusBar,
  kThirdPartyCount
};

// Each list is class names separated by CR LF; a single blank stands for an
// empty list.
struct ThirdPartyList {
  std::array<std::wstring, kThirdPartyCount> Lists;
  std::wstring& operator[](int index) { return Lists.at(static_cast<size_t>(index)); }
  const std::wstring& operator[](int index) const { return Lists.at(static_cast<size_t>(index)); }
};

const wchar_t* ThirdPartyPropertyName(int index);  // "ThirdEdits" ...
const wchar_t* ThirdPartyShortName(int index);     // "Edit" ...
const wchar_t* ThirdPartyDefault(int index);

// What a form's skin provider offers the manager through SKC_GETPROVIDER.
class SkinProviderLink {
 public:
  virtual ~SkinProviderLink() = default;
  virtual TsSkinManager* UsedManager() const = 0;
  // Rebuilds the form's frame, caption image and window region.
  virtual void RebuildFrameAndRegion() = 0;
};

// The provider of a form, when the form has one.
SkinProviderLink* ProviderOf(TForm* form);

// Work that belongs to later layers (menus, dialog skinning, window fades).
// Each is empty until the layer that does the work fills it in.
struct SkinManagerSeams {
  std::function<void()> ResetMenuBorderWidth;
  std::function<void(TsSkinManager&)> InstallDialogHook;
  std::function<void(TsSkinManager&)> RemoveDialogHook;
  std::function<void(TForm*, int time)> AnimateWindowChange;
  // The popup-menu object: the main-window hook hands it kMenuItemPainted
  // and kMenuWindowFound, and it re-skins every popup menu when
  // SkinnedPopups is switched on.
  std::function<void(TsSkinManager&, Message&)> MenuWindowMessage;
  std::function<void(TsSkinManager&)> SkinPopupMenus;
  // Makes the manager's popup-menu object; it is told when the manager's
  // skin becomes active (true) or inactive (false).
  std::function<std::unique_ptr<MenuSkinningLink>(TsSkinManager&)> CreateMenuSkinning;
  std::function<void(TsSkinManager&, bool active)> MenuSkinChanged;
};
SkinManagerSeams& ManagerSeams();

// Messages of the main-window hook that serves the popup menus.
constexpr UINT kMenuItemPainted = 0xBCB3;  // a menu item: find the popup showing it
constexpr UINT kMenuWindowFound = 0xBCB4;  // a popup window to skin

class TsSkinManager : public TComponent {
 public:
  explicit TsSkinManager(TComponent* owner);
  ~TsSkinManager() override;
  const wchar_t* ClassName() const override { return L"TsSkinManager"; }

  static TsSkinManager* PrimaryManager();
  // Whether `manager` is a manager that still exists (controls holding a
  // manager of their own check before they use it).
  static bool IsLive(const TsSkinManager* manager);
  static const wchar_t* Version() { return L"5.65"; }

  // --- published properties
  bool Active() const { return active_; }
  void SetActive(bool value);
  TvtAnimEffects& AnimEffects() { return animEffects_; }
  // AnimEffects.Buttons.Events: the default manager keeps it in the one
  // process-wide set the button fades read (DefaultButtonEvents).
  TvtBtnEvents ButtonEvents() const;
  void SetButtonEvents(TvtBtnEvents events);
  const std::vector<std::string>& CommonSections() const { return commonSections_; }
  void SetCommonSections(const std::vector<std::string>& lines);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  const TsStoredSkins& InternalSkins() const { return internalSkins_; }
  void SetInternalSkins(const TsStoredSkins& skins);
  bool IsDefault() const { return PrimaryManager() == this; }
  void SetIsDefault(bool value);
  TvtMenuSupport& MenuSupport() { return menuSupport_; }
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  const std::wstring& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::wstring& value);
  std::wstring SkinInfo() const;
  const std::wstring& SkinName() const { return skinName_; }
  void SetSkinName(const std::wstring& name);
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool value);
  TvtSkinningRules SkinningRules = srStdForms | srStdDialogs | srThirdParty;
  ThirdPartyList& ThirdParty() { return thirdParty_; }
  std::function<void(TsSkinManager*)> OnBeforeChange;
  std::function<void(TsSkinManager*)> OnAfterChange;
  TvtGetExtraLineData OnGetMenuExtraLineData;

  // --- run-time state
  const SkinModel& Model() const { return model_; }
  SkinModel& Model() { return model_; }
  bool SkinActive() const { return model_.SkinData().Active; }
  bool Packed() const { return model_.Packed(); }
  // The class names of list `index` (ThirdPartyIndex).
  const std::vector<std::wstring>& ThirdPartyClasses(int index) const;
  HWND HotWindow() const { return IsWindow(hotWindow_) ? hotWindow_ : nullptr; }
  // Tells the previous hot window it lost the active look (command 30) and
  // the new one it got it (command 29).
  void SetHotWindow(HWND window);
  // A window that goes away is never kept as HotWindow.
  void WindowDestroyed(HWND window);
  bool DialogHookInstalled() const { return dialogHook_; }
  // The popup-menu object (made on first use when the menu layer is in).
  MenuSkinningLink* SkinableMenus();

  // The announcements of a skin change; public for the forms that take a
  // dialog over and for tests.
  void AnnounceNewSkin(bool withRefresh);
  void RefreshAllWindows();
  void AnnounceRemoval();

 protected:
  void Loaded() override;

 private:
  void ChangeSkin();
  SkinLoadResult LoadByName();
  void ReloadForRecolour();
  void ShowArchiveWarning(const std::string& text);
  SkinLoadSettings LoadSettings() const;
  std::u16string ProgramFolder() const;
  void BeforeChangeStep();
  void AfterChangeStep();
  void FillThirdPartyLists();
  void BecomePrimary();
  void ReleasePrimary();
  void InstallMainWindowHook();
  void RemoveMainWindowHook();
  bool MainWindowHook(Message& m);
  void InstallDialogHook();
  void RemoveDialogHook();

  SkinModel model_;
  bool active_ = true;
  TvtAnimEffects animEffects_;
  std::vector<std::string> commonSections_;
  int hueOffset_ = 0;
  int saturation_ = 0;
  TsStoredSkins internalSkins_;
  TvtMenuSupport menuSupport_;
  std::wstring skinDirectory_;
  std::wstring skinName_;
  bool skinnedPopups_ = true;
  ThirdPartyList thirdParty_;
  std::array<std::vector<std::wstring>, kThirdPartyCount> thirdPartyClasses_;
  HWND hotWindow_ = nullptr;
  bool dialogHook_ = false;
  int mainWindowHookId_ = 0;
  std::unique_ptr<MenuSkinningLink> menus_;
};

}  // namespace folvane
