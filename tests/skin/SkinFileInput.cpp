#include "SkinFileInput.h"

#include <zlib.h>

#include <cstdio>
#include <fstream>

#include "SkinFixtures.h"
#include "platform/framework/Streams.h"
#include "skin/ZEL2SkinReader.h"
#include "skin/ZEL2SkinReaderInflate.h"
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

}  // namespace

void FeedSkinFileInput(const std::uint8_t* data, std::size_t size, const std::string& folder) {
  if (size == 0) return;
  const std::uint8_t mode = data[0] % 4;
  ++data;
  --size;
  const std::string theme = folder + "input.zsk";
  switch (mode) {
    case 0:
      InflateRaw(data, size);
      return;
    case 1: {
      // The bytes as a whole theme file, with and without a password.
      WriteFile(theme, data, size);
      LoadTheme(theme, "");
      LoadTheme(theme, "pw");
      break;
    }
    case 2: {
      // The bytes as the item file of a well-formed archive.
      const TBytesVec itemFile(data, data + size);
      const TBytesVec archive = BuildArchive({DeflatedEntry("SKINDATA.SK2", itemFile)});
      WriteFile(theme, archive.data(), archive.size());
      LoadTheme(theme, "");
      break;
    }
    default: {
      // Three bytes of stated size, then the entry's deflate stream.
      if (size < 3) return;
      TArchiveEntry entry;
      entry.name = "SKINDATA.SK2";
      entry.uncompressedSize = static_cast<std::uint32_t>(data[0] | (data[1] << 8) | (data[2] << 16));
      entry.data.assign(data + 3, data + size);
      const TBytesVec archive = BuildArchive({entry});
      WriteFile(theme, archive.data(), archive.size());
      LoadTheme(theme, "");
      break;
    }
  }
  std::remove(theme.c_str());
}

namespace {
TBytesVec ThemeStreamSeed(const TBytesVec& itemFile) {
  const auto size = static_cast<std::uint32_t>(itemFile.size());
  TBytesVec seed = {3, static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                    static_cast<std::uint8_t>(size >> 16)};
  const TBytesVec stream = RawDeflate(itemFile);
  seed.insert(seed.end(), stream.begin(), stream.end());
  return seed;
}
}  // namespace

std::vector<TBytesVec> SkinFileSeeds() {
  const std::vector<TItem> items = {IntegerItem("SKIN2_FORMCOLOR", 0xE8E8E8), FlagItem("SKIN2_BUTTONTRANS", true),
                                    BitmapItem("SKIN2_BUTTON", 9, 5, 0x123456), TextItem("SKIN2_NAME", "x")};
  const auto withMode = [](std::uint8_t mode, TBytesVec bytes) {
    bytes.insert(bytes.begin(), mode);
    return bytes;
  };
  const TBytesVec text = CompressibleNoise(3000, 1);
  return {withMode(0, RawDeflate(text)),
          withMode(0, RawDeflate(text, 9, Z_FIXED)),
          withMode(0, RawDeflate(text, 0)),
          withMode(1, BuildThemeFile(items)),
          withMode(1, BuildThemeFile(items, "pw")),
          withMode(2, BuildItemFile(items)),
          ThemeStreamSeed(BuildItemFile(items))};
}
