#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/os/VirtualKeys.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELTrackBar.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

// DeepBlue: bar 45 x 4, slider 11 x 20, vertical slider 18 x 11. A bar
// 111 long leaves the slider 100 pixels of travel: ten per step of 0..10.
class TrackBar : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    SetSkinFlavour(zelCurrentBuild);
    RegisterSkinResources();
    form = ShownForm(400, 300);
    bar = Place(zelHorizontal);
  }
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    HeadlessFormsTest::TearDown();
  }
  TzelTrackBar* Place(TzelProgressBarOrientation orientation, int left = 10, int top = 10) {
    auto* b = new TzelTrackBar(form);
    b->SetParent(form);
    b->SetUIStyle(DeepBlue);
    b->SetOrientation(orientation);
    if (orientation == zelHorizontal) b->SetBounds(left, top, 111, b->Height());
    else b->SetBounds(left, top, b->Width(), 111);
    b->OnChange = [this](TObject*) { ++changes; };
    return b;
  }
  static TColor Pixel(TWinControl* control, int x, int y) {
    control->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(control->Handle())->Pixels(x, y);
  }
  static TColor BitmapPixel(TzelUIStyle look, int element, int x, int y) {
    TBitmap picture;
    GetBuiltInThemeBitmap(look, element, &picture, 0, 0);
    return picture.Canvas()->Pixels(x, y);
  }
  void Press(TControl* control, int x, int y) {
    HeadlessMouseMove(ScreenPointOf(control, x, y));
    HeadlessMouseDown();
  }
  TForm* form = nullptr;
  TzelTrackBar* bar = nullptr;
  int changes = 0;
};

}  // namespace

TEST_F(TrackBar, StartsWithItsDefaultsAndTheOwnersLook) {
  auto* fresh = new TzelTrackBar(form);
  EXPECT_EQ(fresh->UIStyle(), DeepBlue);
  EXPECT_EQ(fresh->Orientation(), zelHorizontal);
  EXPECT_EQ(fresh->Min(), 0);
  EXPECT_EQ(fresh->Max(), 10);
  EXPECT_EQ(fresh->PageSize(), 2);
  EXPECT_EQ(fresh->LineSize(), 1);
  EXPECT_TRUE(fresh->ShowTick());
  EXPECT_FALSE(fresh->Transparent());
  EXPECT_TRUE(fresh->TabStop());
  EXPECT_TRUE(fresh->ParentColor());
  for (const char* name : {"Orientation", "FileTheme", "UIStyle", "Max", "Min", "Position", "PageSize", "LineSize",
                           "ShowTick", "Transparent", "Frequency"})
    EXPECT_TRUE(fresh->HasProperty(name)) << name;
  fresh->SetUIStyle(MacOS);
  EXPECT_TRUE(fresh->Transparent());
}

TEST_F(TrackBar, TakesItsThicknessFromBarAndSliderInEachLook) {
  for (TzelUIStyle look : {DeepBlue, WinXP}) {
    bar->SetUIStyle(look);
    TBitmap slider, barPicture;
    GetBuiltInThemeBitmap(look, 29, &slider, 0, 0);
    GetBuiltInThemeBitmap(look, 28, &barPicture, 0, 0);
    EXPECT_EQ(bar->Height(), std::max(slider.Height(), barPicture.Height())) << int(look);
    EXPECT_EQ(bar->Slider()->Width(), slider.Width()) << int(look);
  }
  auto* upright = Place(zelVertical, 200);
  upright->SetUIStyle(WinXP);
  EXPECT_EQ(upright->Width(), 22);  // the vertical slider is 22 x 11 in WinXP
  EXPECT_EQ(upright->Slider()->Height(), 11);
}

TEST_F(TrackBar, SliderFollowsPositionAcrossTheTravel) {
  bar->SetPosition(3);
  EXPECT_EQ(bar->Slider()->Left(), 30);
  EXPECT_EQ(bar->Slider()->Top(), 0);
  bar->SetPosition(15);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(bar->Slider()->Left(), 100);
  bar->SetMin(10);
  EXPECT_EQ(bar->Slider()->Left(), 0) << "Min = Max puts the slider at the start";

  auto* upright = Place(zelVertical, 200);
  upright->SetPosition(5);
  EXPECT_EQ(upright->Slider()->Top(), 50);
  EXPECT_EQ(upright->Slider()->Left(), 0);
}

TEST_F(TrackBar, ChangesFireOnlyWhenThePositionMoves) {
  bar->SetPosition(4);
  EXPECT_EQ(changes, 1);
  bar->SetPosition(4);
  EXPECT_EQ(changes, 1);
  bar->SetMin(6);
  EXPECT_EQ(bar->Position(), 6);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(bar->LastChange(), 2);
  bar->SetMax(3);
  EXPECT_EQ(bar->Max(), 6) << "a Max below Min becomes Min";
  bar->SetMin(12);
  EXPECT_EQ(bar->Min(), 6) << "a Min above Max becomes Max";
  bar->SetMax(20);
  bar->SetPageSize(21);
  EXPECT_EQ(bar->PageSize(), 2);
  bar->SetPageSize(-1);
  EXPECT_EQ(bar->PageSize(), 2);
  bar->SetLineSize(20);
  EXPECT_EQ(bar->LineSize(), 20);
}

TEST_F(TrackBar, TicksStepByFrequencyAndAlwaysMarkMax) {
  bar->SetFrequency(3);
  EXPECT_EQ(bar->TickPositions(), (std::vector<int>{0, 3, 6, 9, 10}));
  bar->SetFrequency(0);  // would never reach Max
  EXPECT_EQ(bar->TickPositions(), (std::vector<int>{0, 10}));
  bar->SetMax(0);
  EXPECT_TRUE(bar->TickPositions().empty());
  // A range far wider than the bar neither hangs nor overflows.
  bar->SetFrequency(1);
  bar->SetMin(-2000000000);
  bar->SetMax(2000000000);
  EXPECT_LE(bar->TickPositions().size(), 111u + 2u);
  EXPECT_EQ(bar->TickPositions().back(), 2000000000);
  bar->SetPosition(0);
  EXPECT_EQ(bar->Slider()->Left(), 50);
}

TEST_F(TrackBar, DrawsBarSliderAndTicksFromTheLook) {
  bar->SetPosition(10);
  for (TzelUIStyle look : {DeepBlue, WinXP}) {
    bar->SetUIStyle(look);
    TBitmap barPicture;
    GetBuiltInThemeBitmap(look, 28, &barPicture, 0, 0);
    const int barTop = (bar->Height() - barPicture.Height()) / 2;
    // The middle third stretches along the bar; one of its rows.
    EXPECT_EQ(Pixel(bar, 50, barTop + 1), BitmapPixel(look, 28, 22, 1)) << int(look);
    // The tick of position 0 sits half a slider in, three pixels high.
    EXPECT_EQ(Pixel(bar, 5, bar->Height() - 1), clBlack) << int(look);
    EXPECT_EQ(Pixel(bar, 5, bar->Height() - 3), clBlack) << int(look);
    // The slider, at the far end, shows its own picture.
    EXPECT_EQ(Pixel(bar->Slider(), 5, 8), BitmapPixel(look, 29, 5, 8)) << int(look);
  }
  bar->SetShowTick(false);
  EXPECT_NE(Pixel(bar, 5, bar->Height() - 1), clBlack);
}

TEST_F(TrackBar, PressOnTheBarMovesOnePageButNeverPastThePress) {
  HeadlessClick(ScreenPointOf(bar, 90, 10));
  EXPECT_EQ(bar->Position(), 2) << "far from the slider: one page";
  HeadlessClick(ScreenPointOf(bar, 33, 10));
  EXPECT_EQ(bar->Position(), 3) << "just past the slider: to the press";
  bar->SetPosition(5);
  HeadlessClick(ScreenPointOf(bar, 10, 10));
  EXPECT_EQ(bar->Position(), 3);
  EXPECT_EQ(form->ActiveControl(), bar);
  HeadlessAdvanceClock(500);
  EXPECT_EQ(bar->Position(), 3) << "released: no more steps";
}

TEST_F(TrackBar, HoldingOnTheBarRepeatsThreePagesHorizontallyOneVertically) {
  Press(bar, 100, 10);
  EXPECT_EQ(bar->Position(), 2);
  HeadlessAdvanceClock(100);
  EXPECT_EQ(bar->Position(), 8);
  HeadlessAdvanceClock(100);
  EXPECT_EQ(bar->Position(), 10);
  HeadlessMouseUp();

  auto* upright = Place(zelVertical, 200);
  Press(upright, 9, 100);
  EXPECT_EQ(upright->Position(), 2);
  HeadlessAdvanceClock(100);
  EXPECT_EQ(upright->Position(), 4);
  HeadlessMouseUp();
  HeadlessAdvanceClock(300);
  EXPECT_EQ(upright->Position(), 4);
}

TEST_F(TrackBar, DraggingKeepsTheSliderWhereItWasTaken) {
  TPoint downAt{-1, -1};
  bar->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { downAt = {x, y}; };
  bar->SetPosition(2);
  Press(bar->Slider(), 5, 10);
  EXPECT_EQ(downAt, (TPoint{25, 10})) << "reported in the track bar's coordinates";
  HeadlessMouseMove(ScreenPointOf(bar, 75, 10));
  EXPECT_EQ(bar->Position(), 7);
  EXPECT_EQ(bar->LastChange(), 5);
  HeadlessMouseMove(ScreenPointOf(bar, 400, 10));
  EXPECT_EQ(bar->Position(), 10) << "clamped to Max";
  HeadlessMouseUp();
  HeadlessMouseMove(ScreenPointOf(bar, 10, 10));
  EXPECT_EQ(bar->Position(), 10) << "released: no longer dragging";
}

TEST_F(TrackBar, OlderBuildDragsFromTheSlidersLeadingEdge) {
  SetSkinFlavour(zelOlderBuild);
  Press(bar->Slider(), 5, 10);
  HeadlessMouseMove(ScreenPointOf(bar, 55, 10));
  EXPECT_EQ(bar->Position(), 6) << "5.5 steps, taken to the even neighbour";
  HeadlessMouseUp();
}

TEST_F(TrackBar, KeysStepByLineAndPageWithinTheRange) {
  auto* other = Place(zelHorizontal, 10, 60);
  bar->SetFocus();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(bar->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  HeadlessKeyPress(VK_NEXT);
  EXPECT_EQ(bar->Position(), 2);
  HeadlessKeyPress(VK_RIGHT);
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(bar->Position(), 4);
  HeadlessKeyPress(VK_UP);
  HeadlessKeyPress(VK_PRIOR);
  EXPECT_EQ(bar->Position(), 1);
  HeadlessKeyPress(VK_LEFT);
  HeadlessKeyPress(VK_LEFT);
  EXPECT_EQ(bar->Position(), 0);
  HeadlessKeyPress(VK_END);
  EXPECT_EQ(bar->Position(), 10);
  HeadlessKeyPress(VK_HOME);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_TRUE(bar->Focused()) << "the arrows stay with the track bar";
  EXPECT_EQ(other->Position(), 0);
}

TEST_F(TrackBar, ScrollTrackTakesNoLookAndNoFocusFromAClick) {
  auto* track = new TzelScrollTrackBar(form);
  track->SetParent(form);
  track->SetBounds(10, 100, 111, 16);
  EXPECT_FALSE(track->TabStop());
  EXPECT_EQ(track->BarImage()->Graphic(), nullptr);
  TBitmap thumb(20, 16);
  TPicture picture;
  picture.SetGraphic(&thumb);
  track->SetSliderImage(&picture);
  track->SizeSliderToPicture();
  EXPECT_EQ(track->Slider()->Width(), 20);
  track->SetPosition(10);
  EXPECT_EQ(track->Slider()->Left(), 91);
  HeadlessClick(ScreenPointOf(track, 10, 8));
  EXPECT_EQ(track->Position(), 8);
  EXPECT_NE(form->ActiveControl(), track);
}

TEST_F(TrackBar, ThemeFileGivesBarAndSliderWithItsSeeThroughColourReplaced) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("track.zsk", BuildThemeFile({IntegerItem("SKIN2_TRANSCOLOR", 0x00FF00),
                                                               IntegerItem("SKIN2_FORMCOLOR", 0x332211),
                                                               BitmapItem("SKIN2_TRACKBAR", 30, 6, 0x4080C0),
                                                               BitmapItem("SKIN2_TRACKBARSLIDER", 9, 16, 0x00FF00)})));
  ASSERT_TRUE(theme->Ready());
  bar->SetFileTheme(theme);
  bar->SetUIStyle(FromThemeFile);
  EXPECT_EQ(bar->Height(), 16);
  EXPECT_EQ(bar->Slider()->Width(), 9);
  EXPECT_EQ(Pixel(bar, 60, 8), TColor(0x4080C0));
  EXPECT_EQ(bar->SliderImage()->Bitmap()->Canvas()->Pixels(4, 4), TColor(0x332211));
  delete theme;
  EXPECT_EQ(bar->FileTheme(), nullptr);
  EXPECT_EQ(bar->UIStyle(), DeepBlue);
}
