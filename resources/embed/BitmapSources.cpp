#include "resources/embed/BitmapSources.h"

#include <stdexcept>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "resources/embed/SourceText.h"

namespace fs = std::filesystem;

namespace {

void AddFolder(const fs::path& folder, std::map<std::string, fs::path>& files) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".bmp") continue;
    files[entry.path().stem().string()] = entry.path();
  }
}

std::vector<unsigned char> ReadBitmapFile(const fs::path& path) {
  std::vector<unsigned char> bytes = ReadFileBytes(path);
  // A damaged hand-drawn file stops the build here rather than the program later.
  try {
    TBitmap probe;
    probe.LoadFromBytes(bytes);
  } catch (const std::exception& e) {
    throw std::runtime_error(path.string() + " is not a readable BMP file: " + e.what());
  }
  return bytes;
}

}  // namespace

std::map<std::string, fs::path> CollectBitmapFiles(const fs::path& painted, const fs::path& handDrawn) {
  std::map<std::string, fs::path> files;
  AddFolder(painted, files);
  AddFolder(handDrawn, files);  // later entries replace earlier ones
  return files;
}

void WriteEmbeddedSource(const std::map<std::string, fs::path>& files, const fs::path& output) {
  std::vector<EmbeddedFile> bitmaps;
  for (const auto& [name, path] : files) bitmaps.push_back({name, ReadBitmapFile(path)});
  WriteSourceFile(output, EmbeddedTableSource({"resources/EmbeddedBitmaps.h", "EmbeddedBitmap", "kEmbeddedBitmaps",
                                               "kEmbeddedBitmapCount", "kBitmap"},
                                              bitmaps));
}
