#include "editor/GlobeVar.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"

void SetUpEditorFolders() {
  std::string base = SHGetSpecialFolderPath(CSIDL_APPDATA);
  if (!base.empty() && base.back() != '/') base += '/';
  SettingsFolder = base + kSettingsFolderName + "/";
  if (!DirectoryExists(SettingsFolder)) ForceDirectories(SettingsFolder);
  AppFolder = GetProgramFolder();
  TempFolder = GetTempPath();
}
