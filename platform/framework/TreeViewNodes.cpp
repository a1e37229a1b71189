// Nodes of the tree view. Changes go to the tree as TVM_ messages.

#include <algorithm>

#include "platform/framework/SysUtils.h"
#include "platform/framework/TreeView.h"

TTreeNode::~TTreeNode() { owner_->nodes_.live_.erase(this); }

namespace {
void SetNodeItem(TTreeNode* node, UINT mask, const std::function<void(TVITEM&)>& fill) {
  TVITEM item;
  item.mask = mask;
  item.hItem = node->ItemId();
  fill(item);
  node->TreeView()->Perform(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
}
}  // namespace

void TTreeNode::SetText(const std::string& value) {
  SetNodeItem(this, TVIF_TEXT, [&](TVITEM& item) { item.pszText = value; });
}

void TTreeNode::SetImageIndex(int value) {
  SetNodeItem(this, TVIF_IMAGE, [&](TVITEM& item) { item.iImage = value; });
}

void TTreeNode::SetSelectedIndex(int value) {
  SetNodeItem(this, TVIF_SELECTEDIMAGE, [&](TVITEM& item) { item.iSelectedImage = value; });
}

void TTreeNode::SetHasChildren(bool value) {
  SetNodeItem(this, TVIF_CHILDREN, [&](TVITEM& item) { item.cChildren = value ? 1 : 0; });
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError("Tree node index out of bounds (" + std::to_string(index) + ")");
  return children_[index].get();
}

int TTreeNode::Index() const {
  const auto& siblings = parent_ ? parent_->children_ : owner_->nodes_.roots_;
  for (int i = 0; i < static_cast<int>(siblings.size()); ++i)
    if (siblings[i].get() == this) return i;
  return -1;
}

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode* p = parent_; p; p = p->parent_) ++level;
  return level;
}

void TTreeNode::SetExpanded(bool value) {
  owner_->Perform(TVM_EXPAND, value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(ItemId()));
}

void TTreeNode::Expand(bool recurse) {
  SetExpanded(true);
  if (recurse)
    for (int i = 0; i < Count(); ++i) children_[i]->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  SetExpanded(false);
  if (recurse)
    for (int i = 0; i < Count(); ++i) children_[i]->Collapse(true);
}

bool TTreeNode::Selected() const { return owner_->Selected() == this; }

void TTreeNode::SetSelected(bool value) {
  if (value) owner_->SetSelected(this);
  else if (Selected()) owner_->SetSelected(nullptr);
}

void TTreeNode::MakeVisible() { owner_->Perform(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(ItemId())); }

void TTreeNode::DeleteChildren() {
  while (!children_.empty()) children_.back()->Delete();
}

void TTreeNode::Delete() { owner_->nodes_.Delete(this); }

TRect TTreeNode::DisplayRect() {
  TRect r = detail::ItemInRect(ItemId());
  if (!owner_->Perform(TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r))) return {};
  return r;
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  TVINSERTSTRUCT insert;
  insert.hParent = parent ? parent->ItemId() : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = text;
  TTreeNode* node = GetNode(reinterpret_cast<HTREEITEM>(owner_->Perform(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert))));
  if (!node) throw EListError("Tree node \"" + text + "\" could not be added");
  return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  return AddChild(sibling ? sibling->Parent() : nullptr, text);
}

// The native insertion: after names a sibling, or TVI_FIRST, TVI_LAST, TVI_SORT.
TTreeNode* TTreeNodes::Insert(TTreeNode* parent, HTREEITEM after, const std::string& text) {
  auto& siblings = parent ? parent->children_ : roots_;
  auto node = std::make_unique<TTreeNode>(owner_, parent);
  node->text_ = text;
  auto at = siblings.end();
  if (after == TVI_FIRST) {
    at = siblings.begin();
  } else if (after == TVI_SORT) {
    at = std::find_if(siblings.begin(), siblings.end(), [&](const auto& n) { return CompareText(n->text_, text) > 0; });
  } else if (TTreeNode* previous = GetNode(after); previous && previous->parent_ == parent) {
    at = siblings.begin() + previous->Index() + 1;
  }
  TTreeNode* raw = node.get();
  live_.insert(raw);
  siblings.insert(at, std::move(node));
  owner_->Changed();
  return raw;
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (node && node->owner_ == owner_) owner_->Perform(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->ItemId()));
}

void TTreeNodes::Clear() { owner_->Perform(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

int TTreeNodes::Count() const { return static_cast<int>(live_.size()); }

TTreeNode* TTreeNodes::GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }

TTreeNode* TTreeNodes::GetNode(HTREEITEM item) const {
  auto* node = reinterpret_cast<const TTreeNode*>(item);
  return live_.count(node) ? const_cast<TTreeNode*>(node) : nullptr;
}

TTreeNode* TTreeNodes::TopItem(int index) const {
  if (index < 0 || index >= TopCount()) throw EListError("Tree node index out of bounds (" + std::to_string(index) + ")");
  return roots_[index].get();
}

void TTreeNodes::BeginUpdate() { ++owner_->updateCount_; }

void TTreeNodes::EndUpdate() {
  if (owner_->updateCount_ > 0 && --owner_->updateCount_ == 0) owner_->Changed();
}
