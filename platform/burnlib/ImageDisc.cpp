#include "platform/burnlib/ImageDisc.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/burnlib/Devices.h"
#include "platform/burnlib/LibraryState.h"

namespace burnlib {

namespace {

constexpr double kImageCapacity = static_cast<double>(kImageDiscSectors) * 2048.0;

std::string RecordPath() { return ImageFolder() + "CD-RW.disc"; }

// Free bytes of the file system the image folder is (or will be) on.
double ImageFolderSpace() {
  std::filesystem::path folder = ImageFolder();
  std::error_code error;
  while (!folder.empty() && !std::filesystem::exists(folder, error)) {
    std::filesystem::path parent = folder.parent_path();
    if (parent == folder) break;
    folder = parent;
  }
  std::filesystem::space_info info = std::filesystem::space(folder, error);
  return error ? 0.0 : static_cast<double>(info.available);
}

}  // namespace

bool ImageDiscRewritable() {
  const char* medium = std::getenv("FOXBURNER_IMAGE_MEDIUM");
  return medium && std::string(medium) == "cd-rw";
}

std::int64_t ImageDiscUsed() {
  if (!ImageDiscRewritable()) return 0;
  std::ifstream record(RecordPath());
  std::int64_t bytes = 0;
  // A damaged record still stands for a written disc.
  if (!record) return 0;
  if (!(record >> bytes) || bytes <= 0) return 2048;
  return std::min<std::int64_t>(bytes, static_cast<std::int64_t>(kImageCapacity));
}

void ReadImageDisc(foxabi::MediumRecord& m) {
  const bool rewritable = ImageDiscRewritable();
  const std::int64_t used = ImageDiscUsed();
  CopyField(m.text, rewritable ? "Disc image (CD-RW)" : "Disc image (CD-R)");
  m.typeCode = rewritable ? foxabi::kMediumCdRw : foxabi::kMediumCdR;
  m.capacity = kImageCapacity;
  m.used = static_cast<double>(used);
  m.status = used > 0 ? 2 : 0;
  m.free = used > 0 ? 0.0 : std::min(kImageCapacity, ImageFolderSpace());
  m.sessionCount = used > 0 ? 1 : 0;
  m.lastSession = m.sessionCount;
  m.further = rewritable ? 1 : 0;
}

void RecordImageDiscBurn(std::int64_t bytes) {
  if (!ImageDiscRewritable()) return;
  std::ofstream record(RecordPath(), std::ios::trunc);
  record << std::max<std::int64_t>(bytes, 1) << '\n';
}

std::string EraseImageDisc() {
  std::error_code error;
  std::filesystem::remove(RecordPath(), error);
  return error ? "Cannot erase the disc image: " + error.message() : std::string();
}

}  // namespace burnlib
