#pragma once
// The writer choice, its tray and the erase of rewritable discs.

#include <functional>
#include <string>

#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELGroupBox.h"

class TFoxBurnerSDK;
class TzelForm;

// The one item of the writer list when no writer was found.
constexpr const char* kNoBurningDrives = "-- No burning drives available --";

class TfrmDevice : public TForm {
 public:
  explicit TfrmDevice(TComponent* owner);
  std::string ClassName() const override { return "TfrmDevice"; }

  // The burner window's component, handed over once every burner window
  // exists.
  TFoxBurnerSDK* MFox = nullptr;
  // The confirm dialog in message mode; tests listen here.
  std::function<void(const std::string&)> ShowNotice;

  // The names of WriterList, or the one "no drives" item.
  void FillWriterCombo();
  // Notices for a missing disc, an unreadable one and one that cannot be
  // erased.
  bool CheckRewritableMedium();

  void FormShow(TObject* sender);
  void bOKClick(TObject* sender);
  void bCancelClick(TObject* sender);
  void bEjectDeviceClick(TObject* sender);
  void bCloseDeviceClick(TObject* sender);
  void bFullEraseClick(TObject* sender);
  void bQuickEraseClick(TObject* sender);

  TzelForm* zelForm1;
  TzelGroupBox* gbTarget;
  TLabel* lbBurner;
  TzelComboBox* CmbBurner;
  TzelButton* bEjectDevice;
  TzelButton* bCloseDevice;
  TzelButton* bFullErase;
  TzelButton* bQuickErase;
  TzelButton* bOK;
  TzelButton* bCancel;

 private:
  // Makes the writer chosen in the combo box current; false with none.
  bool SelectChosenWriter();
  void EraseDisc(bool full);
};

extern TfrmDevice* frmDevice;
