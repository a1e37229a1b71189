// Reading the recorder's ".zel" theme files. Every field comes from a file
// that may have been damaged, so each offset and length is checked
// against the file before anything is read or allocated.

#include "skin/ZELThemeFile.h"

#include <cstdint>
#include <set>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELItemChain.h"

namespace {

using detail::FindItem;
using detail::ReadU32;
using detail::SameItemName;

constexpr char kMagic[] = "ZELPack_TB";
constexpr int kMagicSize = 12;
constexpr int kHeaderSize = 24;

enum TEntryKind : std::uint8_t { ekImage = 0, ekInteger = 1, ekFlag = 2, ekText = 3 };

void Damaged(const std::string& why) { throw EReadError("The theme file is damaged: " + why); }

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
  detail::TItemChainFile file(fileName);
  std::uint8_t header[kHeaderSize];
  file.ReadAt(0, header, kHeaderSize);
  std::uint32_t offset = ReadU32(header + 20);

  // The budget bounds both the chain and the memory.
  detail::TItemBudget budget(file.Size());
  std::set<std::uint32_t> visited;
  for (detail::TItemRecord entry = file.ReadRecord(offset); entry.nextOffset != 0; entry = file.ReadRecord(offset)) {
    if (!visited.insert(offset).second) Damaged("its entries form a loop");
    budget.Claim(entry);
    offset = entry.nextOffset;
    switch (entry.kind) {
      case ekImage:
        AddImage(entry.name, file.ReadData(entry), budget);
        break;
      case ekInteger: {
        std::uint8_t raw[4];  // other data sizes are not supported: always 4 bytes
        file.ReadAt(entry.dataOffset, raw, 4);
        integers_.emplace_back(entry.name, static_cast<std::int32_t>(ReadU32(raw)));
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
void TzelThemeFileReader::AddImage(const std::string& name, const std::vector<std::uint8_t>& data,
                                   detail::TItemBudget& budget) {
  std::unique_ptr<TBitmap> bitmap = budget.Decode(data);
  auto stream = std::make_unique<TMemoryStream>();
  if (!data.empty()) stream->WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
  images_.push_back({name, std::move(stream), std::move(bitmap)});
}

TMemoryStream* TzelThemeFileReader::GetStream(const std::string& name) const {
  for (const TImage& image : images_)
    if (SameItemName(image.name, name)) {
      image.stream->SetPosition(0);
      return image.stream.get();
    }
  return nullptr;
}

TBitmap* TzelThemeFileReader::GetBitmap(const std::string& name) const {
  for (const TImage& image : images_)
    if (SameItemName(image.name, name)) return image.bitmap.get();
  return nullptr;
}

int TzelThemeFileReader::GetInt(const std::string& name) const {
  auto it = FindItem(integers_, name);
  return it == integers_.end() ? -1 : it->second;
}

bool TzelThemeFileReader::GetBool(const std::string& name) const {
  auto it = FindItem(flags_, name);
  return it != flags_.end() && it->second;
}
