#include "skin/ZELItemChain.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "platform/base/Exceptions.h"
#include "platform/gfx/BmpCodec.h"

namespace detail {

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool SameItemName(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

namespace {
// Both formats number their kinds alike.
constexpr std::uint8_t kBitmapKind = 0, kTextKind = 3;

[[noreturn]] void OverBudget(const std::string& why) { throw EReadError("The theme file is damaged: " + why); }
}  // namespace

TItemBudget::TItemBudget(std::int64_t fileSize) : bytesLeft_(std::min(fileSize, kMaxItemFileSize)) {}

void TItemBudget::Claim(const TItemRecord& record) {
  bytesLeft_ -= kItemRecordSize;
  if (record.kind == kBitmapKind || record.kind == kTextKind) bytesLeft_ -= record.dataSize;
  if (bytesLeft_ < 0) OverBudget("its items claim more than the file holds");
}

std::unique_ptr<TBitmap> TItemBudget::Decode(const std::vector<std::uint8_t>& bmpFile) {
  decodedLeft_ -= DecodedBmpSize(bmpFile);
  if (decodedLeft_ < 0) OverBudget("its bitmaps are too large");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromBytes(bmpFile);
  return bitmap;
}

TItemChainFile::TItemChainFile(const std::string& path)
    : stream_(path, fmOpenRead | fmShareDenyNone), size_(stream_.Size()) {}

void TItemChainFile::ReadAt(std::int64_t offset, void* buffer, std::int64_t count) {
  if (offset < 0 || offset + count > size_ || stream_.Seek(offset, soBeginning) != offset)
    throw EReadError("Read beyond the end of the skin file");
  stream_.ReadBuffer(buffer, count);
}

TItemRecord TItemChainFile::ReadRecord(std::uint32_t offset) {
  std::uint8_t raw[kItemRecordSize];
  ReadAt(offset, raw, kItemRecordSize);
  TItemRecord record;
  record.name.assign(reinterpret_cast<const char*>(raw), strnlen(reinterpret_cast<const char*>(raw), kItemNameSize));
  record.kind = raw[64];
  record.dataOffset = ReadU32(raw + 65);
  record.dataSize = ReadU32(raw + 69);
  record.nextOffset = ReadU32(raw + 73);
  return record;
}

std::vector<std::uint8_t> TItemChainFile::ReadData(const TItemRecord& record) {
  if (std::int64_t{record.dataOffset} + record.dataSize > size_)
    throw EReadError("Item data beyond the end of the skin file");
  std::vector<std::uint8_t> data(record.dataSize);
  ReadAt(record.dataOffset, data.data(), record.dataSize);
  return data;
}

}  // namespace detail
