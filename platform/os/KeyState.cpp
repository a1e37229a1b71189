#include "platform/os/KeyState.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "platform/os/X11KeyState.h"

namespace {

constexpr auto kAskInterval = std::chrono::milliseconds(10);

std::atomic<IKeyState*> replacement = nullptr;

std::mutex changeMutex;
std::condition_variable_any changeSignal;
std::uint64_t changeCount = 0;

detail::TX11KeyState& DisplayKeys() {
  // Never destroyed: a worker thread may still read it while the process ends.
  static auto* keys = new detail::TX11KeyState;
  return *keys;
}

}  // namespace

void SetKeyState(IKeyState* keyState) {
  replacement = keyState;
  KeyStateChanged();
}

SHORT GetAsyncKeyState(int virtualKey) {
  IKeyState* source = replacement.load();
  bool down = source != nullptr ? source->IsKeyDown(virtualKey) : DisplayKeys().IsKeyDown(virtualKey);
  return down ? static_cast<SHORT>(0x8000) : 0;
}

std::uint64_t KeyStateChangeCount() {
  std::lock_guard lock(changeMutex);
  return changeCount;
}

void KeyStateChanged() {
  {
    std::lock_guard lock(changeMutex);
    ++changeCount;
  }
  changeSignal.notify_all();
}

bool WaitForKeyStateChange(std::uint64_t seenCount, std::stop_token stop) {
  for (;;) {
    const bool asks = replacement.load() == nullptr && DisplayKeys().AsksServer();
    {
      std::unique_lock lock(changeMutex);
      auto changed = [&] { return changeCount != seenCount; };
      if (asks) changeSignal.wait_for(lock, stop, kAskInterval, changed);
      else changeSignal.wait(lock, stop, changed);
      if (changed()) return true;
      if (stop.stop_requested()) return false;
    }
    DisplayKeys().Refresh();
  }
}
