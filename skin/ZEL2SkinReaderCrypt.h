#pragma once
// The traditional PKWARE encryption of ZIP entries: three keys driven by
// the password and by every decrypted byte.

#include <cstdint>
#include <string>

namespace detail {

std::uint32_t Crc32Step(std::uint32_t crc, std::uint8_t byte);

class TZipDecrypter {
 public:
  explicit TZipDecrypter(const std::string& password);

  // Decrypts one byte and feeds the plain byte to the keys.
  std::uint8_t Decrypt(std::uint8_t cipher);

 private:
  void UpdateKeys(std::uint8_t plain);

  std::uint32_t key0_ = 0x12345678;
  std::uint32_t key1_ = 0x23456789;
  std::uint32_t key2_ = 0x34567890;
};

}  // namespace detail
