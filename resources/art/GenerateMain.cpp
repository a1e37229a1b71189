// Writes every theme bitmap as a 24-bit BMP file into the folder given.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "resources/art/Catalog.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: paint_theme_art <output folder>\n";
    return 2;
  }
  try {
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const art::ArtEntry& entry : art::ThemeArtCatalog()) {
      std::vector<std::uint8_t> bytes = art::PaintArt(entry)->SaveToBytes();
      std::ofstream out(folder / (entry.name + ".bmp"), std::ios::binary);
      out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
      out.close();  // the last bytes reach the disk here; a full disk shows now
      if (!out) {
        std::cerr << "paint_theme_art: cannot write " << entry.name << ".bmp\n";
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "paint_theme_art: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
