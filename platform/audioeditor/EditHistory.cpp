#include "platform/audioeditor/EditHistory.h"

#include <algorithm>

namespace detail {

void EditHistory::SetDepth(int depth) {
  depth_ = std::max(0, depth);
  Trim(undo_);
  Trim(redo_);
}

void EditHistory::Trim(std::deque<EditState>& steps) {
  while (static_cast<int>(steps.size()) > depth_) steps.pop_front();
}

void EditHistory::Record(EditState before) {
  redo_.clear();
  undo_.push_back(std::move(before));
  Trim(undo_);
}

bool EditHistory::Undo(EditState& current) {
  if (undo_.empty()) return false;
  redo_.push_back(std::move(current));
  current = std::move(undo_.back());
  undo_.pop_back();
  Trim(redo_);
  return true;
}

bool EditHistory::Redo(EditState& current) {
  if (redo_.empty()) return false;
  undo_.push_back(std::move(current));
  current = std::move(redo_.back());
  redo_.pop_back();
  Trim(undo_);
  return true;
}

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace detail
