#include "skin/win/sSkinManager.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "runtime/win/Application.h"
#include "runtime/win/Form.h"
#include "skin/CommonSections.h"
#include "skin/SkinDirectory.h"
#include "skin/SkinLoader.h"

namespace folvane {

namespace {

TsSkinManager* primaryManager = nullptr;

std::vector<const TsSkinManager*>& LiveManagers() {
  static std::vector<const TsSkinManager*> live;
  return live;
}

// wchar_t is 16 bits wide on Windows: the two string kinds hold the same
// code units.
std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }
std::wstring Wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

std::wstring Widen(const std::string& s) {
  std::wstring out;
  out.reserve(s.size());
  for (unsigned char c : s) out.push_back(static_cast<wchar_t>(c));
  return out;
}

struct ThirdPartyNames {
  const wchar_t* property;
  const wchar_t* shortName;
  const wchar_t* defaults;
};

constexpr ThirdPartyNames kThirdParty[kThirdPartyCount] = {
    {L"ThirdEdits", L"Edit",
     L"TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\nTCheckListBox\r\n"
     L"TRichEdit\r\nTDateTimePicker"},
    {L"ThirdButtons", L"Button", L"TButton"},
    {L"ThirdBitBtns", L"BitBtn", L"TBitBtn"},
    {L"ThirdCheckBoxes", L"CheckBox", L"TCheckBox\r\nTRadioButton\r\nTGroupButton"},
    {L"ThirdComboBoxes", L"ComboBox", L"TComboBox\r\nTColorBox"},
    {L"ThirdGrids", L"Grid", L"TStringGrid\r\nTDrawGrid"},
    {L"ThirdGroupBoxes", L"GroupBox", L"TGroupBox\r\nTRadioGroup"},
    {L"ThirdListViews", L"ListView", L"TListView"},
    {L"ThirdPanels", L"Panel", L"TPanel"},
    {L"ThirdTreeViews", L"TreeView", L"TTreeView"},
    {L"ThirdWWEdits", L"wwEdit", L" "},
    {L"ThirdGridEh", L"GridEh", L" "},
    {L"ThirdVirtualTrees", L"VirtualTree", L" "},
    {L"ThirdPageControl", L"PageControl", L"TPageControl"},
    {L"ThirdTabControl", L"TabControl", L"TTabControl"},
    {L"ThirdToolBar", L"ToolBar", L"TToolBar"},
    {L"ThirdStatusBar", L"StatusBar", L"TStatusBar"},
};

const ThirdPartyNames& ThirdPartyAt(int index) {
  static const ThirdPartyNames none{L"", L"", L""};
  return index >= 0 && index < kThirdPartyCount ? kThirdParty[index] : none;
}

// "A\r\nB" into {"A", "B"}; blank lines (the single blank of an empty list)
// are dropped.
std::vector<std::wstring> SplitClassList(const std::wstring& text) {
  std::vector<std::wstring> names;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (line.find_first_not_of(L' ') != std::wstring::npos) names.push_back(std::move(line));
    start = end + 2;
  }
  return names;
}

std::wstring JoinClassList(const std::vector<std::wstring>& names) {
  if (names.empty()) return L" ";
  std::wstring text;
  for (const auto& name : names) {
    if (!text.empty()) text += L"\r\n";
    text += name;
  }
  return text;
}

bool TopLevelVisibleForm(TForm* form) {
  // The Visible property, not the window style: WM_SETREDRAW 0 clears
  // WS_VISIBLE while the screen keeps showing the form.
  return form && !form->Destroying() && !form->Parent() && form->HandleAllocated() &&
         form->Visible();
}

}  // namespace

const wchar_t* ThirdPartyPropertyName(int index) { return ThirdPartyAt(index).property; }
const wchar_t* ThirdPartyShortName(int index) { return ThirdPartyAt(index).shortName; }
const wchar_t* ThirdPartyDefault(int index) { return ThirdPartyAt(index).defaults; }

TvtBtnEvents& DefaultButtonEvents() {
  static TvtBtnEvents events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
  return events;
}

SkinManagerSeams& ManagerSeams() {
  static SkinManagerSeams seams;
  return seams;
}

SkinProviderLink* ProviderOf(TForm* form) {
  if (!form || form->Destroying() || !form->HandleAllocated()) return nullptr;
  return reinterpret_cast<SkinProviderLink*>(SendSkinQuery(form->Handle(), SKC_GETPROVIDER));
}

TsSkinManager* TsSkinManager::PrimaryManager() { return primaryManager; }

bool TsSkinManager::IsLive(const TsSkinManager* manager) {
  const auto& live = LiveManagers();
  return manager && std::find(live.begin(), live.end(), manager) != live.end();
}

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner) {
  LiveManagers().push_back(this);
  if (!primaryManager) BecomePrimary();
  FillThirdPartyLists();
  if (skinDirectory_.empty()) skinDirectory_ = L"c:\\Skins";
}

TsSkinManager::~TsSkinManager() {
  MarkDestroying();
  // Switching off tells every window to let go of this manager's skin.
  if (active_) {
    active_ = false;
    AnnounceRemoval();
  }
  if (primaryManager == this) ReleasePrimary();
  menus_.reset();
  for (int i = 0; i < kThirdPartyCount; ++i)
    thirdParty_[i] = JoinClassList(thirdPartyClasses_[static_cast<size_t>(i)]);
  auto& live = LiveManagers();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

void TsSkinManager::BecomePrimary() {
  primaryManager = this;
  DefaultButtonEvents() = animEffects_.Buttons.Events;
  InstallMainWindowHook();
}

void TsSkinManager::ReleasePrimary() {
  RemoveMainWindowHook();
  RemoveDialogHook();
  primaryManager = nullptr;
}

void TsSkinManager::FillThirdPartyLists() {
  for (int i = 0; i < kThirdPartyCount; ++i) {
    if (thirdParty_[i].empty()) thirdParty_[i] = ThirdPartyDefault(i);
    thirdPartyClasses_[static_cast<size_t>(i)] = SplitClassList(thirdParty_[i]);
  }
}

const std::vector<std::wstring>& TsSkinManager::ThirdPartyClasses(int index) const {
  static const std::vector<std::wstring> none;
  return index >= 0 && index < kThirdPartyCount ? thirdPartyClasses_[static_cast<size_t>(index)]
                                                : none;
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) skinDirectory_ = L"c:\\Skins";
  if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = "ICOLINE";
  FillThirdPartyLists();
  if (active_ && !skinName_.empty()) AnnounceNewSkin(false);
}

std::wstring TsSkinManager::SkinInfo() const {
  if (!active_ || !model_.Loaded()) return L"N/A";
  return Widen(SkinVersionText(model_.SkinData().Version));
}

// --- properties

TvtBtnEvents TsSkinManager::ButtonEvents() const {
  return primaryManager == this ? DefaultButtonEvents() : animEffects_.Buttons.Events;
}

void TsSkinManager::SetButtonEvents(TvtBtnEvents events) {
  animEffects_.Buttons.Events = events;
  if (primaryManager == this) DefaultButtonEvents() = events;
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value) {
    ChangeSkin();
  } else if (Loading()) {
    model_.Clear();
  } else {
    AnnounceRemoval();
  }
}

void TsSkinManager::SetSkinName(const std::wstring& name) {
  skinName_ = name;
  if (active_) ChangeSkin();
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines) {
  commonSections_ = NormalizeCommonSections(lines);
  SetSkinName(skinName_);
}

void TsSkinManager::SetInternalSkins(const TsStoredSkins& skins) { internalSkins_ = skins; }

void TsSkinManager::SetSkinDirectory(const std::wstring& value) {
  if (value == skinDirectory_) return;
  skinDirectory_ = value;
  model_.SkinData().SkinPath = ResolveSkinDirectory(U16(value), ProgramFolder());
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == hueOffset_) return;
  hueOffset_ = value;
  ReloadForRecolour();
}

void TsSkinManager::SetSaturation(int value) {
  if (value == saturation_) return;
  saturation_ = value;
  ReloadForRecolour();
}

void TsSkinManager::SetSkinnedPopups(bool value) {
  if (value == skinnedPopups_) return;
  skinnedPopups_ = value;
  if (primaryManager != this) return;
  if (value) {
    InstallMainWindowHook();
    if (ManagerSeams().SkinPopupMenus) ManagerSeams().SkinPopupMenus(*this);
  } else {
    RemoveMainWindowHook();
  }
}

void TsSkinManager::SetIsDefault(bool value) {
  if (!value && primaryManager) return;  // the default stays the default
  if (primaryManager == this) return;
  if (primaryManager) primaryManager->ReleasePrimary();
  BecomePrimary();
  if (active_) {
    AnnounceNewSkin(true);
  } else {
    AnnounceRemoval();
  }
}

void TsSkinManager::SetHotWindow(HWND window) {
  if (window == hotWindow_) return;
  const HWND previous = hotWindow_;
  hotWindow_ = window;
  const LPARAM self = reinterpret_cast<LPARAM>(this);
  if (previous && IsWindow(previous)) SendSkinCommand(previous, SKC_CTRLDEACTIVATED, self);
  if (window && IsWindow(window)) SendSkinCommand(window, SKC_CTRLACTIVATED, self);
}

MenuSkinningLink* TsSkinManager::SkinableMenus() {
  if (!menus_ && ManagerSeams().CreateMenuSkinning && !Destroying())
    menus_ = ManagerSeams().CreateMenuSkinning(*this);
  return menus_.get();
}

void TsSkinManager::WindowDestroyed(HWND window) {
  if (window && window == hotWindow_) hotWindow_ = nullptr;
}

// --- loading

std::u16string TsSkinManager::ProgramFolder() const {
  wchar_t path[MAX_PATH * 2] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring folder(path, n);
  folder.erase(folder.find_last_of(L'\\') + 1);
  return U16(folder);
}

SkinLoadSettings TsSkinManager::LoadSettings() const {
  SkinLoadSettings settings;
  settings.HueOffset = hueOffset_;
  settings.Saturation = saturation_;
  settings.CommonSections = commonSections_;
  return settings;
}

SkinLoadResult TsSkinManager::LoadByName() {
  const SkinLocation where{U16(skinDirectory_), ProgramFolder(), &internalSkins_};
  const SkinChoice choice = LoadSkinByName(model_, U16(skinName_), where, LoadSettings());
  if (choice.Origin == SkinOrigin::None) return SkinLoadResult::NotFound;
  // An unknown name fell back to the first internal skin: it takes its name.
  skinName_ = Wide(choice.SkinName);
  if (!choice.Outcome.Loaded()) ShowArchiveWarning(choice.Outcome.Message);
  return choice.Outcome.Result;
}

void TsSkinManager::ShowArchiveWarning(const std::string& text) {
  if (text.empty()) return;
  const std::wstring message = Widen(text);
  if (Application) {
    Application->ShowMessageBox(message, L"Warning", MB_OK | MB_ICONWARNING);
  } else {
    MessageBoxW(nullptr, message.c_str(), L"Warning", MB_OK | MB_ICONWARNING);
  }
}

void TsSkinManager::ChangeSkin() {
  if (OnBeforeChange) OnBeforeChange(this);
  {
    FlagScope loading(SkinLoading);
    const bool wasActive = model_.SkinData().Active;
    model_.SkinData().Active = false;
    SkinLoadResult result;
    try {
      result = LoadByName();
    } catch (...) {
      // The model is built aside and taken over only whole: the previous
      // skin is still in place, and still in use.
      model_.SkinData().Active = wasActive;
      throw;
    }
    switch (result) {
      case SkinLoadResult::Loaded:
        if (!Loading()) AnnounceNewSkin(true);
        break;
      case SkinLoadResult::NotFound:
        // Nothing to skin with: switch off.
        active_ = false;
        if (Loading()) {
          model_.Clear();
        } else {
          AnnounceRemoval();
        }
        break;
      default:
        // A rejected archive: the previous skin stays loaded and announced;
        // nothing changes on screen.
        model_.SkinData().Active = wasActive;
        break;
    }
  }
  if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::ReloadForRecolour() {
  if (!active_ || !model_.Loaded()) return;
  {
    FlagScope loading(SkinLoading);
    if (LoadByName() != SkinLoadResult::Loaded) return;
  }
  if (!Loading()) RefreshAllWindows();
}

// --- announcements

void TsSkinManager::AnnounceNewSkin(bool withRefresh) {
  if (Loading()) return;
  if (withRefresh) BeforeChangeStep();
  if (ManagerSeams().ResetMenuBorderWidth) ManagerSeams().ResetMenuBorderWidth();
  model_.SkinData().Active = false;
  {
    FlagScope announcing(SkinAnnouncing);
    model_.RefreshCachedIndexes();
    BroadcastSkinCommand(SKC_NEWSKIN, reinterpret_cast<LPARAM>(this));
  }
  model_.SkinData().Active = true;
  if (primaryManager == this) InstallDialogHook();
  if (ManagerSeams().MenuSkinChanged) ManagerSeams().MenuSkinChanged(*this, true);
  if (withRefresh) RefreshAllWindows();
}

void TsSkinManager::RefreshAllWindows() {
  BroadcastSkinCommand(SKC_STOPANIMATION);
  if (Loading()) {
    BroadcastSkinCommand(SKC_REFRESH, reinterpret_cast<LPARAM>(this));
    return;
  }
  BeforeChangeStep();
  try {
    BroadcastSkinCommand(SKC_REFRESH, reinterpret_cast<LPARAM>(this));
  } catch (...) {
    AfterChangeStep();
    throw;
  }
  AfterChangeStep();
}

void TsSkinManager::AnnounceRemoval() {
  FlagScope removing(SkinRemoving);
  RemoveDialogHook();
  model_.SkinData().Active = false;
  if (ManagerSeams().MenuSkinChanged) ManagerSeams().MenuSkinChanged(*this, false);
  BroadcastSkinCommand(SKC_REMOVESKIN, reinterpret_cast<LPARAM>(this));
  model_.Clear();
}

void TsSkinManager::BeforeChangeStep() {
  if (primaryManager == this && animEffects_.SkinChanging.Active) FormAnimating = true;
  const std::vector<TForm*> forms = SkinnedForms();  // a receiver may change the list
  for (TForm* form : forms) {
    if (!TopLevelVisibleForm(form)) continue;
    SkinProviderLink* provider = ProviderOf(form);
    if (provider && provider->UsedManager() == this)
      SendMessageW(form->Handle(), WM_SETREDRAW, FALSE, 0);
  }
}

void TsSkinManager::AfterChangeStep() {
  if (primaryManager == this) FormAnimating = false;
  const std::vector<TForm*> forms = SkinnedForms();
  for (TForm* form : forms) {
    // A form closed by an earlier step is no longer in the live list.
    const auto& live = SkinnedForms();
    if (std::find(live.begin(), live.end(), form) == live.end()) continue;
    if (!TopLevelVisibleForm(form)) continue;
    SkinProviderLink* provider = ProviderOf(form);
    if (!provider || provider->UsedManager() != this) continue;
    if (animEffects_.SkinChanging.Active && ManagerSeams().AnimateWindowChange)
      ManagerSeams().AnimateWindowChange(form, animEffects_.SkinChanging.Time);
    SendMessageW(form->Handle(), WM_SETREDRAW, TRUE, 0);
    if (LOBYTE(LOWORD(GetVersion())) < 6) SetWindowRgn(form->Handle(), nullptr, TRUE);
    provider->RebuildFrameAndRegion();
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
  }
}

// --- hooks

void TsSkinManager::InstallMainWindowHook() {
  if (mainWindowHookId_ || !skinnedPopups_ || !Application) return;
  mainWindowHookId_ = Application->HookMainWindow([this](Message& m) { return MainWindowHook(m); });
}

void TsSkinManager::RemoveMainWindowHook() {
  if (!mainWindowHookId_) return;
  if (Application) Application->UnhookMainWindow(mainWindowHookId_);
  mainWindowHookId_ = 0;
}

bool TsSkinManager::MainWindowHook(Message& m) {
  switch (m.msg) {
    case WM_THEMECHANGED:
      m.result = 0;
      return true;
    case kMenuItemPainted:
    case kMenuWindowFound:
      // The popup-menu layer finds the popup window that shows the item
      // (or takes the window given) and skins it.
      if (!ManagerSeams().MenuWindowMessage) return false;
      ManagerSeams().MenuWindowMessage(*this, m);
      return true;
    default:
      return false;
  }
}

void TsSkinManager::InstallDialogHook() {
  if (dialogHook_ || !ManagerSeams().InstallDialogHook) return;
  ManagerSeams().InstallDialogHook(*this);
  dialogHook_ = true;
}

void TsSkinManager::RemoveDialogHook() {
  if (!dialogHook_) return;
  dialogHook_ = false;
  if (ManagerSeams().RemoveDialogHook) ManagerSeams().RemoveDialogHook(*this);
}

}  // namespace folvane
