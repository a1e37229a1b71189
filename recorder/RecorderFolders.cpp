#include "recorder/RecorderFolders.h"

#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"
#include "recorder/GlobeVar.h"

namespace {

std::string UnderFolder(const std::string& base) {
  std::string folder = base;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder + kRecorderFolderName + "/";
}

}  // namespace

bool SetUpRecorderFolders() {
  AppFolder = GetProgramFolder();
  SettingsFolder = UnderFolder(SHGetSpecialFolderPath(CSIDL_APPDATA));
  const std::string documents = UnderFolder(SHGetSpecialFolderPath(CSIDL_PERSONAL));
  RecordedFolder = documents + "Recorded files/";
  ConvertedFolder = documents + "Converted files/";
  SplittedFolder = documents + "Splitted files/";
  MergedFolder = documents + "Merged files/";
  bool allThere = true;
  for (const std::string* folder :
       {&SettingsFolder, &RecordedFolder, &ConvertedFolder, &SplittedFolder, &MergedFolder}) {
    if (!DirectoryExists(*folder) && !ForceDirectories(*folder)) allThere = false;
  }
  return allThere;
}

std::string FolderOfSetting(const std::string& text) {
  const std::string folder = Trim(text);
  return folder.empty() ? folder : IncludeTrailingPathDelimiter(folder);
}
