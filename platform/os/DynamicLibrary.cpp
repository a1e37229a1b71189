#include "platform/os/DynamicLibrary.h"

#include <dlfcn.h>

HMODULE LoadLibrary(const std::string& fileName) {
  if (fileName.empty()) return nullptr;
  return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, const std::string& name) {
  if (module == nullptr || name.empty()) return nullptr;
  return dlsym(module, name.c_str());
}

bool FreeLibrary(HMODULE module) { return module != nullptr && dlclose(module) == 0; }
