#pragma once
// The list view in the look's colours: a two-pixel frame, a column header
// repainted in the look's colours, and up to two themed scroll bars laid
// over the native ones and kept in step with them.

#include <string>

#include "platform/framework/ListView.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELThemed.h"

class TzelListView : public TzelFramed<TListView> {
 public:
  explicit TzelListView(TComponent* owner);
  ~TzelListView() override;
  std::string ClassName() const override { return "TzelListView"; }

  // Not owned: the list view only keeps them in step and in place.
  TzelScrollBar* VScrollBar() const { return Link().Companion(SB_VERT); }
  void SetVScrollBar(TzelScrollBar* value) { Link().SetCompanion(SB_VERT, value); }
  TzelScrollBar* HScrollBar() const { return Link().Companion(SB_HORZ); }
  void SetHScrollBar(TzelScrollBar* value) { Link().SetCompanion(SB_HORZ, value); }

  TColor HeaderFontColor() const { return headerFontColor_; }
  TColor HeaderColor() const { return headerColor_; }

  // Places the scroll bars, then takes over the header's painting.
  void Loaded() override;

 private:
  static LRESULT HeaderProc(HWND header, UINT msg, WPARAM wParam, LPARAM lParam);
  void HookHeader();
  void UnhookHeader();
  LRESULT HeaderMessage(HWND header, UINT msg, WPARAM wParam, LPARAM lParam);
  void PaintHeader(TCanvas& canvas);
  void PaintHeaderColumn(TCanvas& canvas, int index, const TRect& rect);
  void PlaceCompanions();
  void LayOutCompanions();
  void ScrollToCompanion(TzelScrollBar& companion, int bar);

  TColor headerFontColor_ = clBlack;
  TColor headerColor_ = clBtnFace;
  HWND header_ = nullptr;
  WNDPROC previousHeaderProc_ = nullptr;
};
