#include "FormTestSupport.h"
#include "platform/framework/Timer.h"

namespace {

class TimerTest : public HeadlessFormsTest {};

TEST_F(TimerTest, FiresEveryIntervalOnTheVirtualClockWhileEnabled) {
  TForm* form = ShownForm();
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, timer);
    ++ticks;
  };
  timer->SetInterval(100);
  HeadlessAdvanceClock(350);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(false);
  HeadlessAdvanceClock(500);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(true);
  timer->SetInterval(0);  // no timer at all
  HeadlessAdvanceClock(500);
  EXPECT_EQ(ticks, 3);
  timer->SetInterval(1000);
  HeadlessAdvanceClock(999);
  EXPECT_EQ(ticks, 3);
  HeadlessAdvanceClock(1);
  EXPECT_EQ(ticks, 4);
  delete timer;
  HeadlessAdvanceClock(5000);
  EXPECT_EQ(ticks, 4);
}

TEST_F(TimerTest, ATimerMadeInCodeRunsWithItsDefaults) {
  TForm* form = ShownForm();
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  timer->SetEnabled(true);  // already so: must not be what starts it
  HeadlessAdvanceClock(2000);
  EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, AOneShotTimerDisablesItselfInItsHandler) {
  ShownForm();
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(100);
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    timer.SetEnabled(false);
  };
  HeadlessAdvanceClock(1000);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, AnErrorInOnTimerIsShownAndTheTimerGoesOn) {
  ShownForm();
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(100);
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 1) throw EConvertError("'x' is not a valid integer value");
  };
  HeadlessAdvanceClock(300);
  EXPECT_EQ(ticks, 3);
  auto boxes = HeadlessShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'x' is not a valid integer value");
}

}  // namespace
