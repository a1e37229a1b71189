#pragma once
// The keys and mouse buttons down on the X display named by DISPLAY, for
// GetAsyncKeyState. Internal to platform/os.
//
// A connection of our own, read by a thread of our own: the server's raw
// input events (XInput 2.1 and later, sent whichever program has the
// keyboard) keep the set of keys down, so reading it asks the server
// nothing. Keys already down when it connects come from one snapshot of
// the keymap. A server without raw events is asked for a new snapshot,
// at most every 10 ms, by whoever reads or waits.

#include <array>
#include <bitset>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace detail {

class TX11KeyState {
 public:
  TX11KeyState();  // without a display every key reads up
  ~TX11KeyState();
  TX11KeyState(const TX11KeyState&) = delete;
  TX11KeyState& operator=(const TX11KeyState&) = delete;

  // Any thread. Calls KeyStateChanged() for every change it sees.
  bool IsKeyDown(int virtualKey);
  // True when changes are only seen by asking: then a waiter calls
  // Refresh now and then.
  bool AsksServer() const { return display_ != nullptr && !rawEvents_; }
  void Refresh();

 private:
  bool SelectRawEvents();
  void MapKeys();  // mutex held
  bool TakeSnapshot();  // mutex held; true when something changed
  void ReadEvents();
  bool ApplyRawEvent(int type, int detail);  // true when something changed
  void ApplyMappingChange(void* mappingEvent);

  std::mutex mutex_;
  void* display_ = nullptr;  // Display*
  bool rawEvents_ = false;
  int xinputOpcode_ = 0;
  std::array<std::vector<unsigned>, 256> keycodesOf_;  // by virtual key
  std::vector<unsigned char> buttonMap_;  // physical button - 1 -> logical
  std::bitset<256> keysDown_;  // by key code
  std::bitset<4> buttonsDown_;  // 1 left, 2 middle, 3 right
  std::chrono::steady_clock::time_point snapshotTime_;
  int stopFd_ = -1;
  std::thread reader_;
};

}  // namespace detail
