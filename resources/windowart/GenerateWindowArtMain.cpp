// Writes the recorder windows' pictures as 24-bit BMP files into the
// folder given.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "resources/windowart/WindowArt.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: paint_window_art <output folder>\n";
    return 2;
  }
  try {
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const windowart::WindowPicture& picture : windowart::PaintWindowArt()) {
      std::vector<std::uint8_t> bytes = picture.bitmap->SaveToBytes();
      std::ofstream out(folder / (picture.name + ".bmp"), std::ios::binary);
      out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
      out.close();  // a full disk shows here
      if (!out) {
        std::cerr << "paint_window_art: cannot write " << picture.name << ".bmp\n";
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "paint_window_art: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
