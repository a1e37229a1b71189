#include "platform/os/KeyState.h"

#include <X11/keysym.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "platform/os/VirtualKeyKeysyms.h"

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

TEST(KeyState, AKeyHeldOnTheDisplayReadsDown) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0' || std::system("command -v xdotool >/dev/null") != 0)
    GTEST_SKIP() << "needs an X display and xdotool";
  // Connects first: a display server with no client left resets its key state.
  EXPECT_EQ(GetAsyncKeyState(VK_PAUSE), 0);
  // A key that neither types nor modifies, so other programs on the
  // display are not disturbed.
  ASSERT_EQ(std::system("xdotool keydown Pause"), 0);
  SHORT held = GetAsyncKeyState(VK_PAUSE);
  ASSERT_EQ(std::system("xdotool keyup Pause"), 0);
  SHORT released = GetAsyncKeyState(VK_PAUSE);
  EXPECT_LT(held, 0);
  EXPECT_EQ(released, 0);
}
