// A burn that cannot finish ends with a clear error, leaves no broken
// image behind and never hangs.

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "BurnFixture.h"

namespace {

class BurnFailure : public BurnFixture {
 protected:
  int ImageCount() {
    if (!std::filesystem::exists(imageFolder_)) return 0;
    int n = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(imageFolder_)) ++n;
    return n;
  }
};

TEST_F(BurnFailure, AnAbortedBurnReportsItAndRemovesTheImage) {
  WriteFile(folder_ + "big.bin", std::string(8 << 20, 'b'));
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
  ASSERT_EQ(AddFile((folder_ + "big.bin").c_str(), "", "", 0, 0), 0);
  ASSERT_EQ(Prepare(), 0);
  ASSERT_EQ(Burn(), 0);
  EXPECT_EQ(Burn(), foxabi::kErrBusy);
  ASSERT_EQ(Abort(), 0);
  EXPECT_EQ(WaitForBurnDone(), "Burn aborted");
  EXPECT_EQ(ImageCount(), 0);
}

TEST_F(BurnFailure, AFullDiskFailsTheBurnAndRemovesThePartialImage) {
  WriteFile(folder_ + "big.bin", std::string(4 << 20, 'b'));
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
  ASSERT_EQ(AddFile((folder_ + "big.bin").c_str(), "", "", 0, 0), 0);
  // A file size limit stands in for a full disk: writes past 1 MB fail.
  signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 1 << 20;
  setrlimit(RLIMIT_FSIZE, &small);
  std::string error = BurnAndWait();
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_NE(error, "");
  EXPECT_NE(error, "timed out");
  EXPECT_EQ(ImageCount(), 0);
}

TEST_F(BurnFailure, CallsBeforeInitializeAreRefused) {
  DeInitialize();
  std::uint8_t ready = 0;
  EXPECT_EQ(IsDeviceReady(&ready), foxabi::kErrNotInitialized);
  EXPECT_EQ(CreateProject(0), foxabi::kErrNotInitialized);
  EXPECT_EQ(Burn(), foxabi::kErrNotInitialized);
  char text[64];
  std::int32_t length = sizeof text;
  ASSERT_EQ(GetText(foxabi::kErrNotInitialized, text, &length), 0);
  EXPECT_EQ(std::string(text), "The burner library is not initialized");
  EXPECT_EQ(length, static_cast<std::int32_t>(std::string(text).size() + 1));
  length = 4;
  EXPECT_EQ(GetText(foxabi::kErrNotInitialized, text, &length), foxabi::kErrBufferTooSmall);
  EXPECT_EQ(GetText(9999, text, &length), foxabi::kErrUnknownCode);
  ASSERT_EQ(Initialize(0), 0);
}

TEST_F(BurnFailure, TheImageDriveHoldsAWriteOnceDiscThatCannotBeErased) {
  SelectImageDrive();
  std::uint8_t caps[3] = {};
  ASSERT_EQ(GetDeviceCapabilities(caps), 0);
  EXPECT_TRUE(caps[1] & 0x02);  // writes CD-R
  std::uint8_t ready = 0;
  ASSERT_EQ(IsDeviceReady(&ready), 0);
  EXPECT_EQ(ready, 1);
  EXPECT_EQ(Erase(1), foxabi::kErrMediumNotErasable);
  EXPECT_EQ(EjectDevice(), 0);
}

}  // namespace
