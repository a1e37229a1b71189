#pragma once
// Raw data resources (files carried unchanged, such as theme files) and
// the C++ source that carries their bytes into the program.

#include <filesystem>
#include <map>
#include <string>

// Every regular file of the folder by resource name: the file name
// without its extension.
std::map<std::string, std::filesystem::path> CollectDataFiles(const std::filesystem::path& folder);

// Writes a source defining the table of EmbeddedData.h. Throws
// std::runtime_error when a file cannot be read or the output cannot be
// written.
void WriteEmbeddedDataSource(const std::map<std::string, std::filesystem::path>& files,
                             const std::filesystem::path& output);
