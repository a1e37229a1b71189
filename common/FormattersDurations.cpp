// Durations as text, and times of day read back from "HH:MM:SS".

#include "common/Formatters.h"

#include <algorithm>

namespace {

struct Hms {
  std::int64_t hours;    // not wrapped at 24
  std::int64_t minutes;  // 0..59
  std::int64_t seconds;  // 0..59
};

// A negative span (a clock that went back, an unknown length) shows as 0.
std::int64_t NotNegative(std::int64_t ms) { return std::max<std::int64_t>(ms, 0); }

Hms SplitMs(std::int64_t ms) {
  const std::int64_t totalSeconds = NotNegative(ms) / 1000;
  return {totalSeconds / 3600, (totalSeconds / 60) % 60, totalSeconds % 60};
}

// One to two decimal digits, nothing else.
bool ReadTwoDigits(const std::string& part, BYTE& value) {
  if (part.empty() || part.size() > 2) return false;
  int number = 0;
  for (char c : part) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  value = static_cast<BYTE>(number);
  return true;
}

// Characters first..first+1 (counted from 1), as much of them as the text holds.
std::string PartAt(const std::string& text, size_t first) {
  return first - 1 < text.size() ? text.substr(first - 1, 2) : std::string();
}

}  // namespace

std::string MsToMinSec(std::int32_t ms) {
  const std::int64_t span = NotNegative(ms);
  return ZeroPad(span / 60000, 2) + ":" + ZeroPad((span / 1000) % 60, 2);
}

std::string FormatDurationWords(std::int64_t ms) {
  const Hms t = SplitMs(ms);
  return ZeroPad(t.hours, 2) + " hour " + ZeroPad(t.minutes, 2) + " min " + ZeroPad(t.seconds, 2) + " sec ";
}

std::string FormatDurationHms(std::int64_t ms) {
  const Hms t = SplitMs(ms);
  return ZeroPad(t.hours, 2) + "h " + ZeroPad(t.minutes, 2) + "m " + ZeroPad(t.seconds, 2) + "s ";
}

std::string FormatDurationClock(std::int64_t ms) {
  const Hms t = SplitMs(ms);
  return ZeroPad(t.hours, 2) + " : " + ZeroPad(t.minutes, 2) + " : " + ZeroPad(t.seconds, 2);
}

std::string FormatDurationMsec(std::int64_t ms) {
  const std::int64_t span = NotNegative(ms);
  return ZeroPad(span / 60000, 3) + " : " + ZeroPad((span / 1000) % 60, 2) + " : " + ZeroPad(span % 1000, 3);
}

void ParseHms(const std::string& text, BYTE& hour, BYTE& minute, BYTE& second) {
  if (!ReadTwoDigits(PartAt(text, 1), hour)) return;
  if (!ReadTwoDigits(PartAt(text, 4), minute)) return;
  ReadTwoDigits(PartAt(text, 7), second);
}
