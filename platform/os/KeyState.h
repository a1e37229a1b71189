#pragma once
// The physical state of a key or mouse button right now, whichever
// program has the keyboard. Without an X display every key reads "up".
//
// The display's keys are kept by a thread of our own from the server's
// raw input events, so reading them is cheap and asks the server nothing;
// a server without raw events is asked at most every 10 ms. A thread that
// reacts to keys waits for a change instead of asking again and again.

#include <cstdint>
#include <stop_token>

#include "platform/os/VirtualKeys.h"

using SHORT = std::int16_t;

class IKeyState {
 public:
  virtual ~IKeyState() = default;
  virtual bool IsKeyDown(int virtualKey) = 0;
};

// Puts a replacement in place (not owned); nullptr restores the real one.
// A replacement calls KeyStateChanged() whenever one of its keys changes.
void SetKeyState(IKeyState* keyState);

// High bit set (the value is negative) while the key is down; 0 when it
// is up or the code is unknown. Safe to call from any thread.
SHORT GetAsyncKeyState(int virtualKey);

// Grows whenever a key or mouse button goes down or up (or the source is
// replaced); any thread.
std::uint64_t KeyStateChangeCount();
void KeyStateChanged();
// Blocks until KeyStateChangeCount() differs from seenCount (true) or
// stop is requested (false).
bool WaitForKeyStateChange(std::uint64_t seenCount, std::stop_token stop);
