#include "skin/ZEL2SkinReaderCrypt.h"

#include <array>

namespace detail {

namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

}  // namespace

std::uint32_t Crc32Step(std::uint32_t crc, std::uint8_t byte) {
  static const std::array<std::uint32_t, 256> table = MakeCrcTable();
  return table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

TZipDecrypter::TZipDecrypter(const std::string& password) {
  for (char c : password) UpdateKeys(static_cast<std::uint8_t>(c));
}

void TZipDecrypter::UpdateKeys(std::uint8_t plain) {
  key0_ = Crc32Step(key0_, plain);
  key1_ = (key1_ + (key0_ & 0xFF)) * 0x08088405u + 1;
  key2_ = Crc32Step(key2_, static_cast<std::uint8_t>(key1_ >> 24));
}

std::uint8_t TZipDecrypter::Decrypt(std::uint8_t cipher) {
  const std::uint32_t temp = (key2_ & 0xFFFF) | 2;
  const auto plain = static_cast<std::uint8_t>(cipher ^ ((temp * (temp ^ 1)) >> 8));
  UpdateKeys(plain);
  return plain;
}

std::int64_t TDecryptingStream::Read(void* buffer, std::int64_t count) {
  const std::int64_t got = source_.Read(buffer, count);
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  for (std::int64_t i = 0; i < got; ++i) bytes[i] = decrypter_.Decrypt(bytes[i]);
  if (got > 0) position_ += got;
  return got;
}

std::int64_t TDecryptingStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  return origin == soCurrent && offset == 0 ? position_ : -1;
}

}  // namespace detail
