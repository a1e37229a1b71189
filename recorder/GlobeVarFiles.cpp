// The burn type a disc suits, and the system folder.

#include "platform/framework/SysUtils.h"
#include "platform/os/Folders.h"
#include "recorder/GlobeVar.h"

std::int32_t MapDiscCode(BYTE code) {
  if (code == 2 || code == 3) return BurnType >= 1 && BurnType <= 4 ? BurnType : 0;
  if ((code >= 5 && code <= 11) || code == 15) return 5;
  return 0;
}

std::string GetSystemDir() { return ExcludeTrailingPathDelimiter(GetSystemDirectory()); }
