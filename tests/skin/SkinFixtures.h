#pragma once
// Theme files made in the tests: item files and theme files from the
// program's theme-file writer, and, by hand, deflate streams from zlib,
// "SK" archives in every shape (damaged, encrypted, with comments or
// several entries) and a private temporary folder.

#include <cstdint>
#include <string>
#include <vector>

#include "resources/themefile/ThemeArchiveWriter.h"

using TBytesVec = std::vector<std::uint8_t>;

TBytesVec BytesOf(const std::string& text);
std::uint32_t Crc32Of(const TBytesVec& data);

// A raw deflate stream (no zlib header). strategy: a zlib strategy such
// as Z_FIXED or Z_DEFAULT_STRATEGY; level 0 stores.
TBytesVec RawDeflate(const TBytesVec& data, int level = 9, int strategy = 0);

// A raw deflate stream of count zero bytes, made without holding them.
TBytesVec RawDeflateZeros(std::size_t count);

// Random bytes that compress somewhat: runs and repeats mixed with noise.
TBytesVec CompressibleNoise(std::size_t size, unsigned seed);

struct TArchiveEntry {
  std::string name;
  TBytesVec data;  // as stored in the archive (compressed, maybe encrypted)
  std::uint32_t crc = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint16_t flags = 0;
  std::uint16_t time = 0x6C21;
  TBytesVec extra;
};

// Deflates plain into an entry, encrypted when a password is given (the
// check byte taken from the CRC, or from the time with useTimeCheck).
TArchiveEntry DeflatedEntry(const std::string& name, const TBytesVec& plain, const std::string& password = "",
                            bool useTimeCheck = false);

// A ZIP archive of the entries; markSk writes "SK" in place of "PK".
TBytesVec BuildArchive(const std::vector<TArchiveEntry>& entries, bool markSk = true,
                       const std::string& comment = "");

// Items of an item file: {name, kind (0 bitmap, 1 integer, 2 flag, 3
// text), data}.
using TItem = themefile::ThemeItem;
using themefile::FlagItem;
using themefile::IntegerItem;
using themefile::TextItem;
// A BMP of one colour (0x00BBGGRR).
TItem BitmapItem(const std::string& name, int width, int height, std::uint32_t color);

// A BMP of 1 bit per pixel, all of the first of its two colours: small in
// the file (and smaller deflated), 24 times larger decoded.
TBytesVec OneBitBmp(int width, int height);

// Makes every bitmap record after the first point at the first one's data,
// as a hostile writer might: the file stays as small as with one picture.
void ShareFirstBitmapData(TBytesVec& itemFile);

// The writer's item file. Names longer than the 64-byte field are cut, as
// another writer might have done; a terminator name is written into the
// terminator record, which the writer leaves nameless.
TBytesVec BuildItemFile(std::vector<TItem> items, const std::string& terminatorName = "",
                        const themefile::ItemFileHeader& header = themefile::kSkinItemFileHeader);

// A whole theme file holding the item file as "SKINDATA.SK2": the
// writer's, or with a password an encrypted one made here.
TBytesVec BuildThemeFile(const std::vector<TItem>& items, const std::string& password = "");

// Points $TMPDIR at a fresh folder for the lifetime of the object.
class TPrivateTempFolder {
 public:
  TPrivateTempFolder();
  ~TPrivateTempFolder();
  const std::string& Path() const { return path_; }  // ends with "/"
  std::string Write(const std::string& name, const TBytesVec& bytes) const;
  std::vector<std::string> Files() const;

 private:
  std::string path_;
  std::string previousTmpDir_;
  bool hadTmpDir_ = false;
};

TBytesVec ReadWholeFile(const std::string& path);
