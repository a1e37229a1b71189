#include "burner/BurnListFile.h"

#include <algorithm>
#include <map>

#include "platform/framework/IniFiles.h"
#include "platform/framework/StringList.h"
#include "platform/framework/SysUtils.h"

namespace {

constexpr const char* kSection = "BurnProject";
constexpr int kLastProject = 2;

}  // namespace

std::string BurnListFileName(const std::string& chosen) {
  const std::string upper = UpperCase(chosen);
  const bool ends = upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".WBL") == 0;
  return ends ? chosen : chosen + ".wbl";
}

void SaveBurnListFile(const std::string& fileName, const TBurnList& list) {
  TIniFile file(fileName);
  file.BeginUpdate();
  file.WriteInteger(kSection, "Project", list.project);
  file.WriteInteger(kSection, "ItemCount", static_cast<int>(list.items.size()));
  for (std::size_t i = 0; i < list.items.size(); ++i)
    file.WriteString(kSection, "Item" + std::to_string(i + 1), list.items[i]);
  file.EndUpdate();
}

TBurnList ReadBurnListFile(const std::string& fileName) {
  // One read of the file: a list of thousands of items costs one parse.
  TIniFile file(fileName);
  TStringList lines;
  file.ReadSectionValues(kSection, lines);
  std::map<std::string, std::string> values;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines.Strings(i);
    const auto equals = line.find('=');
    if (equals != std::string::npos) values.emplace(UpperCase(line.substr(0, equals)), line.substr(equals + 1));
  }
  const auto integer = [&](const std::string& key) {
    const auto found = values.find(UpperCase(key));
    return found == values.end() ? 0 : StrToIntDef(Trim(found->second), 0);
  };
  TBurnList list;
  list.project = std::clamp(integer("Project"), 0, kLastProject);
  const int count = std::min(integer("ItemCount"), static_cast<int>(values.size()));
  for (int i = 1; i <= count; ++i) {
    const auto found = values.find("ITEM" + std::to_string(i));
    if (found != values.end()) list.items.push_back(found->second);
  }
  return list;
}
