#pragma once
// Self-registration of a component server library: loads it, calls its
// registration entry and frees it again.

#include <string>

#include "platform/base/Types.h"

// mode 1 calls "DllRegisterServer", any other "DllUnregisterServer".
// True when the entry exists and reports success (a result >= 0); false
// when the library cannot be loaded or lacks the entry.
bool RegisterComServer(const std::string& path, BYTE mode);
