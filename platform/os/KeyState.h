#pragma once
// The physical state of a key or mouse button right now, whichever
// program has the keyboard. Without an X display every key reads "up".

#include <cstdint>

#include "platform/os/VirtualKeys.h"

using SHORT = std::int16_t;

class IKeyState {
 public:
  virtual ~IKeyState() = default;
  virtual bool IsKeyDown(int virtualKey) = 0;
};

// Puts a replacement in place (not owned); nullptr restores the real one.
void SetKeyState(IKeyState* keyState);

// High bit set (the value is negative) while the key is down; 0 when it
// is up or the code is unknown. Safe to call from any thread.
SHORT GetAsyncKeyState(int virtualKey);
