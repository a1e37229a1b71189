// Without a sound server that answers, the built-in virtual devices serve,
// and finding that out never hangs.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "EventPump.h"
#include "platform/audio/AudioRecord2.h"

namespace {

using Clock = std::chrono::steady_clock;

// Lists the devices a new recorder sees, and how long that took.
std::string FirstDeviceName(Clock::duration& took) {
  const auto start = Clock::now();
  TAudioRecord2 recorder;
  const int count = recorder.DeviceCount();
  took = Clock::now() - start;
  if (count < 0) return "";
  recorder.SetDevice(0);
  return recorder.DeviceName();
}

}  // namespace

TEST(BackendFallback, AbsentServerGivesVirtualDevicesAtOnce) {
  testpump::ScopedEnv mode("VELMORA_AUDIO", "");
  testpump::ScopedEnv server("PULSE_SERVER", "unix:/nonexistent/velmora-test/native");
  Clock::duration took{};
  EXPECT_EQ(FirstDeviceName(took), "Virtual capture");
}

TEST(BackendFallback, ServerThatNeverAnswersTimesOutToVirtualDevices) {
  // A socket that takes connections and never says a word.
  const std::string path =
      (std::filesystem::temp_directory_path() / ("velmora-mute-" + std::to_string(getpid()))).string();
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof(address.sun_path) - 1);
  unlink(path.c_str());
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(listen(fd, 4), 0);

  testpump::ScopedEnv mode("VELMORA_AUDIO", "");
  testpump::ScopedEnv server("PULSE_SERVER", "unix:" + path);
  Clock::duration took{};
  EXPECT_EQ(FirstDeviceName(took), "Virtual capture");
  // The server is given a second and a half; only a wait for its answer
  // without end takes this long.
  EXPECT_LT(took, std::chrono::seconds(30));

  close(fd);
  unlink(path.c_str());
}
