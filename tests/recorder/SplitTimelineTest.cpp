// The splitter's timeline: its split points and their use flags, the
// millisecond/pixel scale, and the bar driven as a user drives it.

#include <vector>

#include "HeadlessWindows.h"
#include "platform/gfx/Bitmap.h"
#include "recorder/MyTrackBar.h"

namespace {

std::vector<std::int64_t> Positions(const TSplitPoints& points) {
  std::vector<std::int64_t> result;
  for (const SplitPoint& point : points.Points()) result.push_back(point.position);
  return result;
}

std::vector<bool> Uses(const TSplitPoints& points) {
  std::vector<bool> result;
  for (const SplitPoint& point : points.Points()) result.push_back(point.use);
  return result;
}

TEST(SplitPoints, PointsStaySortedUniqueAndNewHalvesKeepTheirSectionsState) {
  TSplitPoints points;
  points.Reset(0, 10000);
  EXPECT_TRUE(points.Add(6000));
  EXPECT_TRUE(points.Add(2000));
  EXPECT_FALSE(points.Add(6000)) << "a point that already stands";
  EXPECT_FALSE(points.Add(0));
  EXPECT_EQ(Positions(points), (std::vector<std::int64_t>{0, 2000, 6000, 10000}));
  points.SetUse(1, false);  // the section 2000..6000 is unticked
  EXPECT_TRUE(points.Add(4000));
  EXPECT_EQ(Uses(points), (std::vector<bool>{true, false, false, true, true}));
  EXPECT_TRUE(points.Add(8000));
  EXPECT_EQ(Uses(points), (std::vector<bool>{true, false, false, true, true, true}));

  points.Reset(0, 3000);  // a shorter file drops every earlier point
  EXPECT_EQ(Positions(points), (std::vector<std::int64_t>{0, 3000}));
  EXPECT_EQ(Uses(points), (std::vector<bool>{true, true}));
}

TEST(SplitPoints, DeletingNeverRemovesTheEndsAndHandsItsFlagBackUnlessKept) {
  TSplitPoints points;
  points.Reset(0, 10000);
  for (std::int64_t ms : {2000, 4000, 6000}) points.Add(ms);
  points.SetUse(2, false);
  EXPECT_FALSE(points.Delete(0, false));
  EXPECT_FALSE(points.Delete(4, false));
  EXPECT_FALSE(points.Delete(-1, false));
  EXPECT_TRUE(points.Delete(2, false));  // the section before takes over "unticked"
  EXPECT_EQ(Positions(points), (std::vector<std::int64_t>{0, 2000, 6000, 10000}));
  EXPECT_EQ(Uses(points), (std::vector<bool>{true, false, true, true}));
  EXPECT_TRUE(points.Delete(1, true));
  EXPECT_EQ(Uses(points), (std::vector<bool>{true, true, true}));
  points.Add(500);
  points.Clear();
  EXPECT_EQ(Positions(points), (std::vector<std::int64_t>{0, 10000}));
}

TEST(TimelineScale, MapsBothWaysWithinTheEndsAndSurvivesABarNotLaidOut) {
  const TTimelineScale scale{533, 0, 50000};  // 500 pixels of travel
  EXPECT_EQ(scale.MsToPixel(0), 16);
  EXPECT_EQ(scale.MsToPixel(-5), 16);
  EXPECT_EQ(scale.MsToPixel(50000), 516);
  EXPECT_EQ(scale.MsToPixel(90000), 516);
  EXPECT_EQ(scale.MsToPixel(25000), 266);
  EXPECT_EQ(scale.MsToPixel(25050), 267) << "to the nearest pixel";
  EXPECT_EQ(scale.PixelToMs(250), 25000);
  EXPECT_EQ(scale.PixelToMs(-1), 0);
  EXPECT_EQ(scale.PixelToMs(518), 50000);
  EXPECT_EQ(scale.PixelToMs(510), 50000) << "past the last thumb place it is still the end";
  EXPECT_EQ(scale.Step(), 50000 / 517 / 10);

  for (int width : {0, 10, 33}) {
    const TTimelineScale empty{width, 0, 50000};
    EXPECT_EQ(empty.PixelToMs(0), 0) << width;
    EXPECT_EQ(empty.PixelToMs(5), 0) << width;
    if (width <= 16) {
      EXPECT_EQ(empty.Step(), 0) << width;
    }
  }
  EXPECT_EQ((TTimelineScale{533, 0, 4000}).Step(), 0) << "a short file has no step";
}

class SplitTimelineBar : public HeadlessWindowsTest {
 protected:
  TMyTrackBar* NewBar(int width) {
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetBounds(100, 100, width + 40, 140);
    form->Show();
    auto* bar = new TMyTrackBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, width, 100);
    TBitmap thumb;
    thumb.SetSize(33, 30);
    bar->SetThumbImages(&thumb, &thumb);
    bar->OnPositionChange = [this](TObject*) { ++positionChanges; };
    bar->OnPointsChange = [this](TObject*) { ++pointChanges; };
    return bar;
  }
  int positionChanges = 0;
  int pointChanges = 0;
};

TEST_F(SplitTimelineBar, PositionsClampToTheFileAndStepsFollowTheLength) {
  TMyTrackBar* bar = NewBar(533);
  bar->SetLength(50000);
  EXPECT_EQ(pointChanges, 1);
  bar->SetPosition(80000);
  EXPECT_EQ(bar->Position(), 50000);
  EXPECT_EQ(bar->CursorX(), 516);
  EXPECT_EQ(bar->TopThumb()->Left(), 500);
  EXPECT_EQ(bar->BottomThumb()->Left(), 500);
  bar->SetPosition(-10);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(bar->CursorX(), 16);
  EXPECT_EQ(positionChanges, 2);
  bar->StepForward();
  EXPECT_EQ(bar->Position(), bar->Step());
  bar->AddPointAtPosition();
  bar->AddPointAtPosition();
  EXPECT_EQ(pointChanges, 2) << "the second point at the same place is no change";
  bar->GotoPoint(2);  // the end is no place to go to
  EXPECT_EQ(bar->Position(), bar->Step());
  bar->GotoPoint(0);
  EXPECT_EQ(bar->Position(), 0);

  bar->SetLength(3000);  // too short for a step
  bar->StepForward();
  EXPECT_EQ(bar->Position(), 0);
}

TEST_F(SplitTimelineBar, DraggingAThumbMovesBothAndStopsAtTheEdges) {
  TMyTrackBar* bar = NewBar(533);
  bar->SetLength(50000);
  TImage* thumb = bar->BottomThumb();
  HeadlessMouseMove(thumb->ClientToScreen({10, 5}));
  HeadlessMouseDown();
  HeadlessMouseMove(thumb->ClientToScreen({260, 5}));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(thumb->Left(), 250);
  EXPECT_EQ(bar->TopThumb()->Left(), 250);
  EXPECT_EQ(bar->Position(), 25000);
  EXPECT_EQ(bar->CursorX(), 266);
  HeadlessMouseMove(thumb->ClientToScreen({900, 5}));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(thumb->Left(), 500);
  EXPECT_EQ(bar->Position(), 50000);
  HeadlessMouseMove(thumb->ClientToScreen({-900, 5}));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(thumb->Left(), 0);
  EXPECT_EQ(bar->Position(), 0);
  HeadlessMouseUp();
  HeadlessMouseMove(thumb->ClientToScreen({100, 5}));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(thumb->Left(), 0) << "no drag after the button is up";
}

}  // namespace
