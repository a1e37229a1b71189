// Nodes of the tree view.

#include <algorithm>

#include "platform/framework/TreeView.h"

void TTreeNode::SetText(const std::string& value) {
  text_ = value;
  owner_->Invalidate();
}

void TTreeNode::SetImageIndex(int value) {
  imageIndex_ = value;
  owner_->Invalidate();
}

void TTreeNode::SetSelectedIndex(int value) {
  selectedIndex_ = value;
  owner_->Invalidate();
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

void TTreeNode::SetHasChildren(bool value) {
  hasChildren_ = value;
  owner_->Changed();
}

void TTreeNode::SetExpanded(bool value) { owner_->SetExpandedState(this, value); }

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

void TTreeNode::MakeVisible() {
  for (TTreeNode* p = parent_; p; p = p->parent_)
    if (!p->expanded_) p->SetExpanded(true);
  owner_->EnsureVisible(this);
}

void TTreeNode::DeleteChildren() {
  for (auto& child : children_) owner_->NodeRemoving(child.get());
  children_.clear();
  owner_->Changed();
}

void TTreeNode::Delete() { owner_->nodes_.Delete(this); }

TRect TTreeNode::DisplayRect() {
  int row = owner_->RowOf(this);
  if (row < 0) return {};
  int h = owner_->RowHeight();
  int y = (row - owner_->top_) * h;
  return {0, y, owner_->ClientWidth(), y + h};
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  auto node = std::make_unique<TTreeNode>(owner_, parent);
  node->text_ = text;
  TTreeNode* raw = node.get();
  (parent ? parent->children_ : roots_).push_back(std::move(node));
  owner_->Changed();
  return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  return AddChild(sibling ? sibling->Parent() : nullptr, text);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node || node->owner_ != owner_) return;
  owner_->NodeRemoving(node);
  auto& siblings = node->parent_ ? node->parent_->children_ : roots_;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [node](const auto& n) { return n.get() == node; }),
                 siblings.end());
  owner_->Changed();
}

void TTreeNodes::Clear() {
  for (auto& node : roots_) owner_->NodeRemoving(node.get());
  roots_.clear();
  owner_->Changed();
}

int TTreeNodes::Count() const {
  int count = 0;
  std::vector<const TTreeNode*> stack;
  for (const auto& n : roots_) stack.push_back(n.get());
  while (!stack.empty()) {
    const TTreeNode* n = stack.back();
    stack.pop_back();
    ++count;
    for (int i = 0; i < n->Count(); ++i) stack.push_back(n->Item(i));
  }
  return count;
}

TTreeNode* TTreeNodes::GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }

TTreeNode* TTreeNodes::TopItem(int index) const {
  if (index < 0 || index >= TopCount()) throw EListError("Tree node index out of bounds (" + std::to_string(index) + ")");
  return roots_[index].get();
}

void TTreeNodes::BeginUpdate() { ++owner_->updateCount_; }

void TTreeNodes::EndUpdate() {
  if (owner_->updateCount_ > 0 && --owner_->updateCount_ == 0) owner_->Changed();
}
