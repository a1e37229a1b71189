// The main window's parts: the two theme files, the frame with its menu,
// the two toolbars, the engine's view and the bottom row of transport
// keys, information ticker and level bars.

#include <algorithm>
#include <iterator>

#include "editor/DialogFrame.h"
#include "editor/Main.h"
#include "editor/KeyGlyphs.h"
#include "resources/Resources.h"
#include "skin/ZELTitleBar.h"

namespace {

constexpr int kToolbarHeight = 30;
constexpr int kToolButtonSize = 24;
// A wider step before the first key of each group.
constexpr int kGroupGap = 8;
constexpr int kBottomHeight = 48;
constexpr TColor kInfoBackground = 0x303030;
constexpr TColor kInfoText = 0x80FF80;

using windowart::Glyph;

struct TToolDefinition {
  TzelButton* TfrmMain::*field;
  const char* name;
  const char* hint;
  Glyph glyph;
  bool startsGroup = false;
};

TzelButton* ToolButton(TfrmMain* form, TWinControl* parent, const TToolDefinition& tool, int left) {
  auto* button = new TzelButton(form);
  button->SetName(tool.name);
  button->SetParent(parent);
  button->SetBounds(left, (kToolbarHeight - kToolButtonSize) / 2, kToolButtonSize, kToolButtonSize);
  button->SetCaption("");
  button->SetHint(tool.hint);
  button->SetShowHint(true);
  button->SetTabStop(false);
  auto glyph = PaintKeyGlyph(tool.glyph);
  button->SetGlyph(glyph.get());
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
    if (tools[i].startsGroup) left += kGroupGap;
    TzelButton* button = ToolButton(form, bar, tools[i], left);
    form->*(tools[i].field) = button;
    left += kToolButtonSize + 2;
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
      {&TfrmMain::btnNew, "btnNew", "Create New File", Glyph::NewFile},
      {&TfrmMain::btnOpen, "btnOpen", "Open Existing File", Glyph::Folder},
      {&TfrmMain::btnSave, "btnSave", "Save File", Glyph::Save},
      {&TfrmMain::btnOptions, "btnOptions", "Options", Glyph::Options},
      {&TfrmMain::btnCopy, "btnCopy", "Copy", Glyph::Copy, true},
      {&TfrmMain::btnCut, "btnCut", "Cut", Glyph::Cut},
      {&TfrmMain::btnPaste, "btnPaste", "Paste", Glyph::Paste},
      {&TfrmMain::btnPasteMix, "btnPasteMix", "PasteMix", Glyph::PasteMix},
      {&TfrmMain::btnUndo, "btnUndo", "Undo", Glyph::Undo, true},
      {&TfrmMain::btnRedo, "btnRedo", "Redo", Glyph::Redo},
      {&TfrmMain::btnZoomIn, "btnZoomIn", "Zoom In", Glyph::ZoomIn, true},
      {&TfrmMain::btnZoomOut, "btnZoomOut", "Zoom Out", Glyph::ZoomOut},
      {&TfrmMain::btnZoomFull, "btnZoomFull", "Zoom Full", Glyph::ZoomFull},
      {&TfrmMain::btnLChannel, "btnLChannel", "Show Left Channel", Glyph::LeftChannel, true},
      {&TfrmMain::btnRChannel, "btnRChannel", "Show Right Channel", Glyph::RightChannel},
  };
  static const TToolDefinition kToolbar2[] = {
      {&TfrmMain::btnAmplifyPlus, "btnAmplifyPlus", "Amplify +", Glyph::AmplifyPlus},
      {&TfrmMain::btnAmplifyMinus, "btnAmplifyMinus", "Amplify -", Glyph::AmplifyMinus},
      {&TfrmMain::btnFadeIn, "btnFadeIn", "Fage In", Glyph::FadeIn},
      {&TfrmMain::btnFadeOut, "btnFadeOut", "Fade Out", Glyph::FadeOut},
      {&TfrmMain::btnNormalize, "btnNormalize", "Normalize", Glyph::Normalize},
      {&TfrmMain::btnInserSilence, "btnInserSilence", "Insert Silence", Glyph::InsertSilence, true},
      {&TfrmMain::btnSilence, "btnSilence", "Silence", Glyph::Silence},
      {&TfrmMain::btnInvert, "btnInvert", "Invert", Glyph::Invert},
      {&TfrmMain::btnFlanger, "btnFlanger", "Flanger", Glyph::Flanger, true},
      {&TfrmMain::btnVibrato, "btnVibrato", "Vibrato", Glyph::Vibrato},
      {&TfrmMain::btnDelay, "btnDelay", "Delay", Glyph::Delay},
      {&TfrmMain::btnNF, "btnNF", "Notch Filter", Glyph::NotchFilter, true},
      {&TfrmMain::btnBPF, "btnBPF", "Band Pass Filter", Glyph::BandPassFilter},
      {&TfrmMain::btnHPF, "btnHPF", "High Pass Filter", Glyph::HighPassFilter},
      {&TfrmMain::btnLPF, "btnLPF", "Low Pass Filter", Glyph::LowPassFilter},
      {&TfrmMain::btnHSF, "btnHSF", "High Shelf Filter", Glyph::HighShelfFilter},
      {&TfrmMain::btnLSF, "btnLSF", "Low Shelf Filter", Glyph::LowShelfFilter},
      {&TfrmMain::btnFFT, "btnFFT", "FFT Filter", Glyph::FftFilter},
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
    Glyph glyph;
  };
  static const TKey kKeys[] = {
      {&TfrmMain::btnPlay, "btnPlay", "Play", Glyph::Play},
      {&TfrmMain::btnStop, "btnStop", "Stop", Glyph::Stop},
      {&TfrmMain::btnPlayLoop, "btnPlayLoop", "Play Loop", Glyph::PlayLoop},
      {&TfrmMain::btnContinue, "btnContinue", "Continue", Glyph::PlayAfter},
      {&TfrmMain::btnPlayEnd, "btnPlayEnd", "Play To End", Glyph::PlayBefore},
      {&TfrmMain::btnPause, "btnPause", "Pause", Glyph::Pause},
      {&TfrmMain::btnInfo, "btnInfo", "Continue", Glyph::Information},
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
    auto glyph = PaintKeyGlyph(key.glyph);
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
