// libFuzzer entry of the theme-file readers; built by scripts/fuzz only.

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "../SkinFileInput.h"

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

}  // namespace

// With SKIN_FUZZ_SEEDS naming a folder, valid inputs are written there
// first, so the run starts from real theme files.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* seedFolder = std::getenv("SKIN_FUZZ_SEEDS");
  if (!seedFolder) return 0;
  int n = 0;
  for (const std::vector<std::uint8_t>& seed : SkinFileSeeds())
    std::ofstream(std::string(seedFolder) + "/seed" + std::to_string(++n), std::ios::binary)
        .write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FeedSkinFileInput(data, size, Folder());
  return 0;
}
