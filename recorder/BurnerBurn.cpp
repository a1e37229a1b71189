// The burner window's writer and burn: the writers found at start, the disc
// in the current one, the start of a burn, and the component's events
// passed on to the progress and erase windows.

#include "platform/base/Exceptions.h"
#include "platform/win/WinMessages.h"
#include "recorder/Burner.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELListView.h"
#include "recorder/BurnerRules.h"
#include "recorder/Burning.h"
#include "recorder/Device.h"
#include "recorder/EraseProgress.h"
#include "recorder/GlobeVar.h"

namespace {

constexpr const char* kNotActive = "TFoxBurnerSDK must be Active for this function";

// The screen shows the hourglass while it lives.
class THourglass {
 public:
  THourglass() : saved_(Screen ? Screen->Cursor() : crDefault) {
    if (Screen) Screen->SetCursor(crHourGlass);
  }
  ~THourglass() {
    if (Screen) Screen->SetCursor(saved_);
  }

 private:
  TCursor saved_;
};

}  // namespace

void TfrmBurner::DiscoverWriters() {
  THourglass hourglass;
  MFox->SetActive(true);
  WriterList.Clear();
  if (!MFox->Active()) {
    // The window still opens: its info line and every burner command
    // say why it cannot burn (no box at program start).
    libraryProblem_ = std::string(kNotActive) + "\r\n" + MFox->GetLastErrorText();
    return;
  }
  libraryProblem_.clear();
  if (!MFox->CreateBurnProject(2)) ShowNotice("Burner Create Project Error");
  if (MFox->LastError() != 0) return;
  if (!MFox->RefreshDevices(true)) ShowNotice("Burner GetDevice Error");
  for (int i = 1; i <= MFox->DeviceCount(); ++i) {
    const std::string name = MFox->DeviceName(i);
    // A nameless entry has no letter to select it by.
    if (DriveLetterOf(name) == 0) continue;
    MFox->SelectDevice(static_cast<std::uint8_t>(DriveLetterOf(name)));
    bool writer = false;
    if (MFox->ReadDeviceCapabilities())
      for (int bit = 9; bit <= 16; ++bit) writer = writer || MFox->Capability(bit);
    if (writer) WriterList.Add(name);
  }
  if (WriterList.Count() > 0) MFox->SelectDevice(static_cast<std::uint8_t>(DriveLetterOf(WriterList.Strings(0))));
}

void TfrmBurner::RefreshMedium() {
  MediumType = 0;
  if (!MFox->Active() || !MFox->IsDeviceReady()) return;
  if (!MFox->ReadMediumInfo()) ShowNotice("Burner Get Medium Information Error");
  const TMediumInfo& medium = MFox->MediumInfo();
  MediumType = MediumForBurn(medium.MediumTypeCode, medium.Status, BurnType);
}

void TfrmBurner::btnSelectBurningDeviceClick() {
  if (!libraryProblem_.empty()) {
    ShowNotice(libraryProblem_);
    return;
  }
  if (frmDevice) frmDevice->ShowModal();
}

void TfrmBurner::btnStartBurnClick() {
  if (lvAudioCDList->Items()->Count() == 0) {
    ShowNotice("Please add files to project");
    return;
  }
  if (!libraryProblem_.empty()) {
    ShowNotice(libraryProblem_);
    return;
  }
  RefreshMedium();
  if (MapDiscCode(MediumType) != BurnType) {
    ShowNotice(UnsuitedDiscNotice(BurnType));
    return;
  }
  BurnFileList.Clear();
  TListItems* items = lvAudioCDList->Items();
  for (int i = 0; i < items->Count(); ++i) BurnFileList.Add(items->Item(i)->Caption());
  if (!frmBurningProgress) return;
  frmBurningProgress->ArrangeLayout(BurnType == 1);
  frmBurningProgress->ShowModal();
}

// ---- The component's events ------------------------------------------------------

void TfrmBurner::MFoxProcess(float percent) {
  if (!BurnInProgress || !frmBurningProgress) return;
  try {
    frmBurningProgress->ShowProcess(percent);
  } catch (const std::exception&) {
    // A late report must not end the burn's other events.
  }
}

void TfrmBurner::MFoxFinalize() {
  if (frmBurningProgress) frmBurningProgress->ShowFinalize();
}

void TfrmBurner::MFoxBurnDone(const std::string& error) {
  burnError_ = error;
  tmBurnDone->SetEnabled(true);
}

void TfrmBurner::tmBurnDoneTimer() {
  tmBurnDone->SetEnabled(false);
  // Only a burn this program started has a result to show.
  if (!BurnInProgress || !frmBurningProgress) return;
  frmBurningProgress->ShowBurnResult(burnError_);
}

void TfrmBurner::MFoxEraseDone(const std::string& error) {
  if (frmEraseProgress) frmEraseProgress->SetEraseDone(true, error);
}

void TfrmBurner::WndProc(TMessage& message) {
  if (message.Msg == WM_DEVICECHANGE) {
    if ((message.WParam == DBT_DEVICEARRIVAL || message.WParam == DBT_DEVICEREMOVECOMPLETE) && !BurnInProgress)
      RefreshMedium();
    message.Result = 0;
    return;
  }
  TForm::WndProc(message);
}

void ConnectBurnerWindows() {
  if (!frmBurner) return;
  if (frmBurningProgress) {
    frmBurningProgress->MFox = frmBurner->MFox;
    frmBurningProgress->EstimateProjectSize = [] { return frmBurner ? frmBurner->EstimateProjectSize() : 0; };
  }
  if (frmDevice) frmDevice->MFox = frmBurner->MFox;
  if (frmEraseProgress) frmEraseProgress->MFox = frmBurner->MFox;
}
