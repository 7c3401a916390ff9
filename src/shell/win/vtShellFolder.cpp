#include "shell/win/vtShellFolder.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

#include "runtime/win/Application.h"
#include "shell/ShellErrors.h"

namespace folvane {

namespace {

std::unique_ptr<TvtShellFolder>& DesktopSlot() {
  static std::unique_ptr<TvtShellFolder> desktop;
  return desktop;
}

// The desktop object is a process-wide cache: dropped when handle counts
// are taken, made again on the next use.
void DropDesktop() { DesktopSlot().reset(); }

IContextMenu2* g_contextMenu2 = nullptr;

HWND ApplicationWindow() { return Application ? Application->Handle() : nullptr; }

ComPtr<IShellFolder> DesktopShellFolder() {
  IShellFolder* raw = nullptr;
  if (FAILED(SHGetDesktopFolder(&raw))) return {};
  return ComPtr<IShellFolder>(raw);
}

// Errors boxes of the platform (an empty drive, a lost network) stay away
// while the shell looks at items.
class QuietErrors {
 public:
  QuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~QuietErrors() { SetErrorMode(old_); }

 private:
  UINT old_;
};

}  // namespace

const IdListAllocator& ShellIdListAllocator() {
  static const IdListAllocator shell{[](std::size_t n) { return CoTaskMemAlloc(n); },
                                     [](void* p) { CoTaskMemFree(p); }};
  return shell;
}

bool DirectoryExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ShellDisplayName(IShellFolder* folder, PCUIDLIST_RELATIVE item, SHGDNF flags) {
  if (!folder) return L"parentfolder = nil";
  STRRET str{};
  if (FAILED(folder->GetDisplayNameOf(reinterpret_cast<PCUITEMID_CHILD>(item), flags, &str)))
    return {};
  // StrRetToStrW converts all three forms (wide, offset into the list,
  // 8-bit) and frees the shell's string.
  wchar_t* text = nullptr;
  if (FAILED(StrRetToStrW(&str, reinterpret_cast<PCUITEMID_CHILD>(item), &text)) || !text)
    return {};
  std::wstring name = text;
  CoTaskMemFree(text);
  return CleanDisplayName(name);
}

int CompareShellIds(IShellFolder* folder, PCUIDLIST_RELATIVE a, PCUIDLIST_RELATIVE b) {
  if (!folder) return 0;
  const HRESULT hr = folder->CompareIDs(0, a, b);
  if (FAILED(hr)) return 0;
  return static_cast<short>(HRESULT_CODE(hr));
}

TvtShellFolder& TvtShellFolder::Desktop() {
  auto& slot = DesktopSlot();
  if (!slot) {
    static const bool registered = (HandleCount::AddCache(DropDesktop), true);
    (void)registered;
    IdList id = AllocateIdList(2, ShellIdListAllocator());  // the desktop's empty list
    slot.reset(new TvtShellFolder(nullptr, DesktopShellFolder(), id.Get()));
  }
  return *slot;
}

TvtShellFolder::TvtShellFolder(TvtShellFolder* parent, ComPtr<IShellFolder> shellFolder,
                               const void* relativeId)
    : parent_(parent), shellFolder_(std::move(shellFolder)) {
  const IdListAllocator& shell = ShellIdListAllocator();
  relativeId_ = CopyIdList(relativeId, shell);
  if (parent) {
    parentFolder_ = ComPtr<IShellFolder>::Share(parent->ShellFolder());
    absoluteId_ = ConcatIdLists(parent->AbsoluteID(), relativeId, shell);
    level_ = parent->Level() + 1;
  } else {
    // The desktop's own list is empty: the absolute list is the relative one.
    parentFolder_ = DesktopShellFolder();
    absoluteId_ = CopyIdList(relativeId, shell);
    level_ = IdListCount(relativeId) > 0 ? 1 : 0;
  }
}

TvtShellFolder* TvtShellFolder::Parent() const { return parent_ ? parent_ : &Desktop(); }

IShellFolder* TvtShellFolder::ParentShellFolder() const { return parentFolder_.Get(); }

std::wstring TvtShellFolder::NameOf(SHGDNF flags) const {
  return ShellDisplayName(ParentShellFolder(), RelativeID(), flags);
}

std::wstring TvtShellFolder::Path() const {
  TvtShellFolder& desktop = Desktop();
  return ShellDisplayName(desktop.ShellFolder(), AbsoluteID(), SHGDN_FORPARSING);
}

std::wstring TvtShellFolder::DisplayName(TvtShowExtension showExt) const {
  const std::wstring parsing = showExt == TvtShowExtension::seSystem ? L"" : Path();
  auto rule = [&](const std::wstring& name) {
    return ApplyShowExtension(name, parsing, FileExists(parsing), showExt);
  };
  std::wstring name = rule(NameOf(SHGDN_INFOLDER));
  if (IsVirtualParsingName(name)) name = rule(NameOf(SHGDN_NORMAL));
  return name;
}

SFGAOF TvtShellFolder::Attributes(SFGAOF wanted) const {
  IShellFolder* parent = ParentShellFolder();
  if (!parent) return 0;
  SFGAOF attrs = wanted;
  PCUITEMID_CHILD item = reinterpret_cast<PCUITEMID_CHILD>(RelativeID());
  if (FAILED(parent->GetAttributesOf(1, &item, &attrs))) return 0;
  return attrs & wanted;
}

unsigned TvtShellFolder::Properties() const {
  static const SFGAOF bits[] = {SFGAO_HIDDEN, SFGAO_LINK, SFGAO_READONLY, SFGAO_SHARE,
                                SFGAO_FILESYSTEM, SFGAO_FILESYSANCESTOR, SFGAO_REMOVABLE,
                                SFGAO_VALIDATE};
  SFGAOF all = 0;
  for (SFGAOF b : bits) all |= b;
  const SFGAOF got = Attributes(all);
  unsigned out = 0;
  for (unsigned i = 0; i < 8; ++i)
    if (got & bits[i]) out |= 1u << i;
  return out;
}

unsigned TvtShellFolder::Capabilities() const {
  static const SFGAOF bits[] = {SFGAO_CANCOPY, SFGAO_CANDELETE, SFGAO_CANLINK, SFGAO_CANMOVE,
                                SFGAO_CANRENAME, SFGAO_DROPTARGET, SFGAO_HASPROPSHEET};
  SFGAOF all = 0;
  for (SFGAOF b : bits) all |= b;
  const SFGAOF got = Attributes(all);
  unsigned out = 0;
  for (unsigned i = 0; i < 7; ++i)
    if (got & bits[i]) out |= 1u << i;
  return out;
}

bool TvtShellFolder::IsFolder(bool allowZip) const {
  if (!allowZip) {
    const std::wstring name = NameOf(SHGDN_INFOLDER | SHGDN_FORPARSING);
    std::wstring ext = FileExtension(name);
    if (!name.empty() && SameText(ext, L".zip")) return false;
  }
  return Attributes(SFGAO_FOLDER) != 0;
}

bool TvtShellFolder::HasSubFolder() const { return Attributes(SFGAO_HASSUBFOLDER) != 0; }

bool TvtShellFolder::IsShared() const { return Attributes(SFGAO_SHARE) != 0; }

bool TvtShellFolder::HasSubItems(unsigned enumFlags) const {
  if (!shellFolder_) return false;
  QuietErrors quiet;
  IEnumIDList* raw = nullptr;
  if (shellFolder_->EnumObjects(nullptr, enumFlags, &raw) != S_OK || !raw) return false;
  ComPtr<IEnumIDList> items(raw);
  PITEMID_CHILD item = nullptr;
  ULONG fetched = 0;
  const bool any = items->Next(1, &item, &fetched) == S_OK && fetched == 1;
  if (item) CoTaskMemFree(item);
  return any;
}

int TvtShellFolder::ImageIndex(bool open) const {
  SHFILEINFOW info{};
  UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
  if (open) flags |= SHGFI_OPENICON;
  if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(AbsoluteID()), 0, &info, sizeof(info), flags))
    return -1;
  return info.iIcon;
}

bool TvtShellFolder::Rename(const std::wstring& newName, HWND owner) {
  if (!(Capabilities() & scCanRename)) return false;
  IShellFolder* parent = ParentShellFolder();
  PITEMID_CHILD renamed = nullptr;
  if (!parent || FAILED(parent->SetNameOf(owner, reinterpret_cast<PCUITEMID_CHILD>(RelativeID()),
                                          newName.c_str(), SHGDN_NORMAL, &renamed)))
    throw EShellError(RenameFailedText(newName));
  const IdListAllocator& shell = ShellIdListAllocator();
  IdList newRelative(renamed, shell);
  if (!newRelative) return true;  // renamed, but the shell gave no new list
  IdList parentAbsolute = CopyIdList(AbsoluteID(), shell);
  StripLastItem(parentAbsolute.Get());
  absoluteId_ = ConcatIdLists(parentAbsolute.Get(), newRelative.Get(), shell);
  relativeId_ = std::move(newRelative);
  return true;
}

void TvtShellFolder::ExecuteDefault() const {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_INVOKEIDLIST;
  info.hwnd = ApplicationWindow();
  info.lpIDList = const_cast<ITEMIDLIST*>(reinterpret_cast<const ITEMIDLIST*>(AbsoluteID()));
  info.nShow = SW_SHOW;
  ShellExecuteExW(&info);
}

ComPtr<IShellFolder> TvtShellFolder::ChildShellFolder(IShellFolder* parent,
                                                      PCUIDLIST_RELATIVE child,
                                                      PCIDLIST_ABSOLUTE absolute) {
  void* raw = nullptr;
  if (parent && SUCCEEDED(parent->BindToObject(child, nullptr, IID_IShellFolder, &raw)) && raw)
    return ComPtr<IShellFolder>(static_cast<IShellFolder*>(raw));
  raw = nullptr;
  PCUITEMID_CHILD item = reinterpret_cast<PCUITEMID_CHILD>(child);
  if (parent && SUCCEEDED(parent->GetUIObjectOf(nullptr, 1, &item, IID_IShellFolder, nullptr,
                                                &raw)) && raw)
    return ComPtr<IShellFolder>(static_cast<IShellFolder*>(raw));
  raw = nullptr;
  ComPtr<IShellFolder> desktop = DesktopShellFolder();
  if (desktop && IdListCount(absolute) > 0 &&
      SUCCEEDED(desktop->BindToObject(absolute, nullptr, IID_IShellFolder, &raw)) && raw)
    return ComPtr<IShellFolder>(static_cast<IShellFolder*>(raw));
  return {};
}

IdList ParsePath(const std::wstring& path) {
  const std::wstring rooted = RootPathFromString(path);
  if (rooted.empty()) throw EShellError(kErrorSettingPath);
  wchar_t full[MAX_PATH * 4] = {};
  const DWORD n = GetFullPathNameW(rooted.c_str(), MAX_PATH * 4, full, nullptr);
  ComPtr<IShellFolder> desktop = DesktopShellFolder();
  PIDLIST_RELATIVE parsed = nullptr;
  if (n == 0 || n >= MAX_PATH * 4 || !desktop ||
      FAILED(desktop->ParseDisplayName(nullptr, nullptr, full, nullptr, &parsed, nullptr)) ||
      !parsed)
    throw EShellError(kErrorSettingPath);
  return IdList(parsed, ShellIdListAllocator());
}

std::unique_ptr<TvtShellFolder> CreateRootFolder(const TvtRoot& root) {
  IdList id;
  const int csidl = SpecialFolderOfRootName(root);
  if (csidl >= 0) {
    PIDLIST_ABSOLUTE special = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &special)) || !special)
      throw EShellError(kErrorSettingPath);
    id = IdList(special, ShellIdListAllocator());
  } else {
    id = ParsePath(root);
  }
  ComPtr<IShellFolder> desktop = DesktopShellFolder();
  auto absolute = static_cast<PCIDLIST_ABSOLUTE>(id.Get());
  ComPtr<IShellFolder> folder = TvtShellFolder::ChildShellFolder(desktop.Get(), absolute, absolute);
  if (!folder) folder = desktop;
  return std::make_unique<TvtShellFolder>(nullptr, std::move(folder), id.Get());
}

IContextMenu2* ActiveContextMenu2() { return g_contextMenu2; }

namespace {

class MenuHandle {
 public:
  MenuHandle() : menu_(CreatePopupMenu()) {}
  ~MenuHandle() {
    if (menu_) DestroyMenu(menu_);
  }
  MenuHandle(const MenuHandle&) = delete;
  MenuHandle& operator=(const MenuHandle&) = delete;
  HMENU Get() const { return menu_; }

 private:
  HMENU menu_;
};

std::string VerbOf(IContextMenu* menu, UINT index) {
  char verb[256] = {};
  if (FAILED(menu->GetCommandString(index, GCS_VERBA, nullptr, verb, sizeof(verb)))) return {};
  verb[sizeof(verb) - 1] = 0;
  return verb;
}

}  // namespace

void TvtShellFolder::ShowContextMenu(HWND control, POINT clientPoint,
                                     TvtShellVerbHandler* handler) const {
  IShellFolder* parent = ParentShellFolder();
  if (!parent) return;
  void* raw = nullptr;
  PCUITEMID_CHILD item = reinterpret_cast<PCUITEMID_CHILD>(RelativeID());
  if (FAILED(parent->GetUIObjectOf(control, 1, &item, IID_IContextMenu, nullptr, &raw)) || !raw)
    return;
  ComPtr<IContextMenu> menu(static_cast<IContextMenu*>(raw));
  MenuHandle popup;
  if (!popup.Get()) return;
  menu->QueryContextMenu(popup.Get(), 0, 1, 0x7FFF, CMF_EXPLORE | CMF_CANRENAME);
  raw = nullptr;
  ComPtr<IContextMenu2> menu2;
  if (SUCCEEDED(menu->QueryInterface(IID_IContextMenu2, &raw)) && raw)
    menu2 = ComPtr<IContextMenu2>(static_cast<IContextMenu2*>(raw));
  g_contextMenu2 = menu2.Get();
  POINT screen = clientPoint;
  ClientToScreen(control, &screen);
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      popup.Get(), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
      control, nullptr));
  g_contextMenu2 = nullptr;
  if (command == 0) return;
  const std::string verb = VerbOf(menu.Get(), command - 1);
  bool handled = false;
  if (handler) handler->HandleShellVerb(verb, handled);
  bool success = handled;
  if (!handled) {
    CMINVOKECOMMANDINFO invoke{};
    invoke.cbSize = sizeof(invoke);
    invoke.hwnd = control;
    invoke.lpVerb = MAKEINTRESOURCEA(command - 1);
    invoke.nShow = SW_SHOWNORMAL;
    success = SUCCEEDED(menu->InvokeCommand(&invoke));
  }
  if (handler) handler->ShellVerbDone(verb, success);
}

}  // namespace folvane
