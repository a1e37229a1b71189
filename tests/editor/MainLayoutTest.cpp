// The main window's parts as the program lays them out: the keys of the two
// toolbars and of the transport row with their hints and pictures, the
// menu, and the hidden parts the commands work through.

#include <set>

#include "EditorMainFixture.h"

namespace {

struct TExpectedKey {
  const char* name;
  const char* hint;
};

std::string Pixels(TBitmap* bmp) {
  std::string bytes;
  for (int y = 0; y < bmp->Height(); ++y)
    bytes.append(reinterpret_cast<const char*>(bmp->ScanLine(y)), bmp->BytesPerLine());
  return bytes;
}

class MainLayout : public EditorMainTest {
 protected:
  // The keys stand left to right in the given order on `parent`, each a
  // picture without words, none the same as another.
  void ExpectKeys(TWinControl* parent, const std::vector<TExpectedKey>& keys) {
    int right = 0;
    for (const TExpectedKey& key : keys) {
      auto* button = dynamic_cast<TzelButton*>(frmMain->FindComponent(key.name));
      ASSERT_NE(button, nullptr) << key.name;
      EXPECT_EQ(button->Parent(), parent) << key.name;
      EXPECT_EQ(button->Hint(), key.hint) << key.name;
      EXPECT_TRUE(button->ShowHint()) << key.name;
      EXPECT_EQ(button->Caption(), "") << key.name;
      EXPECT_GE(button->Left(), right) << key.name << " overlaps or precedes the key before it";
      right = button->Left() + button->Width();
      TBitmap* glyph = button->Glyph();
      ASSERT_EQ(glyph->Width(), 16) << key.name;
      ASSERT_EQ(glyph->Height(), 16) << key.name;
      const std::string pixels = Pixels(glyph);
      EXPECT_TRUE(pictures_.insert(pixels).second) << key.name << " wears another key's picture";
      // Some ink and some ground the button leaves out.
      size_t ground = 0;
      for (size_t i = 0; i + 2 < pixels.size(); i += 3)
        ground += pixels.compare(i, 3, "\xFF\x00\xFF", 3) == 0;
      EXPECT_GT(ground, 40u) << key.name;
      EXPECT_LT(ground, 256u - 12) << key.name;
    }
    // Every key fits on the window as it first opens.
    EXPECT_LE(right, parent->Width());
  }

  std::set<std::string> pictures_;
};

TEST_F(MainLayout, ToolbarAndTransportKeysInOrderWithHintsAndPictures) {
  ShowMain();
  ExpectKeys(frmMain->plToolbar1, {{"btnNew", "Create New File"},
                                   {"btnOpen", "Open Existing File"},
                                   {"btnSave", "Save File"},
                                   {"btnOptions", "Options"},
                                   {"btnCopy", "Copy"},
                                   {"btnCut", "Cut"},
                                   {"btnPaste", "Paste"},
                                   {"btnPasteMix", "PasteMix"},
                                   {"btnUndo", "Undo"},
                                   {"btnRedo", "Redo"},
                                   {"btnZoomIn", "Zoom In"},
                                   {"btnZoomOut", "Zoom Out"},
                                   {"btnZoomFull", "Zoom Full"},
                                   {"btnLChannel", "Show Left Channel"},
                                   {"btnRChannel", "Show Right Channel"}});
  EXPECT_FALSE(frmMain->btnLChannel->Visible());
  EXPECT_FALSE(frmMain->btnRChannel->Visible());
  EXPECT_TRUE(frmMain->btnZoomFull->Visible());
  ExpectKeys(frmMain->plToolbar2, {{"btnAmplifyPlus", "Amplify +"},
                                   {"btnAmplifyMinus", "Amplify -"},
                                   {"btnFadeIn", "Fage In"},
                                   {"btnFadeOut", "Fade Out"},
                                   {"btnNormalize", "Normalize"},
                                   {"btnInserSilence", "Insert Silence"},
                                   {"btnSilence", "Silence"},
                                   {"btnInvert", "Invert"},
                                   {"btnFlanger", "Flanger"},
                                   {"btnVibrato", "Vibrato"},
                                   {"btnDelay", "Delay"},
                                   {"btnNF", "Notch Filter"},
                                   {"btnBPF", "Band Pass Filter"},
                                   {"btnHPF", "High Pass Filter"},
                                   {"btnLPF", "Low Pass Filter"},
                                   {"btnHSF", "High Shelf Filter"},
                                   {"btnLSF", "Low Shelf Filter"},
                                   {"btnFFT", "FFT Filter"}});
  // The ticker key is the transport row's second "Continue".
  pictures_.clear();
  ExpectKeys(frmMain->plBottom, {{"btnPlay", "Play"},
                                 {"btnStop", "Stop"},
                                 {"btnPlayLoop", "Play Loop"},
                                 {"btnContinue", "Continue"},
                                 {"btnPlayEnd", "Play To End"},
                                 {"btnPause", "Pause"},
                                 {"btnInfo", "Continue"}});
  // The toolbars stand under the menu bar, the first above the second.
  EXPECT_LT(frmMain->plToolbar1->Top(), frmMain->plToolbar2->Top());
  EXPECT_LE(frmMain->plToolbar2->Top() + frmMain->plToolbar2->Height(), frmMain->AE->Top());
}

TEST_F(MainLayout, MenuCaptionsOrderShortcutsAndHiddenItems) {
  ShowMain();
  struct TExpectedItem {
    const char* caption;
    bool visible;
    TShortCut shortCut;
  };
  struct TExpectedMenu {
    const char* caption;
    bool visible;
    std::vector<TExpectedItem> items;
  };
  const TShortCut none = scNone;
  const std::vector<TExpectedMenu> menus = {
      {"File", true, {{"New", true, none}, {"Open", true, none}, {"Save", true, none},
                      {"Convert Sample Type", false, none}, {"Save As", true, none},
                      {"Save Select As", true, none}, {"Exit", true, none}}},
      {"View", false, {{"WaveForm View", true, none}, {"Spectral View", true, none}, {"Info List", false, none},
                       {"Marker List", false, none}}},
      {"Edit", true, {{"Undo", true, ShortCut('Z', ssCtrl)}, {"Redo", true, ShortCut('R', ssCtrl)},
                      {"Copy", true, ShortCut('C', ssCtrl)}, {"Cut", true, ShortCut('X', ssCtrl)},
                      {"Paste", true, ShortCut('V', ssCtrl)}, {"Paste From File", true, none},
                      {"Copy to Windows Clipboard", false, none}, {"Paste from Windows Clipboard", false, none},
                      {"Mix", true, none}, {"Mix From File", true, none}, {"Insert Silence", true, none},
                      {"Silence", true, none}}},
      {"Operation", true, {{"Amplify +", true, none}, {"Amplify -", true, none}, {"Fade In", true, none},
                           {"Fade Out", true, none}, {"Normalize", true, none}, {"Invert", true, none},
                           {"Flanger", true, none}, {"Delay", true, none}, {"Vibrato", true, none},
                           {"Stretch +", false, none}, {"Stretch -", false, none}}},
      {"Filter", true, {{"Notch", true, none}, {"Band Pass", true, none}, {"High Pass", true, none},
                        {"Low Pass", true, none}, {"High Shelf", true, none}, {"Low Shelf", true, none},
                        {"FFT", true, none}}},
      {"Options", true, {{"Input Device...", false, none}, {"Output Device", false, none}, {"System", true, none},
                         {"Format", true, none}, {"Scales", true, none}, {"Colors", true, none}}},
      {"Help", true, {{"Help", true, none}, {"About", true, none}, {"Home", true, none}}},
  };
  TMenuItem* root = frmMain->zelMainMenu1->Items();
  ASSERT_EQ(root->Count(), static_cast<int>(menus.size()));
  for (int m = 0; m < root->Count(); ++m) {
    TMenuItem* menu = root->Items(m);
    const TExpectedMenu& expected = menus[m];
    EXPECT_EQ(menu->Caption(), expected.caption);
    EXPECT_EQ(menu->Visible(), expected.visible) << expected.caption;
    ASSERT_EQ(menu->Count(), static_cast<int>(expected.items.size())) << expected.caption;
    for (int i = 0; i < menu->Count(); ++i) {
      EXPECT_EQ(menu->Items(i)->Caption(), expected.items[i].caption) << expected.caption;
      EXPECT_EQ(menu->Items(i)->Visible(), expected.items[i].visible) << expected.items[i].caption;
      EXPECT_EQ(menu->Items(i)->ShortCut(), expected.items[i].shortCut) << expected.items[i].caption;
    }
  }
}

TEST_F(MainLayout, TickerLevelBarsAndStatusBar) {
  ShowMain();
  EXPECT_EQ(frmMain->pbInfo->Parent(), frmMain->zelImagePanel4);
  EXPECT_EQ(frmMain->pbInfo->Left(), 0);
  EXPECT_EQ(frmMain->pbInfo->Width(), frmMain->zelImagePanel4->Width());
  EXPECT_FALSE(frmMain->lbInfo1->Visible());
  EXPECT_FALSE(frmMain->lbInfo2->Visible());
  EXPECT_EQ(frmMain->tmShowInfo->Interval(), 30u);
  for (TzelProgressBar* bar : {frmMain->ProgressBarL, frmMain->ProgressBarR}) {
    EXPECT_EQ(bar->Parent(), frmMain->plProgressbarBack);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 100);
  }
  EXPECT_FALSE(frmMain->StatusBar->Visible());
  EXPECT_EQ(frmMain->StatusBar->Panels()->Count(), 7);
  // The ticker follows the window's width, the level bars keep to its right.
  frmMain->SetWidth(frmMain->Width() + 200);
  EXPECT_EQ(frmMain->pbInfo->Width(), frmMain->zelImagePanel4->Width());
  EXPECT_EQ(frmMain->plProgressbarBack->Left() + frmMain->plProgressbarBack->Width() + 6, frmMain->plBottom->Width());
}

}  // namespace
