// Turns the painted and hand-drawn theme bitmaps into a C++ source.

#include <exception>
#include <iostream>

#include "resources/embed/BitmapSources.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: embed_theme_art <painted folder> <hand-drawn folder> <output.cpp>\n";
    return 2;
  }
  try {
    WriteEmbeddedSource(CollectBitmapFiles(argv[1], argv[2]), argv[3]);
  } catch (const std::exception& e) {
    std::cerr << "embed_theme_art: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
