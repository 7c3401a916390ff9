#include "runtime/win/TreeView.h"

#include <vector>

namespace folvane {

namespace {

// Set while a node expands from code: the expansion was asked for already,
// so the tree's own expanding notification must not ask again.
thread_local TTreeView* t_expandingFromCode = nullptr;

TVITEMEXW ItemOf(HTREEITEM item, UINT mask) {
  TVITEMEXW tv{};
  tv.mask = mask | TVIF_HANDLE;
  tv.hItem = item;
  return tv;
}

}  // namespace

// ---- node ----------------------------------------------------------------

std::wstring TTreeNode::Text() const {
  wchar_t buffer[1024] = {};
  TVITEMEXW tv = ItemOf(item_, TVIF_TEXT);
  tv.pszText = buffer;
  tv.cchTextMax = 1024;
  owner_->Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return buffer;
}

void TTreeNode::SetText(const std::wstring& text) {
  TVITEMEXW tv = ItemOf(item_, TVIF_TEXT);
  tv.pszText = const_cast<wchar_t*>(text.c_str());
  owner_->Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

void TTreeNode::SetImageIndex(int index) {
  image_ = index;
  TVITEMEXW tv = ItemOf(item_, TVIF_IMAGE);
  tv.iImage = index;
  owner_->Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

void TTreeNode::SetSelectedIndex(int index) {
  selectedImage_ = index;
  TVITEMEXW tv = ItemOf(item_, TVIF_SELECTEDIMAGE);
  tv.iSelectedImage = index;
  owner_->Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

void TTreeNode::SetOverlayIndex(int index) {
  TVITEMEXW tv = ItemOf(item_, TVIF_STATE);
  tv.stateMask = TVIS_OVERLAYMASK;
  tv.state = INDEXTOOVERLAYMASK(index);
  owner_->Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

bool TTreeNode::HasChildren() const {
  TVITEMEXW tv = ItemOf(item_, TVIF_CHILDREN);
  owner_->Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return tv.cChildren != 0;
}

void TTreeNode::SetHasChildren(bool value) {
  TVITEMEXW tv = ItemOf(item_, TVIF_CHILDREN);
  tv.cChildren = value ? 1 : 0;
  owner_->Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

bool TTreeNode::Expanded() const {
  return (owner_->Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

void TTreeNode::Expand(bool recurse) {
  if (!owner_->CanExpand(this)) return;
  TTreeView* previous = t_expandingFromCode;
  t_expandingFromCode = owner_;
  owner_->Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
  t_expandingFromCode = previous;
  if (owner_->OnExpanded) owner_->OnExpanded(owner_, this);
  if (!recurse) return;
  for (TTreeNode* c = GetFirstChild(); c; c = c->GetNextSibling()) c->Expand(true);
}

void TTreeNode::Collapse() {
  owner_->Send(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
}

bool TTreeNode::Selected() const { return owner_->Selected() == this; }

void TTreeNode::Select() { owner_->SetSelected(this); }

void TTreeNode::MakeVisible() {
  owner_->Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item_));
}

bool TTreeNode::EditText() {
  if (!owner_->HasFocusForEditing()) return false;
  return owner_->Send(TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item_)) != 0;
}

void TTreeNode::Delete() { owner_->Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item_)); }

void TTreeNode::DeleteChildren() {
  while (TTreeNode* c = GetFirstChild()) c->Delete();
}

TTreeNode* TTreeNode::Parent() const {
  return owner_->NodeOf(reinterpret_cast<HTREEITEM>(
      owner_->Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item_))));
}

TTreeNode* TTreeNode::GetFirstChild() const {
  return owner_->NodeOf(reinterpret_cast<HTREEITEM>(
      owner_->Send(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item_))));
}

TTreeNode* TTreeNode::GetNextSibling() const {
  return owner_->NodeOf(reinterpret_cast<HTREEITEM>(
      owner_->Send(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item_))));
}

TTreeNode* TTreeNode::GetNext() const {
  if (TTreeNode* child = GetFirstChild()) return child;
  for (const TTreeNode* n = this; n; n = n->Parent())
    if (TTreeNode* sibling = n->GetNextSibling()) return sibling;
  return nullptr;
}

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
  return level;
}

int TTreeNode::Count() const {
  int n = 0;
  for (TTreeNode* c = GetFirstChild(); c; c = c->GetNextSibling()) ++n;
  return n;
}

// ---- tree ----------------------------------------------------------------

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  SetColor(clWindow);
  Font().SetColor(clWindowText);
}

TTreeView::~TTreeView() {
  MarkDestroying();
  DestroyHandle();
}

void TTreeView::CreateParamsFor(CreateParams& params) {
  TWinControl::CreateParamsFor(params);
  params.baseClass = WC_TREEVIEWW;
  if (ShowRoot) params.style |= TVS_LINESATROOT;
  if (ShowLines) params.style |= TVS_HASLINES;
  if (ShowButtons) params.style |= TVS_HASBUTTONS;
  if (!ReadOnly) params.style |= TVS_EDITLABELS;
  if (!HideSelection) params.style |= TVS_SHOWSELALWAYS;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::CreateWindowHandleDone() {
  Send(TVM_SETINDENT, static_cast<WPARAM>(Indent));
  if (images_) Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
  Send(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  Send(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

LRESULT TTreeView::Send(UINT msg, WPARAM wp, LPARAM lp) const {
  return HandleAllocated() ? SendMessageW(Handle(), msg, wp, lp) : 0;
}

bool TTreeView::HasFocusForEditing() {
  if (!HandleAllocated()) return false;
  if (GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
  return true;
}

TTreeNode* TTreeView::AddItem(HTREEITEM parent, HTREEITEM after, const std::wstring& text) {
  HandleNeeded();
  TVINSERTSTRUCTW ins{};
  ins.hParent = parent;
  ins.hInsertAfter = after;
  ins.itemex.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  ins.itemex.pszText = const_cast<wchar_t*>(text.c_str());
  ins.itemex.iImage = -1;
  ins.itemex.iSelectedImage = -1;
  auto node = std::make_unique<TTreeNode>(this, nullptr);
  ins.itemex.lParam = reinterpret_cast<LPARAM>(node.get());
  auto item = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
  if (!item) throw EOSError("Tree item not inserted");
  node->item_ = item;
  TTreeNode* raw = node.get();
  nodes_[item] = std::move(node);
  return raw;
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const std::wstring& text) {
  return AddItem(parent ? parent->ItemId() : TVI_ROOT, TVI_LAST, text);
}

TTreeNode* TTreeView::Insert(TTreeNode* before, const std::wstring& text) {
  if (!before) return AddChild(nullptr, text);
  // The platform inserts after an item: after the one in front, or first.
  HTREEITEM previous = reinterpret_cast<HTREEITEM>(
      Send(TVM_GETNEXTITEM, TVGN_PREVIOUS, reinterpret_cast<LPARAM>(before->ItemId())));
  TTreeNode* parent = before->Parent();
  return AddItem(parent ? parent->ItemId() : TVI_ROOT, previous ? previous : TVI_FIRST, text);
}

void TTreeView::ClearNodes() {
  if (HandleAllocated()) Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

TTreeNode* TTreeView::NodeOf(HTREEITEM item) const {
  if (!item) return nullptr;
  auto it = nodes_.find(item);
  return it == nodes_.end() ? nullptr : it->second.get();
}

TTreeNode* TTreeView::GetFirstNode() const {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

TTreeNode* TTreeView::Selected() const {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TTreeView::SetSelected(TTreeNode* node) {
  Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->ItemId() : nullptr));
}

TTreeNode* TTreeView::TopItem() const {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

void TTreeView::SetTopItem(TTreeNode* node) {
  if (node) Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(node->ItemId()));
}

TTreeNode* TTreeView::NodeAt(int x, int y) const {
  TVHITTESTINFO hit{};
  hit.pt = {x, y};
  Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return (hit.flags & TVHT_ONITEM) ? NodeOf(hit.hItem) : nullptr;
}

HWND TTreeView::EditHandle() const { return reinterpret_cast<HWND>(Send(TVM_GETEDITCONTROL)); }

bool TTreeView::IsEditing() const { return EditHandle() != nullptr; }

void TTreeView::EndEditing(bool cancel) {
  if (IsEditing()) Send(TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE);
}

void TTreeView::SetImages(HIMAGELIST images) {
  images_ = images;
  Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}

namespace {

int CALLBACK CompareNodes(LPARAM a, LPARAM b, LPARAM compare) {
  auto* fn = reinterpret_cast<const std::function<int(TTreeNode*, TTreeNode*)>*>(compare);
  return (*fn)(reinterpret_cast<TTreeNode*>(a), reinterpret_cast<TTreeNode*>(b));
}

}  // namespace

void TTreeView::SortChildren(TTreeNode* parent,
                             const std::function<int(TTreeNode*, TTreeNode*)>& compare) {
  TVSORTCB sort{};
  sort.hParent = parent ? parent->ItemId() : TVI_ROOT;
  sort.lpfnCompare = CompareNodes;
  sort.lParam = reinterpret_cast<LPARAM>(&compare);
  Send(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void TTreeView::BeginUpdate() {
  if (updating_++ == 0 && HandleAllocated()) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeView::EndUpdate() {
  if (updating_ == 0 || --updating_ != 0 || !HandleAllocated()) return;
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, node, allow);
  return allow;
}

bool TTreeView::CanChange(TTreeNode* node) {
  bool allow = true;
  if (OnChanging) OnChanging(this, node, allow);
  return allow;
}

void TTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(this, node);
}

bool TTreeView::CanEdit(TTreeNode* node) {
  bool allow = !ReadOnly;
  if (allow && OnEditing) OnEditing(this, node, allow);
  return allow;
}

bool TTreeView::Edited(TTreeNode* node, std::wstring& text) {
  if (OnEdited) OnEdited(this, node, text);
  return true;
}

void TTreeView::Deleting(TTreeNode* node) {
  if (OnDeletion) OnDeletion(this, node);
}

bool TTreeView::EndLabelEdit(NMTVDISPINFOW& info) {
  TTreeNode* node = NodeOf(info.item.hItem);
  if (!node || !info.item.pszText) return false;  // cancelled
  std::wstring text = info.item.pszText;
  if (!Edited(node, text)) return false;
  node->SetText(text);
  // The platform would put its own text back over ours.
  return false;
}

bool TTreeView::HandleNotify(NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: case TVN_ITEMEXPANDINGA: {
      auto& tv = reinterpret_cast<NMTREEVIEWW&>(header);
      TTreeNode* node = NodeOf(tv.itemNew.hItem);
      if ((tv.action & TVE_EXPAND) && node && t_expandingFromCode != this)
        result = CanExpand(node) ? FALSE : TRUE;
      return true;
    }
    case TVN_ITEMEXPANDEDW: case TVN_ITEMEXPANDEDA: {
      auto& tv = reinterpret_cast<NMTREEVIEWW&>(header);
      TTreeNode* node = NodeOf(tv.itemNew.hItem);
      if ((tv.action & TVE_EXPAND) && node && OnExpanded && t_expandingFromCode != this)
        OnExpanded(this, node);
      return true;
    }
    case TVN_SELCHANGINGW: case TVN_SELCHANGINGA: {
      auto& tv = reinterpret_cast<NMTREEVIEWW&>(header);
      TTreeNode* node = NodeOf(tv.itemNew.hItem);
      result = (node && !CanChange(node)) ? TRUE : FALSE;
      return true;
    }
    case TVN_SELCHANGEDW: case TVN_SELCHANGEDA: {
      auto& tv = reinterpret_cast<NMTREEVIEWW&>(header);
      Change(NodeOf(tv.itemNew.hItem));
      return true;
    }
    case TVN_BEGINLABELEDITW: {
      auto& info = reinterpret_cast<NMTVDISPINFOW&>(header);
      TTreeNode* node = NodeOf(info.item.hItem);
      result = (node && CanEdit(node)) ? FALSE : TRUE;
      return true;
    }
    case TVN_ENDLABELEDITW:
      result = EndLabelEdit(reinterpret_cast<NMTVDISPINFOW&>(header)) ? TRUE : FALSE;
      return true;
    case TVN_DELETEITEMW: case TVN_DELETEITEMA: {
      auto& tv = reinterpret_cast<NMTREEVIEWW&>(header);
      auto it = nodes_.find(tv.itemOld.hItem);
      if (it != nodes_.end()) {
        // The node leaves the map first: a handler that walks the tree
        // must not find it any more.
        std::unique_ptr<TTreeNode> node = std::move(it->second);
        nodes_.erase(it);
        Deleting(node.get());
      }
      return true;
    }
    case NM_RCLICK:
      if (RightClickSelect) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(Handle(), &p);
        if (TTreeNode* node = NodeAt(p.x, p.y)) node->Select();
      }
      return false;
    default:
      return false;
  }
}

void TTreeView::WndProc(Message& m) {
  switch (m.msg) {
    case CN_NOTIFY: {
      LRESULT result = 0;
      if (HandleNotify(*reinterpret_cast<NMHDR*>(m.lParam), result)) {
        m.result = result;
        return;
      }
      break;
    }
    case CM_WANTSPECIALKEY:
      // Enter and Escape end a label edit, not the dialog.
      if ((m.wParam == VK_RETURN || m.wParam == VK_ESCAPE) && IsEditing()) {
        m.result = 1;
        return;
      }
      break;
    case CM_COLORCHANGED:
      Send(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
      break;
    case CM_FONTCHANGED:
      Send(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
      break;
    case WM_NCDESTROY:
      TWinControl::WndProc(m);
      nodes_.clear();
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace folvane
