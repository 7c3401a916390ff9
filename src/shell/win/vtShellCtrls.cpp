#include "shell/win/vtShellCtrls.h"

#include <shellapi.h>

#include <cstring>
#include <exception>
#include <vector>

#include "runtime/win/Application.h"
#include "shell/win/vtShellChangeNotifier.h"

namespace folvane {

namespace {

// A rename ends inside the tree's own notification; the parent is
// refreshed once the tree has finished with the edited item.
constexpr UINT kRefreshParentMessage = WM_APP + 0x18;

HWND ApplicationWindow() { return Application ? Application->Handle() : nullptr; }

class HourglassCursor {
 public:
  HourglassCursor() : old_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~HourglassCursor() { SetCursor(old_); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  HCURSOR old_;
};

class UpdateGuard {
 public:
  explicit UpdateGuard(TTreeView& tree) : tree_(tree) { tree_.BeginUpdate(); }
  ~UpdateGuard() { tree_.EndUpdate(); }
  UpdateGuard(const UpdateGuard&) = delete;
  UpdateGuard& operator=(const UpdateGuard&) = delete;

 private:
  TTreeView& tree_;
};

class BusyGuard {
 public:
  explicit BusyGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~BusyGuard() { flag_ = old_; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& flag_;
  bool old_;
};

bool IsFileSystemPath(const std::wstring& path) {
  return (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') || path.compare(0, 2, L"\\\\") == 0;
}

bool SameItem(PCIDLIST_ABSOLUTE a, PCIDLIST_ABSOLUTE b) {
  return CompareShellIds(TvtShellFolder::Desktop().ShellFolder(), a, b) == 0 &&
         IdListCount(a) == IdListCount(b);
}

}  // namespace

TsShellTreeView::TsShellTreeView(TComponent* owner)
    : TsTreeView(owner), notifier_(std::make_unique<TvtShellChangeNotifier>(nullptr)) {
  RightClickSelect = true;
}

TsShellTreeView::~TsShellTreeView() {
  MarkDestroying();
  notifier_.reset();
  // Nodes own their folders: release them while this class still stands.
  ClearNodes();
}

void TsShellTreeView::Loaded() {
  TsTreeView::Loaded();
  if (HandleAllocated()) BuildTree();
}

void TsShellTreeView::CreateWindowHandleDone() {
  TsTreeView::CreateWindowHandleDone();
  if (UseShellImages) {
    SHFILEINFOW info{};
    auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (list) SetImages(list);
    ColorsChanged();
  }
  if (!Loading()) BuildTree();
}

TvtShellFolder* TsShellTreeView::FolderOf(const TTreeNode* node) const {
  return node ? static_cast<TvtShellFolder*>(node->Data) : nullptr;
}

void TsShellTreeView::Deleting(TTreeNode* node) {
  if (node == changingNode_) changingNode_ = nullptr;
  delete FolderOf(node);
  node->Data = nullptr;
  TsTreeView::Deleting(node);
}

void TsShellTreeView::SetRoot(const TvtRoot& root) {
  if (SameText(root, root_)) return;
  oldRoot_ = root_;
  root_ = root;
  if (busy_ || Loading() || !HandleAllocated()) return;
  try {
    BuildTree();
  } catch (...) {
    root_ = oldRoot_;
    throw;
  }
}

void TsShellTreeView::BuildTree() {
  std::unique_ptr<TvtShellFolder> root;
  std::exception_ptr error;
  try {
    root = CreateRootFolder(root_);
  } catch (...) {
    error = std::current_exception();
  }
  if (root) {
    BusyGuard busy(busy_);
    ClearNodes();
    auto* folder = new TvtShellFolder(nullptr, ComPtr<IShellFolder>::Share(root->ShellFolder()),
                                      root->AbsoluteID());
    const std::wstring name = ApplyShowExtension(
        ShellDisplayName(TvtShellFolder::Desktop().ShellFolder(), root->AbsoluteID(),
                         SHGDN_NORMAL),
        folder->Path(), FileExists(folder->Path()), ShowExt);
    TTreeNode* node = AddFolderNode(nullptr, folder, name);
    node->SetHasChildren(root->HasSubFolder());
    node->Expand(false);
    node->Select();
    rootFolder_ = std::move(root);
  }
  if (error) std::rethrow_exception(error);
}

TTreeNode* TsShellTreeView::AddFolderNode(TTreeNode* parent, TvtShellFolder* folder,
                                          const std::wstring& text) {
  TTreeNode* node;
  try {
    node = AddChild(parent, text);
  } catch (...) {
    delete folder;
    throw;
  }
  node->Data = folder;
  SetShellImages(node, *folder);
  return node;
}

void TsShellTreeView::SetShellImages(TTreeNode* node, const TvtShellFolder& folder) {
  if (UseShellImages) {
    node->SetImageIndex(folder.ImageIndex(false));
    const int open = folder.ImageIndex(true);
    node->SetSelectedIndex(open == 0 ? node->ImageIndex() : open);
  }
  if (OnGetImageIndex) OnGetImageIndex(this, node);
  if (OnGetSelectedIndex) OnGetSelectedIndex(this, node);
}

void TsShellTreeView::ListChildren(TTreeNode* node) {
  TvtShellFolder* folder = FolderOf(node);
  if (!folder || !folder->ShellFolder()) return;
  HourglassCursor hourglass;
  UpdateGuard update(*this);
  const unsigned flags = EnumerationFlags(ObjectTypes);
  IEnumIDList* raw = nullptr;
  if (folder->ShellFolder()->EnumObjects(ApplicationWindow(), flags, &raw) != S_OK || !raw)
    return;
  ComPtr<IEnumIDList> items(raw);
  const IdListAllocator& shell = ShellIdListAllocator();
  PITEMID_CHILD item = nullptr;
  ULONG fetched = 0;
  while (items->Next(1, &item, &fetched) == S_OK && item) {
    IdList owned(item, shell);
    IdList absolute = ConcatIdLists(folder->AbsoluteID(), owned.Get(), shell);
    auto* child = new TvtShellFolder(
        folder,
        TvtShellFolder::ChildShellFolder(folder->ShellFolder(),
                                         static_cast<PCUIDLIST_RELATIVE>(owned.Get()),
                                         static_cast<PCIDLIST_ABSOLUTE>(absolute.Get())),
        owned.Get());
    bool canAdd = true;
    if (OnAddFolder) OnAddFolder(this, child, canAdd);
    if (!canAdd) {
      delete child;
      continue;
    }
    TTreeNode* n = AddFolderNode(node, child, child->DisplayName(ShowExt));
    bool hasChildren = child->HasSubFolder();
    if (ObjectTypes & otNonFolders) hasChildren = child->HasSubItems(flags);
    n->SetHasChildren(hasChildren);
    if (child->IsShared()) n->SetOverlayIndex(1);
  }
  IShellFolder* order = folder->ShellFolder();
  SortChildren(node, [this, order](TTreeNode* a, TTreeNode* b) {
    return CompareShellIds(order, FolderOf(a)->RelativeID(), FolderOf(b)->RelativeID());
  });
}

bool TsShellTreeView::CanExpand(TTreeNode* node) {
  const bool allow = TsTreeView::CanExpand(node);
  TvtShellFolder* folder = FolderOf(node);
  if (!allow || !folder) return allow;
  if (folder->IsFolder(true)) {
    if (node->HasChildren() && !node->GetFirstChild()) ListChildren(node);
  } else {
    const std::wstring path = folder->Path();
    const std::wstring dir = path.substr(0, path.find_last_of(L"\\/") + 1);
    ShellExecuteW(Handle(), nullptr, path.c_str(), nullptr, dir.c_str(), SW_HIDE);
  }
  node->SetHasChildren(node->GetFirstChild() != nullptr);
  return allow;
}

bool TsShellTreeView::CanChange(TTreeNode* node) {
  const bool allow = TsTreeView::CanChange(node);
  if (allow && !busy_) {
    changingNode_ = node;
    if (autoRefresh_) WatchNode(node);
  }
  return allow;
}

void TsShellTreeView::SetAutoRefresh(bool value) {
  autoRefresh_ = value;
  if (!value) {
    // Only a new notifier stops the old one's thread.
    notifier_ = std::make_unique<TvtShellChangeNotifier>(nullptr);
    return;
  }
  WatchNode(Selected());
}

void TsShellTreeView::WatchNode(TTreeNode* node) {
  TvtShellFolder* folder = FolderOf(node);
  if (!folder) return;
  notifier_->SetRoot(folder->Path());
  notifier_->SetWatchSubTree(false);
  notifier_->SetOnChange([this] {
    // A change can arrive inside any message loop: never under a name being
    // edited or a rebuild in progress.
    if (!busy_ && !IsEditing()) RefreshNode(Selected());
  });
}

std::wstring TsShellTreeView::Path() const {
  TvtShellFolder* folder = SelectedFolder();
  return folder ? folder->Path() : std::wstring();
}

void TsShellTreeView::SetPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4] = {};
  const std::wstring rooted = RootPathFromString(path);
  const DWORD n = rooted.empty() ? 0 : GetFullPathNameW(rooted.c_str(), MAX_PATH * 4, full, nullptr);
  IdList id = ParsePath(n > 0 && n < MAX_PATH * 4 ? std::wstring(full) : path);
  SelectIdList(static_cast<PCIDLIST_ABSOLUTE>(id.Get()));
}

TTreeNode* TsShellTreeView::FindNode(PCIDLIST_ABSOLUTE id, TTreeNode* start) const {
  TTreeNode* n = start ? start : GetFirstNode();
  const int level = start ? start->Level() : -1;
  for (; n; n = n->GetNext()) {
    if (n != start && n->Level() <= level) break;
    if (TvtShellFolder* f = FolderOf(n); f && SameItem(f->AbsoluteID(), id)) return n;
  }
  return nullptr;
}

void TsShellTreeView::SelectIdList(PCIDLIST_ABSOLUTE id) {
  if (busy_ || Loading() || !GetFirstNode()) return;
  if (TvtShellFolder* f = SelectedFolder(); f && SameItem(f->AbsoluteID(), id)) return;
  TTreeNode* target = nullptr;
  {
    BusyGuard busy(busy_);
    UpdateGuard update(*this);
    TTreeNode* at = GetFirstNode();
    for (const IdList& ancestor : AncestorsOf(id, ShellIdListAllocator())) {
      if (TTreeNode* found = FindNode(static_cast<PCIDLIST_ABSOLUTE>(ancestor.Get()), at)) {
        found->Expand(false);
        at = found;
      }
    }
    target = FindNode(id, at);
    if (target) target->Select();
  }
  // The busy selection watched nothing: watch the node it ended on.
  if (target && autoRefresh_) WatchNode(target);
  if (target) target->MakeVisible();
}

void TsShellTreeView::RestoreExpansion(TTreeNode* oldNode, TTreeNode* newNode) {
  const int level = oldNode->Level();
  for (TTreeNode* d = oldNode->GetNext(); d && d->Level() > level; d = d->GetNext()) {
    if (!d->Expanded()) continue;
    if (TTreeNode* match = FindNode(FolderOf(d)->AbsoluteID(), newNode)) match->Expand(false);
  }
  if (oldNode->Expanded()) newNode->Expand(false);
}

void TsShellTreeView::RefreshNode(TTreeNode* node) {
  TvtShellFolder* old = FolderOf(node);
  if (!old) return;
  // A folder removed outside goes with its node: its parent is re-listed.
  const std::wstring path = old->Path();
  if (node->Parent() && IsFileSystemPath(path) && !DirectoryExists(path) && !FileExists(path)) {
    RefreshNode(node->Parent());
    return;
  }
  const IdListAllocator& shell = ShellIdListAllocator();
  IdList top = TopItem() ? CopyIdList(FolderOf(TopItem())->AbsoluteID(), shell) : IdList();
  IdList selected = SelectedFolder() ? CopyIdList(SelectedFolder()->AbsoluteID(), shell) : IdList();
  BusyGuard busy(busy_);
  UpdateGuard update(*this);
  TvtShellFolder* parent = FolderOf(node->Parent());
  ComPtr<IShellFolder> shellFolder =
      parent ? TvtShellFolder::ChildShellFolder(parent->ShellFolder(), old->RelativeID(),
                                                old->AbsoluteID())
             : ComPtr<IShellFolder>::Share(old->ShellFolder());
  auto* fresh = new TvtShellFolder(parent, std::move(shellFolder), old->RelativeID());
  TTreeNode* renewed;
  try {
    renewed = Insert(node, node->Text());
  } catch (...) {
    delete fresh;
    throw;
  }
  renewed->Data = fresh;
  ListChildren(renewed);
  renewed->SetImageIndex(node->ImageIndex());
  renewed->SetSelectedIndex(node->SelectedIndex());
  renewed->SetHasChildren(renewed->GetFirstChild() != nullptr);
  RestoreExpansion(node, renewed);
  node->Delete();
  TTreeNode* select = selected ? FindNode(static_cast<PCIDLIST_ABSOLUTE>(selected.Get())) : nullptr;
  SetSelected(select ? select : renewed);
  if (TTreeNode* t = top ? FindNode(static_cast<PCIDLIST_ABSOLUTE>(top.Get())) : nullptr)
    SetTopItem(t);
}

bool TsShellTreeView::Edited(TTreeNode* node, std::wstring& text) {
  editEndedByFocusLoss_ = HandleAllocated() && GetFocus() != Handle() && GetFocus() != EditHandle();
  if (!TsTreeView::Edited(node, text)) return false;
  TvtShellFolder* folder = FolderOf(node);
  if (!folder || text == node->Text()) return false;
  if (!folder->Rename(text, Handle())) return false;
  if (TvtShellFolder* parent = FolderOf(node->Parent())) {
    pendingRefresh_ = CopyIdList(parent->AbsoluteID(), ShellIdListAllocator());
    PostMessageW(Handle(), kRefreshParentMessage, 0, 0);
  }
  return true;
}

bool TsShellTreeView::TakeEditEndedByFocusLoss() {
  const bool was = editEndedByFocusLoss_;
  editEndedByFocusLoss_ = false;
  return was;
}

void TsShellTreeView::ShowContextMenuAt(POINT client) {
  TvtShellFolder* folder = SelectedFolder();
  if (!folder) return;
  folder->ShowContextMenu(Handle(), client, this);
}

void TsShellTreeView::HandleShellVerb(const std::string& verb, bool& handled) {
  if (verb == "rename") {
    if (TTreeNode* node = Selected()) node->EditText();
    handled = true;
  } else if (verb == "open") {
    wchar_t dir[MAX_PATH * 4] = {};
    GetCurrentDirectoryW(MAX_PATH * 4, dir);
    savedCurrentDir_ = dir;
    if (TvtShellFolder* f = SelectedFolder()) SetCurrentDirectoryW(f->Path().c_str());
  }
}

void TsShellTreeView::ShellVerbDone(const std::string& verb, bool) {
  TTreeNode* node = Selected();
  if (verb == "delete" && node) {
    const std::wstring path = FolderOf(node)->Path();
    if (!DirectoryExists(path) && !FileExists(path)) node->Delete();
  } else if (verb == "paste" && node) {
    RefreshNode(node);
  } else if (verb == "open" && !savedCurrentDir_.empty()) {
    SetCurrentDirectoryW(savedCurrentDir_.c_str());
  }
}

bool TsShellTreeView::ForwardMenuMessage(Message& m) {
  IContextMenu2* menu = ActiveContextMenu2();
  if (!menu) return false;
  if (m.msg != WM_INITMENUPOPUP && m.msg != WM_MEASUREITEM && m.msg != WM_MENUCHAR &&
      m.msg != WM_DRAWITEM)
    return false;
  menu->HandleMenuMsg(m.msg, m.wParam, m.lParam);
  m.result = m.msg == WM_MENUCHAR ? 0 : TRUE;
  return true;
}

void TsShellTreeView::WndProc(Message& m) {
  if (ForwardMenuMessage(m)) return;
  switch (m.msg) {
    case WM_CONTEXTMENU:
      if (AutoContextMenus) {
        POINT p{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
        if (m.lParam == -1) {
          // From the keyboard: at the selected node.
          RECT r{};
          if (TTreeNode* n = Selected()) {
            // The platform reads the item from the rectangle's first bytes.
            const HTREEITEM item = n->ItemId();
            std::memcpy(&r, &item, sizeof(item));
            SendMessageW(Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
          }
          p = {r.left, r.bottom};
        } else {
          ScreenToClient(Handle(), &p);
        }
        ShowContextMenuAt(p);
        return;
      }
      break;
    case WM_SETFOCUS:
      editEndedByFocusLoss_ = false;
      break;
    default:
      if (m.msg == kRefreshParentMessage) {
        IdList pending = std::move(pendingRefresh_);
        if (pending) RefreshNode(FindNode(static_cast<PCIDLIST_ABSOLUTE>(pending.Get())));
        return;
      }
      break;
  }
  TsTreeView::WndProc(m);
}

}  // namespace folvane
