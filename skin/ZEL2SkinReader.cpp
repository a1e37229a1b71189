// Reading the item file of a theme: a header and a chain of 77-byte
// records, each naming a bitmap, an integer, a flag or a text.

#include "skin/ZEL2SkinReader.h"

#include <cstdint>
#include <set>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "platform/os/Files.h"
#include "platform/os/TempFiles.h"
#include "skin/ZELItemChain.h"

namespace {

constexpr int kItemFileHeaderSize = 24;

using detail::FindItem;
using detail::ReadU32;

enum TItemKind : std::uint8_t { ikBitmap = 0, ikInteger = 1, ikFlag = 2, ikText = 3 };

// Removes the temporary file however the load ends.
class TTempFileGuard {
 public:
  explicit TTempFileGuard(std::string path) : path_(std::move(path)) {}
  ~TTempFileGuard() {
    if (!path_.empty() && FileExists(path_)) DeleteFile(path_);
  }
  TTempFileGuard(const TTempFileGuard&) = delete;
  TTempFileGuard& operator=(const TTempFileGuard&) = delete;

 private:
  std::string path_;
};

class TItemFile : public detail::TItemChainFile {
 public:
  using TItemChainFile::TItemChainFile;

  std::uint32_t FirstRecordOffset() {
    std::uint8_t header[kItemFileHeaderSize];
    ReadAt(0, header, kItemFileHeaderSize);
    return ReadU32(header + 20);
  }
};

}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& fileName, const std::string& password) {
  const std::string itemFile = CreateTempFile("");
  if (itemFile.empty()) throw Exception("Failed to read skin file!");
  TTempFileGuard removeItemFile(itemFile);
  const int result = ExtractSkinEntry(fileName, "SKINDATA.SK2", itemFile, password);
  if (result == zelExtractDamaged) return;
  if (result != zelExtractOk) throw Exception("Failed to read skin file!");
  ParseItemFile(itemFile);
  loaded_ = true;
}

Tsk2SkinFileReader::~Tsk2SkinFileReader() = default;

void Tsk2SkinFileReader::ParseItemFile(const std::string& itemFile) {
  TItemFile file(itemFile);
  std::uint32_t offset = file.FirstRecordOffset();
  detail::TItemBudget budget(file.Size());
  std::set<std::uint32_t> visited;
  for (detail::TItemRecord record = file.ReadRecord(offset); record.nextOffset != 0;
       record = file.ReadRecord(record.nextOffset)) {
    // A chain that comes back to a record would never end.
    if (!visited.insert(offset).second) throw EReadError("The items of the skin file form a loop");
    budget.Claim(record);
    offset = record.nextOffset;
    switch (record.kind) {
      case ikBitmap:
        bitmaps_.emplace_back(record.name, budget.Decode(file.ReadData(record)));
        break;
      case ikInteger: {
        std::uint8_t raw[4];
        file.ReadAt(record.dataOffset, raw, 4);
        integers_.emplace_back(record.name, static_cast<std::int32_t>(ReadU32(raw)));
        break;
      }
      case ikFlag: {
        std::uint8_t raw = 0;
        file.ReadAt(record.dataOffset, &raw, 1);
        flags_.emplace_back(record.name, raw != 0);
        break;
      }
      case ikText: {
        const std::vector<std::uint8_t> text = file.ReadData(record);
        texts_.emplace_back(record.name, std::string(text.begin(), text.end()));
        break;
      }
      default:
        break;  // a kind of a later format: skipped
    }
  }
}

TBitmap* Tsk2SkinFileReader::GetBitmap(const std::string& name) const {
  auto it = FindItem(bitmaps_, name);
  return it == bitmaps_.end() ? nullptr : it->second.get();
}

int Tsk2SkinFileReader::GetInteger(const std::string& name) const {
  auto it = FindItem(integers_, name);
  return it == integers_.end() ? -1 : it->second;
}

bool Tsk2SkinFileReader::GetBool(const std::string& name) const {
  auto it = FindItem(flags_, name);
  return it != flags_.end() && it->second;
}
