#include "resources/embed/DataSources.h"

#include <vector>

#include "resources/embed/SourceText.h"

namespace fs = std::filesystem;

std::map<std::string, fs::path> CollectDataFiles(const fs::path& folder) {
  std::map<std::string, fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) files[entry.path().stem().string()] = entry.path();
  return files;
}

void WriteEmbeddedDataSource(const std::map<std::string, fs::path>& files, const fs::path& output) {
  std::vector<EmbeddedFile> data;
  for (const auto& [name, path] : files) data.push_back({name, ReadFileBytes(path)});
  WriteSourceFile(output, EmbeddedTableSource({"resources/EmbeddedData.h", "EmbeddedData", "kEmbeddedData",
                                               "kEmbeddedDataCount", "kData"},
                                              data));
}
