// Finding "SKINDATA.SK2" in a theme archive and inflating it to a file.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <memory>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "platform/os/Files.h"
#include "skin/ZEL2SkinReader.h"
#include "skin/ZEL2SkinReaderCrypt.h"
#include "skin/ZEL2SkinReaderInflate.h"
#include "skin/ZELItemChain.h"

namespace {

constexpr std::uint32_t kEndRecordSignature = 0x06054B50;
constexpr int kEndRecordSize = 22;
constexpr int kCentralHeaderSize = 46;
constexpr int kLocalHeaderSize = 30;
constexpr int kCryptHeaderSize = 12;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

struct TEntryInfo {
  std::uint16_t flags = 0;
  std::uint16_t modificationTime = 0;
  std::uint32_t crc = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint32_t localHeaderOffset = 0;
};

void SeekTo(TStream& stream, std::int64_t position) {
  if (stream.Seek(position, soBeginning) != position) throw EReadError("Seek beyond the end of the archive");
}

// Walks the central directory from the end record; false when the archive
// has no end record in its last 22 bytes or no entry of that name.
bool FindEntry(TFileStream& archive, const std::string& entryName, TEntryInfo& found) {
  const std::int64_t endRecordAt = archive.Size() - kEndRecordSize;
  if (endRecordAt < 2) return false;
  std::uint8_t end[kEndRecordSize];
  SeekTo(archive, endRecordAt);
  archive.ReadBuffer(end, kEndRecordSize);
  if (U32(end) != kEndRecordSignature || U16(end + 20) != 0) return false;

  const std::string wanted = UpperCase(entryName);
  std::int64_t position = U32(end + 16);
  // Every header moves the walk forward, so it ends at the end record.
  while (position + kCentralHeaderSize <= endRecordAt) {
    std::uint8_t header[kCentralHeaderSize];
    SeekTo(archive, position);
    archive.ReadBuffer(header, kCentralHeaderSize);
    const std::uint16_t nameLength = U16(header + 28);
    if (position + kCentralHeaderSize + nameLength > endRecordAt) return false;
    std::string name(nameLength, '\0');
    archive.ReadBuffer(name.data(), nameLength);
    if (UpperCase(name) == wanted) {
      found.flags = U16(header + 8);
      found.modificationTime = U16(header + 12);
      found.crc = U32(header + 16);
      found.uncompressedSize = U32(header + 24);
      found.localHeaderOffset = U32(header + 42);
      return true;
    }
    position += kCentralHeaderSize + nameLength + U16(header + 30) + U16(header + 32);
  }
  return false;
}

// Positions the archive at the entry's data.
void SkipLocalHeader(TFileStream& archive, const TEntryInfo& entry) {
  std::uint8_t header[kLocalHeaderSize];
  SeekTo(archive, entry.localHeaderOffset);
  archive.ReadBuffer(header, kLocalHeaderSize);
  SeekTo(archive, entry.localHeaderOffset + kLocalHeaderSize + U16(header + 26) + U16(header + 28));
}

// Checks the password against the 12-byte header; false when the password
// is empty or wrong. The decrypter then goes on with the entry's data.
bool CheckPassword(TFileStream& archive, const TEntryInfo& entry, detail::TZipDecrypter& decrypter,
                   const std::string& password) {
  if (password.empty()) return false;
  std::uint8_t header[kCryptHeaderSize];
  archive.ReadBuffer(header, kCryptHeaderSize);
  std::uint8_t check = 0;
  for (std::uint8_t byte : header) check = decrypter.Decrypt(byte);
  const std::uint8_t expected = (entry.flags & 0x08) ? static_cast<std::uint8_t>(entry.modificationTime >> 8)
                                                     : static_cast<std::uint8_t>(entry.crc >> 24);
  return check == expected;
}

}  // namespace

int ExtractSkinEntry(const std::string& archiveFile, const std::string& entryName, const std::string& outputFile,
                     const std::string& password) {
  const auto failWith = [&](int result) {
    if (FileExists(outputFile)) DeleteFile(outputFile);
    return result;
  };

  std::unique_ptr<TFileStream> archive;
  TEntryInfo entry;
  try {
    archive = std::make_unique<TFileStream>(archiveFile, fmOpenRead | fmShareDenyNone);
    std::uint8_t mark[2] = {};
    if (archive->Read(mark, 2) != 2 || mark[0] != 'S' || mark[1] != 'K') return failWith(zelExtractFailed);
    if (!FindEntry(*archive, entryName, entry)) return failWith(zelExtractFailed);
  } catch (const std::exception&) {
    return failWith(zelExtractFailed);
  }

  // No theme needs more; a larger entry is refused before it fills the disk.
  if (entry.uncompressedSize > detail::kMaxItemFileSize) return failWith(zelExtractDamaged);

  std::int64_t written = 0;
  bool complete = false;
  try {
    TFileStream output(outputFile, fmCreate);
    SkipLocalHeader(*archive, entry);
    if (entry.flags & 0x01) {
      detail::TZipDecrypter decrypter(password);
      if (!CheckPassword(*archive, entry, decrypter, password)) return failWith(zelExtractDamaged);
      detail::TDecryptingStream plain(*archive, decrypter);
      written = detail::Inflate(plain, output, entry.uncompressedSize);
    } else {
      written = detail::Inflate(*archive, output, entry.uncompressedSize);
    }
    complete = true;
  } catch (const EFCreateError&) {
    return failWith(zelExtractFailed);
  } catch (const detail::TzelInflateOverflow&) {
    return failWith(zelExtractDamaged);  // more data than the stated size, even when that is 0
  } catch (const std::exception&) {
    // A damaged stream or a read error: whatever came out is incomplete.
  }

  if (!complete) {
    const std::int64_t size = GetFileSize64(outputFile);
    return failWith(size == 0 && entry.uncompressedSize == 0 ? zelExtractFailed : zelExtractDamaged);
  }
  if (written != entry.uncompressedSize) return failWith(zelExtractDamaged);
  if (written == 0) return failWith(zelExtractFailed);
  return zelExtractOk;
}
