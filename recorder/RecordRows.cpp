#include "recorder/RecordRows.h"

#include "platform/base/Exceptions.h"
#include "recorder/GlobeVar.h"

std::string RecordTimeText(const SYSTEMTIME& time) {
  return ZeroPad(time.wYear, 4) + "-" + ZeroPad(time.wMonth, 2) + "-" + ZeroPad(time.wDay, 2) + " " +
         ZeroPad(time.wHour, 2) + ":" + ZeroPad(time.wMinute, 2) + ":" + ZeroPad(time.wSecond, 2);
}

bool SameSecond(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
         a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

int TRecordRows::StartRecording(const SYSTEMTIME& start, TOutputFormat format, const std::string& path) {
  lastReused_ = !rows_.empty() && SameSecond(previousStart_, start);
  previousStart_ = start;
  TRecordRow row;
  row.Caption = FormatName(format);
  row.ImageIndex = FormatImageIndex(format);
  row.RecordTime = RecordTimeText(start);
  row.Status = "Recording...";
  row.Path = path;
  if (lastReused_)
    rows_.back() = row;
  else
    rows_.push_back(row);
  return Count() - 1;
}

TRecordRow& TRecordRows::Row(int index) {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return rows_[static_cast<size_t>(index)];
}

const TRecordRow& TRecordRows::Row(int index) const { return const_cast<TRecordRows*>(this)->Row(index); }
