// Reading the item file of a theme: a header and a chain of 77-byte
// records, each naming a bitmap, an integer, a flag or a text.

#include "skin/ZEL2SkinReader.h"

#include <cstdint>
#include <cstring>
#include <set>
#include <strings.h>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "platform/os/Files.h"
#include "platform/os/TempFiles.h"

namespace {

constexpr int kItemFileHeaderSize = 24;
constexpr int kRecordSize = 77;
constexpr int kNameSize = 64;

enum TItemKind : std::uint8_t { ikBitmap = 0, ikInteger = 1, ikFlag = 2, ikText = 3 };

struct TItemRecord {
  std::string name;
  std::uint8_t kind = 0;
  std::uint32_t dataOffset = 0;
  std::uint32_t dataSize = 0;
  std::uint32_t nextOffset = 0;
};

std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool SameName(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

template <class List>
auto FindByName(const List& list, const std::string& name) {
  for (auto it = list.begin(); it != list.end(); ++it)
    if (SameName(it->first, name)) return it;
  return list.end();
}

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

class TItemFile {
 public:
  explicit TItemFile(const std::string& path) : stream_(path, fmOpenRead | fmShareDenyNone), size_(stream_.Size()) {}

  std::uint32_t FirstRecordOffset() {
    std::uint8_t header[kItemFileHeaderSize];
    ReadAt(0, header, kItemFileHeaderSize);
    return U32(header + 20);
  }

  TItemRecord ReadRecord(std::uint32_t offset) {
    std::uint8_t raw[kRecordSize];
    ReadAt(offset, raw, kRecordSize);
    TItemRecord record;
    record.name.assign(reinterpret_cast<const char*>(raw), strnlen(reinterpret_cast<const char*>(raw), kNameSize));
    record.kind = raw[64];
    record.dataOffset = U32(raw + 65);
    record.dataSize = U32(raw + 69);
    record.nextOffset = U32(raw + 73);
    return record;
  }

  std::vector<std::uint8_t> ReadData(std::uint32_t offset, std::uint32_t size) {
    // Checked before allocating: a size field cannot ask for more than the file holds.
    if (std::int64_t{offset} + size > size_) throw EReadError("Item data beyond the end of the skin file");
    std::vector<std::uint8_t> data(size);
    ReadAt(offset, data.data(), size);
    return data;
  }

  void ReadAt(std::int64_t offset, void* buffer, std::int64_t count) {
    if (offset + count > size_ || stream_.Seek(offset, soBeginning) != offset)
      throw EReadError("Read beyond the end of the skin file");
    stream_.ReadBuffer(buffer, count);
  }

 private:
  TFileStream stream_;
  std::int64_t size_;
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
  std::set<std::uint32_t> visited;
  for (TItemRecord record = file.ReadRecord(offset); record.nextOffset != 0;
       record = file.ReadRecord(record.nextOffset)) {
    // A chain that comes back to a record would never end.
    if (!visited.insert(offset).second) throw EReadError("The items of the skin file form a loop");
    offset = record.nextOffset;
    switch (record.kind) {
      case ikBitmap: {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromBytes(file.ReadData(record.dataOffset, record.dataSize));
        bitmaps_.emplace_back(record.name, std::move(bitmap));
        break;
      }
      case ikInteger: {
        std::uint8_t raw[4];
        file.ReadAt(record.dataOffset, raw, 4);
        integers_.emplace_back(record.name, static_cast<std::int32_t>(U32(raw)));
        break;
      }
      case ikFlag: {
        std::uint8_t raw = 0;
        file.ReadAt(record.dataOffset, &raw, 1);
        flags_.emplace_back(record.name, raw != 0);
        break;
      }
      case ikText: {
        const std::vector<std::uint8_t> text = file.ReadData(record.dataOffset, record.dataSize);
        texts_.emplace_back(record.name, std::string(text.begin(), text.end()));
        break;
      }
      default:
        break;  // a kind of a later format: skipped
    }
  }
}

TBitmap* Tsk2SkinFileReader::GetBitmap(const std::string& name) const {
  auto it = FindByName(bitmaps_, name);
  return it == bitmaps_.end() ? nullptr : it->second.get();
}

int Tsk2SkinFileReader::GetInteger(const std::string& name) const {
  auto it = FindByName(integers_, name);
  return it == integers_.end() ? -1 : it->second;
}

bool Tsk2SkinFileReader::GetBool(const std::string& name) const {
  auto it = FindByName(flags_, name);
  return it != flags_.end() && it->second;
}
