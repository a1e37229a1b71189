#include "resources/embed/BitmapSources.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "platform/gfx/Bitmap.h"

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

std::vector<unsigned char> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
  std::string text = "// Generated from the theme bitmaps; do not edit.\n#include \"resources/EmbeddedBitmaps.h\"\n\n"
                     "namespace detail {\nnamespace {\n";
  int index = 0;
  for (const auto& [name, path] : files) {
    std::vector<unsigned char> bytes = ReadFile(path);
    text += "const unsigned char kBitmap" + std::to_string(index++) + "[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      text += (i % 20 == 0 ? "\n  " : "") + std::to_string(bytes[i]) + ",";
    }
    text += "};\n";
  }
  text += "}  // namespace\n\nconst EmbeddedBitmap kEmbeddedBitmaps[] = {\n";
  index = 0;
  for (const auto& [name, path] : files) {
    std::string id = "kBitmap" + std::to_string(index++);
    text += "  {\"" + name + "\", " + id + ", sizeof(" + id + ")},\n";
  }
  if (files.empty()) text += "  {\"\", nullptr, 0},\n";
  text += "};\nconst std::size_t kEmbeddedBitmapCount = " + std::to_string(files.size()) + ";\n\n}  // namespace detail\n";

  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + output.string());
}
