#pragma once
// The scroll-bar control: a bar of its own window (SB_CTL), which answers
// the SBM_ messages, tells its parent of every step (WM_HSCROLL /
// WM_VSCROLL naming itself) and moves its position as the steps say.

#include "platform/framework/ScrollInfo.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);
  ~TScrollBar() override;
  std::string ClassName() const override { return "TScrollBar"; }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return info_.nMin; }
  void SetMin(int value) { SetParams(Position(), value, Max()); }
  int Max() const { return info_.nMax; }
  void SetMax(int value) { SetParams(Position(), Min(), value); }
  int Position() const { return info_.nPos; }
  void SetPosition(int value) { SetParams(value, Min(), Max()); }
  int PageSize() const { return static_cast<int>(info_.nPage); }
  void SetPageSize(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = std::max(1, value); }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = std::max(1, value); }
  // Sets all three at once; OnChange fires when the position moved.
  void SetParams(int position, int min, int max);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

  void DefaultHandler(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_WANTARROWS; }
  virtual void Change();
  virtual void Scroll(TScrollCode code, int& pos);

 private:
  void DoScroll(TMessage& message);
  void Publish();  // copies the information to the window's bar
  SCROLLINFO info_;
  TScrollBarKind kind_ = sbHorizontal;
  int smallChange_ = 1;
  int largeChange_ = 1;
  detail::TScrollTracker tracker_;
};
