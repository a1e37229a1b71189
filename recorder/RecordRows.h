#pragma once
// The rows of the record list: one per recording made since start-up, with
// the full path of the file each row holds. A recording started within the
// same second as the one before takes over that row instead of adding one.

#include <string>
#include <vector>

#include "platform/os/Clock.h"
#include "recorder/OutputNaming.h"

struct TRecordRow {
  std::string Caption;     // format name, "WAV" ...
  int ImageIndex = 0;      // by format
  std::string RecordTime;  // "YYYY-MM-DD hh:mm:ss"
  std::string Status;
  std::string Duration;
  std::string Size;
  std::string Path;  // the file the row plays
};

// "2024-01-31 13:05:09".
std::string RecordTimeText(const SYSTEMTIME& time);
// Same date, hour, minute and second; milliseconds are not compared.
bool SameSecond(const SYSTEMTIME& a, const SYSTEMTIME& b);

class TRecordRows {
 public:
  // The row of a recording that starts now; answers its index. A reused
  // row is filled anew, so it names the file it really holds (the second
  // file of that second gets another name, " New").
  int StartRecording(const SYSTEMTIME& start, TOutputFormat format, const std::string& path);
  // True when the last StartRecording took over the row before.
  bool LastRowReused() const { return lastReused_; }

  int Count() const { return static_cast<int>(rows_.size()); }
  // Outside the list: EListError.
  TRecordRow& Row(int index);
  const TRecordRow& Row(int index) const;

 private:
  std::vector<TRecordRow> rows_;
  SYSTEMTIME previousStart_{};
  bool lastReused_ = false;
};
