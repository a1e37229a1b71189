#pragma once
// The erase-progress window. The library reports no erase progress, so the
// bar shows a timed estimate that waits short of the end until the library
// reports the end, then runs to 100 and the window closes.

#include <cstdint>
#include <random>
#include <string>

#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/Timer.h"
#include "skin/ZELProgressBar.h"

class TFoxBurnerSDK;
class TzelForm;

class TfrmEraseProgress : public TForm {
 public:
  explicit TfrmEraseProgress(TComponent* owner);
  std::string ClassName() const override { return "TfrmEraseProgress"; }

  // The burner window's component, handed over once every burner window
  // exists; the erased disc is ejected through it.
  TFoxBurnerSDK* MFox = nullptr;

  // Starts a new erase: keeps the kind, shows it as the activity, and
  // forgets the end of the previous one. Called before the erase is asked
  // for, so an end reported at once is kept.
  void SetEraseMode(bool full);
  // The end of the erase, with the library's error text (empty when it
  // succeeded). A failed erase closes the window at once.
  void SetEraseDone(bool done, const std::string& error = std::string());
  bool EraseDone() const { return eraseDone_; }
  const std::string& EraseError() const { return eraseError_; }
  // Where the estimate waits for the end: 70 to 89.
  int Target() const { return target_; }

  void FormShow(TObject* sender);
  void tmEraseTimer(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void FormClose(TObject* sender, TCloseAction& action);

  TzelForm* zelForm1;
  TLabel* lbActivity1;
  TLabel* lbActivity;
  TLabel* lbTime1;
  TLabel* lbTime;
  TzelProgressBar* pbarErase;
  TTimer* tmErase;

 private:
  std::uint64_t startTick_ = 0;
  bool fullErase_ = false;
  int target_ = 70;
  bool eraseDone_ = false;
  std::string eraseError_;
  std::mt19937 random_;
};

extern TfrmEraseProgress* frmEraseProgress;
