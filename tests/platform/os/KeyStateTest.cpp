#include "platform/os/KeyState.h"

#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "platform/os/VirtualKeyKeysyms.h"
#include "platform/os/X11KeyState.h"

using detail::KeysymsForVirtualKey;
using Keysyms = std::vector<unsigned long>;

TEST(KeyState, WithoutADisplayEveryKeyIsUp) {
  // A fresh process, so the connection is attempted without DISPLAY.
  int code = RunInChild([] {
    unsetenv("DISPLAY");
    for (int vk : {int('A'), int('0'), VK_SHIFT, VK_F24, VK_ADD, VK_LBUTTON, 0, 255, -5})
      if (GetAsyncKeyState(vk) != 0) return 1;
    return 0;
  });
  EXPECT_EQ(code, 0);
}

TEST(KeyState, VirtualKeysMapToTheirKeysyms) {
  EXPECT_EQ(KeysymsForVirtualKey('A'), Keysyms{XK_a});
  EXPECT_EQ(KeysymsForVirtualKey('Z'), Keysyms{XK_z});
  EXPECT_EQ(KeysymsForVirtualKey('7'), Keysyms{XK_7});
  EXPECT_EQ(KeysymsForVirtualKey(VK_F1), Keysyms{XK_F1});
  EXPECT_EQ(KeysymsForVirtualKey(VK_F24), Keysyms{XK_F24});
  EXPECT_EQ(KeysymsForVirtualKey(VK_NUMPAD7), (Keysyms{XK_KP_7, XK_KP_Home}));
  EXPECT_EQ(KeysymsForVirtualKey(VK_ADD), Keysyms{XK_KP_Add});
  EXPECT_EQ(KeysymsForVirtualKey(VK_SUBTRACT), Keysyms{XK_KP_Subtract});
  EXPECT_EQ(KeysymsForVirtualKey(VK_SHIFT), (Keysyms{XK_Shift_L, XK_Shift_R}));
  EXPECT_EQ(KeysymsForVirtualKey(VK_RCONTROL), Keysyms{XK_Control_R});
  EXPECT_EQ(KeysymsForVirtualKey(VK_LMENU), Keysyms{XK_Alt_L});
  EXPECT_EQ(KeysymsForVirtualKey(VK_PRIOR), Keysyms{XK_Prior});
  EXPECT_EQ(KeysymsForVirtualKey(VK_OEM_3), Keysyms{XK_grave});
  EXPECT_TRUE(KeysymsForVirtualKey(0).empty());
  EXPECT_TRUE(KeysymsForVirtualKey(0xFF).empty());
}

TEST(KeyState, AReplacementDecidesWhatIsDown) {
  struct OnlyR : IKeyState {
    bool IsKeyDown(int vk) override { return vk == 'R' || vk == VK_CONTROL; }
  } fake;
  SetKeyState(&fake);
  EXPECT_LT(GetAsyncKeyState('R'), 0);
  EXPECT_LT(GetAsyncKeyState(VK_CONTROL), 0);
  EXPECT_EQ(GetAsyncKeyState('S'), 0);
  SetKeyState(nullptr);
}

bool CanHoldKeys() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && *display != '\0' && std::system("command -v xdotool >/dev/null") == 0;
}

// The key state follows the display from another thread: waits up to 5 s.
bool Eventually(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Pause neither types nor modifies, so other programs on the display are
// not disturbed; nor does the middle button in the corner of the screen.
TEST(KeyState, TheDisplaysKeysAndButtonsFollowItsEventsFromTheFirstRead) {
  if (!CanHoldKeys()) GTEST_SKIP() << "needs an X display and xdotool";
  ASSERT_EQ(std::system("xdotool keydown Pause"), 0);
  detail::TX11KeyState keys;
  EXPECT_FALSE(keys.AsksServer()) << "the display sends raw key events";
  EXPECT_TRUE(keys.IsKeyDown(VK_PAUSE)) << "held before the connection was made";
  const std::uint64_t before = KeyStateChangeCount();
  ASSERT_EQ(std::system("xdotool keyup Pause"), 0);
  EXPECT_TRUE(Eventually([&] { return !keys.IsKeyDown(VK_PAUSE); }));
  EXPECT_GT(KeyStateChangeCount(), before);

  ASSERT_EQ(std::system("xdotool keydown Pause"), 0);
  EXPECT_TRUE(Eventually([&] { return keys.IsKeyDown(VK_PAUSE); }));
  ASSERT_EQ(std::system("xdotool keyup Pause"), 0);
  EXPECT_TRUE(Eventually([&] { return !keys.IsKeyDown(VK_PAUSE); }));

  ASSERT_EQ(std::system("xdotool mousemove 1279 1023 mousedown 2"), 0);
  EXPECT_TRUE(Eventually([&] { return keys.IsKeyDown(VK_MBUTTON); }));
  EXPECT_FALSE(keys.IsKeyDown(VK_LBUTTON));
  ASSERT_EQ(std::system("xdotool mouseup 2"), 0);
  EXPECT_TRUE(Eventually([&] { return !keys.IsKeyDown(VK_MBUTTON); }));
}

TEST(KeyState, AWaitForAKeyEndsAtTheKeyOrWhenStopped) {
  std::stop_source stopped;
  stopped.request_stop();
  EXPECT_FALSE(WaitForKeyStateChange(KeyStateChangeCount(), stopped.get_token()));
  EXPECT_TRUE(WaitForKeyStateChange(KeyStateChangeCount() - 1, stopped.get_token())) << "a change already seen";
  if (!CanHoldKeys()) GTEST_SKIP() << "needs an X display and xdotool";

  EXPECT_EQ(GetAsyncKeyState(VK_PAUSE), 0);  // connected
  std::promise<bool> woken;
  std::future<bool> answer = woken.get_future();
  std::jthread waiter([&woken, seen = KeyStateChangeCount()](std::stop_token stop) {
    woken.set_value(WaitForKeyStateChange(seen, stop));
  });
  ASSERT_EQ(std::system("xdotool keydown Pause"), 0);
  ASSERT_EQ(answer.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "the key did not end the wait";
  EXPECT_TRUE(answer.get());
  EXPECT_TRUE(Eventually([] { return GetAsyncKeyState(VK_PAUSE) < 0; }));
  ASSERT_EQ(std::system("xdotool keyup Pause"), 0);
  EXPECT_TRUE(Eventually([] { return GetAsyncKeyState(VK_PAUSE) == 0; }));
}
