// Writes the editor's embedded theme files, made from the theme bitmaps,
// into the folder given, one NAME.zsk per theme.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

#include "resources/embed/BitmapSources.h"
#include "resources/themefile/EditorThemes.h"
#include "resources/themefile/ThemeArchiveWriter.h"

namespace fs = std::filesystem;

namespace {

themefile::BitmapSource BitmapFiles(const std::map<std::string, fs::path>& files) {
  return [&files](const std::string& name) {
    auto found = files.find(name);
    if (found == files.end()) throw std::runtime_error("no theme bitmap " + name);
    std::ifstream in(found->second, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromBytes(bytes);
    return bitmap;
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: make_editor_themes <painted folder> <hand-drawn folder> <output folder>\n";
    return 2;
  }
  try {
    const std::map<std::string, fs::path> files = CollectBitmapFiles(argv[1], argv[2]);
    const fs::path output = argv[3];
    fs::create_directories(output);
    for (const themefile::ThemeRecipe& recipe : themefile::EditorThemeRecipes()) {
      const themefile::Bytes theme = themefile::WriteThemeFile(themefile::ThemeItemsOf(recipe, BitmapFiles(files)));
      std::ofstream out(output / (recipe.resourceName + ".zsk"), std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(theme.data()), std::streamsize(theme.size()));
      out.close();  // the last bytes reach the disk here; a full disk shows now
      if (!out) throw std::runtime_error("cannot write " + recipe.resourceName + ".zsk");
    }
  } catch (const std::exception& e) {
    std::cerr << "make_editor_themes: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
