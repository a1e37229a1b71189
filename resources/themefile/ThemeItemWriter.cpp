#include "resources/themefile/ThemeItemWriter.h"

#include <limits>
#include <stdexcept>

#include "resources/themefile/LittleEndian.h"

namespace themefile {

namespace {

constexpr std::size_t kMagicSize = 12;
constexpr std::uint32_t kHeaderSize = 24;
constexpr std::size_t kRecordSize = 77;

void Check(const ThemeItem& item) {
  const auto fail = [&item](const std::string& why) {
    throw std::invalid_argument("theme item \"" + item.name + "\": " + why);
  };
  if (item.name.empty()) fail("empty name");
  if (item.name.size() > kItemNameSize) fail("name longer than 64 bytes");
  if (item.name.find('\0') != std::string::npos) fail("name holds a zero byte");
  switch (item.kind) {
    case kBitmapItem:
      if (item.data.size() < 2 || item.data[0] != 'B' || item.data[1] != 'M') fail("bitmap data is no BMP file");
      break;
    case kIntegerItem:
      if (item.data.size() != 4) fail("integer data is not 4 bytes");
      break;
    case kFlagItem:
      if (item.data.size() != 1) fail("flag data is not 1 byte");
      break;
    case kTextItem:
      break;
    default:
      fail("unknown kind " + std::to_string(item.kind));
  }
}

// The next record starts right behind this one's data.
void PutRecord(Bytes& out, const std::string& name, std::uint8_t kind, const Bytes& data, bool last) {
  const std::size_t at = out.size();
  const std::size_t end = at + kRecordSize + data.size();
  if (end > std::numeric_limits<std::uint32_t>::max()) throw std::invalid_argument("theme item file beyond 4 GiB");
  out.insert(out.end(), name.begin(), name.end());
  out.resize(at + kItemNameSize, 0);
  out.push_back(kind);
  PutU32(out, last ? 0 : static_cast<std::uint32_t>(at + kRecordSize));
  PutU32(out, static_cast<std::uint32_t>(data.size()));
  PutU32(out, last ? 0 : static_cast<std::uint32_t>(end));
  out.insert(out.end(), data.begin(), data.end());
}

}  // namespace

ThemeItem BitmapItem(const std::string& name, Bytes bmpFile) { return {name, kBitmapItem, std::move(bmpFile)}; }

ThemeItem IntegerItem(const std::string& name, std::int32_t value) {
  ThemeItem item{name, kIntegerItem, {}};
  PutU32(item.data, static_cast<std::uint32_t>(value));
  return item;
}

ThemeItem FlagItem(const std::string& name, bool value) { return {name, kFlagItem, {std::uint8_t(value ? 1 : 0)}}; }

ThemeItem TextItem(const std::string& name, const std::string& text) {
  return {name, kTextItem, Bytes(text.begin(), text.end())};
}

Bytes WriteItemFile(const std::vector<ThemeItem>& items, const ItemFileHeader& header) {
  const std::string magic = header.magic;
  if (magic.size() > kMagicSize) throw std::invalid_argument("item file magic longer than 12 bytes");
  for (const ThemeItem& item : items) Check(item);
  Bytes out(magic.begin(), magic.end());
  out.resize(kMagicSize, 0);
  PutU32(out, kHeaderSize);
  PutU32(out, header.version);
  PutU32(out, kHeaderSize);  // the first record follows the header
  for (const ThemeItem& item : items) PutRecord(out, item.name, item.kind, item.data, false);
  PutRecord(out, "", kFlagItem, {}, true);
  return out;
}

}  // namespace themefile
