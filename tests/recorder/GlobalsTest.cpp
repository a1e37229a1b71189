// The shared globals: their values before any window exists, and the
// hotkey snapshot that another thread reads while the options change.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "recorder/GlobeVar.h"

namespace {

TEST(Globals, StartValuesBeforeTheOptionsArePublished) {
  EXPECT_EQ(SettingsFileName, "QmtCfg.ini");
  EXPECT_EQ(ScheduleFileName, "Current.vsk");
  EXPECT_EQ(Subject, "Share with you");
  EXPECT_EQ(Body, "Hi");
  for (const std::string* folder : {&OutputPath, &ConvertFolder, &SplitFolder, &JoinFolder, &RecordedFolder}) {
    ASSERT_FALSE(folder->empty());
    EXPECT_EQ(folder->back(), '/');
  }
  EXPECT_TRUE(AppFolder.empty());
  EXPECT_EQ(WriterList.Count(), 0);
  EXPECT_FALSE(BurnInProgress.load());
}

TEST(Hotkeys, ReaderOnAnotherThreadNeverSeesAHalfChangedCombination) {
  HotkeySettings ctrlR;
  ctrlR.StartCombo1 = {17, 0, 0x52};
  ctrlR.StartUse1 = true;
  HotkeySettings shiftAltF5;
  shiftAltF5.StartCombo1 = {16, 18, 0x74};
  shiftAltF5.StartUse1 = true;
  SetHotkeys(ctrlR);

  std::atomic<bool> stop{false};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (!stop) {
      const HotkeySettings seen = Hotkeys();
      if (!(seen == ctrlR) && !(seen == shiftAltF5)) ++torn;
    }
  });
  for (int i = 0; i < 20000; ++i) SetHotkeys(i % 2 == 0 ? shiftAltF5 : ctrlR);
  stop = true;
  reader.join();
  EXPECT_EQ(torn, 0);
  SetHotkeys({});
}

}  // namespace
