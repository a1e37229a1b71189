// The shared globals: their values before any window exists, the hotkey
// snapshot that another thread reads while the options change, the disc
// codes and the system folder.

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

TEST(MapDiscCode, FollowsTheBurnTypeForCds) {
  const std::int32_t saved = BurnType;
  for (std::int32_t type : {1, 2, 3, 4}) {
    BurnType = type;
    EXPECT_EQ(MapDiscCode(2), type);
    EXPECT_EQ(MapDiscCode(3), type);
  }
  BurnType = 5;
  EXPECT_EQ(MapDiscCode(2), 0);
  BurnType = 0;
  EXPECT_EQ(MapDiscCode(3), 0);
  for (int code : {5, 8, 11, 15}) EXPECT_EQ(MapDiscCode(static_cast<BYTE>(code)), 5) << code;
  for (int code : {0, 1, 4, 12, 14, 16, 255}) EXPECT_EQ(MapDiscCode(static_cast<BYTE>(code)), 0) << code;
  BurnType = saved;
}

TEST(GetSystemDir, HasNoTrailingSlash) {
  const std::string folder = GetSystemDir();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), '/');
  EXPECT_NE(folder.back(), '/');
}

}  // namespace
