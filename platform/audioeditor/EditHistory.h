#pragma once
// Undo and redo. Each step keeps the whole state before an edit: the
// document (a list of spans into shared chunks, so a step costs about the
// changed samples), the markers and the cursor and selection.

#include "platform/audioeditor/AudioDocument.h"
#include "platform/audioeditor/CueMarkers.h"

#include <cstdint>
#include <deque>

namespace detail {

struct EditState {
  AudioDocument document;
  CueMarkerList markers;
  std::int64_t selectionStart = 0;
  std::int64_t selectionEnd = 0;
  std::int64_t cursor = 0;
};

class EditHistory {
 public:
  static constexpr int kDefaultDepth = 20;

  int Depth() const { return depth_; }
  // Steps beyond the depth are forgotten, the oldest first.
  void SetDepth(int depth);

  // Records the state before an edit; forgets what could be redone.
  void Record(EditState before);
  // Swap `current` with the state before the last edit (or after the last
  // undo); false, leaving current alone, when there is none.
  bool Undo(EditState& current);
  bool Redo(EditState& current);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  void Clear();

 private:
  void Trim(std::deque<EditState>& steps);
  int depth_ = kDefaultDepth;
  std::deque<EditState> undo_, redo_;
};

}  // namespace detail
