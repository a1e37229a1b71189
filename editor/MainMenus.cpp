// The main menu on the frame's menu bar. Items that the window keeps
// hidden are there all the same.

#include "editor/About.h"
#include "editor/Main.h"
#include "platform/os/ShellOpen.h"

namespace {

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
                std::function<void()> action = {}, TShortCut shortCut = scNone, bool visible = true) {
  auto* item = new TMenuItem(owner);
  item->SetName(name);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  item->SetVisible(visible);
  if (action) item->OnClick = [action = std::move(action)](TObject*) { action(); };
  if (parent) parent->Add(item);
  return item;
}

}  // namespace

void TfrmMain::CreateMenus() {
  zelMainMenu1 = new TzelMainMenu(this);
  zelMainMenu1->SetName("zelMainMenu1");
  TMenuItem* root = zelMainMenu1->Items();
  constexpr bool hidden = false;

  mnuFile = Item(this, root, "mnuFile", "File");
  mnuNew = Item(this, mnuFile, "mnuNew", "New", [this] { StartNewInstance(); });
  mnuOpen = Item(this, mnuFile, "mnuOpen", "Open", [this] { OpenFile(); });
  mnuSave = Item(this, mnuFile, "mnuSave", "Save", [this] { SaveFile(); });
  mnuConvertSampleType = Item(this, mnuFile, "mnuConvertSampleType", "Convert Sample Type",
                              [this] { ConvertSampleType(); }, scNone, hidden);
  mnuSaveAs = Item(this, mnuFile, "mnuSaveAs", "Save As", [this] { SaveFileAs(); });
  mnuSaveSelectAs = Item(this, mnuFile, "mnuSaveSelectAs", "Save Select As", [this] { SaveSelectionAs(); });
  mnuExit = Item(this, mnuFile, "mnuExit", "Exit", [this] { Close(); });

  // Hidden as a whole; choosing the entry itself shows the waveform.
  mnuView = Item(this, root, "mnuView", "View", [this] { AE->SetTypeView(TAudioEditor2::kViewWaveform); },
                 scNone, hidden);
  Item(this, mnuView, "mnuWaveFormView", "WaveForm View");
  Item(this, mnuView, "mnuSpectralView", "Spectral View", [this] { AE->SetTypeView(TAudioEditor2::kViewSpectral); });
  Item(this, mnuView, "mnuInfoList", "Info List", [this] { AE->SetTypeView(TAudioEditor2::kViewSpectral); }, scNone,
       hidden);
  Item(this, mnuView, "mnuMarkerList", "Marker List", [this] { ShowCueList(); }, scNone, hidden);

  mnuEdit = Item(this, root, "mnuEdit", "Edit");
  Item(this, mnuEdit, "mnuUndo", "Undo", [this] { Undo(); }, ShortCut('Z', ssCtrl));
  Item(this, mnuEdit, "mnuRedo", "Redo", [this] { Redo(); }, ShortCut('R', ssCtrl));
  Item(this, mnuEdit, "mnuCopy", "Copy", [this] { Copy(); }, ShortCut('C', ssCtrl));
  Item(this, mnuEdit, "mnuCut", "Cut", [this] { Cut(); }, ShortCut('X', ssCtrl));
  Item(this, mnuEdit, "mnuPaste", "Paste", [this] { Paste(); }, ShortCut('V', ssCtrl));
  Item(this, mnuEdit, "mnuPasteFromFile", "Paste From File", [this] { PasteFromFile(); });
  Item(this, mnuEdit, "mnuCopyToClipboard", "Copy to Windows Clipboard",
       [this] { RunCommand([this] { AE->CopyToWindowsClipboard(); }); }, scNone, hidden);
  Item(this, mnuEdit, "mnuPasteFromClipboard", "Paste from Windows Clipboard",
       [this] {
         RunCommand([this] {
           AE->PasteFromWindowsClipboard();
           MarkModified();
         });
       },
       scNone, hidden);
  Item(this, mnuEdit, "mnuMix", "Mix", [this] { PasteMix(); });
  Item(this, mnuEdit, "mnuMixFromFile", "Mix From File", [this] { MixFromFile(); });
  Item(this, mnuEdit, "mnuInsertSilence", "Insert Silence", [this] { btnInserSilence->Click(); });
  Item(this, mnuEdit, "mnuSilence", "Silence", [this] { btnSilence->Click(); });

  mnuOperation = Item(this, root, "mnuOperation", "Operation");
  Item(this, mnuOperation, "mnuAmplifyPlus", "Amplify +", [this] { btnAmplifyPlus->Click(); });
  Item(this, mnuOperation, "mnuAmplifyMinus", "Amplify -", [this] { btnAmplifyMinus->Click(); });
  Item(this, mnuOperation, "mnuFadeIn", "Fade In", [this] { btnFadeIn->Click(); });
  Item(this, mnuOperation, "mnuFadeOut", "Fade Out", [this] { btnFadeOut->Click(); });
  Item(this, mnuOperation, "mnuNormalize", "Normalize", [this] { btnNormalize->Click(); });
  Item(this, mnuOperation, "mnuInvert", "Invert", [this] { btnInvert->Click(); });
  Item(this, mnuOperation, "mnuFlanger", "Flanger", [this] { btnFlanger->Click(); });
  Item(this, mnuOperation, "mnuDelay", "Delay", [this] { btnDelay->Click(); });
  Item(this, mnuOperation, "mnuVibrato", "Vibrato", [this] { btnVibrato->Click(); });
  auto stretch = [this](float percent) {
    RunCommand([this, percent] {
      AE->Effects()->Stretch(percent);
      MarkModified();
    });
  };
  Item(this, mnuOperation, "mnuStretchPlus", "Stretch +", [stretch] { stretch(120.0f); }, scNone, hidden);
  Item(this, mnuOperation, "mnuStretchMinus", "Stretch -", [stretch] { stretch(80.0f); }, scNone, hidden);

  mnuFilter = Item(this, root, "mnuFilter", "Filter");
  Item(this, mnuFilter, "mnuNotch", "Notch", [this] { btnNF->Click(); });
  Item(this, mnuFilter, "mnuBandPass", "Band Pass", [this] { btnBPF->Click(); });
  Item(this, mnuFilter, "mnuHighPass", "High Pass", [this] { btnHPF->Click(); });
  Item(this, mnuFilter, "mnuLowPass", "Low Pass", [this] { btnLPF->Click(); });
  Item(this, mnuFilter, "mnuHighShelf", "High Shelf", [this] { btnHSF->Click(); });
  Item(this, mnuFilter, "mnuLowShelf", "Low Shelf", [this] { btnLSF->Click(); });
  Item(this, mnuFilter, "mnuFFT", "FFT", [this] { btnFFT->Click(); });

  mnuOptions = Item(this, root, "mnuOptions", "Options");
  Item(this, mnuOptions, "mnuInputDevice", "Input Device...", {}, scNone, hidden);
  Item(this, mnuOptions, "mnuOutputDevice", "Output Device", {}, scNone, hidden);
  Item(this, mnuOptions, "mnuSystem", "System", [this] { ShowOptions(0); });
  Item(this, mnuOptions, "mnuFormat", "Format", [this] { ShowOptions(1); });
  Item(this, mnuOptions, "mnuScales", "Scales", [this] { ShowOptions(2); });
  Item(this, mnuOptions, "mnuColors", "Colors", [this] { ShowOptions(3); });

  mnuHelp = Item(this, root, "mnuHelp", "Help");
  Item(this, mnuHelp, "mnuHelpTopics", "Help", [this] { ShowHelpTopics(); });
  Item(this, mnuHelp, "mnuAbout", "About", [this] { ShowAbout(); });
  Item(this, mnuHelp, "mnuHome", "Home", [] { ShellOpener().Open(kHomePage); });

  zelForm1->SetMenu(zelMainMenu1);
}
