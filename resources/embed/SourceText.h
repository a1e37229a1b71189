#pragma once
// Pieces of the generated C++ sources that carry files into the program.

#include <filesystem>
#include <string>
#include <vector>

struct EmbeddedFile {
  std::string name;  // the resource name
  std::vector<unsigned char> bytes;
};

// The names a generated table is declared under in its header.
struct EmbeddedTableNames {
  std::string header;    // e.g. "resources/EmbeddedBitmaps.h"
  std::string type;      // entries {name, data, size}
  std::string table;     // the array
  std::string count;     // the constant holding the number of files
  std::string idPrefix;  // of each file's byte array, numbered from 0
};

// A source that includes the header and defines, in namespace detail, the
// table and its count (a table without files holds one empty entry).
std::string EmbeddedTableSource(const EmbeddedTableNames& names, const std::vector<EmbeddedFile>& files);

// The whole file; throws std::runtime_error when it cannot be read.
std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& path);

// Throws std::runtime_error when the file cannot be written.
void WriteSourceFile(const std::filesystem::path& output, const std::string& text);
