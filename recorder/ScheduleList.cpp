#include "recorder/ScheduleList.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/ScheduleFile.h"

namespace {

void SetDates(ScheduleEntry& entry, WORD year, WORD month, WORD day, WORD dayOfWeek) {
  entry.Year = year;
  entry.Month = month;
  entry.Day = day;
  entry.DayOfWeek = dayOfWeek;
}

void SetTimes(ScheduleEntry& entry, const std::string& startText, const std::string& stopText) {
  ParseHms(startText, entry.StartH, entry.StartM, entry.StartS);
  ParseHms(stopText, entry.StopH, entry.StopM, entry.StopS);
}

const std::string& ColumnText(const ScheduleRow& row, int column) {
  return column == 1 ? row.StartText : column == 2 ? row.StopText : row.FrequencyText;
}

}  // namespace

const ScheduleRow& TScheduleList::Row(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return rows_[static_cast<size_t>(index)];
}

void TScheduleList::SetChecked(int index, bool checked) {
  Row(index);
  rows_[static_cast<size_t>(index)].Entry.Use = checked;
}

void TScheduleList::Add(const std::string& startText, const std::string& stopText, bool use, WORD year,
                        WORD month, WORD day, WORD dayOfWeek) {
  ScheduleRow row;
  row.Entry.Use = use;
  SetTimes(row.Entry, startText, stopText);
  SetDates(row.Entry, year, month, day, dayOfWeek);
  row.StartText = startText;
  row.StopText = stopText;
  row.FrequencyText = FrequencyText(row.Entry, FrequencyWording::Added);
  rows_.push_back(std::move(row));
}

void TScheduleList::Replace(int selected, const std::string& startText, const std::string& stopText, WORD year,
                            WORD month, WORD day, WORD dayOfWeek) {
  if (selected < 0 || selected >= Count()) return;
  ScheduleRow& row = rows_[static_cast<size_t>(selected)];
  SetTimes(row.Entry, startText, stopText);
  SetDates(row.Entry, year, month, day, dayOfWeek);
  row.StartText = startText;
  row.StopText = stopText;
  row.FrequencyText = FrequencyText(row.Entry, FrequencyWording::Stored);
}

void TScheduleList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  rows_.erase(rows_.begin() + index);
}

void TScheduleList::Clear() { rows_.clear(); }

ScheduleRow TScheduleList::StoredRow(const ScheduleEntry& entry) {
  return {entry, StartTimeText(entry), StopTimeText(entry), FrequencyText(entry, FrequencyWording::Stored)};
}

void TScheduleList::Assign(const std::vector<ScheduleEntry>& entries) {
  std::vector<ScheduleRow> rows;
  rows.reserve(entries.size());
  for (const ScheduleEntry& entry : entries) rows.push_back(StoredRow(entry));
  rows_ = std::move(rows);
}

std::vector<ScheduleEntry> TScheduleList::Entries() const {
  std::vector<ScheduleEntry> entries;
  entries.reserve(rows_.size());
  for (const ScheduleRow& row : rows_) entries.push_back(row.Entry);
  return entries;
}

void TScheduleList::SortByColumn(int column) {
  if (column < 1 || column > 3) return;  // the "Use" column has no text to compare
  std::stable_sort(rows_.begin(), rows_.end(), [column](const ScheduleRow& a, const ScheduleRow& b) {
    return CompareText(ColumnText(a, column), ColumnText(b, column)) < 0;
  });
}

bool TScheduleList::LoadFromFile(const std::string& fileName) {
  std::vector<ScheduleEntry> entries;
  if (!ReadScheduleFile(fileName, entries)) return false;
  Assign(entries);
  return true;
}

bool TScheduleList::SaveToFile(const std::string& fileName) const { return WriteScheduleFile(fileName, Entries()); }

void TScheduleList::Publish() const { ScheduleEntries = Entries(); }
