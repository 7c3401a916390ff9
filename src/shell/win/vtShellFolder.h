#pragma once
// TvtShellFolder: one item of the shell namespace as the folder browser
// shows it: its identifier lists (relative to its parent and absolute from
// the desktop), its own folder interface when it is a container, and the
// operations on it (names, attributes, icons, children, rename, context
// menu). Also the desktop object and the creation of a root from a root
// name or path.

#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <string>

#include "shell/ItemIdList.h"
#include "shell/ShellNames.h"
#include "shell/win/ComPtr.h"

namespace folvane {

// The shell's allocator: every list the shell hands out or takes back.
const IdListAllocator& ShellIdListAllocator();

// Item properties and capabilities as bit sets (bit numbers as listed).
enum TvtShellProperty : unsigned {
  spHidden = 1, spLink = 2, spReadOnly = 4, spShared = 8, spFileSystem = 16,
  spFileSysAncestor = 32, spRemovable = 64, spValidate = 128,
};
enum TvtShellCapability : unsigned {
  scCanCopy = 1, scCanDelete = 2, scCanLink = 4, scCanMove = 8, scCanRename = 16,
  scDropTarget = 32, scPropSheet = 64,
};

// A control that wants to see the verbs of its context menus first.
class TvtShellVerbHandler {
 public:
  virtual void HandleShellVerb(const std::string& verb, bool& handled) = 0;
  virtual void ShellVerbDone(const std::string& verb, bool success) = 0;

 protected:
  ~TvtShellVerbHandler() = default;
};

class TvtShellFolder {
 public:
  // `parent` null: a child of the desktop. The list is copied.
  TvtShellFolder(TvtShellFolder* parent, ComPtr<IShellFolder> shellFolder,
                 const void* relativeId);
  TvtShellFolder(const TvtShellFolder&) = delete;
  TvtShellFolder& operator=(const TvtShellFolder&) = delete;

  // The process-wide desktop object (made on first use).
  static TvtShellFolder& Desktop();

  TvtShellFolder* Parent() const;
  IShellFolder* ShellFolder() const { return shellFolder_.Get(); }
  PCUIDLIST_RELATIVE RelativeID() const {
    return static_cast<PCUIDLIST_RELATIVE>(relativeId_.Get());
  }
  PCIDLIST_ABSOLUTE AbsoluteID() const { return static_cast<PCIDLIST_ABSOLUTE>(absoluteId_.Get()); }
  int Level() const { return level_; }

  std::wstring Path() const;
  std::wstring DisplayName(TvtShowExtension showExt = TvtShowExtension::seSystem) const;
  unsigned Properties() const;
  unsigned Capabilities() const;
  bool IsFolder(bool allowZip = true) const;
  bool HasSubFolder() const;
  bool HasSubItems(unsigned enumFlags) const;
  bool IsShared() const;
  int ImageIndex(bool open) const;
  // False for items the shell does not let rename; raises when it fails.
  bool Rename(const std::wstring& newName, HWND owner = nullptr);
  void ExecuteDefault() const;
  // Shows the item's shell context menu at a client point of `control`.
  void ShowContextMenu(HWND control, POINT clientPoint, TvtShellVerbHandler* handler) const;

  // The folder interface for a child item of `parent`; empty when none.
  static ComPtr<IShellFolder> ChildShellFolder(IShellFolder* parent, PCUIDLIST_RELATIVE child,
                                               PCIDLIST_ABSOLUTE absolute);

 private:
  IShellFolder* ParentShellFolder() const;
  SFGAOF Attributes(SFGAOF wanted) const;
  std::wstring NameOf(SHGDNF flags) const;

  TvtShellFolder* parent_;
  ComPtr<IShellFolder> parentFolder_;  // kept: the parent object may go first
  ComPtr<IShellFolder> shellFolder_;
  IdList relativeId_;
  IdList absoluteId_;
  int level_ = 0;
};

// The display name of an item relative to `folder`, with the shell's string
// forms converted and marks cleaned; empty on failure.
std::wstring ShellDisplayName(IShellFolder* folder, PCUIDLIST_RELATIVE item, SHGDNF flags);

// Compares two lists the way `folder` orders them: <0, 0, >0.
int CompareShellIds(IShellFolder* folder, PCUIDLIST_RELATIVE a, PCUIDLIST_RELATIVE b);

// A root folder from a root name or path; raises "Error Setting Path".
std::unique_ptr<TvtShellFolder> CreateRootFolder(const TvtRoot& root);

// The absolute list of a path parsed by the desktop; raises "Error Setting Path".
IdList ParsePath(const std::wstring& path);

bool DirectoryExists(const std::wstring& path);
bool FileExists(const std::wstring& path);

// The IContextMenu2 of the context menu being tracked, if any.
IContextMenu2* ActiveContextMenu2();

}  // namespace folvane
