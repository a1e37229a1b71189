#include "platform/framework/DateTimePickerDates.h"

#include <langinfo.h>
#include <locale.h>

#include <cmath>
#include <string_view>

namespace {

// Days from 1 January 1970 of a proleptic Gregorian date, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

constexpr long long kDaysFrom1899To1970 = 25569;

// The user's time locale (LC_TIME and its fall-backs), read afresh so
// that the process-wide locale is never touched.
class TUserTimeLocale {
 public:
  TUserTimeLocale() {
    locale_ = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (locale_ == static_cast<locale_t>(0)) locale_ = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  }
  ~TUserTimeLocale() {
    if (locale_ != static_cast<locale_t>(0)) freelocale(locale_);
  }
  TUserTimeLocale(const TUserTimeLocale&) = delete;
  TUserTimeLocale& operator=(const TUserTimeLocale&) = delete;
  std::string Item(nl_item item) const {
    if (locale_ == static_cast<locale_t>(0)) return {};
    const char* text = nl_langinfo_l(item, locale_);
    return text ? text : "";
  }

 private:
  locale_t locale_;
};

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string OrEnglish(const std::string& text, const char* english) { return text.empty() ? english : text; }

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

// The pattern with glibc's flags and widths left out and the composite
// conversions (%D, %F, %x) written out.
std::string Normalised(const std::string& pattern, int depth = 0) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    std::size_t j = i + 1;
    while (j < pattern.size() && std::string_view("_-0^#123456789").find(pattern[j]) != std::string_view::npos) ++j;
    if (j < pattern.size() && (pattern[j] == 'E' || pattern[j] == 'O')) ++j;
    if (j == pattern.size()) break;
    char c = pattern[j];
    if (c == 'D' || c == 'x') out += depth == 0 ? Normalised("%m/%d/%y", 1) : "";
    else if (c == 'F') out += "%Y-%m-%d";
    else out += std::string("%") + c;
    i = j;
  }
  return out;
}

// Where the day, month and year stand in a short format: 'd', 'm' and
// 'y' in their order of appearance (fewer when some are missing).
std::string FieldOrder(const std::string& pattern) {
  std::string order;
  for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
    if (pattern[i] != '%') continue;
    char c = pattern[++i];
    char field = c == 'd' || c == 'e' ? 'd' : c == 'm' || c == 'b' || c == 'B' || c == 'h' ? 'm'
                 : c == 'y' || c == 'Y'                                                    ? 'y'
                                                                                            : 0;
    if (field && order.find(field) == std::string::npos) order += field;
  }
  return order;
}

// Writes a strftime-like pattern of the conversions this needs (%d %e %m
// %y %Y %b %B %a %A %%); other text stays as it is.
std::vector<TDatePart> Expand(const std::string& pattern, int year, int month, int day,
                              const TUserTimeLocale& locale) {
  std::vector<TDatePart> parts;
  auto text = [&](const std::string& t) {
    if (t.empty()) return;
    if (!parts.empty() && parts.back().Field == dtfNone) parts.back().Text += t;
    else parts.push_back({t, dtfNone});
  };
  int weekDay = DayOfWeekOf(year, month, day);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      text(std::string(1, pattern[i]));
      continue;
    }
    char c = pattern[++i];
    switch (c) {
      case 'd': parts.push_back({TwoDigits(day), dtfDay}); break;
      case 'e': parts.push_back({std::to_string(day), dtfDay}); break;
      case 'm': parts.push_back({TwoDigits(month), dtfMonth}); break;
      case 'y': parts.push_back({TwoDigits(year % 100), dtfYear}); break;
      case 'Y': parts.push_back({std::to_string(year), dtfYear}); break;
      case 'b':
      case 'h':
        parts.push_back({OrEnglish(locale.Item(ABMON_1 + month - 1), kMonthNames[month - 1]), dtfMonth});
        break;
      case 'B': parts.push_back({OrEnglish(locale.Item(MON_1 + month - 1), kMonthNames[month - 1]), dtfMonth}); break;
      case 'a': text(OrEnglish(locale.Item(ABDAY_1 + weekDay), kDayNames[weekDay])); break;
      case 'A': text(OrEnglish(locale.Item(DAY_1 + weekDay), kDayNames[weekDay])); break;
      case '%': text("%"); break;
      default: break;  // conversions of time or era have no place in a date
    }
  }
  return parts;
}

// The long format follows the order of the short one, with names.
std::string LongPattern(const std::string& order) {
  if (order == "dmy") return "%A, %e %B %Y";
  if (order[0] == 'y') return "%Y %B %e, %A";
  return "%A, %B %e, %Y";
}

// The first count characters (code points) of UTF-8 text.
std::string FirstCharacters(const std::string& text, int count) {
  std::size_t end = 0;
  while (end < text.size() && count > 0) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    --count;
  }
  return text.substr(0, end);
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInAMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInAMonth(year, month);
}

TDateTime EncodeDate(WORD year, WORD month, WORD day) {
  return static_cast<TDateTime>(DaysFromCivil(year, month, day) + kDaysFrom1899To1970);
}

void DecodeDate(TDateTime value, WORD& year, WORD& month, WORD& day) {
  int y = 0, m = 0, d = 0;
  CivilFromDays(static_cast<long long>(std::floor(value)) - kDaysFrom1899To1970, y, m, d);
  year = static_cast<WORD>(y);
  month = static_cast<WORD>(m);
  day = static_cast<WORD>(d);
}

int DayOfWeekOf(int year, int month, int day) {
  long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
  // 1 January 1970 was a Thursday.
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

namespace detail {

std::vector<TDatePart> WriteDateInPattern(const std::string& shortPattern, int year, int month, int day,
                                          TDTDateFormat format) {
  TUserTimeLocale locale;
  std::string pattern = Normalised(shortPattern);
  // A short format without all three fields cannot be edited field by field.
  if (FieldOrder(pattern).size() != 3) pattern = "%m/%d/%Y";
  if (format == dfLong) pattern = LongPattern(FieldOrder(pattern));
  return Expand(pattern, year, month, day, locale);
}

}  // namespace detail

std::vector<TDatePart> WriteDate(int year, int month, int day, TDTDateFormat format) {
  return detail::WriteDateInPattern(TUserTimeLocale().Item(D_FMT), year, month, day, format);
}

std::string DateText(int year, int month, int day, TDTDateFormat format) {
  std::string text;
  for (const TDatePart& part : WriteDate(year, month, day, format)) text += part.Text;
  return text;
}

std::string LocaleMonthName(int month) {
  if (month < 1 || month > 12) return {};
  TUserTimeLocale locale;
  return OrEnglish(locale.Item(MON_1 + month - 1), kMonthNames[month - 1]);
}

std::string LocaleShortDayName(int dayOfWeek) {
  if (dayOfWeek < 0 || dayOfWeek > 6) return {};
  TUserTimeLocale locale;
  return FirstCharacters(OrEnglish(locale.Item(ABDAY_1 + dayOfWeek), kDayNames[dayOfWeek]), 2);
}
