#include "SkinFileInput.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "SkinFixtures.h"
#include "ZelThemeFiles.h"
#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "skin/ZEL2SkinReaderInflate.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemeFile.h"
#include "skin/ZELThemes.h"

namespace {

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void InflateRaw(const std::uint8_t* data, std::size_t size) {
  TMemoryStream input;
  if (size > 0) input.WriteBuffer(data, static_cast<std::int64_t>(size));
  input.SetPosition(0);
  TMemoryStream output;
  try {
    detail::Inflate(input, output, 1 << 22);
  } catch (const detail::TzelInflateError&) {
  }
}

void LoadTheme(const std::string& path, const std::string& password) {
  TzelFileThemeMgr manager;
  if (manager.LoadFromFile(path, password)) {
    manager.GetColor(2);
    manager.GetBitmap(15);
    manager.GetBool(5);
  }
}

// The data in stored deflate blocks: a valid entry stream made without
// zlib, whose set-up per call would cost the fuzzer most of its time.
TArchiveEntry StoredEntry(const std::uint8_t* data, std::size_t size) {
  TArchiveEntry entry;
  entry.name = "SKINDATA.SK2";
  entry.uncompressedSize = static_cast<std::uint32_t>(size);
  std::size_t done = 0;
  do {
    const std::size_t length = std::min<std::size_t>(size - done, 0xFFFF);
    const bool last = done + length == size;
    entry.data.insert(entry.data.end(), {static_cast<std::uint8_t>(last), static_cast<std::uint8_t>(length),
                                         static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(~length),
                                         static_cast<std::uint8_t>(~length >> 8)});
    entry.data.insert(entry.data.end(), data + done, data + done + length);
    done += length;
  } while (done < size);
  return entry;
}

void LoadArchive(const std::string& path, const TBytesVec& archive) {
  WriteFile(path, archive.data(), archive.size());
  LoadTheme(path, "");
}

// The reader straight, then the embedded-theme path of the recorder's
// theme component, which must leave no temporary file behind.
void LoadOlderThemeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  WriteFile(path, data, size);
  IsThemeFile(path);
  try {
    TzelThemeFileReader reader(path);
    reader.GetStream("ButtonImage");
    reader.GetInt("FormBackgroundColor");
  } catch (const Exception&) {
  }
  std::remove(path.c_str());
  SetSkinFlavour(zelOlderBuild);
  try {
    TzelBuiltInFileTheme theme(nullptr);
    theme.LoadSkinData(TBytes(data, data + size));
    theme.GetColor(15);
  } catch (const Exception&) {
  }
  SetSkinFlavour(zelCurrentBuild);
}

const std::vector<TItem>& SeedItems() {
  static const std::vector<TItem> items = {IntegerItem("SKIN2_FORMCOLOR", 0xE8E8E8), FlagItem("SKIN2_BUTTONTRANS", true),
                                           BitmapItem("SKIN2_BUTTON", 9, 5, 0x123456), TextItem("SKIN2_NAME", "x")};
  return items;
}

TBytesVec EntryStreamSeed(const TBytesVec& itemFile) {
  const auto size = static_cast<std::uint32_t>(itemFile.size());
  TBytesVec seed = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                    static_cast<std::uint8_t>(size >> 16)};
  const TBytesVec stream = RawDeflate(itemFile);
  seed.insert(seed.end(), stream.begin(), stream.end());
  return seed;
}

}  // namespace

void FeedSkinReader(TSkinReaderInput reader, const std::uint8_t* data, std::size_t size, const std::string& folder) {
  const std::string theme = folder + "input.zsk";
  switch (reader) {
    case TSkinReaderInput::Inflate:
      InflateRaw(data, size);
      return;
    case TSkinReaderInput::ThemeFile:
      WriteFile(theme, data, size);
      LoadTheme(theme, "");
      LoadTheme(theme, "pw");
      break;
    case TSkinReaderInput::EntryStream: {
      if (size < 3) return;
      TArchiveEntry entry;
      entry.name = "SKINDATA.SK2";
      entry.uncompressedSize = static_cast<std::uint32_t>(data[0] | (data[1] << 8) | (data[2] << 16));
      entry.data.assign(data + 3, data + size);
      LoadArchive(theme, BuildArchive({entry}));
      break;
    }
    case TSkinReaderInput::ItemFile:
      LoadArchive(theme, BuildArchive({StoredEntry(data, size)}));
      break;
    case TSkinReaderInput::OlderThemeFile:
      LoadOlderThemeFile(folder + "input.zel", data, size);
      return;
  }
  std::remove(theme.c_str());
}

std::vector<TBytesVec> SkinReaderSeeds(TSkinReaderInput reader) {
  switch (reader) {
    case TSkinReaderInput::Inflate: {
      const TBytesVec text = CompressibleNoise(3000, 1);
      return {RawDeflate(text), RawDeflate(text, 9, Z_FIXED), RawDeflate(text, 0)};
    }
    case TSkinReaderInput::ThemeFile:
      return {BuildThemeFile(SeedItems()), BuildThemeFile(SeedItems(), "pw")};
    case TSkinReaderInput::EntryStream:
      return {EntryStreamSeed(BuildItemFile(SeedItems()))};
    case TSkinReaderInput::ItemFile:
      return {BuildItemFile(SeedItems())};
    case TSkinReaderInput::OlderThemeFile:
      return {BuildZelFile({}), SampleZelTheme(),
              BuildZelFile({BitmapItem("ButtonImage", 6, 2, 0x0000FF), IntegerItem("FormBackgroundColor", 0x123456),
                            FlagItem("ButtonTransparentBool", true), TextItem("Note", "text")})};
  }
  return {};
}
