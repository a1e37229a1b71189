#pragma once
// Global hotkeys: a worker thread looks at the physical key state each
// time a key or mouse button changes (it sleeps in between) and posts
// WM_RECORDER_HOTKEY to the main window when a start or stop combination
// goes down. One press posts once; another post needs every combination
// released first.

#include <functional>
#include <optional>
#include <stop_token>

#include "platform/framework/Thread.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinTypes.h"
#include "recorder/GlobeVar.h"

// wParam 0 = start recording, 1 = stop; lParam 0.
constexpr UINT WM_RECORDER_HOTKEY = WM_USER + 1;
constexpr WPARAM HOTKEY_START = 0;
constexpr WPARAM HOTKEY_STOP = 1;

using TKeyDownSource = std::function<bool(int virtualKey)>;

// Down when enabled, its main key (never 0) is down and each modifier
// place holds 0 or a key that is down.
bool HotkeyComboDown(const HotkeyCombo& combo, bool enabled, const TKeyDownSource& keyDown);

// The first combination down, in the order start 1, start 2, stop 1,
// stop 2, as the wParam it posts; nullopt when none is down.
std::optional<WPARAM> HotkeyCommandDown(const HotkeySettings& settings, const TKeyDownSource& keyDown);

// Remembers that a combination is held, so holding it posts once.
class THotkeyLatch {
 public:
  // The wParam to post for the keys down now, if any.
  std::optional<WPARAM> Poll(const HotkeySettings& settings, const TKeyDownSource& keyDown);
  bool Latched() const { return latched_; }

 private:
  bool latched_ = false;
};

// Started at once for the given window, reading Hotkeys() and the
// asynchronous key state at every key change. The owner destroys it: the destructor ends the
// thread and waits for it, so no post can follow the window's end.
class THotkeyDetector : public TThread {
 public:
  explicit THotkeyDetector(HWND window);
  ~THotkeyDetector() override;
  std::string ClassName() const override { return "THotkeyDetector"; }

 protected:
  void Execute() override;

 private:
  HWND window_;
  THotkeyLatch latch_;
  std::stop_source stop_;  // ends the wait for a key change
};
