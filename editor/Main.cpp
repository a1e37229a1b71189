// The main window's construction, start-up and placement.

#include "editor/Main.h"

#include <utility>

#include "editor/GlobeVar.h"
#include "editor/HandOver.h"
#include "platform/framework/MessageDialogs.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"
#include "platform/os/Process.h"

TfrmMain* frmMain = nullptr;

namespace {

constexpr TColor kScalesColor = 16442840;
constexpr TColor kMenuBarColor = 15390152;
constexpr int kNewDocumentRate = 44100;
constexpr int kNewDocumentChannels = 2;
constexpr int kMinWidth = 600;
constexpr int kMinHeight = 400;

}  // namespace

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner) {
  SetName("frmMain");
  SetCaption(kEditorTitle);
  SetBounds(0, 0, 820, 580);
  SetShowHint(true);
  MessageBox = [](const std::string& text, UINT flags) { return ShowMessageBox(text, "", flags); };
  ExecuteDialog = [](TOpenDialog* dialog) { return dialog->Execute(); };
  StartCopy = [] { return ProcessStarter().StartDetached({GetModuleFileName()}, {}); };

  CreateThemes();
  CreateMenus();
  CreateToolbars();
  CreateBottomRow();
  CreateEngine();
  BindCommands();
  BindEffects();

  OD = new TOpenDialog(this);
  OD->SetName("OD");
  OD->SetFilter(
      "All Support Files|*.wav;*.mp3;*.mp2;*.mpeg;*.ogg;*.wma|Wav Files (*.wav)|*.wav|MPEG Files "
      "(*.mp3;*.mp2;*.mpeg)|*.mp3;*.mp2;*.mpeg|OggVorbis Files (*.ogg)|*.ogg|WMA Files (*.wma)|*.wma|All FIles "
      "(*.*)|*.*");
  OD->SetOptions(ofFileMustExist);
  sd = new TSaveDialog(this);
  sd->SetName("sd");
  sd->SetFilter(
      "Wav Files (*.wav)|*.wav|MPEG Files (*.mp3;*.mp2;*.mpeg)|*.mp3;*.mp2;*.mpeg|OggVorbis Files "
      "(*.ogg)|*.ogg|WMA Files (*.wma)|*.wma");
  sd->SetDefaultExt(".wav");
  sd->SetOptions(ofOverwritePrompt | ofPathMustExist);

  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  OnCanResize = [this](TObject* sender, int& w, int& h, bool& resize) { FormCanResize(sender, w, h, resize); };
}

TfrmMain::~TfrmMain() {
  if (frmMain == this) frmMain = nullptr;
}

void TfrmMain::FormCreate(TObject*) {
  AE->Colors()->SetScales(kScalesColor);
  AE->SetDoubleBuffered(true);
  plProgressbarBack->SetDoubleBuffered(true);
  ProgressBarL->SetDoubleBuffered(true);
  ProgressBarR->SetDoubleBuffered(true);
  zelImagePanel4->SetDoubleBuffered(true);
  tickerY_ = TickerCentre();
  zelForm1->SetMenuBarColor(kMenuBarColor);

  SetUpEditorFolders();
  THandOver defaults;
  defaults.Left = (Screen->Width() - Width()) / 2;
  defaults.Top = (Screen->Height() - Height()) / 2;
  const THandOver handOver = TakeHandOver(SettingsFolder, defaults);
  StoredLeft = handOver.Left;
  StoredTop = handOver.Top;
  Modified = false;
  EditCount = 0;
  const std::string name = Trim(handOver.FileName);
  // The document takes the name only once the engine has opened it, on
  // the first activation.
  if (!name.empty() && FileExists(name))
    handOverName_ = name;
  else
    AE->NewFile(kNewDocumentRate, kNewDocumentChannels);
}

void TfrmMain::FormShow(TObject*) { UpdateFileInfo(); }

void TfrmMain::FormActivate(TObject*) {
  // Later activations (a dialog closing) must neither move the window
  // back nor reload the file over the edits.
  if (activated_) return;
  activated_ = true;
  SetBounds(StoredLeft + 20, StoredTop + 20, Width(), Height());
  if (!handOverName_.empty()) LoadDocument(std::exchange(handOverName_, {}));
  UpdateFileInfo();
}

void TfrmMain::LoadDocument(const std::string& fileName) {
  try {
    AE->OpenFile(fileName, 0);
    DocumentName = fileName;
  } catch (const std::exception& error) {
    DocumentName.clear();
    if (AE->Position()->Length() <= 0) AE->NewFile(kNewDocumentRate, kNewDocumentChannels);
    ShowError("Cannot open " + fileName + ": " + error.what());
  }
}

bool TfrmMain::HandToNewCopy(const std::string& fileName) {
  if (!WriteHandOver(SettingsFolder, {fileName, Left(), Top()})) {
    ShowError("The hand-over file cannot be written in " + SettingsFolder);
    return false;
  }
  if (StartCopy()) return true;
  // Left behind, the file would be taken by whichever copy starts next.
  DeleteFile(SettingsFolder + kHandOverFileName);
  return false;
}

void TfrmMain::StartNewInstance() {
  // An untouched new document is used as it is.
  if (DocumentName.empty() && !Modified) return;
  HandToNewCopy("");
}

void TfrmMain::FormCanResize(TObject*, int& newWidth, int& newHeight, bool&) {
  if (newWidth < kMinWidth) newWidth = kMinWidth;
  if (newHeight < kMinHeight) newHeight = kMinHeight;
}

void TfrmMain::ShowError(const std::string& text) { MessageBox(text, MB_OK | MB_ICONERROR); }
