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

// Reads the entries the file holds: those below "Number" with at least one
// key, in order of their numbers, so the count read is the count there.
// A missing key, a text that is no number, or a date field that does not
// fit, takes the key's default. An entry whose start or stop is no time of
// day (hour above 23, minute or second above 59) is left out and the rest
// read. Returns false, leaving `entries` untouched, when no entry is read.
bool ReadScheduleFile(const std::string& fileName, std::vector<ScheduleEntry>& entries);

// Replaces the section "Schedule" of the file (created when missing; its
// other sections stay). False when the file could not be written.
bool WriteScheduleFile(const std::string& fileName, const std::vector<ScheduleEntry>& entries);
