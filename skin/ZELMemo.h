#pragma once
// The recorder's skinned memo: a themed two-pixel frame, and two themed
// scroll bars that may lie over its edges in place of the native ones,
// kept in step with the native scroll state both ways.

#include <string>

#include "platform/framework/Memo.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"

class TzelMemo : public TMemo {
 public:
  explicit TzelMemo(TComponent* owner);
  ~TzelMemo() override;
  std::string ClassName() const override { return "TzelMemo"; }

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);
  // Companions on the memo's parent, not owned by the memo.
  TzelScrollBar* HScrollBar() const { return hScrollBar_; }
  void SetHScrollBar(TzelScrollBar* value);
  TzelScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TzelScrollBar* value);

  // Lays the companions over the memo's edges, then brings them in step.
  void PlaceScrollBars();
  // Copies the native scroll state to the companions.
  void SyncScrollBars();

  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;

 private:
  void SetCompanion(TzelScrollBar*& slot, TzelScrollBar* value, TzelProgressBarOrientation orientation);
  void ReleaseCompanion(TzelScrollBar* bar);
  void UpdateNativeScrollBars();
  void SyncOne(TzelScrollBar* bar, LONG objectId, int barKind);
  void CompanionChanged(TzelScrollBar* bar, UINT scrollMessage);
  bool RightToLeftBars() const;

  TColor borderColor_ = clBlack;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelFileTheme* fileTheme_ = nullptr;
  TzelScrollBar* hScrollBar_ = nullptr;
  TzelScrollBar* vScrollBar_ = nullptr;
  bool syncing_ = false;    // the companions are being updated from the memo
  bool scrolling_ = false;  // the memo scrolls itself on a companion's change
  bool leftButtonDown_ = false;
};
