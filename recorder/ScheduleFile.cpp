#include "recorder/ScheduleFile.h"

#include <algorithm>
#include <set>

#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"
#include "platform/framework/StringList.h"
#include "platform/framework/SysUtils.h"

namespace {

const char* const kSection = "Schedule";
const char* const kEntryKeys[] = {"Use",   "StartH", "StartM", "StartS", "StopH",    "StopM",
                                  "StopS", "Day",    "Month",  "Year",   "DayOfWeek"};

// The index of an entry key such as "StopM12"; -1 for any other key and
// for indexes written otherwise than as the entry's keys are read.
int EntryIndexOfKey(const std::string& key) {
  for (const char* name : kEntryKeys) {
    const std::string prefix = name;
    if (key.size() <= prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) continue;
    // "Day" also begins "DayOfWeek3": only an all-digit rest is an index.
    const std::string digits = key.substr(prefix.size());
    if (digits.size() > 9 || (digits.size() > 1 && digits[0] == '0')) continue;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    return std::stoi(digits);
  }
  return -1;
}

// The entries the file really holds: the indexes below "Number" that have
// at least one key, in order, and no more than the limit.
std::vector<int> EntryIndexes(TIniFile& ini) {
  const int number = ini.ReadInteger(kSection, "Number", 0);
  if (number <= 0) return {};
  TStringList keys;
  ini.ReadSection(kSection, keys);
  std::set<int> indexes;
  for (int i = 0; i < keys.Count(); ++i) {
    const int index = EntryIndexOfKey(keys[i]);
    if (index >= 0 && index < number) indexes.insert(index);
  }
  std::vector<int> present(indexes.begin(), indexes.end());
  if (present.size() > static_cast<size_t>(MaxScheduleEntries)) present.resize(MaxScheduleEntries);
  return present;
}

// A value outside the field's range is as good as missing.
int ReadField(TIniFile& ini, const std::string& key, int defaultValue, int maximum) {
  const int value = ini.ReadInteger(kSection, key, defaultValue);
  return value >= 0 && value <= maximum ? value : defaultValue;
}

// A time of day; false when a number in the file is no hour (0..23),
// minute or second (0..59). Text that is no number reads as 0.
bool ReadTime(TIniFile& ini, const std::string& prefix, const std::string& index, BYTE& hour, BYTE& minute,
              BYTE& second) {
  const int h = ini.ReadInteger(kSection, prefix + "H" + index, 0);
  const int m = ini.ReadInteger(kSection, prefix + "M" + index, 0);
  const int s = ini.ReadInteger(kSection, prefix + "S" + index, 0);
  if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return false;
  hour = static_cast<BYTE>(h);
  minute = static_cast<BYTE>(m);
  second = static_cast<BYTE>(s);
  return true;
}

// False for an entry whose start or stop is no time of day.
bool ReadEntry(TIniFile& ini, int index, ScheduleEntry& entry) {
  const std::string i = std::to_string(index);
  if (!ReadTime(ini, "Start", i, entry.StartH, entry.StartM, entry.StartS) ||
      !ReadTime(ini, "Stop", i, entry.StopH, entry.StopM, entry.StopS))
    return false;
  auto date = [&](const char* key, int defaultValue) {
    return static_cast<WORD>(ReadField(ini, key + i, defaultValue, 0xFFFF));
  };
  entry.Use = ini.ReadBool(kSection, "Use" + i, true);
  entry.Day = date("Day", 1);
  entry.Month = date("Month", 1);
  entry.Year = date("Year", 2004);
  entry.DayOfWeek = date("DayOfWeek", 1);
  return true;
}

void WriteEntry(TIniFile& ini, int index, const ScheduleEntry& entry) {
  const std::string i = std::to_string(index);
  ini.WriteBool(kSection, "Use" + i, entry.Use);
  ini.WriteInteger(kSection, "StartH" + i, entry.StartH);
  ini.WriteInteger(kSection, "StartM" + i, entry.StartM);
  ini.WriteInteger(kSection, "StartS" + i, entry.StartS);
  ini.WriteInteger(kSection, "StopH" + i, entry.StopH);
  ini.WriteInteger(kSection, "StopM" + i, entry.StopM);
  ini.WriteInteger(kSection, "StopS" + i, entry.StopS);
  ini.WriteInteger(kSection, "Day" + i, entry.Day);
  ini.WriteInteger(kSection, "Month" + i, entry.Month);
  ini.WriteInteger(kSection, "Year" + i, entry.Year);
  ini.WriteInteger(kSection, "DayOfWeek" + i, entry.DayOfWeek);
}

}  // namespace

bool ReadScheduleFile(const std::string& fileName, std::vector<ScheduleEntry>& entries) {
  TIniFile ini(fileName);
  std::vector<ScheduleEntry> read;
  for (int index : EntryIndexes(ini)) {
    ScheduleEntry entry;
    if (ReadEntry(ini, index, entry)) read.push_back(entry);
  }
  if (read.empty()) return false;
  entries = std::move(read);
  return true;
}

bool WriteScheduleFile(const std::string& fileName, const std::vector<ScheduleEntry>& entries) {
  try {
    TIniFile ini(fileName);
    ini.BeginUpdate();
    ini.EraseSection(kSection);
    ini.WriteInteger(kSection, "Number", static_cast<int>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) WriteEntry(ini, static_cast<int>(i), entries[i]);
    ini.EndUpdate();
    return true;
  } catch (const Exception&) {
    return false;
  }
}
