// libFuzzer entry of the theme-file readers; built by scripts/fuzz only.
// A first byte of 0xF0 or more feeds the rest to the recorder's older
// theme files (".zel"); any other goes to the current readers.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "../SkinFileInput.h"
#include "../SkinFixtures.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemeFile.h"

namespace {

// One private temporary folder for the whole run; the readers put their
// extracted item files there through $TMPDIR.
char folderPath[] = "/tmp/skinfuzzXXXXXX";

const std::string& Folder() {
  static const std::string folder = [] {
    if (!mkdtemp(folderPath)) std::abort();
    std::atexit([] { rmdir(folderPath); });  // empty unless a reader left a file behind
    std::string path = std::string(folderPath) + "/";
    setenv("TMPDIR", path.c_str(), 1);
    return path;
  }();
  return folder;
}

constexpr std::uint8_t kOlderThemeMode = 0xF0;

// The current item file under the older header: the same chain of records.
std::vector<std::uint8_t> OlderThemeSeed(const std::vector<TItem>& items) {
  std::vector<std::uint8_t> file = BuildItemFile(items);
  const char magic[12] = "ZELPack_TB";
  std::copy(magic, magic + 12, file.begin());
  file[16] = 1;
  file.insert(file.begin(), kOlderThemeMode);
  return file;
}

std::vector<std::vector<std::uint8_t>> OlderThemeSeeds() {
  return {OlderThemeSeed({}),
          OlderThemeSeed({BitmapItem("ButtonImage", 6, 2, 0x0000FF), IntegerItem("FormBackgroundColor", 0x123456),
                          FlagItem("ButtonTransparentBool", true), TextItem("Note", "text")})};
}

// The reader straight, then the embedded-theme path of the recorder's
// theme component, which must leave no temporary file behind.
void FeedOlderThemeFile(const std::uint8_t* data, std::size_t size, const std::string& folder) {
  const std::string path = folder + "input.zel";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
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

}  // namespace

// With SKIN_FUZZ_SEEDS naming a folder, valid inputs are written there
// first, so the run starts from real theme files.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* seedFolder = std::getenv("SKIN_FUZZ_SEEDS");
  if (!seedFolder) return 0;
  int n = 0;
  std::vector<std::vector<std::uint8_t>> seeds = SkinFileSeeds();
  for (auto& seed : OlderThemeSeeds()) seeds.push_back(std::move(seed));
  for (const std::vector<std::uint8_t>& seed : seeds)
    std::ofstream(std::string(seedFolder) + "/seed" + std::to_string(++n), std::ios::binary)
        .write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0 && data[0] >= kOlderThemeMode) FeedOlderThemeFile(data + 1, size - 1, Folder());
  else FeedSkinFileInput(data, size, Folder());
  return 0;
}
