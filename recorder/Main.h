#pragma once
// The recorder's main window. For now it sets up the folders, shows the
// two level meters, runs the hotkey thread and opens the options.

#include <memory>

#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "recorder/HotkeyDetector.h"
#include "recorder/MyAmpBar.h"

// The meters' idle look.
constexpr TColor kMeterBackground = 3816496;
constexpr TColor kMeterFrame = 8421504;
constexpr TColor kMeterIdleLow = 5921872;
constexpr TColor kMeterIdleHigh = 16777215;

class TfrmMain : public TForm {
 public:
  explicit TfrmMain(TComponent* owner);
  ~TfrmMain() override;
  std::string ClassName() const override { return "TfrmMain"; }

  TPanel* plVisualizationBG;
  TButton* btnOptions;
  TButton* btnAppMin;
  TButton* btnAppClose;
  TLabel* Label1;

  TMyAmpBar* LeftMeter() const { return leftMeter_; }
  TMyAmpBar* RightMeter() const { return rightMeter_; }
  bool HotkeyThreadRunning() const { return hotkeyThread_ != nullptr; }

 private:
  void FormCreate(TObject* sender);
  void FormDestroy(TObject* sender);
  void btnOptionsClick(TObject* sender);
  TMyAmpBar* CreateMeter(TAlign side);
  void StopHotkeyThread();

  TMyAmpBar* leftMeter_ = nullptr;
  TMyAmpBar* rightMeter_ = nullptr;
  std::unique_ptr<THotkeyDetector> hotkeyThread_;
};

extern TfrmMain* frmMain;
