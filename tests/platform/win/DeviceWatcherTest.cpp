// Which scans of the optical drives make device-change notifications.

#include <gtest/gtest.h>

#include "platform/win/DeviceWatcher.h"

namespace {

using detail::DriveChanges;
using detail::TDriveChange;
using Drives = std::map<std::string, bool>;

TEST(DeviceWatcherTest, DiscsPutInAndTakenOutAreChanges) {
  EXPECT_TRUE(DriveChanges({{"sr0", false}}, {{"sr0", false}}).empty());
  EXPECT_EQ(DriveChanges({{"sr0", false}}, {{"sr0", true}}), (std::vector<TDriveChange>{{"sr0", true}}));
  EXPECT_EQ(DriveChanges({{"sr0", true}, {"sr1", false}}, {{"sr0", false}, {"sr1", true}}),
            (std::vector<TDriveChange>{{"sr0", false}, {"sr1", true}}));
}

TEST(DeviceWatcherTest, DrivesComingAndGoingCountOnlyWithADisc) {
  EXPECT_TRUE(DriveChanges({}, {{"sr0", false}}).empty()) << "an empty drive plugged in";
  EXPECT_EQ(DriveChanges({}, {{"sr0", true}}), (std::vector<TDriveChange>{{"sr0", true}}));
  EXPECT_EQ(DriveChanges({{"sr0", true}}, {}), (std::vector<TDriveChange>{{"sr0", false}}))
      << "unplugged with a disc in it";
  EXPECT_TRUE(DriveChanges({{"sr0", false}}, {}).empty());
}

TEST(DeviceWatcherTest, ScanListsOnlyOpticalDrives) {
  for (const auto& [drive, present] : detail::TOpticalDriveWatcher::Scan()) EXPECT_EQ(drive.rfind("sr", 0), 0u);
}

}  // namespace
