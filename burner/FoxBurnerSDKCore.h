#pragma once
// Binds the burner library at run time: loads it from the program folder,
// resolves every entry point by name, and unloads it again.

#include <cstdint>
#include <string>

#include "platform/burnlib/FoxBurnerEntryPoints.h"

// The resolved entry points, valid while the library is bound.
struct TFoxBurnerEntryPoints {
#define FOX_ENTRY(name, params) std::int32_t(*name) params = nullptr;
  FOX_ENTRY_POINTS
#undef FOX_ENTRY
};

extern TFoxBurnerEntryPoints FoxBurnerDll;

// Results of BindBurnerDll.
constexpr int BIND_OK = 0;
constexpr int BIND_NOT_LOADED = 1;
constexpr int BIND_ENTRY_MISSING = 2;

// Loads the library at `path` and resolves every entry point. Any missing
// name unloads it again and leaves the table empty.
int BindBurnerDll(const std::string& path);

// Where the library is looked for: the program folder, nowhere else.
std::string BurnerDllPath();

bool BurnerDllBound();

// Withdraws the callbacks, ends the library and unloads it.
void UnbindBurnerDll();
