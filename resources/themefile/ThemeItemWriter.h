#pragma once
// Writes item files: a 24-byte header and a chain of 77-byte records, each
// followed directly by its data, closed by a terminator record. The
// editor's theme files hold one as "SKINDATA.SK2"; the recorder's older
// theme files (".zel") are one whole, under a header of their own.

#include <cstdint>
#include <string>
#include <vector>

namespace themefile {

using Bytes = std::vector<std::uint8_t>;

enum ItemKind : std::uint8_t { kBitmapItem = 0, kIntegerItem = 1, kFlagItem = 2, kTextItem = 3 };

constexpr std::size_t kItemNameSize = 64;

struct ThemeItem {
  std::string name;
  std::uint8_t kind = kBitmapItem;
  Bytes data;
};

// bmpFile: a whole BMP file, as TBitmap::SaveToBytes gives it.
ThemeItem BitmapItem(const std::string& name, Bytes bmpFile);
// Colours are integers too, as 0x00BBGGRR.
ThemeItem IntegerItem(const std::string& name, std::int32_t value);
ThemeItem FlagItem(const std::string& name, bool value);
ThemeItem TextItem(const std::string& name, const std::string& text);

// The magic (at most 12 bytes, zero-padded) and format version that open
// the file.
struct ItemFileHeader {
  const char* magic;
  std::uint32_t version;
};
inline constexpr ItemFileHeader kSkinItemFileHeader{"PARLINDE_SK2", 2};
inline constexpr ItemFileHeader kOlderThemeFileHeader{"ZELPack_TB", 1};

// Throws std::invalid_argument for an item the reader could not take back
// as written: an empty name, a name longer than 64 bytes or holding a zero
// byte, an unknown kind, an integer not of 4 bytes, a flag not of 1 byte,
// a bitmap that does not start "BM"; and when the file would pass 4 GiB.
Bytes WriteItemFile(const std::vector<ThemeItem>& items, const ItemFileHeader& header = kSkinItemFileHeader);

}  // namespace themefile
