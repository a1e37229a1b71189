// The main window's parts: the two theme files, the frame with its menu,
// the two toolbars, the engine's view and the bottom row of transport
// keys, information ticker and level bars.

#include <algorithm>
#include <iterator>

#include "editor/DialogFrame.h"
#include "editor/Main.h"
#include "editor/TransportGlyphs.h"
#include "resources/Resources.h"
#include "skin/ZELTitleBar.h"

namespace {

constexpr int kToolbarHeight = 30;
constexpr int kToolButtonHeight = 24;
constexpr int kBottomHeight = 48;
constexpr TColor kInfoBackground = 0x303030;
constexpr TColor kInfoText = 0x80FF80;

struct TToolDefinition {
  TzelButton* TfrmMain::*field;
  const char* name;
  const char* caption;
  const char* hint;
  int width;
};

TzelButton* ToolButton(TfrmMain* form, TWinControl* parent, const TToolDefinition& tool, int left) {
  auto* button = new TzelButton(form);
  button->SetName(tool.name);
  button->SetParent(parent);
  button->SetBounds(left, (kToolbarHeight - kToolButtonHeight) / 2, tool.width, kToolButtonHeight);
  button->SetCaption(tool.caption);
  button->SetHint(tool.hint);
  button->SetShowHint(true);
  button->SetTabStop(false);
  button->Font()->SetName("Tahoma");
  button->Font()->SetHeight(-11);
  return button;
}

TzelImagePanel* Bar(TfrmMain* form, TWinControl* parent, const char* name, TAlign align, int height) {
  auto* bar = new TzelImagePanel(form);
  bar->SetName(name);
  bar->SetParent(parent);
  bar->SetAlign(align);
  bar->SetHeight(height);
  bar->SetTransparent(true);
  bar->SetCaption("");
  return bar;
}

void AddTools(TfrmMain* form, TWinControl* bar, const TToolDefinition* tools, size_t count) {
  int left = 4;
  for (size_t i = 0; i < count; ++i) {
    TzelButton* button = ToolButton(form, bar, tools[i], left);
    form->*(tools[i].field) = button;
    left += tools[i].width + 2;
  }
}

}  // namespace

void TfrmMain::CreateThemes() {
  UseEditorSkin();
  zelBuiltInFileTheme1 = new TzelBuiltInFileTheme(this);
  zelBuiltInFileTheme1->SetName("zelBuiltInFileTheme1");
  zelBuiltInFileTheme1->LoadSkinData(LoadResourceData(kEditorThemeResource1));
  zelBuiltInFileTheme2 = new TzelBuiltInFileTheme(this);
  zelBuiltInFileTheme2->SetName("zelBuiltInFileTheme2");
  zelBuiltInFileTheme2->LoadSkinData(LoadResourceData(kEditorThemeResource2));

  zelForm1 = new TzelForm(this);
  zelForm1->SetName("zelForm1");
  zelForm1->TitleBar()->Font()->SetName("Tahoma");
  zelForm1->TitleBar()->Font()->SetHeight(-11);
  zelForm1->SetTitleBarDrawAppIcon(false);
  // Close, maximize and minimize; no control box.
  TzelTitleBarButtons* buttons = zelForm1->TitleBarButtons();
  for (int i = 0; i < buttons->Count(); ++i)
    if (buttons->Items(i)->ButtonType() == zelControlBox) buttons->Items(i)->SetVisible(false);
  zelForm1->SetFileTheme(zelBuiltInFileTheme2);
  zelForm1->SetUIStyle(FromThemeFile);
  zelForm1->SetCaption(kEditorTitle);
}

void TfrmMain::CreateToolbars() {
  static const TToolDefinition kToolbar1[] = {
      {&TfrmMain::btnNew, "btnNew", "New", "Create New File", 40},
      {&TfrmMain::btnOpen, "btnOpen", "Open", "Open Existing File", 40},
      {&TfrmMain::btnSave, "btnSave", "Save", "Save File", 40},
      {&TfrmMain::btnOptions, "btnOptions", "Options", "Options", 52},
      {&TfrmMain::btnCopy, "btnCopy", "Copy", "Copy", 40},
      {&TfrmMain::btnCut, "btnCut", "Cut", "Cut", 36},
      {&TfrmMain::btnPaste, "btnPaste", "Paste", "Paste", 42},
      {&TfrmMain::btnPasteMix, "btnPasteMix", "Mix", "PasteMix", 36},
      {&TfrmMain::btnUndo, "btnUndo", "Undo", "Undo", 40},
      {&TfrmMain::btnRedo, "btnRedo", "Redo", "Redo", 40},
      {&TfrmMain::btnZoomIn, "btnZoomIn", "Zoom +", "Zoom In", 50},
      {&TfrmMain::btnZoomOut, "btnZoomOut", "Zoom -", "Zoom Out", 50},
      {&TfrmMain::btnZoomFull, "btnZoomFull", "Full", "Zoom Full", 40},
      {&TfrmMain::btnLChannel, "btnLChannel", "L", "Show Left Channel", 26},
      {&TfrmMain::btnRChannel, "btnRChannel", "R", "Show Right Channel", 26},
  };
  static const TToolDefinition kToolbar2[] = {
      {&TfrmMain::btnAmplifyPlus, "btnAmplifyPlus", "Amp +", "Amplify +", 44},
      {&TfrmMain::btnAmplifyMinus, "btnAmplifyMinus", "Amp -", "Amplify -", 44},
      {&TfrmMain::btnFadeIn, "btnFadeIn", "Fade in", "Fage In", 48},
      {&TfrmMain::btnFadeOut, "btnFadeOut", "Fade out", "Fade Out", 54},
      {&TfrmMain::btnNormalize, "btnNormalize", "Norm.", "Normalize", 42},
      {&TfrmMain::btnInserSilence, "btnInserSilence", "Insert", "Insert Silence", 42},
      {&TfrmMain::btnSilence, "btnSilence", "Silence", "Silence", 48},
      {&TfrmMain::btnInvert, "btnInvert", "Invert", "Invert", 44},
      {&TfrmMain::btnFlanger, "btnFlanger", "Flanger", "Flanger", 50},
      {&TfrmMain::btnVibrato, "btnVibrato", "Vibrato", "Vibrato", 48},
      {&TfrmMain::btnDelay, "btnDelay", "Delay", "Delay", 42},
      {&TfrmMain::btnNF, "btnNF", "NF", "Notch Filter", 28},
      {&TfrmMain::btnBPF, "btnBPF", "BPF", "Band Pass Filter", 32},
      {&TfrmMain::btnHPF, "btnHPF", "HPF", "High Pass Filter", 32},
      {&TfrmMain::btnLPF, "btnLPF", "LPF", "Low Pass Filter", 32},
      {&TfrmMain::btnHSF, "btnHSF", "HSF", "High Shelf Filter", 32},
      {&TfrmMain::btnLSF, "btnLSF", "LSF", "Low Shelf Filter", 32},
      {&TfrmMain::btnFFT, "btnFFT", "FFT", "FFT Filter", 32},
  };
  // Top-aligned parts stack in the order of their tops: the toolbars go
  // below the frame's menu bar.
  plToolbar1 = Bar(this, zelForm1, "plToolbar1", alTop, kToolbarHeight);
  plToolbar1->SetTop(1000);
  AddTools(this, plToolbar1, kToolbar1, std::size(kToolbar1));
  btnLChannel->SetVisible(false);
  btnRChannel->SetVisible(false);
  plToolbar2 = Bar(this, zelForm1, "plToolbar2", alTop, kToolbarHeight);
  plToolbar2->SetTop(2000);
  AddTools(this, plToolbar2, kToolbar2, std::size(kToolbar2));
}

void TfrmMain::CreateBottomRow() {
  plBottom = Bar(this, zelForm1, "plBottom", alBottom, kBottomHeight);

  struct TKey {
    TzelButton* TfrmMain::*field;
    const char* name;
    const char* hint;
    TTransportGlyph glyph;
  };
  static const TKey kKeys[] = {
      {&TfrmMain::btnPlay, "btnPlay", "Play", TTransportGlyph::Play},
      {&TfrmMain::btnStop, "btnStop", "Stop", TTransportGlyph::Stop},
      {&TfrmMain::btnPlayLoop, "btnPlayLoop", "Play Loop", TTransportGlyph::Loop},
      {&TfrmMain::btnContinue, "btnContinue", "Continue", TTransportGlyph::Continue},
      {&TfrmMain::btnPlayEnd, "btnPlayEnd", "Play To End", TTransportGlyph::PlayToEnd},
      {&TfrmMain::btnPause, "btnPause", "Pause", TTransportGlyph::Pause},
      {&TfrmMain::btnInfo, "btnInfo", "Continue", TTransportGlyph::Info},
  };
  int left = 6;
  for (const TKey& key : kKeys) {
    auto* button = new TzelButton(this);
    button->SetName(key.name);
    button->SetParent(plBottom);
    button->SetBounds(left, 8, 32, 32);
    button->SetCaption("");
    button->SetHint(key.hint);
    button->SetShowHint(true);
    button->SetTabStop(false);
    auto glyph = PaintTransportGlyph(key.glyph);
    button->SetGlyph(glyph.get());
    this->*(key.field) = button;
    left += 34;
  }

  zelImagePanel4 = new TzelImagePanel(this);
  zelImagePanel4->SetName("zelImagePanel4");
  zelImagePanel4->SetParent(plBottom);
  zelImagePanel4->SetBounds(left + 6, 6, 420, 36);
  zelImagePanel4->SetColor(kInfoBackground);
  zelImagePanel4->SetCaption("");
  zelImagePanel4->OnResize = [this](TObject* sender) { zelImagePanel4Resize(sender); };

  pbInfo = new TPaintBox(this);
  pbInfo->SetName("pbInfo");
  pbInfo->SetParent(zelImagePanel4);
  pbInfo->SetBounds(0, 0, zelImagePanel4->Width(), zelImagePanel4->Height());
  pbInfo->Font()->SetName("Tahoma");
  pbInfo->Font()->SetHeight(-11);
  pbInfo->Font()->SetColor(kInfoText);
  pbInfo->OnPaint = [this](TObject* sender) { pbInfoPaint(sender); };
  for (TLabel** label : {&lbInfo1, &lbInfo2}) {
    *label = new TLabel(this);
    (*label)->SetParent(zelImagePanel4);
    (*label)->SetVisible(false);
    (*label)->SetAutoSize(false);
    (*label)->SetBounds(0, 0, 400, 14);
    (*label)->SetCaption("");
  }
  lbInfo1->SetName("lbInfo1");
  lbInfo2->SetName("lbInfo2");

  tmShowInfo = new TTimer(this);
  tmShowInfo->SetName("tmShowInfo");
  tmShowInfo->SetEnabled(false);
  tmShowInfo->SetInterval(30);
  tmShowInfo->OnTimer = [this](TObject*) { TickerTick(); };

  plProgressbarBack = new TPanel(this);
  plProgressbarBack->SetName("plProgressbarBack");
  plProgressbarBack->SetParent(plBottom);
  plProgressbarBack->SetBevelOuter(bvNone);
  plProgressbarBack->SetCaption("");
  plProgressbarBack->SetColor(kInfoBackground);
  plProgressbarBack->SetBounds(zelImagePanel4->Left() + zelImagePanel4->Width() + 6, 6, 120, 36);
  for (TzelProgressBar** bar : {&ProgressBarL, &ProgressBarR}) {
    *bar = new TzelProgressBar(this);
    (*bar)->SetParent(plProgressbarBack);
    (*bar)->SetMin(0);
    (*bar)->SetMax(100);
    (*bar)->SetPosition(0);
    (*bar)->SetShowCaption(false);
  }
  ProgressBarL->SetName("ProgressBarL");
  ProgressBarR->SetName("ProgressBarR");
  ProgressBarL->SetBounds(4, 5, 112, 11);
  ProgressBarR->SetBounds(4, 20, 112, 11);

  // The ticker takes the width the keys and the bars leave.
  plBottom->OnResize = [this](TObject*) {
    const int infoLeft = zelImagePanel4->Left();
    const int barsLeft = std::max(infoLeft + 100, plBottom->Width() - plProgressbarBack->Width() - 6);
    plProgressbarBack->SetLeft(barsLeft);
    zelImagePanel4->SetWidth(barsLeft - 6 - infoLeft);
  };

  StatusBar = new TStatusBar(this);
  StatusBar->SetName("StatusBar");
  StatusBar->SetParent(zelForm1);
  for (int i = 0; i < 7; ++i) StatusBar->Panels()->Add()->SetWidth(100);
  StatusBar->SetVisible(false);
}

void TfrmMain::CreateEngine() {
  AE = new TAudioEditor2(this);
  AE->SetName("AE");
  AE->SetParent(zelForm1);
  AE->SetAlign(alClient);
}

void TfrmMain::zelImagePanel4Resize(TObject*) {
  if (pbInfo) pbInfo->SetBounds(0, pbInfo->Top(), zelImagePanel4->Width(), pbInfo->Height());
}
