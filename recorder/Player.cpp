// The player window's controls, its showing and closing, and the buttons
// that open the other windows.

#include "recorder/Player.h"

#include "platform/os/Clock.h"
#include "platform/os/Files.h"
#include "platform/os/MainThread.h"
#include "recorder/Burner.h"
#include "recorder/GlobeVar.h"
#include "recorder/Joiner.h"
#include "recorder/Main.h"
#include "recorder/Options.h"
#include "recorder/Splitter.h"
#include "recorder/WindowBuilding.h"
#include "recorder/WindowSkin.h"
#include "skin/ZELPublic.h"

TfrmPlayer* frmPlayer = nullptr;

namespace {

const char* const kSelectAFile = "Please select an audio file";

}  // namespace

TfrmPlayer::TfrmPlayer(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetCaption("Velmora MP3 Player");
  SetClientSize(717, 550);
  CreateSkin();
  CreateButtons();
  CreatePlaybackControls();
  CreateFileList();
  CreatePopupMenu();
  KeepKeyboardOnButton1();
  if (TzelFileTheme* theme = RecorderTheme()) ApplyThemeToChildren(*this, FromThemeFile, theme);
  AI.SetWMAEnabled(true);

  // The recorder's one message box, as the main window shows it.
  ShowMessage = [](const std::string& text) {
    if (frmMain && frmMain->ShowMessage) frmMain->ShowMessage(text);
  };
  AskQuestion = [](const std::string& text) {
    return frmMain && frmMain->AskQuestion ? frmMain->AskQuestion(text) : static_cast<int>(mrNo);
  };
  OnShow = [this](TObject*) { FormShow(); };
  OnActivate = [this](TObject*) { Invalidate(); };
  OnClose = [this](TObject*, TCloseAction& action) {
    FormClose();
    action = caHide;
  };
  OnCloseQuery = [this](TObject*, bool& canClose) {
    if (convertingRowIndex_ < 0) return;
    if (AskQuestion("Converting in progress, do you want to cancel ?") != mrYes) {
      canClose = false;
      return;
    }
    CancelConversion();
    Sleep(100);
  };
}

TfrmPlayer::~TfrmPlayer() {
  // The main window outlives this one at shutdown and must not reach it.
  if (frmPlayer == this) frmPlayer = nullptr;
  alive_.End();
  AP.OnRequestOnLoadArray = nullptr;
  AP.OnEndArrayPlay = nullptr;
  AP.OnTimer = nullptr;
  AP.OnEndPlay = nullptr;
  AP.Stop();
}

// The window's shape, background and title.
void TfrmPlayer::CreateSkin() {
  UseRecorderSkin();
  zelSkinForm1 = new TzelSkinForm(this);
  zelSkinForm1->SetName("zelSkinForm1");
  zelSkinForm1->SetParent(this);
  ShapeWindow(zelSkinForm1, 718, 550);
  imgBackground = BackgroundImage(this, "imgBackground", "PLAYER_BACKGROUND");
  plSide = SidePanel(this, ClientWidth(), ClientHeight());
  titlePlayer = WindowTitle(this, "titlePlayer", "Velmora MP3 Recorder Pro:  Player", 718);
}

void TfrmPlayer::CreateButtons() {
  btnReorder = PictureButton(this, "btnReorder", 6, 24, 60, 37, "PLAYER_RECORDER", "Switch to recorder");
  btnSplitter = PictureButton(this, "btnSplitter", 67, 24, 60, 37, "PLAYER_SPLITTER", "Split selected audio file");
  btnJoiner = PictureButton(this, "btnJoiner", 128, 24, 60, 37, "PLAYER_JOINER", "Merge selected audio files");
  btnFolder = PictureButton(this, "btnFolder", 189, 24, 60, 37, "PLAYER_BURN", "Burn selected audio files to CD");
  btnEditor = PictureButton(this, "btnEditor", 250, 24, 60, 37, "PLAYER_EDITOR", "Edit selected audio file");
  btnMail = PictureButton(this, "btnMail", 311, 24, 60, 37, "PLAYER_MAIL", "Email selected audio file");
  btnOptions = PictureButton(this, "btnOptions", 372, 24, 60, 37, "PLAYER_OPTIONS", "Options");
  btnHelp = PictureButton(this, "btnHelp", 433, 24, 60, 37, "PLAYER_HELP", "Help");
  btnPlayerClose = PictureButton(this, "btnPlayerClose", 693, 4, 18, 20, "PLAYER_CLOSE", "");
  // Off the window: it holds the keyboard focus away from the sliders.
  Button1 = Place<TButton>(this, this, 0, -100, 10, 10);
  Button1->SetName("Button1");

  btnReorder->OnClick = [](TObject*) {
    if (!frmMain) return;
    frmMain->Show();
    frmMain->BringToFront();
  };
  btnSplitter->OnClick = [this](TObject*) { btnSplitterClick(); };
  btnJoiner->OnClick = [this](TObject*) { btnJoinerClick(); };
  btnFolder->OnClick = [](TObject*) {
    if (frmBurner) frmBurner->ShowModal();
  };
  btnEditor->OnClick = [this](TObject*) { EditSelected(); };
  btnMail->OnClick = [this](TObject*) { MailSelected(); };
  btnOptions->OnClick = [](TObject*) {
    if (frmOptions) frmOptions->ShowModal();
  };
  btnHelp->OnClick = [](TObject*) { ShowHelpTopic("Recorder.html#player"); };
  btnPlayerClose->OnClick = [this](TObject*) { Close(); };
}

void TfrmPlayer::KeepKeyboardOnButton1() {
  auto handOver = [this] {
    PostWhileAlive([this] {
      if (Button1->CanFocus()) SetActiveControl(Button1);
    });
  };
  for (TzelTrackBar* bar : {tbPlaybackProgress, tbPlaybackVolume}) PassKeyboardOnFromSlider(bar, handOver);
}

void TfrmPlayer::PostWhileAlive(std::function<void()> fn) { alive_.Post(std::move(fn)); }

void TfrmPlayer::FormShow() {
  if (Button1->CanFocus()) SetActiveControl(Button1);
  // Shown again after a close, which stopped playback already.
  if (playingRowIndex_ >= 0) StopPlaying();
  convertingRowIndex_ = -1;
  if (!DirectoryExists(::OutputPath)) ::OutputPath = RecordedFolder;
  STV->SetSelectedFolder(::OutputPath);
  tbPlaybackProgress->SetPosition(0);
  tbPlaybackProgress->SetEnabled(false);
  shown_ = true;
  PickPlaybackLine();
  ListFolder();
}

void TfrmPlayer::FormClose() {
  if (Renaming()) EndRename(false);
  StopPlaying();
}

void TfrmPlayer::btnSplitterClick() {
  if (!lvPlayList->Selected()) {
    ShowMessage(kSelectAFile);
    return;
  }
  if (!frmSplitter) return;
  frmSplitter->SourcePath = PathOf(lvPlayList->Selected());
  frmSplitter->ShowModal();
}

void TfrmPlayer::btnJoinerClick() {
  if (!frmJoiner) return;
  frmJoiner->STV->SetSelectedFolder(STV->SelectedFolder());
  frmJoiner->ShowModal();
}
