#pragma once
// A component that fires OnTimer every Interval milliseconds on the GUI
// thread while Enabled. Interval 0 means no timer runs.

#include "platform/framework/Component.h"
#include "platform/win/WinApi.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  TNotifyEvent OnTimer;

  void Loaded() override;

 protected:
  virtual void Timer();

 private:
  static void TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  UINT_PTR id_ = 0;
};
