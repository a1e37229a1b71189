#pragma once
// Schedule files: ini files whose section "Schedule" holds "Number" and,
// for each entry i counted from 0, the keys Use<i>, StartH<i>, StartM<i>,
// StartS<i>, StopH<i>, StopM<i>, StopS<i>, Day<i>, Month<i>, Year<i> and
// DayOfWeek<i>.

#include <string>
#include <vector>

#include "recorder/ScheduleEntry.h"

// More entries than this are never read from one file.
constexpr int MaxScheduleEntries = 1000;

// Reads the file's entries. A missing key, or a value that does not fit
// its field, takes the key's default. Returns false, leaving `entries`
// untouched, when the file holds no entries: no section, a "Number" of 0
// or less, or no keys of any entry.
bool ReadScheduleFile(const std::string& fileName, std::vector<ScheduleEntry>& entries);

// Replaces the section "Schedule" of the file (created when missing; its
// other sections stay). False when the file could not be written.
bool WriteScheduleFile(const std::string& fileName, const std::vector<ScheduleEntry>& entries);
