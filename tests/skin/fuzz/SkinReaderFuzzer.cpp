// libFuzzer entry of one theme-file reader, chosen at build time by
// SKIN_FUZZ_READER (a TSkinReaderInput); built by scripts/fuzz only.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "../SkinFileInput.h"

namespace {

// One private temporary folder for the whole run; the readers put their
// extracted item files there through $TMPDIR. In memory where possible:
// on disk the file system takes most of each run's time.
char folderPath[] = "/dev/shm/skinfuzzXXXXXX";
char diskFolderPath[] = "/tmp/skinfuzzXXXXXX";

const std::string& Folder() {
  static const std::string folder = [] {
    static char* made = mkdtemp(folderPath);
    if (!made) made = mkdtemp(diskFolderPath);
    if (!made) std::abort();
    std::atexit([] { rmdir(made); });  // empty unless a reader left a file behind
    std::string path = std::string(made) + "/";
    setenv("TMPDIR", path.c_str(), 1);
    return path;
  }();
  return folder;
}

constexpr TSkinReaderInput kReader = TSkinReaderInput::SKIN_FUZZ_READER;

}  // namespace

// With SKIN_FUZZ_SEEDS naming a folder, valid inputs are written there
// first, so the run starts from real theme files.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* seedFolder = std::getenv("SKIN_FUZZ_SEEDS");
  if (!seedFolder) return 0;
  int n = 0;
  for (const std::vector<std::uint8_t>& seed : SkinReaderSeeds(kReader))
    std::ofstream(std::string(seedFolder) + "/seed" + std::to_string(++n), std::ios::binary)
        .write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FeedSkinReader(kReader, data, size, Folder());
  return 0;
}
