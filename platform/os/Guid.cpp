#include "platform/os/Guid.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/random.h>

#include "platform/base/Exceptions.h"

bool CreateGUID(TGUID& guid) {
  std::uint8_t bytes[16];
  size_t done = 0;
  while (done < sizeof bytes) {
    ssize_t n = getrandom(bytes + done, sizeof bytes - done, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
  guid.D1 = static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
            static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
  guid.D2 = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
  guid.D3 = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
  std::memcpy(guid.D4, bytes + 8, 8);
  return true;
}

std::string GUIDToString(const TGUID& g) {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.D1), g.D2, g.D3, g.D4[0], g.D4[1], g.D4[2], g.D4[3],
                g.D4[4], g.D4[5], g.D4[6], g.D4[7]);
  return text;
}

std::string NewGuidString() {
  TGUID guid;
  if (!CreateGUID(guid)) throw EOSError("No random numbers available to make a GUID");
  return GUIDToString(guid);
}
