#pragma once
// Random (version 4) GUIDs, used for names nobody else will pick.

#include <cstdint>
#include <string>

struct TGUID {
  std::uint32_t D1 = 0;
  std::uint16_t D2 = 0;
  std::uint16_t D3 = 0;
  std::uint8_t D4[8] = {};
};

// Fills the GUID from the kernel's random source; false when it gives none.
bool CreateGUID(TGUID& guid);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal.
std::string GUIDToString(const TGUID& guid);

// A new GUID as text. Throws EOSError when no random bytes are available.
std::string NewGuidString();
