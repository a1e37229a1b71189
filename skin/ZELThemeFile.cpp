// Reading the recorder's ".zel" theme files. Every field comes from a file
// that may have been damaged, so each offset and length is checked
// against the file before anything is read or allocated.

#include "skin/ZELThemeFile.h"

#include <cstdint>
#include <cstring>
#include <set>
#include <strings.h>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "platform/gfx/Bitmap.h"

namespace {

constexpr char kMagic[] = "ZELPack_TB";
constexpr int kMagicSize = 12;
constexpr int kHeaderSize = 24;
constexpr int kEntrySize = 77;
constexpr int kNameSize = 64;

enum TEntryKind : std::uint8_t { ekImage = 0, ekInteger = 1, ekFlag = 2, ekText = 3 };

struct TEntry {
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

void Damaged(const std::string& why) { throw EReadError("The theme file is damaged: " + why); }

// Bounded reads from the theme file.
class TThemeFileInput {
 public:
  explicit TThemeFileInput(const std::string& path)
      : stream_(path, fmOpenRead | fmShareDenyNone), size_(stream_.Size()) {}

  std::int64_t Size() const { return size_; }

  void ReadAt(std::int64_t offset, void* buffer, std::int64_t count) {
    if (offset < 0 || offset + count > size_) Damaged("an entry points past the end of the file");
    if (stream_.Seek(offset, soBeginning) != offset) Damaged("the file cannot be positioned");
    stream_.ReadBuffer(buffer, count);
  }

  TEntry ReadEntry(std::uint32_t offset) {
    std::uint8_t raw[kEntrySize];
    ReadAt(offset, raw, kEntrySize);
    TEntry entry;
    entry.name.assign(reinterpret_cast<const char*>(raw), strnlen(reinterpret_cast<const char*>(raw), kNameSize));
    entry.kind = raw[64];
    entry.dataOffset = U32(raw + 65);
    entry.dataSize = U32(raw + 69);
    entry.nextOffset = U32(raw + 73);
    return entry;
  }

  std::vector<std::uint8_t> ReadData(const TEntry& entry) {
    // Checked before allocating: a size cannot ask for more than the file holds.
    if (std::int64_t{entry.dataOffset} + entry.dataSize > size_) Damaged("entry data past the end of the file");
    std::vector<std::uint8_t> data(entry.dataSize);
    ReadAt(entry.dataOffset, data.data(), entry.dataSize);
    return data;
  }

 private:
  TFileStream stream_;
  std::int64_t size_;
};

}  // namespace

bool IsThemeFile(const std::string& fileName) {
  try {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyNone);
    char magic[kMagicSize + 1] = {};
    stream.ReadBuffer(magic, kMagicSize);
    return std::string(magic) == kMagic;  // text up to the first zero byte
  } catch (const std::exception&) {
    return false;
  }
}

TzelThemeFileReader::TzelThemeFileReader(const std::string& fileName) {
  TThemeFileInput file(fileName);
  std::uint8_t header[kHeaderSize];
  file.ReadAt(0, header, kHeaderSize);
  std::uint32_t offset = U32(header + 20);

  // Entries and their data may not claim more bytes than the file has,
  // however they overlap: that bounds both the chain and the memory.
  const std::int64_t budget = file.Size();
  std::int64_t claimed = 0;
  std::set<std::uint32_t> visited;
  for (TEntry entry = file.ReadEntry(offset); entry.nextOffset != 0; entry = file.ReadEntry(offset)) {
    if (!visited.insert(offset).second) Damaged("its entries form a loop");
    claimed += kEntrySize;
    if (entry.kind == ekImage || entry.kind == ekText) claimed += entry.dataSize;
    if (claimed > budget) Damaged("its entries claim more than the file holds");
    offset = entry.nextOffset;
    switch (entry.kind) {
      case ekImage:
        AddImage(entry.name, file.ReadData(entry));
        break;
      case ekInteger: {
        std::uint8_t raw[4];  // other data sizes are not supported: always 4 bytes
        file.ReadAt(entry.dataOffset, raw, 4);
        integers_.emplace_back(entry.name, static_cast<std::int32_t>(U32(raw)));
        break;
      }
      case ekFlag: {
        std::uint8_t raw = 0;
        file.ReadAt(entry.dataOffset, &raw, 1);
        flags_.emplace_back(entry.name, raw != 0);
        break;
      }
      case ekText: {
        const std::vector<std::uint8_t> text = file.ReadData(entry);
        texts_.emplace_back(entry.name, std::string(text.begin(), text.end()));
        break;
      }
      default:
        break;  // an unknown kind carries nothing we read
    }
  }
}

TzelThemeFileReader::~TzelThemeFileReader() = default;

// The image is decoded once here, so a damaged picture refuses the file
// instead of failing later inside a control's painting.
void TzelThemeFileReader::AddImage(const std::string& name, const std::vector<std::uint8_t>& data) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromBytes(data);
  auto stream = std::make_unique<TMemoryStream>();
  if (!data.empty()) stream->WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
  images_.push_back({name, std::move(stream), std::move(bitmap)});
}

TMemoryStream* TzelThemeFileReader::GetStream(const std::string& name) const {
  for (const TImage& image : images_)
    if (SameName(image.name, name)) {
      image.stream->SetPosition(0);
      return image.stream.get();
    }
  return nullptr;
}

TBitmap* TzelThemeFileReader::GetBitmap(const std::string& name) const {
  for (const TImage& image : images_)
    if (SameName(image.name, name)) return image.bitmap.get();
  return nullptr;
}

int TzelThemeFileReader::GetInt(const std::string& name) const {
  auto it = FindByName(integers_, name);
  return it == integers_.end() ? -1 : it->second;
}

bool TzelThemeFileReader::GetBool(const std::string& name) const {
  auto it = FindByName(flags_, name);
  return it != flags_.end() && it->second;
}
