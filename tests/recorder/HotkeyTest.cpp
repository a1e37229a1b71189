// Global hotkeys: which combination is down, the latch that makes one
// press post once, and the thread posting to a window at key changes.

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include "platform/os/VirtualKeys.h"
#include "platform/win/Headless.h"
#include "platform/win/WinApi.h"
#include "recorder/HotkeyDetector.h"

namespace {

constexpr DWORD kKeyR = 'R';
constexpr DWORD kKeyS = 'S';
constexpr DWORD kKeyF9 = 0x78;

// Ctrl+R and F9 start; Ctrl+Shift+S and Alt+S stop.
HotkeySettings Combinations() {
  HotkeySettings settings;
  settings.StartCombo1 = {VK_CONTROL, 0, kKeyR};
  settings.StartCombo2 = {0, 0, kKeyF9};
  settings.StopCombo1 = {VK_CONTROL, VK_SHIFT, kKeyS};
  settings.StopCombo2 = {0, VK_MENU, kKeyS};
  settings.StartUse1 = settings.StartUse2 = settings.StopUse1 = settings.StopUse2 = true;
  return settings;
}

struct Keys {
  std::set<int> down;
  TKeyDownSource Source() {
    return [this](int virtualKey) { return down.count(virtualKey) != 0; };
  }
};

TEST(HotkeyCombination, DownWhenEveryUsedPlaceIsDown) {
  Keys keys;
  const HotkeyCombo ctrlShiftS{VK_CONTROL, VK_SHIFT, kKeyS};
  keys.down = {VK_CONTROL, VK_SHIFT, static_cast<int>(kKeyS)};
  EXPECT_TRUE(HotkeyComboDown(ctrlShiftS, true, keys.Source()));
  EXPECT_FALSE(HotkeyComboDown(ctrlShiftS, false, keys.Source()));
  keys.down = {VK_CONTROL, static_cast<int>(kKeyS)};
  EXPECT_FALSE(HotkeyComboDown(ctrlShiftS, true, keys.Source()));
  keys.down = {VK_CONTROL, VK_SHIFT};
  EXPECT_FALSE(HotkeyComboDown(ctrlShiftS, true, keys.Source()));
  // 0 in a modifier place asks for nothing there; extra keys do not hurt.
  keys.down = {static_cast<int>(kKeyF9), VK_SHIFT};
  EXPECT_TRUE(HotkeyComboDown({0, 0, kKeyF9}, true, keys.Source()));
  // A main key of 0 never fires, whatever is down.
  keys.down = {0, VK_CONTROL};
  EXPECT_FALSE(HotkeyComboDown({VK_CONTROL, 0, 0}, true, keys.Source()));
  EXPECT_FALSE(HotkeyComboDown({0, 0, 0}, true, keys.Source()));
}

TEST(HotkeyCombination, StartCombinationsWinOverStopOnes) {
  Keys keys;
  const HotkeySettings settings = Combinations();
  keys.down = {VK_CONTROL, VK_SHIFT, static_cast<int>(kKeyS), static_cast<int>(kKeyR)};
  EXPECT_EQ(HotkeyCommandDown(settings, keys.Source()), HOTKEY_START);
  keys.down = {VK_MENU, static_cast<int>(kKeyS)};
  EXPECT_EQ(HotkeyCommandDown(settings, keys.Source()), HOTKEY_STOP);
  keys.down = {};
  EXPECT_EQ(HotkeyCommandDown(settings, keys.Source()), std::nullopt);
  // Switched off, the same keys do nothing.
  HotkeySettings off = settings;
  off.StopUse2 = false;
  keys.down = {VK_MENU, static_cast<int>(kKeyS)};
  EXPECT_EQ(HotkeyCommandDown(off, keys.Source()), std::nullopt);
}

TEST(HotkeyLatch, OnePressPostsOnceAndEveryCombinationMustBeReleased) {
  Keys keys;
  THotkeyLatch latch;
  const HotkeySettings settings = Combinations();
  auto poll = [&] { return latch.Poll(settings, keys.Source()); };

  EXPECT_EQ(poll(), std::nullopt);
  keys.down = {VK_CONTROL, static_cast<int>(kKeyR)};
  EXPECT_EQ(poll(), HOTKEY_START);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(poll(), std::nullopt) << "held keys post once";
  EXPECT_TRUE(latch.Latched());

  // Stop pressed while start is still held: nothing, no re-arming.
  keys.down.insert({VK_MENU, static_cast<int>(kKeyS)});
  EXPECT_EQ(poll(), std::nullopt);
  keys.down.erase(static_cast<int>(kKeyR));  // start released, stop still held
  EXPECT_EQ(poll(), std::nullopt);

  keys.down.clear();
  EXPECT_EQ(poll(), std::nullopt);
  EXPECT_FALSE(latch.Latched());
  keys.down = {VK_MENU, static_cast<int>(kKeyS)};
  EXPECT_EQ(poll(), HOTKEY_STOP);
}

// --- the thread, posting to a window of the headless window system ------

std::vector<WPARAM> received;

LRESULT MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RECORDER_HOTKEY) {
    EXPECT_EQ(lParam, 0);
    received.push_back(wParam);
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

class HotkeyThreadTest : public testing::Test {
 protected:
  void SetUp() override {
    InitWindowSystem(TBackendKind::Headless);
    WNDCLASS cls;
    cls.lpfnWndProc = MainProc;
    cls.lpszClassName = "HotkeyTestMain";
    RegisterClass(cls);
    window = CreateWindowEx(0, "HotkeyTestMain", "main", WS_POPUP, 0, 0, 100, 100, nullptr);
    received.clear();
    SetHotkeys(Combinations());
  }
  void TearDown() override {
    SetHotkeys({});
    ShutdownWindowSystem();
  }

  // Pumps the window's messages for a while in real time.
  static void PumpFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      HeadlessPumpUntilIdle();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  // Pumps until the window has received count posts, for up to 5 s.
  static bool PumpUntilReceived(std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (received.size() < count && std::chrono::steady_clock::now() < deadline) PumpFor(2);
    return received.size() >= count;
  }

  HWND window = nullptr;
};

TEST_F(HotkeyThreadTest, PressAndHoldPostsOneStartThenOneStop) {
  THotkeyDetector detector(window);
  PumpFor(30);
  EXPECT_TRUE(received.empty());

  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyDown(static_cast<int>(kKeyR));
  PumpFor(50);
  for (int i = 0; i < 5; ++i) {
    HeadlessKeyDown(static_cast<int>(kKeyR));  // the key repeats
    HeadlessKeyDown(VK_SHIFT);  // and others come and go
    HeadlessKeyUp(VK_SHIFT);
    PumpFor(10);
  }
  HeadlessKeyUp(static_cast<int>(kKeyR));
  HeadlessKeyUp(VK_CONTROL);
  PumpFor(100);
  HeadlessKeyDown(static_cast<int>(kKeyF9));
  PumpFor(100);
  HeadlessKeyUp(static_cast<int>(kKeyF9));
  PumpFor(100);
  HeadlessKeyDown(VK_MENU);
  HeadlessKeyDown(static_cast<int>(kKeyS));
  PumpFor(100);
  HeadlessKeyUp(static_cast<int>(kKeyS));
  HeadlessKeyUp(VK_MENU);
  PumpFor(100);

  EXPECT_EQ(received, (std::vector<WPARAM>{HOTKEY_START, HOTKEY_START, HOTKEY_STOP}));
}

TEST_F(HotkeyThreadTest, ChangedSettingsTakeEffectAtTheNextKeyChange) {
  // Set before the thread starts: a change made while the thread reads the
  // keys for the first time may meet keys pressed after it.
  HotkeySettings none;
  SetHotkeys(none);
  THotkeyDetector detector(window);
  HeadlessKeyDown(static_cast<int>(kKeyF9));
  PumpFor(100);
  EXPECT_TRUE(received.empty());
  SetHotkeys(Combinations());
  HeadlessKeyDown(VK_SHIFT);  // F9 is still held, and extra keys do not hurt
  PumpUntilReceived(1);
  EXPECT_EQ(received, std::vector<WPARAM>{HOTKEY_START});
  HeadlessKeyUp(VK_SHIFT);
  HeadlessKeyUp(static_cast<int>(kKeyF9));
}

// A key held when the thread starts counts at once.
TEST_F(HotkeyThreadTest, KeysAlreadyHeldAtStartPostOnce) {
  HeadlessKeyDown(static_cast<int>(kKeyF9));
  THotkeyDetector detector(window);
  PumpUntilReceived(1);
  PumpFor(20);
  EXPECT_EQ(received, std::vector<WPARAM>{HOTKEY_START});
  HeadlessKeyUp(static_cast<int>(kKeyF9));
}

// The thread is joined when its owner frees it: nothing reaches a window
// that has gone, and freeing never hangs.
TEST_F(HotkeyThreadTest, FreeingTheDetectorEndsTheThreadAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 20; ++i) {
    auto detector = std::make_unique<THotkeyDetector>(window);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    detector.reset();
  }
  // Only a detector that waits for the next key to end takes this long.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  auto detector = std::make_unique<THotkeyDetector>(window);
  detector.reset();
  EXPECT_TRUE(DestroyWindow(window));
  HeadlessKeyDown(static_cast<int>(kKeyF9));
  PumpFor(20);
  EXPECT_TRUE(received.empty());
  HeadlessKeyUp(static_cast<int>(kKeyF9));
}

}  // namespace
