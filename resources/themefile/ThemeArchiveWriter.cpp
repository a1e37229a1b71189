#include "resources/themefile/ThemeArchiveWriter.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>
#include <string>

#include "resources/themefile/LittleEndian.h"

namespace themefile {

namespace {

constexpr char kEntryName[] = "SKINDATA.SK2";
constexpr std::uint16_t kVersionNeeded = 20;  // deflate
constexpr std::uint16_t kMethodDeflate = 8;
// A fixed time stamp (1 January 1980, midnight) keeps generated files
// identical from build to build.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (1 << 5) | 1;

// A raw deflate stream (no zlib header or trailer), as the reader inflates.
Bytes RawDeflate(const Bytes& data) {
  z_stream z{};
  if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("theme file: cannot start compression");
  Bytes out(deflateBound(&z, static_cast<uLong>(data.size())));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (result != Z_STREAM_END) throw std::runtime_error("theme file: compression failed");
  return out;
}

struct EntryFacts {
  std::uint32_t crc;
  std::uint32_t compressedSize;
  std::uint32_t size;
};

// The fields the local and the central header share, from "version
// needed" through the extra-field length.
void PutCommonFields(Bytes& out, const EntryFacts& facts) {
  PutU16(out, kVersionNeeded);
  PutU16(out, 0);  // flags: not encrypted, sizes in the header
  PutU16(out, kMethodDeflate);
  PutU16(out, kDosTime);
  PutU16(out, kDosDate);
  PutU32(out, facts.crc);
  PutU32(out, facts.compressedSize);
  PutU32(out, facts.size);
  PutU16(out, sizeof kEntryName - 1);
  PutU16(out, 0);  // extra field
}

void PutName(Bytes& out) { out.insert(out.end(), kEntryName, kEntryName + sizeof kEntryName - 1); }

}  // namespace

Bytes WriteThemeArchive(const Bytes& itemFile) {
  // zlib's counters and the archive's fields are 32 bits wide.
  if (itemFile.size() > std::numeric_limits<std::uint32_t>::max() / 2)
    throw std::invalid_argument("theme file: item file too large");
  const Bytes packed = RawDeflate(itemFile);
  const EntryFacts facts{static_cast<std::uint32_t>(crc32(0, itemFile.data(), static_cast<uInt>(itemFile.size()))),
                         static_cast<std::uint32_t>(packed.size()), static_cast<std::uint32_t>(itemFile.size())};
  Bytes out;
  PutU32(out, 0x04034B50);  // local header
  PutCommonFields(out, facts);
  PutName(out);
  out.insert(out.end(), packed.begin(), packed.end());

  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  PutU32(out, 0x02014B50);  // central header
  PutU16(out, kVersionNeeded);  // version made by
  PutCommonFields(out, facts);
  PutU16(out, 0);  // comment
  PutU16(out, 0);  // disk number start
  PutU16(out, 0);  // internal attributes
  PutU32(out, 0);  // external attributes
  PutU32(out, 0);  // the local header is at the start
  PutName(out);
  const auto directorySize = static_cast<std::uint32_t>(out.size() - directoryOffset);

  PutU32(out, 0x06054B50);  // end record, exactly the last 22 bytes
  PutU16(out, 0);
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, 1);
  PutU32(out, directorySize);
  PutU32(out, directoryOffset);
  PutU16(out, 0);  // no comment: the reader finds the end record only so

  out[0] = 'S';  // a theme file, not a plain ZIP archive
  out[1] = 'K';
  return out;
}

Bytes WriteThemeFile(const std::vector<ThemeItem>& items) { return WriteThemeArchive(WriteItemFile(items)); }

}  // namespace themefile
