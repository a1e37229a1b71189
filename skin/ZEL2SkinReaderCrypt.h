#pragma once
// The traditional PKWARE encryption of ZIP entries: three keys driven by
// the password and by every decrypted byte.

#include <cstdint>
#include <string>

#include "platform/framework/Streams.h"

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

// The source from its position on, decrypted while it is read, so an
// entry is never held in memory whole. Read only and forward only: Seek
// answers the position and moves nowhere.
class TDecryptingStream : public TStream {
 public:
  TDecryptingStream(TStream& source, TZipDecrypter& decrypter) : source_(source), decrypter_(decrypter) {}

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void*, std::int64_t) override { return 0; }
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t) override {}

 private:
  TStream& source_;
  TZipDecrypter& decrypter_;
  std::int64_t position_ = 0;
};

}  // namespace detail
