// Writes the recorder's embedded theme files into the folder given, one
// NAME.zel per theme.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "resources/zelthemes/RecorderThemes.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_recorder_themes <output folder>\n";
    return 2;
  }
  try {
    const fs::path output = argv[1];
    fs::create_directories(output);
    for (const zelthemes::RecorderDesign& design : zelthemes::RecorderDesigns()) {
      const themefile::Bytes theme = zelthemes::WriteRecorderTheme(design);
      std::ofstream out(output / (design.resourceName + ".zel"), std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(theme.data()), std::streamsize(theme.size()));
      out.close();  // the last bytes reach the disk here; a full disk shows now
      if (!out) throw std::runtime_error("cannot write " + design.resourceName + ".zel");
    }
  } catch (const std::exception& e) {
    std::cerr << "make_recorder_themes: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
