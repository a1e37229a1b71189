#pragma once
// The burning-progress window: the disc options, the checks of the disc,
// the building of the library's project and the start of a burn; then the
// progress, the finalize step and the result the burner window passes on
// from the component's events.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "skin/ZELButton.h"
#include "skin/ZELEdit.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELProgressBar.h"

class TFoxBurnerSDK;
class TzelFileTheme;
class TzelForm;
// Its unit clashes with the frame's over one name, so only its own
// file of this window (BurningAbort.cpp) includes it.
class TzelMessageDialog;

// Whether a disc of this medium code and status takes a burn of this type,
// and whether its code alone would (a refusal by the code forgets the
// medium type, one by the status keeps it).
struct TMediumVerdict {
  bool accepted = false;
  bool codeFits = false;
};
TMediumVerdict JudgeWritableMedium(std::int32_t burnType, std::uint8_t code, std::uint8_t status);

class TfrmBurningProgress : public TForm {
 public:
  explicit TfrmBurningProgress(TComponent* owner);
  std::string ClassName() const override { return "TfrmBurningProgress"; }

  // The burner window's component and its burn-list size in bytes, handed
  // over once every burner window exists (the burner window comes first).
  TFoxBurnerSDK* MFox = nullptr;
  std::function<std::int64_t()> EstimateProjectSize;
  // The confirm dialog in message mode; tests listen here.
  std::function<void(const std::string&)> ShowNotice;

  // Settings group for a data disc, the lone eject box for an audio CD;
  // the window's height follows and it is centred vertically.
  void ArrangeLayout(bool audio);
  // Labels emptied, bar 0, no burn in progress, Start on, Abort off.
  void ResetProgress();
  // When Start was pressed, in GetTickCount64 milliseconds.
  std::uint64_t BurnStartTick() const { return burnStart_; }

  // The burner window passes the component's events on here.
  // Bar and elapsed time follow the library's percent while a burn runs.
  void ShowProcess(float percent);
  void ShowFinalize();
  // The result of the burn that ended with the library's error text
  // (empty on success): aborted, failed or done; then ResetProgress.
  void ShowBurnResult(const std::string& error);

  bool CheckWritableMedium();
  void BuildBurnProject();
  bool StartBurn();

  void FormShow(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void bStartClick(TObject* sender);
  void bAbortClick(TObject* sender);
  void bCloseClick(TObject* sender);
  void chkTestBurnEnter(TObject* sender);

  TzelForm* zelForm1;
  TzelGroupBox* gbBurnSetting;
  TLabel* lbVolumeLabel;
  TzelEdit* edtVolumeLabel;
  TzelCheckBox* chkTestBurn;
  TzelCheckBox* chkEjectAfterBurn;
  TzelCheckBox* chkFinalizeDisc;
  TzelCheckBox* chkJolietFileSystem;
  TzelGroupBox* gbProgress;
  TLabel* lbWriting1;
  TLabel* lbWriting;
  TLabel* lbWriteTime1;
  TLabel* lbWriteTime;
  TLabel* lbProgress;
  TzelProgressBar* ProBurn;
  TzelCheckBox* chkEjectAfterBurn1;
  TzelButton* bStart;
  TzelButton* bAbort;
  TzelButton* bClose;
  TzelMessageDialog* AbortDlg;
  TButton* Button1;

 private:
  void MakeAbortDialog(TzelFileTheme* theme);
  // The yes/no question of an abort: true on yes.
  bool AskAbort();

  std::uint64_t burnStart_ = 0;
};

extern TfrmBurningProgress* frmBurningProgress;
