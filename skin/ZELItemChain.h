#pragma once
// The chain of 77-byte item records shared by both theme-file formats:
// a name, a kind, where the item's data lies and where the next record
// starts. Every read is checked against the file, which may be damaged.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Streams.h"
#include "platform/gfx/Bitmap.h"

namespace detail {

constexpr int kItemRecordSize = 77;
constexpr int kItemNameSize = 64;

// The most an item file may hold, inflated or not, and the most its
// bitmaps may take once decoded. Real themes hold a few megabytes; the
// caps keep a hostile file from filling the disk or the memory.
constexpr std::int64_t kMaxItemFileSize = std::int64_t{64} << 20;
constexpr std::int64_t kMaxDecodedBitmapBytes = std::int64_t{64} << 20;

struct TItemRecord {
  std::string name;  // up to the first zero byte of its 64
  std::uint8_t kind = 0;
  std::uint32_t dataOffset = 0;
  std::uint32_t dataSize = 0;
  std::uint32_t nextOffset = 0;  // 0: this record ends the chain
};

std::uint32_t ReadU32(const std::uint8_t* p);

// Item names compare ignoring case.
bool SameItemName(const std::string& a, const std::string& b);

// The first {name, value} pair of the name, or end().
template <class List>
auto FindItem(const List& list, const std::string& name) {
  for (auto it = list.begin(); it != list.end(); ++it)
    if (SameItemName(it->first, name)) return it;
  return list.end();
}

// What the items of one file may take in memory. Records and the data of
// bitmaps and texts may not claim more than the file holds, however they
// overlap, and the bitmaps may not decode to more than
// kMaxDecodedBitmapBytes in all: a few kilobytes of records pointing at
// one large picture would otherwise make gigabytes. EReadError beyond.
class TItemBudget {
 public:
  explicit TItemBudget(std::int64_t fileSize);

  // Counts the record, and its data for the kinds that keep it.
  void Claim(const TItemRecord& record);
  // The BMP file decoded; refused before decoding when it would not fit.
  std::unique_ptr<TBitmap> Decode(const std::vector<std::uint8_t>& bmpFile);

 private:
  std::int64_t bytesLeft_;
  std::int64_t decodedLeft_ = kMaxDecodedBitmapBytes;
};

// Reads of a file that raise EReadError rather than pass its end.
class TItemChainFile {
 public:
  explicit TItemChainFile(const std::string& path);

  std::int64_t Size() const { return size_; }
  void ReadAt(std::int64_t offset, void* buffer, std::int64_t count);
  TItemRecord ReadRecord(std::uint32_t offset);
  // The record's data; its size is checked before anything is allocated.
  std::vector<std::uint8_t> ReadData(const TItemRecord& record);

 private:
  TFileStream stream_;
  std::int64_t size_;
};

}  // namespace detail
