#include "burner/FoxBurnerSDKCore.h"

#include "platform/os/DynamicLibrary.h"
#include "platform/os/Folders.h"

TFoxBurnerEntryPoints FoxBurnerDll;

namespace {

HMODULE gModule = nullptr;

}  // namespace

int BindBurnerDll(const std::string& path) {
  HMODULE module = LoadLibrary(path);
  if (!module) return BIND_NOT_LOADED;
  TFoxBurnerEntryPoints table;
  bool complete = true;
  // Every name is looked up before judging, in the table's order.
#define FOX_ENTRY(name, params)                                                 \
  table.name = reinterpret_cast<decltype(table.name)>(GetProcAddress(module, #name)); \
  complete = complete && table.name != nullptr;
  FOX_ENTRY_POINTS
#undef FOX_ENTRY
  if (!complete) {
    FreeLibrary(module);
    return BIND_ENTRY_MISSING;
  }
  if (gModule) FreeLibrary(gModule);
  gModule = module;
  FoxBurnerDll = table;
  return BIND_OK;
}

std::string BurnerDllPath() { return GetProgramFolder() + FOX_BURNER_LIBRARY_FILE; }

bool BurnerDllBound() { return gModule != nullptr; }

void UnbindBurnerDll() {
  if (!gModule) return;
  FoxBurnerDll.ResetCallbacks();
  FoxBurnerDll.DeInitialize();
  FreeLibrary(gModule);
  gModule = nullptr;
  FoxBurnerDll = TFoxBurnerEntryPoints{};
}
