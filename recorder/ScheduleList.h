#pragma once
// The schedule as the options window edits it: the entries and the rows
// of its list side by side, row i showing entry i. A row's check box is
// its entry's Use. Edits reach the schedule timer only by Publish.

#include <string>
#include <vector>

#include "recorder/ScheduleEntry.h"

struct ScheduleRow {
  ScheduleEntry Entry;
  std::string StartText;      // "HH:MM:SS"
  std::string StopText;
  std::string FrequencyText;  // see FrequencyWording
};

class TScheduleList {
 public:
  int Count() const { return static_cast<int>(rows_.size()); }
  // Index outside the list: both throw EListError.
  const ScheduleRow& Row(int index) const;
  void SetChecked(int index, bool checked);

  // A row added through the entry dialog: times parsed from "HH:MM:SS".
  void Add(const std::string& startText, const std::string& stopText, bool use, WORD year, WORD month, WORD day,
           WORD dayOfWeek);
  // Overwrites the times and dates of the selected row; its check box
  // stays. Does nothing without a selected row (index -1 or outside).
  void Replace(int selected, const std::string& startText, const std::string& stopText, WORD year, WORD month,
               WORD day, WORD dayOfWeek);
  void Delete(int index);  // later rows move up; outside the list: nothing
  void Clear();

  // Rows rebuilt from the entries (after loading, or on Cancel).
  void Assign(const std::vector<ScheduleEntry>& entries);
  std::vector<ScheduleEntry> Entries() const;

  // Column 0 keeps the order; 1 start, 2 stop, 3 frequency text,
  // ascending and ignoring case. Equal rows keep their order.
  void SortByColumn(int column);

  // Loading a file without entries changes nothing; false then.
  bool LoadFromFile(const std::string& fileName);
  bool SaveToFile(const std::string& fileName) const;

  // ScheduleEntries becomes an exact copy of the entries, in order.
  void Publish() const;

 private:
  static ScheduleRow StoredRow(const ScheduleEntry& entry);
  std::vector<ScheduleRow> rows_;
};
