#pragma once
// The platform's tree view as a windowed control: nodes that wrap the
// tree's items (each carrying a data pointer), with the events a lazily
// filled tree needs (expanding, selection changing and changed, label
// editing, deletion). Nodes exist only while the window does.

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "runtime/win/Control.h"

namespace folvane {

class TTreeView;

class TTreeNode {
 public:
  TTreeNode(TTreeView* owner, HTREEITEM item) : owner_(owner), item_(item) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  HTREEITEM ItemId() const { return item_; }
  TTreeView* Owner() const { return owner_; }
  void* Data = nullptr;

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  int ImageIndex() const { return image_; }
  void SetImageIndex(int index);
  int SelectedIndex() const { return selectedImage_; }
  void SetSelectedIndex(int index);
  // 0 for none, else the list's overlay image (1-based, as the platform counts).
  void SetOverlayIndex(int index);
  bool HasChildren() const;
  void SetHasChildren(bool value);

  bool Expanded() const;
  // Asks the tree first (its expanding event), like a click on the button.
  void Expand(bool recurse = false);
  void Collapse();
  bool Selected() const;
  void Select();
  void MakeVisible();
  bool EditText();
  // Removes the node with its children (their deletion events run).
  void Delete();
  void DeleteChildren();

  TTreeNode* Parent() const;
  TTreeNode* GetFirstChild() const;
  TTreeNode* GetNextSibling() const;
  // The next node in the whole tree, depth first.
  TTreeNode* GetNext() const;
  int Level() const;
  int Count() const;

 private:
  friend class TTreeView;
  TTreeView* owner_;
  HTREEITEM item_;
  int image_ = -1;
  int selectedImage_ = -1;
};

using TTreeNodeEvent = std::function<void(TControl* sender, TTreeNode* node)>;
using TTreeNodeAllowEvent = std::function<void(TControl* sender, TTreeNode* node, bool& allow)>;
using TTreeEditedEvent = std::function<void(TControl* sender, TTreeNode* node, std::wstring& text)>;

class TTreeView : public TWinControl {
 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;
  const wchar_t* ClassName() const override { return L"TTreeView"; }

  // --- style, set before the window exists
  int Indent = 19;
  bool ShowRoot = true;
  bool ShowLines = true;
  bool ShowButtons = true;
  bool ReadOnly = false;
  bool HideSelection = true;
  bool RightClickSelect = false;

  // Adds a last child of `parent` (a top-level node when null), or, with
  // `before`, a sibling in front of that node.
  TTreeNode* AddChild(TTreeNode* parent, const std::wstring& text);
  TTreeNode* Insert(TTreeNode* before, const std::wstring& text);
  void ClearNodes();
  TTreeNode* GetFirstNode() const;
  TTreeNode* NodeOf(HTREEITEM item) const;
  size_t NodeCount() const { return nodes_.size(); }

  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* node);
  TTreeNode* TopItem() const;
  void SetTopItem(TTreeNode* node);
  TTreeNode* NodeAt(int x, int y) const;

  bool IsEditing() const;
  void EndEditing(bool cancel);
  HWND EditHandle() const;

  // The list is not owned (a system list may be shared by everyone).
  void SetImages(HIMAGELIST images);
  HIMAGELIST Images() const { return images_; }
  // Sorts the children of `parent` (the top level when null).
  void SortChildren(TTreeNode* parent, const std::function<int(TTreeNode*, TTreeNode*)>& compare);

  // Stops and restarts repainting; nested calls count.
  void BeginUpdate();
  void EndUpdate();

  TTreeNodeAllowEvent OnExpanding;
  TTreeNodeEvent OnExpanded;
  TTreeNodeAllowEvent OnChanging;
  TTreeNodeEvent OnChange;
  TTreeNodeAllowEvent OnEditing;
  TTreeEditedEvent OnEdited;
  TTreeNodeEvent OnDeletion;

 protected:
  void CreateParamsFor(CreateParams& params) override;
  void CreateWindowHandleDone() override;
  void WndProc(Message& m) override;
  // The events' virtual steps; descendants add their rules here.
  virtual bool CanExpand(TTreeNode* node);
  virtual bool CanChange(TTreeNode* node);
  virtual void Change(TTreeNode* node);
  virtual bool CanEdit(TTreeNode* node);
  // False rejects the new text.
  virtual bool Edited(TTreeNode* node, std::wstring& text);
  virtual void Deleting(TTreeNode* node);

 private:
  friend class TTreeNode;
  TTreeNode* AddItem(HTREEITEM parent, HTREEITEM after, const std::wstring& text);
  bool HandleNotify(NMHDR& header, LRESULT& result);
  bool EndLabelEdit(NMTVDISPINFOW& info);
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
  // The platform edits a label only in a tree that has the focus.
  bool HasFocusForEditing();

  std::unordered_map<HTREEITEM, std::unique_ptr<TTreeNode>> nodes_;
  HIMAGELIST images_ = nullptr;
  int updating_ = 0;
};

}  // namespace folvane
