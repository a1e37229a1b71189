// The main and player windows as their layout tables lay them out: every
// named component of the right kind, in its place and size, with its
// hint; the skinned ones in the recorder's theme; image buttons showing
// pictures of their own size; the shape cut at the corners.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayerWindowFixture.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinApi.h"
#include "skin/ZELPublic.h"

namespace {

constexpr int kAny = -99999;  // a place or size the table leaves open
// A track bar's thickness follows its theme's pictures, whatever the form
// gives it; its length stays.
constexpr int kThickness = kAny;

struct Placed {
  const char* name;
  const char* kind;
  int left, top, width, height;
  const char* hint;
};

// The main window, from its layout table.
const Placed kMainLayout[] = {
    {"zelSkinForm1", "TzelSkinForm", 0, 0, 608, 431, ""},
    {"imgBackground", "TImage", 0, 0, 608, 431, ""},
    {"titleMain", "TzelTitleBar", 0, 0, 608, 24, ""},
    {"btnAppMin", "TzelImageButton", 565, 4, 18, 20, ""},
    {"btnAppClose", "TzelImageButton", 584, 4, 18, 20, ""},
    {"btnPlayer", "TzelImageButton", 6, 24, 60, 37, "Switch to player"},
    {"btnFolder", "TzelImageButton", 67, 24, 60, 37, "Open the output folder of recording"},
    {"btnOptions", "TzelImageButton", 128, 24, 60, 37, "Options"},
    {"btnHelp", "TzelImageButton", 189, 24, 60, 37, "Help"},
    {"comboxSource", "TzelComboBox", 479, 34, 109, 21, "Select input line"},
    {"btnRecordFrom", "TzelImageButton", 569, 36, 17, 17, "Select input line"},
    {"plVisualizationBG", "TPanel", 11, 67, 237, 93, ""},
    {"AV", "TAudioVisualization2", 9, 0, 219, 93, ""},
    {"rbOutputWav", "TzelRadioButton", 368, 76, kAny, kAny, ""},
    {"rbOutputMp3", "TzelRadioButton", 424, 76, kAny, kAny, ""},
    {"rbOutputOgg", "TzelRadioButton", 480, 76, kAny, kAny, ""},
    {"rbOutputWma", "TzelRadioButton", 536, 76, kAny, kAny, ""},
    {"cboxVox", "TzelCheckBox", 370, 113, kAny, kAny, ""},
    {"cboxRNoise", "TzelCheckBox", 351, 113, kAny, kAny, ""},
    {"cboxMute", "TzelCheckBox", 538, 113, kAny, kAny, "Mute playback volume"},
    {"tbRecordVolume", "TzelTrackBar", 269, 139, 143, kThickness, "Adjust record volume"},
    {"tbPlayBackVolume", "TzelTrackBar", 441, 139, 143, kThickness, "Adjust playback volume"},
    {"plRecordList", "TPanel", 7, 167, 593, 198, ""},
    {"lvRecordList", "TzelListView", 0, 0, 593, 198, ""},
    {"sbRecordListV", "TzelScrollBar", kAny, kAny, kAny, kAny, ""},
    {"sbRecordListH", "TzelScrollBar", kAny, kAny, kAny, kAny, ""},
    {"tbPlaybackProgress", "TzelTrackBar", 10, 372, 587, kThickness, "Adjust playback progress"},
    {"btnRecord", "TzelImageButton", 10, 389, 37, 36, "Start recording"},
    {"btnMail", "TzelImageButton", 47, 393, 25, 27, "Record and share it by email"},
    {"btnPlay", "TzelImageButton", 75, 393, 25, 27, "Play the selected file"},
    {"btnPause", "TzelImageButton", 101, 393, 25, 27, "Pause recording/playing"},
    {"btnStop", "TzelImageButton", 127, 393, 25, 27, "Stop recording/playing"},
    {"Label1", "TLabel", 203, 399, kAny, kAny, ""},
    {"Label2", "TLabel", 288, 399, kAny, kAny, ""},
    {"Button1", "TButton", kAny, -100, kAny, kAny, ""},
    {"themeMp10", "TzelBuiltInFileTheme", kAny, kAny, kAny, kAny, ""},
    {"themeMp11", "TzelBuiltInFileTheme", kAny, kAny, kAny, kAny, ""},
    {"themeMp12", "TzelBuiltInFileTheme", kAny, kAny, kAny, kAny, ""},
    {"themeMp13", "TzelBuiltInFileTheme", kAny, kAny, kAny, kAny, ""},
};

// The player window: the places its description gives, the rest ours.
const Placed kPlayerLayout[] = {
    {"zelSkinForm1", "TzelSkinForm", 0, 0, 718, 550, ""},
    {"imgBackground", "TImage", 0, 0, 718, 550, ""},
    {"titlePlayer", "TzelTitleBar", 0, 0, 718, 24, ""},
    {"btnReorder", "TzelImageButton", kAny, kAny, kAny, kAny, "Switch to recorder"},
    {"btnSplitter", "TzelImageButton", kAny, kAny, kAny, kAny, "Split selected audio file"},
    {"btnJoiner", "TzelImageButton", kAny, kAny, kAny, kAny, "Merge selected audio files"},
    {"btnFolder", "TzelImageButton", kAny, kAny, kAny, kAny, "Burn selected audio files to CD"},
    {"btnEditor", "TzelImageButton", kAny, kAny, kAny, kAny, "Edit selected audio file"},
    {"btnMail", "TzelImageButton", kAny, kAny, kAny, kAny, ""},
    {"btnOptions", "TzelImageButton", kAny, kAny, kAny, kAny, ""},
    {"btnHelp", "TzelImageButton", kAny, kAny, kAny, kAny, ""},
    {"btnPlayerClose", "TzelImageButton", kAny, kAny, kAny, kAny, ""},
    {"btnPlay", "TzelImageButton", kAny, kAny, kAny, kAny, ""},
    {"btnPause", "TzelImageButton", kAny, kAny, kAny, kAny, ""},
    {"btnStop", "TzelImageButton", kAny, kAny, kAny, kAny, ""},
    {"btnMute", "TzelImageButton", kAny, kAny, kAny, kAny, "Mute playback volume"},
    {"imgMute", "TImage", kAny, kAny, kAny, kAny, ""},
    {"btnEQMode", "TzelImageButton", kAny, kAny, kAny, kAny, "Select EQ mode"},
    {"btnUseEQ", "TzelImageButton", kAny, kAny, kAny, kAny, "Use EQ"},
    {"imgUseEQ", "TImage", kAny, kAny, kAny, kAny, ""},
    {"comboxEQMode", "TzelComboBox", kAny, kAny, kAny, kAny, ""},
    {"tbPlaybackVolume", "TzelTrackBar", kAny, kAny, kAny, kAny, "Adjust playback volume"},
    {"tbPlaybackProgress", "TzelTrackBar", kAny, kAny, kAny, kAny, "Adjust playback progress"},
    {"lvPlayList", "TPlayListView", kAny, kAny, kAny, kAny, ""},
    {"sbPlayListV", "TzelScrollBar", kAny, kAny, kAny, kAny, ""},
    {"sbPlayListH", "TzelScrollBar", kAny, kAny, kAny, kAny, ""},
    {"STV", "TShellTreeView", kAny, kAny, kAny, kAny, ""},
    {"plADBG", "TPanel", kAny, kAny, kAny, kAny, ""},
    {"Label1", "TLabel", kAny, kAny, kAny, kAny, ""},
    {"Button1", "TButton", kAny, -100, kAny, kAny, ""},
};

class WindowLayoutTest : public PlayerWindowFixture {
 protected:
  static void CheckLayout(TForm* form, const Placed* layout, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const Placed& want = layout[i];
      SCOPED_TRACE(want.name);
      TComponent* found = form->FindComponent(want.name);
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(found->ClassName(), want.kind);
      auto* control = dynamic_cast<TControl*>(found);
      if (!control) continue;
      const int got[] = {control->Left(), control->Top(), control->Width(), control->Height()};
      const int expected[] = {want.left, want.top, want.width, want.height};
      for (int k = 0; k < 4; ++k) {
        if (expected[k] == kAny) continue;
        EXPECT_EQ(got[k], expected[k]) << "left, top, width, height: " << k;
      }
      if (*want.hint) {
        EXPECT_EQ(control->Hint(), want.hint);
      }
    }
  }

  // Every skinned control wears the main window's first theme, and every
  // image button shows pictures cut to its own size.
  static void CheckDress(TForm* form) {
    for (int i = 0; i < form->ComponentCount(); ++i) {
      TComponent* component = form->Components(i);
      SCOPED_TRACE(component->Name());
      if (HasProperty(component, "FileTheme") && HasProperty(component, "UIStyle") &&
          component->ClassName() != "TzelImageButton") {
        EXPECT_EQ(component->GetProp<TComponent*>("FileTheme"), frmMain->themeMp10);
        EXPECT_EQ(component->GetProp<std::int64_t>("UIStyle"), FromThemeFile);
      }
      if (auto* button = dynamic_cast<TzelImageButton*>(component)) {
        for (TPicture* picture : {button->PicNormal(), button->PicMouseOn(), button->PicMouseDown()}) {
          EXPECT_EQ(picture->Width(), button->Width());
          EXPECT_EQ(picture->Height(), button->Height());
        }
      }
    }
  }

  // The shape leaves out the corners and the last column, and keeps the
  // rest of the edges.
  static void CheckShape(TForm* form, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->Handle(), region), 0);
    for (TPoint cut : {TPoint{0, 0}, TPoint{width - 2, 0}, TPoint{0, height - 1}, TPoint{width - 2, height - 1},
                       TPoint{width - 1, height / 2}})
      EXPECT_FALSE(PtInRegion(region, cut.X, cut.Y)) << cut.X << ", " << cut.Y;
    for (TPoint kept : {TPoint{width / 2, 0}, TPoint{0, height / 2}, TPoint{width - 2, height / 2},
                        TPoint{width / 2, height - 1}, TPoint{6, 6}})
      EXPECT_TRUE(PtInRegion(region, kept.X, kept.Y)) << kept.X << ", " << kept.Y;
    DeleteObject(region);
  }
};

TEST_F(WindowLayoutTest, MainWindowFollowsItsLayoutTable) {
  ShowMain();
  EXPECT_EQ(frmMain->ClientWidth(), 608);
  EXPECT_EQ(frmMain->ClientHeight(), 431);
  CheckLayout(frmMain, kMainLayout, std::size(kMainLayout));
  CheckDress(frmMain);
  CheckShape(frmMain, 608, 431);

  EXPECT_EQ(frmMain->titleMain->Caption(), "Velmora MP3 Recorder");
  const char* formats[] = {"WAV", "MP3", "OGG", "WMA"};
  TzelRadioButton* radios[] = {frmMain->rbOutputWav, frmMain->rbOutputMp3, frmMain->rbOutputOgg,
                               frmMain->rbOutputWma};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(radios[i]->Caption(), formats[i]);
  EXPECT_EQ(frmMain->cboxVox->Caption(), "VOX");
  EXPECT_EQ(frmMain->cboxMute->Caption(), "Mute");
  EXPECT_FALSE(frmMain->cboxRNoise->Visible());
  EXPECT_FALSE(frmMain->cboxRNoise->Checked());
  EXPECT_EQ(frmMain->lvRecordList->VScrollBar(), frmMain->sbRecordListV);
  EXPECT_EQ(frmMain->lvRecordList->HScrollBar(), frmMain->sbRecordListH);
  for (TzelTrackBar* bar : {frmMain->tbRecordVolume, frmMain->tbPlayBackVolume}) {
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 65535);
  }
  EXPECT_EQ(frmMain->tbPlaybackProgress->Max(), 1000);
  EXPECT_FALSE(frmMain->tbPlaybackProgress->Enabled());
}

TEST_F(WindowLayoutTest, PlayerWindowFollowsItsDescription) {
  ShowPlayer();
  // The glyph, one column wider than the form's own client, sets the size.
  EXPECT_EQ(frmPlayer->ClientWidth(), 718);
  EXPECT_EQ(frmPlayer->ClientHeight(), 550);
  CheckLayout(frmPlayer, kPlayerLayout, std::size(kPlayerLayout));
  CheckDress(frmPlayer);
  CheckShape(frmPlayer, 718, 550);
  EXPECT_EQ(frmPlayer->titlePlayer->Caption(), "Velmora MP3 Recorder Pro:  Player");
  EXPECT_FALSE(frmPlayer->imgMute->Visible());
  EXPECT_FALSE(frmPlayer->imgUseEQ->Visible());

  const struct {
    const char* caption;
    int width;
    TAlignment alignment;
  } columns[] = {{"File name", 155, taLeftJustify},
                 {"Format", 48, taLeftJustify},
                 {"Duration", 86, taRightJustify},
                 {"Size", 70, taRightJustify},
                 {"Status", 140, taCenter}};
  ASSERT_EQ(frmPlayer->lvPlayList->Columns()->Count(), 5);
  for (int i = 0; i < 5; ++i) {
    TListColumn* column = frmPlayer->lvPlayList->Columns()->Items(i);
    EXPECT_EQ(column->Caption(), columns[i].caption);
    EXPECT_EQ(column->Width(), columns[i].width);
    EXPECT_EQ(column->Alignment(), columns[i].alignment);
  }
  for (int band = 0; band < kEqBandCount; ++band) {
    TzelTrackBar* slider = frmPlayer->tbEQ[band];
    EXPECT_EQ(slider->Name(), "tbEQ" + std::to_string(band + 1));
    EXPECT_EQ(slider->Orientation(), zelVertical);
    EXPECT_EQ(slider->Min(), -15000);
    EXPECT_EQ(slider->Max(), 15000);
  }
  EXPECT_EQ(frmPlayer->tbPlaybackVolume->Orientation(), zelVertical);
  EXPECT_EQ(frmPlayer->tbPlaybackVolume->Max(), 65535);
  EXPECT_EQ(frmPlayer->comboxEQMode->Items()->Count(), 7);
}

}  // namespace
