#include "recorder/HotkeyDetector.h"

#include "platform/os/KeyState.h"
#include "platform/win/WinApi.h"

bool HotkeyComboDown(const HotkeyCombo& combo, bool enabled, const TKeyDownSource& keyDown) {
  if (!enabled || combo.Key == 0) return false;
  auto placeDown = [&](DWORD code) { return code == 0 || keyDown(static_cast<int>(code)); };
  return placeDown(combo.Modifier1) && placeDown(combo.Modifier2) && keyDown(static_cast<int>(combo.Key));
}

std::optional<WPARAM> HotkeyCommandDown(const HotkeySettings& settings, const TKeyDownSource& keyDown) {
  if (HotkeyComboDown(settings.StartCombo1, settings.StartUse1, keyDown)) return HOTKEY_START;
  if (HotkeyComboDown(settings.StartCombo2, settings.StartUse2, keyDown)) return HOTKEY_START;
  if (HotkeyComboDown(settings.StopCombo1, settings.StopUse1, keyDown)) return HOTKEY_STOP;
  if (HotkeyComboDown(settings.StopCombo2, settings.StopUse2, keyDown)) return HOTKEY_STOP;
  return std::nullopt;
}

std::optional<WPARAM> THotkeyLatch::Poll(const HotkeySettings& settings, const TKeyDownSource& keyDown) {
  const std::optional<WPARAM> command = HotkeyCommandDown(settings, keyDown);
  if (!command) {
    latched_ = false;
    return std::nullopt;
  }
  if (latched_) return std::nullopt;
  latched_ = true;
  return command;
}

THotkeyDetector::THotkeyDetector(HWND window) : window_(window) { Start(); }

THotkeyDetector::~THotkeyDetector() {
  Terminate();
  stop_.request_stop();
  WaitFor();
}

void THotkeyDetector::Execute() {
  const TKeyDownSource keyDown = [](int virtualKey) { return GetAsyncKeyState(virtualKey) < 0; };
  const std::stop_token stop = stop_.get_token();
  while (!Terminated()) {
    // Counted first, so that a change while the keys are read wakes the wait.
    const std::uint64_t seen = KeyStateChangeCount();
    if (const std::optional<WPARAM> command = latch_.Poll(Hotkeys(), keyDown))
      PostMessage(window_, WM_RECORDER_HOTKEY, *command, 0);
    if (!WaitForKeyStateChange(seen, stop)) return;
  }
}
