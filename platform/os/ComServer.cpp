#include "platform/os/ComServer.h"

#include <cstdint>

#include "platform/os/DynamicLibrary.h"

bool RegisterComServer(const std::string& path, BYTE mode) {
  HMODULE library = LoadLibrary(path);
  if (library == nullptr) return false;
  using RegistrationEntry = std::int32_t (*)();
  auto entry = reinterpret_cast<RegistrationEntry>(
      GetProcAddress(library, mode == 1 ? "DllRegisterServer" : "DllUnregisterServer"));
  bool registered = entry != nullptr && entry() >= 0;
  FreeLibrary(library);
  return registered;
}
