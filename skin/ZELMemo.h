#pragma once
// The recorder's skinned memo: a themed two-pixel frame, and two themed
// scroll bars that may lie over its edges in place of the native ones,
// kept in step with the native scroll state both ways.

#include <string>

#include "platform/framework/Memo.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELThemed.h"

class TzelMemo : public TzelFramed<TMemo> {
 public:
  explicit TzelMemo(TComponent* owner);
  std::string ClassName() const override { return "TzelMemo"; }

  // Companions on the memo's parent, not owned by the memo. Each turns
  // the memo's native bar on its side on while it is attached.
  TzelScrollBar* HScrollBar() const { return Link().Companion(SB_HORZ); }
  void SetHScrollBar(TzelScrollBar* value) { Link().SetCompanion(SB_HORZ, value); }
  TzelScrollBar* VScrollBar() const { return Link().Companion(SB_VERT); }
  void SetVScrollBar(TzelScrollBar* value) { Link().SetCompanion(SB_VERT, value); }

  // Lays the companions over the memo's edges, then brings them in step.
  void PlaceScrollBars() { Link().PlaceCompanions(); }
  // Copies the native scroll state to the companions.
  void SyncScrollBars() { Link().SyncCompanions(); }

 private:
  void UpdateNativeScrollBars();
  void LayOutScrollBars();
  bool RightToLeftBars() const;
};
