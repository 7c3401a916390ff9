#pragma once
// TsShellTreeView: a skinned tree of the shell namespace. Each node owns a
// TvtShellFolder; a node's children are listed when it is first expanded.
// It selects folders by path, refreshes a node in place (keeping what was
// expanded, selected and scrolled), renames in place through the shell,
// and shows the shell's own context menu for the selected item.

#include <functional>
#include <memory>
#include <string>

#include "shell/ShellNames.h"
#include "shell/win/sTreeView.h"
#include "shell/win/vtShellFolder.h"

namespace folvane {

class TvtShellChangeNotifier;

using TvtAddFolderEvent =
    std::function<void(TControl* sender, TvtShellFolder* folder, bool& canAdd)>;

class TsShellTreeView : public TsTreeView, private TvtShellVerbHandler {
 public:
  explicit TsShellTreeView(TComponent* owner);
  ~TsShellTreeView() override;
  const wchar_t* ClassName() const override { return L"TsShellTreeView"; }

  // --- published
  const TvtRoot& Root() const { return root_; }
  // Rebuilds the tree; a root that cannot be resolved raises "Error
  // Setting Path" and leaves tree and Root as they were.
  void SetRoot(const TvtRoot& root);
  TvtShellObjectTypes ObjectTypes = otFolders;
  TvtShowExtension ShowExt = TvtShowExtension::seSystem;
  bool UseShellImages = true;
  bool AutoRefresh() const { return autoRefresh_; }
  void SetAutoRefresh(bool value);
  bool AutoContextMenus = true;
  TvtAddFolderEvent OnAddFolder;
  TTreeNodeEvent OnGetImageIndex;
  TTreeNodeEvent OnGetSelectedIndex;

  // --- run time
  // The selected node's path; empty without a selection.
  std::wstring Path() const;
  // Raises "Error Setting Path" for a path the desktop cannot parse.
  void SetPath(const std::wstring& path);
  void SelectIdList(PCIDLIST_ABSOLUTE id);
  TvtShellFolder* FolderOf(const TTreeNode* node) const;
  TvtShellFolder* SelectedFolder() const { return FolderOf(Selected()); }
  // Re-lists a node's children in place.
  void RefreshNode(TTreeNode* node);
  // A node whose folder has this absolute list, searched from `start`
  // among it and the nodes deeper than it (the whole tree when null).
  TTreeNode* FindNode(PCIDLIST_ABSOLUTE id, TTreeNode* start = nullptr) const;
  // True once after a label edit ended because the focus went elsewhere
  // (a click on a button ends the edit before the button hears of it).
  bool TakeEditEndedByFocusLoss();
  TvtShellChangeNotifier* Notifier() const { return notifier_.get(); }

  void Loaded() override;

 protected:
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;
  bool CanExpand(TTreeNode* node) override;
  bool CanChange(TTreeNode* node) override;
  bool Edited(TTreeNode* node, std::wstring& text) override;
  void Deleting(TTreeNode* node) override;

 private:
  void BuildTree();
  void ListChildren(TTreeNode* node);
  TTreeNode* AddFolderNode(TTreeNode* parent, TvtShellFolder* folder, const std::wstring& text);
  void SetShellImages(TTreeNode* node, const TvtShellFolder& folder);
  void RestoreExpansion(TTreeNode* oldNode, TTreeNode* newNode);
  void WatchNode(TTreeNode* node);
  void ShowContextMenuAt(POINT client);
  bool ForwardMenuMessage(Message& m);
  void HandleShellVerb(const std::string& verb, bool& handled) override;
  void ShellVerbDone(const std::string& verb, bool success) override;

  TvtRoot root_ = L"rfDesktop";
  TvtRoot oldRoot_;
  std::unique_ptr<TvtShellFolder> rootFolder_;
  std::unique_ptr<TvtShellChangeNotifier> notifier_;
  bool autoRefresh_ = false;
  bool busy_ = false;
  TTreeNode* changingNode_ = nullptr;
  std::wstring savedCurrentDir_;
  bool editEndedByFocusLoss_ = false;
  IdList pendingRefresh_;  // the parent of a renamed node
};

}  // namespace folvane
