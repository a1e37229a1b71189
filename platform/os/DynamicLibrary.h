#pragma once
// Loading shared libraries at run time and finding their entry points.

#include <string>

using HMODULE = void*;
using FARPROC = void*;

// The library's handle, or nullptr when it cannot be loaded.
HMODULE LoadLibrary(const std::string& fileName);
// The entry's address, or nullptr when the library has no such entry.
FARPROC GetProcAddress(HMODULE module, const std::string& name);
bool FreeLibrary(HMODULE module);
