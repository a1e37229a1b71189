#include "recorder/Burning.h"

#include <algorithm>
#include <cmath>

#include "burner/FoxBurnerSDKMain.h"
#include "common/Formatters.h"
#include "platform/os/Clock.h"
#include "recorder/Confirm.h"
#include "recorder/DialogControls.h"
#include "recorder/DialogFrame.h"
#include "recorder/GlobeVar.h"
#include "skin/ZELForm.h"

TfrmBurningProgress* frmBurningProgress = nullptr;

namespace {

constexpr int kDataProgressTop = 138;
constexpr int kDataButtonsTop = 251;
constexpr int kAudioProgressTop = 48;
constexpr int kAudioButtonsTop = 162;
constexpr int kWindowBelowProgress = 161;

TzelCheckBox* Checked(TzelCheckBox* box, bool checked) {
  box->SetChecked(checked);
  return box;
}

std::string ElapsedSince(std::uint64_t start) {
  const std::uint64_t elapsed = GetTickCount64() - start;
  return MsToMinSec(static_cast<std::int32_t>(std::min<std::uint64_t>(elapsed, INT32_MAX)));
}

// The first character of a writer's name is its drive letter.
std::uint8_t DriveLetter(const std::string& name) { return static_cast<std::uint8_t>(name.empty() ? 0 : name[0]); }

}  // namespace

TMediumVerdict JudgeWritableMedium(std::int32_t burnType, std::uint8_t code, std::uint8_t status) {
  const bool writableStatus = status == 0 || status == 1;
  TMediumVerdict verdict;
  if (burnType >= 1 && burnType <= 4) {
    verdict.codeFits = code == 2 || code == 3;
    verdict.accepted = code == 3 || (code == 2 && writableStatus);
  } else if (burnType == 5) {
    const bool writeOnce = code == 5 || code == 6 || code == 11 || code == 15;
    const bool rewritable = code >= 7 && code <= 10;
    verdict.codeFits = writeOnce || rewritable;
    verdict.accepted = rewritable || (writeOnce && writableStatus);
  }
  return verdict;
}

TfrmBurningProgress::TfrmBurningProgress(TComponent* owner) : TForm(owner) {
  SetName("frmBurningProgress");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(444, 291);
  zelForm1 = DressDialog(this, "Velmora MP3 Recorder Pro: Burn Progress ");
  ShowNotice = ShowConfirmMessage;

  gbBurnSetting = new TzelGroupBox(this);
  gbBurnSetting->SetName("gbBurnSetting");
  gbBurnSetting->SetParent(zelForm1);
  gbBurnSetting->SetBounds(8, 32, 428, 98);
  gbBurnSetting->SetCaption(" Burn Settings ");
  lbVolumeLabel = AddLabel(gbBurnSetting, "Volume Label:", 16, 26, 100, "lbVolumeLabel");
  edtVolumeLabel = AddEdit(gbBurnSetting, "edtVolumeLabel", 112, 22, 296);
  edtVolumeLabel->SetText("My collection");
  chkTestBurn = Checked(AddCheck(gbBurnSetting, "chkTestBurn", "Test Only", 16, 52, 150), false);
  chkEjectAfterBurn = Checked(AddCheck(gbBurnSetting, "chkEjectAfterBurn", "Eject After Burn", 212, 52, 150), true);
  chkFinalizeDisc = Checked(AddCheck(gbBurnSetting, "chkFinalizeDisc", "Finalize Disc", 16, 72, 150), false);
  chkJolietFileSystem =
      Checked(AddCheck(gbBurnSetting, "chkJolietFileSystem", "Joliet File System", 212, 72, 150), true);

  gbProgress = new TzelGroupBox(this);
  gbProgress->SetName("gbProgress");
  gbProgress->SetParent(zelForm1);
  gbProgress->SetBounds(8, kDataProgressTop, 428, 104);
  gbProgress->SetCaption(" Burn Progress ");
  lbWriting1 = AddLabel(gbProgress, "Activity:", 16, 22, 100, "lbWriting1");
  lbWriting = AddLabel(gbProgress, "", 112, 22, 100, "lbWriting");
  lbWriteTime1 = AddLabel(gbProgress, "Elapsed Time:", 16, 42, 100, "lbWriteTime1");
  lbWriteTime = AddLabel(gbProgress, "", 112, 42, 100, "lbWriteTime");
  lbProgress = AddLabel(gbProgress, "Burn Progress:", 16, 64, 100, "lbProgress");
  ProBurn = new TzelProgressBar(this);
  ProBurn->SetName("ProBurn");
  ProBurn->SetParent(gbProgress);
  ProBurn->SetBounds(112, 61, 296, 18);
  ProBurn->SetMin(0);
  ProBurn->SetMax(100);
  ProBurn->SetPosition(0);
  ProBurn->SetShowCaption(true);
  chkEjectAfterBurn1 = Checked(AddCheck(gbProgress, "chkEjectAfterBurn1", "Eject After Burn", 16, 82, 150), true);

  const auto button = [this](const std::string& name, int left, const std::string& caption) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetParent(zelForm1);
    made->SetBounds(left, kDataButtonsTop, 80, 27);
    made->SetCaption(caption);
    return made;
  };
  bStart = button("bStart", 180, "Start");
  bStart->OnClick = [this](TObject* sender) { bStartClick(sender); };
  bAbort = button("bAbort", 268, "Abort");
  bAbort->SetEnabled(false);
  bAbort->OnClick = [this](TObject* sender) { bAbortClick(sender); };
  bClose = button("bClose", 356, "Close");
  bClose->OnClick = [this](TObject* sender) { bCloseClick(sender); };

  MakeAbortDialog(zelForm1->FileTheme());

  // Takes the keyboard from the check boxes, so none stays the active one.
  Button1 = new TButton(this);
  Button1->SetName("Button1");
  Button1->SetParent(this);
  Button1->SetBounds(-200, -200, 75, 25);
  Button1->SetCaption("Button1");
  for (TzelCheckBox* box : {chkTestBurn, chkEjectAfterBurn, chkFinalizeDisc, chkJolietFileSystem, chkEjectAfterBurn1})
    box->OnEnter = [this](TObject* sender) { chkTestBurnEnter(sender); };

  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  ThemeDialogControls(this, zelForm1);
}

void TfrmBurningProgress::ArrangeLayout(bool audio) {
  gbBurnSetting->SetVisible(!audio);
  chkEjectAfterBurn1->SetVisible(audio);
  const int progressTop = audio ? kAudioProgressTop : kDataProgressTop;
  gbProgress->SetTop(progressTop);
  for (TzelButton* button : {bStart, bAbort, bClose}) button->SetTop(audio ? kAudioButtonsTop : kDataButtonsTop);
  SetHeight(progressTop + kWindowBelowProgress);
  SetTop((Screen->Height() - Height()) / 2);
}

void TfrmBurningProgress::ResetProgress() {
  lbWriting->SetCaption("");
  lbWriteTime->SetCaption("");
  ProBurn->SetPosition(0);
  BurnInProgress = false;
  bStart->SetEnabled(true);
  bAbort->SetEnabled(false);
  // The build disables Close; a burn that never started must not keep it so.
  bClose->SetEnabled(true);
}

void TfrmBurningProgress::FormShow(TObject*) {
  ResetProgress();
  static const char* const kCaptions[] = {"  Burn Audio CD: ", "  Burn MP3 CD: ", "  Burn WMA CD: ",
                                          "  Burn Audio Files CD: ", "  Burn Audio Files DVD: "};
  if (BurnType < 1 || BurnType > 5) return;
  zelForm1->SetCaption(kCaptions[BurnType - 1]);
  // An audio CD has no file system to set up.
  const bool dataDisc = BurnType != 1;
  // The audio-files types leave the label's caption as it was.
  if (BurnType <= 3) lbVolumeLabel->SetEnabled(dataDisc);
  edtVolumeLabel->SetEnabled(dataDisc);
  for (TzelCheckBox* box : {chkTestBurn, chkFinalizeDisc, chkJolietFileSystem}) box->SetEnabled(dataDisc);
  chkEjectAfterBurn->SetEnabled(true);
  chkEjectAfterBurn1->SetEnabled(true);
}

void TfrmBurningProgress::FormCloseQuery(TObject*, bool& canClose) {
  if (!BurnInProgress) return;
  ShowNotice("Please abort burning!");
  canClose = false;
}

void TfrmBurningProgress::bCloseClick(TObject*) { Close(); }

void TfrmBurningProgress::chkTestBurnEnter(TObject*) {
  if (Button1->CanFocus()) Button1->SetFocus();
}

bool TfrmBurningProgress::CheckWritableMedium() {
  if (!MFox->IsDeviceReady()) return false;
  if (!MFox->ReadMediumInfo()) ShowNotice("Burner Get Medium Information Error");
  const std::uint8_t code = MFox->MediumInfo().MediumTypeCode;
  const std::uint8_t status = MFox->MediumInfo().Status;
  MediumType = code;
  const TMediumVerdict verdict = JudgeWritableMedium(BurnType, code, status);
  if (!verdict.codeFits) MediumType = 0;
  return verdict.accepted;
}

void TfrmBurningProgress::BuildBurnProject() {
  MFox->SetActive(true);
  MFox->ClearAll();
  bStart->SetEnabled(false);
  bClose->SetEnabled(false);
  if (BurnType == 1) {
    MFox->CreateBurnProject(0);
    lbWriting->SetCaption("Preparing Audio CD ...");
    lbProgress->SetCaption("Decode Progress:");
    for (int i = 0; i < BurnFileList.Count(); ++i) {
      if (MFox->AddProjectFile(BurnFileList[i], "\\", "", false, 0)) continue;
      ShowNotice("AddFile failed - error " + std::to_string(MFox->LastError()) + " (" + MFox->GetLastErrorText() +
                 ")");
    }
    lbWriting->SetCaption("Burning Audio CD ...");
    lbProgress->SetCaption("Burn Progress:");
  } else {
    MFox->CreateBurnProject(2);
    // A disc with sessions goes on from its last one; any other starts
    // afresh rather than from the session of an earlier disc.
    const bool continues = MFox->ReadMediumInfo() && MFox->MediumInfo().SessionCount > 0 &&
                           MFox->MediumInfo().LastSession > 0;
    MFox->Options()->SetSessionToImport(continues ? MFox->MediumInfo().LastSession : 0);
    for (int i = 0; i < BurnFileList.Count(); ++i) MFox->AddProjectFile(BurnFileList[i], "", "", false, 0);
    static const char* const kActivities[] = {"Burning MP3 CD ...", "Burning WMA CD ...",
                                              "Burning Audio Files CD ...", "Burning Audio Files DVD ..."};
    if (BurnType >= 2 && BurnType <= 5) lbWriting->SetCaption(kActivities[BurnType - 2]);
  }
  if (SelectedWriterIndex >= 0 && SelectedWriterIndex < WriterList.Count())
    MFox->SelectDevice(DriveLetter(WriterList[SelectedWriterIndex]));

  TBurningOptions* options = MFox->Options();
  const auto setSwitch = [options](TBurningOptionSwitch which, bool on) {
    options->SetSwitches(on ? options->Switches().With(which) : options->Switches().Without(which));
  };
  setSwitch(osTestBurn, chkTestBurn->Checked());
  setSwitch(osFinalize, chkFinalizeDisc->Checked());
  setSwitch(osJolietFileSystem, chkJolietFileSystem->Checked());
  setSwitch(osEjectAfterBurn, BurnType == 1 ? chkEjectAfterBurn1->Checked() : chkEjectAfterBurn->Checked());
  if (edtVolumeLabel->Enabled()) options->SetVolumeLabel(edtVolumeLabel->Text());
}

bool TfrmBurningProgress::StartBurn() {
  try {
    if (!MFox->Prepare()) return false;
    // An abort confirmed while the project was prepared stops here,
    // before anything is written.
    if (BurnAborted) return false;
    return MFox->Burn();
  } catch (const Exception&) {
    return false;
  }
}

void TfrmBurningProgress::bStartClick(TObject*) {
  try {
    // The disc checked must be the one written to.
    if (SelectedWriterIndex < 0 || SelectedWriterIndex >= WriterList.Count() ||
        WriterList[SelectedWriterIndex].empty()) {
      ShowNotice("No burning drives available");
      return;
    }
    MFox->SelectDevice(DriveLetter(WriterList[SelectedWriterIndex]));
    if (!CheckWritableMedium()) {
      ShowNotice("Please insert a writable disc!");
      return;
    }
    const std::int64_t needed = EstimateProjectSize ? EstimateProjectSize() : 0;
    if (static_cast<double>(needed) > MFox->MediumInfo().Free) {
      ShowNotice(
          "There is not enough space to burn this compilation onto this disc.\r"
          "Please insert another disc that provides more space.");
      return;
    }
    BurnInProgress = true;
    BurnAborted = false;
    burnStart_ = GetTickCount64();
    BuildBurnProject();
    if (StartBurn()) {
      bAbort->SetEnabled(true);
      bStart->SetEnabled(false);
      bClose->SetEnabled(true);
      return;
    }
    ResetProgress();
    if (BurnAborted) {
      BurnAborted = false;
      ShowNotice("Burn Abort!");
    } else {
      ShowNotice("Please insert a writable disc.");
    }
  } catch (const Exception& error) {
    ResetProgress();
    ShowNotice(error.Message());
  }
}

void TfrmBurningProgress::bAbortClick(TObject*) {
  if (!BurnInProgress) return;
  // The burn may have ended, its result shown, while the question was open.
  if (!AskAbort() || !BurnInProgress) return;
  BurnAborted = true;
  MFox->Abort();
}

void TfrmBurningProgress::ShowProcess(float percent) {
  if (!BurnInProgress) return;
  if (!std::isfinite(percent)) return;
  ProBurn->SetPosition(static_cast<int>(std::trunc(std::clamp(percent, 0.0f, 100.0f))));
  lbWriteTime->SetCaption(ElapsedSince(burnStart_));
}

void TfrmBurningProgress::ShowFinalize() { lbWriting->SetCaption("Finalize Disc..."); }

void TfrmBurningProgress::ShowBurnResult(const std::string& error) {
  if (BurnAborted) {
    ShowNotice("Burn Abort!");
  } else {
    const std::string elapsed = ElapsedSince(burnStart_);
    lbWriteTime->SetCaption(elapsed);
    // A burn that ended with the library's error text failed.
    ShowNotice("Burn Time: " + elapsed + "\r\n" + (error.empty() ? "Burn Success!" : "Burn Failed: " + error));
  }
  ResetProgress();
}
