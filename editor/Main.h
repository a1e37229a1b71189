#pragma once
// The editor's main window: one audio document in the engine AE, the
// commands that edit, play and save it, the two-line information ticker
// and the level bars.

#include <cstdint>
#include <functional>
#include <string>

#include "editor/DocumentLink.h"
#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/framework/ComCtrls.h"
#include "platform/framework/Dialogs.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/Menus.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/Timer.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELForm.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELMainMenu.h"
#include "skin/ZELMgr.h"
#include "skin/ZELProgressBar.h"

inline constexpr char kEditorTitle[] = "Velmora Audio Editor";

class TfrmMain : public TForm {
 public:
  explicit TfrmMain(TComponent* owner);
  ~TfrmMain() override;
  std::string ClassName() const override { return "TfrmMain"; }

  // The two embedded theme files: the dialogs take the first, the main
  // window the second.
  TzelBuiltInFileTheme* zelBuiltInFileTheme1;
  TzelBuiltInFileTheme* zelBuiltInFileTheme2;
  TzelForm* zelForm1;
  TzelMainMenu* zelMainMenu1;

  // Toolbar 1.
  TzelImagePanel* plToolbar1;
  TzelButton* btnNew;
  TzelButton* btnOpen;
  TzelButton* btnSave;
  TzelButton* btnOptions;
  TzelButton* btnCopy;
  TzelButton* btnCut;
  TzelButton* btnPaste;
  TzelButton* btnPasteMix;
  TzelButton* btnUndo;
  TzelButton* btnRedo;
  TzelButton* btnZoomIn;
  TzelButton* btnZoomOut;
  TzelButton* btnZoomFull;
  TzelButton* btnLChannel;
  TzelButton* btnRChannel;
  // Toolbar 2.
  TzelImagePanel* plToolbar2;
  TzelButton* btnAmplifyPlus;
  TzelButton* btnAmplifyMinus;
  TzelButton* btnFadeIn;
  TzelButton* btnFadeOut;
  TzelButton* btnNormalize;
  TzelButton* btnInserSilence;
  TzelButton* btnSilence;
  TzelButton* btnInvert;
  TzelButton* btnFlanger;
  TzelButton* btnVibrato;
  TzelButton* btnDelay;
  TzelButton* btnNF;
  TzelButton* btnBPF;
  TzelButton* btnHPF;
  TzelButton* btnLPF;
  TzelButton* btnHSF;
  TzelButton* btnLSF;
  TzelButton* btnFFT;

  TAudioEditor2* AE;

  // The bottom row: transport, information ticker, level bars.
  TzelImagePanel* plBottom;
  TzelButton* btnPlay;
  TzelButton* btnStop;
  TzelButton* btnPlayLoop;
  TzelButton* btnContinue;
  TzelButton* btnPlayEnd;
  TzelButton* btnPause;
  TzelButton* btnInfo;
  TzelImagePanel* zelImagePanel4;
  TPaintBox* pbInfo;
  TLabel* lbInfo1;
  TLabel* lbInfo2;
  TTimer* tmShowInfo;
  TPanel* plProgressbarBack;
  TzelProgressBar* ProgressBarL;
  TzelProgressBar* ProgressBarR;
  TStatusBar* StatusBar;

  // Menu items the program reaches by name.
  TMenuItem* mnuFile;
  TMenuItem* mnuNew;
  TMenuItem* mnuOpen;
  TMenuItem* mnuSave;
  TMenuItem* mnuConvertSampleType;
  TMenuItem* mnuSaveAs;
  TMenuItem* mnuSaveSelectAs;
  TMenuItem* mnuExit;
  TMenuItem* mnuView;
  TMenuItem* mnuEdit;
  TMenuItem* mnuOperation;
  TMenuItem* mnuFilter;
  TMenuItem* mnuOptions;
  TMenuItem* mnuHelp;

  // The file writer of Save As and Save Select As, and its MP3 settings.
  TAudioFile2 AF;
  TAudioFile2LameEnc AudioFile2LameEnc1;
  TOpenDialog* OD;
  TSaveDialog* sd;

  // ---- Document state ----
  std::string DocumentName;  // empty: a new, unnamed document
  bool Modified = false;
  int EditCount = 0;
  int StoredLeft = 0;
  int StoredTop = 0;
  // Lengths and selections in milliseconds rather than samples.
  bool ShowMilliseconds = false;

  // ---- Seams: the plain message box and the file dialogs ----
  // A message box; answers IDOK, IDYES, IDNO or IDCANCEL.
  std::function<int(const std::string& text, UINT flags)> MessageBox;
  // Shows a file dialog; true when a file was chosen.
  std::function<bool(TOpenDialog* dialog)> ExecuteDialog;
  // Starts another copy of this program; false when it could not.
  std::function<bool()> StartCopy;

  // ---- Documents ----
  void StartNewInstance();
  void OpenFile();
  void SaveFile();
  // Both answer true when the file was written.
  bool SaveFileAs();
  bool SaveSelectionAs();
  void MarkModified();
  void UnmarkModified();

  // ---- Commands ----
  void Undo();
  void Redo();
  void Cut();
  void Copy();
  void Paste();
  void PasteMix();
  void PasteFromFile();
  void MixFromFile();
  void Play(int mode);
  // Runs a command that may change the document; ignored while the engine
  // is busy with another.
  void RunCommand(const std::function<void()>& command);
  bool Busy() const { return busy_; }

  // ---- Information display ----
  void UpdateFileInfo();
  void UpdateSelectionInfo();
  void StartTicker();
  void TickerTick();
  int TickerY() const { return tickerY_; }
  int TickerCentre() const;

  // The first activation places the window and loads the handed-over file.
  bool FirstActivationDone() const { return activated_; }

  // ---- The windows around the document (MainWindows.cpp) ----
  // What the cue list, information and conversion windows are given.
  TDocumentLink DocumentLink();
  void ShowCueList();
  void ShowFileInfo();
  void ConvertSampleType();
  void ShowHelpTopics();

 private:
  void CreateThemes();
  void CreateMenus();
  void CreateToolbars();
  void CreateBottomRow();
  void CreateEngine();
  void BindCommands();
  void BindEffects();
  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void FormActivate(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void FormCanResize(TObject* sender, int& newWidth, int& newHeight, bool& resize);
  void pbInfoPaint(TObject* sender);
  void zelImagePanel4Resize(TObject* sender);
  void ChannelButtonClick(TObject* sender);
  // Opens the named file in this window; on failure the window keeps an
  // empty, unnamed document and says why.
  void LoadDocument(const std::string& fileName);
  bool ChooseFile(TOpenDialog* dialog);
  // Asks for an audio file with OD and runs the command on it as an edit.
  void WithAudioFile(const std::function<void(const std::string& name)>& command);
  bool HandToNewCopy(const std::string& fileName);
  // The export of frames [start, start + total) through AF.
  bool Export(const std::string& fileName, std::int64_t start, std::int64_t total, bool wholeDocument);
  void SetUpWriter(const std::string& extension);
  void ShowError(const std::string& text);
  // Shows an effect's dialog and, when it ends with OK, runs the effect.
  void RunEffect(const std::function<bool()>& showDialog, const std::function<void()>& effect);
  // True when there is a document with a selection; says what is missing.
  bool CanApplyEffect();
  void ShowOptions(int page);
  void ShowAbout();

  // Where the handed-over file waits until the first activation.
  std::string handOverName_;
  bool activated_ = false;
  bool busy_ = false;
  std::uint64_t tickerStart_ = 0;
  int tickerY_ = 0;
  int optionsPage_ = -1;
};

extern TfrmMain* frmMain;

// The fixed gain curve of the FFT filter command: 512 points rising from
// 0.5 at 0 through 1.0 at point 100 to 1.5 at point 511.
std::vector<float> FftFilterCurve();
