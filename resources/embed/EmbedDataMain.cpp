// Turns every file of a folder into a raw data resource named after the
// file (without its extension), in a C++ source.

#include <exception>
#include <iostream>

#include "resources/embed/DataSources.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: embed_resource_data <folder> <output.cpp>\n";
    return 2;
  }
  try {
    WriteEmbeddedDataSource(CollectDataFiles(argv[1]), argv[2]);
  } catch (const std::exception& e) {
    std::cerr << "embed_resource_data: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
