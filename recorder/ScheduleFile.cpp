#include "recorder/ScheduleFile.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"
#include "platform/framework/StringList.h"
#include "platform/framework/SysUtils.h"

namespace {

const char* const kSection = "Schedule";
const char* const kEntryKeys[] = {"Use",   "StartH", "StartM", "StartS", "StopH",    "StopM",
                                  "StopS", "Day",    "Month",  "Year",   "DayOfWeek"};

// The index of an entry key such as "StopM12"; -1 for any other key.
// Indexes beyond the entry limit count as the limit.
int EntryIndexOfKey(const std::string& key) {
  for (const char* name : kEntryKeys) {
    const std::string prefix = name;
    if (key.size() <= prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) continue;
    // "Day" also begins "DayOfWeek3": only an all-digit rest is an index.
    const std::string digits = key.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    long long index = 0;
    for (char c : digits) {
      index = index * 10 + (c - '0');
      if (index >= MaxScheduleEntries) return MaxScheduleEntries;
    }
    return static_cast<int>(index);
  }
  return -1;
}

// How many entries the file can really hold: "Number", but never more
// than one past the highest index that has a key, nor the limit.
int EntryCount(TIniFile& ini) {
  const int number = ini.ReadInteger(kSection, "Number", 0);
  if (number <= 0) return 0;
  TStringList keys;
  ini.ReadSection(kSection, keys);
  int highest = -1;
  for (int i = 0; i < keys.Count(); ++i) highest = std::max(highest, EntryIndexOfKey(keys[i]));
  return std::min({number, highest + 1, MaxScheduleEntries});
}

// A value outside the field's range is as good as missing.
int ReadField(TIniFile& ini, const std::string& key, int defaultValue, int maximum) {
  const int value = ini.ReadInteger(kSection, key, defaultValue);
  return value >= 0 && value <= maximum ? value : defaultValue;
}

ScheduleEntry ReadEntry(TIniFile& ini, int index) {
  const std::string i = std::to_string(index);
  auto time = [&](const char* key) { return static_cast<BYTE>(ReadField(ini, key + i, 0, 0xFF)); };
  auto date = [&](const char* key, int defaultValue) {
    return static_cast<WORD>(ReadField(ini, key + i, defaultValue, 0xFFFF));
  };
  ScheduleEntry entry;
  entry.Use = ini.ReadBool(kSection, "Use" + i, true);
  entry.StartH = time("StartH");
  entry.StartM = time("StartM");
  entry.StartS = time("StartS");
  entry.StopH = time("StopH");
  entry.StopM = time("StopM");
  entry.StopS = time("StopS");
  entry.Day = date("Day", 1);
  entry.Month = date("Month", 1);
  entry.Year = date("Year", 2004);
  entry.DayOfWeek = date("DayOfWeek", 1);
  return entry;
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
  const int count = EntryCount(ini);
  if (count <= 0) return false;
  std::vector<ScheduleEntry> read;
  read.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) read.push_back(ReadEntry(ini, i));
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
