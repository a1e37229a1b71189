#include "editor/HandOver.h"

#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"
#include "platform/os/Files.h"

namespace {
constexpr char kSection[] = "Init";
}

THandOver TakeHandOver(const std::string& folder, const THandOver& defaults) {
  const std::string path = folder + kHandOverFileName;
  THandOver handOver = defaults;
  try {
    TIniFile ini(path);
    handOver.FileName = ini.ReadString(kSection, "FileName", defaults.FileName);
    handOver.Left = ini.ReadInteger(kSection, "Left", defaults.Left);
    handOver.Top = ini.ReadInteger(kSection, "Top", defaults.Top);
  } catch (const Exception&) {
    handOver = defaults;  // unreadable: as if there were none
  }
  DeleteFile(path);
  return handOver;
}

bool WriteHandOver(const std::string& folder, const THandOver& handOver) {
  try {
    TIniFile ini(folder + kHandOverFileName);
    ini.BeginUpdate();
    ini.WriteString(kSection, "FileName", handOver.FileName);
    ini.WriteInteger(kSection, "Left", handOver.Left);
    ini.WriteInteger(kSection, "Top", handOver.Top);
    ini.EndUpdate();
    return true;
  } catch (const Exception&) {
    return false;
  }
}
