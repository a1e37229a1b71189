#pragma once
// The chain of 77-byte item records shared by both theme-file formats:
// a name, a kind, where the item's data lies and where the next record
// starts. Every read is checked against the file, which may be damaged.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/framework/Streams.h"

namespace detail {

constexpr int kItemRecordSize = 77;
constexpr int kItemNameSize = 64;

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
