#pragma once
// The list view in the look's colours: a two-pixel frame, a column header
// repainted in the look's colours, and up to two themed scroll bars laid
// over the native ones and kept in step with them.

#include <string>

#include "platform/framework/ListView.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"

class TzelListView : public TListView {
 public:
  explicit TzelListView(TComponent* owner);
  ~TzelListView() override;
  std::string ClassName() const override { return "TzelListView"; }

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);
  // Not owned: the list view only keeps them in step and in place.
  TzelScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TzelScrollBar* value);
  TzelScrollBar* HScrollBar() const { return hScrollBar_; }
  void SetHScrollBar(TzelScrollBar* value);

  TColor HeaderFontColor() const { return headerFontColor_; }
  TColor HeaderColor() const { return headerColor_; }

  void Notification(TComponent* component, TOperation operation) override;
  // Takes over the header's painting, then places the scroll bars.
  void Loaded() override;
  void WndProc(TMessage& message) override;

 private:
  static LRESULT HeaderProc(HWND header, UINT msg, WPARAM wParam, LPARAM lParam);
  void SetCompanion(TzelScrollBar*& slot, TzelScrollBar* value, TzelProgressBarOrientation orientation);
  void HookHeader();
  void UnhookHeader();
  LRESULT HeaderMessage(HWND header, UINT msg, WPARAM wParam, LPARAM lParam);
  void PaintHeader(TCanvas& canvas);
  void PaintHeaderColumn(TCanvas& canvas, int index, const TRect& rect);
  void PlaceCompanions();
  void LayOutCompanions();
  void SyncCompanions();
  void CompanionChanged(TzelScrollBar* companion);

  TColor borderColor_ = clBlack;
  TColor headerFontColor_ = clBlack;
  TColor headerColor_ = clBtnFace;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelFileTheme* fileTheme_ = nullptr;
  TzelScrollBar* vScrollBar_ = nullptr;
  TzelScrollBar* hScrollBar_ = nullptr;
  HWND header_ = nullptr;
  WNDPROC previousHeaderProc_ = nullptr;
  bool syncing_ = false;
  bool ownScroll_ = false;
  bool leftButtonHeld_ = false;
};
