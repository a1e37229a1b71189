#include "recorder/AudioFolder.h"

#include <filesystem>

#include "recorder/GlobeVar.h"

TFolderRead ForEachAudioFile(const std::string& folder, const std::function<bool(const std::string& name)>& onFile) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return TFolderRead::Unreadable;
  // Stepped with an error code, so nothing throws.
  for (; entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code entryError;
    if (!entries->is_regular_file(entryError)) continue;
    const std::string name = entries->path().filename().string();
    if (FormatNameOfFile(folder + name).empty()) continue;
    if (!onFile(name)) return TFolderRead::Stopped;
  }
  return TFolderRead::Done;
}
