// Floating-point text: reading, the general form and format strings.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/framework/SysUtils.h"

namespace {

// |value| as decimal digits without leading zeros; the decimal point
// stands after `point` digits (point may be <= 0 or beyond the digits).
struct Decimal {
  std::string digits;
  int point = 0;
};

// 18 significant digits, enough to settle every tie the way the
// extended-precision original did.
Decimal ToDecimal(double value) {
  Decimal d;
  if (value == 0) {
    d.digits = "0";
    d.point = 1;
    return d;
  }
  char text[40];
  std::snprintf(text, sizeof text, "%.17e", std::fabs(value));
  std::string s = text;
  size_t e = s.find('e');
  d.digits = s.substr(0, 1) + s.substr(2, e - 2);
  d.point = std::stoi(s.substr(e + 1)) + 1;
  return d;
}

// Keeps `count` digits, rounding half away from zero.
void KeepDigits(Decimal& d, int count) {
  if (count < 0) {
    d.digits = "0";
    d.point = 1;
    return;
  }
  if (count >= static_cast<int>(d.digits.size())) return;
  bool up = d.digits[static_cast<size_t>(count)] >= '5';
  d.digits.resize(static_cast<size_t>(count));
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') d.digits[static_cast<size_t>(i--)] = '0';
    if (i >= 0) ++d.digits[static_cast<size_t>(i)];
    else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    }
  }
  if (d.digits.empty()) {
    d.digits = "0";
    d.point = 1;
  }
}

bool AllZero(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

std::string StripTrailingZeros(std::string s) {
  while (!s.empty() && s.back() == '0') s.pop_back();
  return s;
}

std::string InsertThousands(const std::string& integer) {
  std::string result;
  int count = 0;
  for (size_t i = integer.size(); i-- > 0;) {
    if (count > 0 && count % 3 == 0) result.insert(result.begin(), ',');
    result.insert(result.begin(), integer[i]);
    ++count;
  }
  return result;
}

// One section of a format string, reduced to what it asks for.
struct Pattern {
  std::string prefix, suffix;  // literal text before and after the number
  int minInteger = 0;
  int minFraction = 0, maxFraction = 0;
  bool thousands = false;
  bool scientific = false, exponentAlwaysSigned = false;
  int exponentDigits = 0;
};

Pattern ParsePattern(const std::string& section) {
  Pattern p;
  bool inNumber = false, afterPoint = false, done = false;
  for (size_t i = 0; i < section.size(); ++i) {
    char c = section[i];
    std::string literal;
    if (c == '"' || c == '\'') {
      size_t close = section.find(c, i + 1);
      if (close == std::string::npos) close = section.size();
      literal = section.substr(i + 1, close - i - 1);
      i = close;
    } else if (!done && (c == '0' || c == '#')) {
      inNumber = true;
      if (afterPoint) {
        ++p.maxFraction;
        if (c == '0') p.minFraction = p.maxFraction;
      } else if (c == '0' || p.minInteger > 0) {
        ++p.minInteger;
      }
      continue;
    } else if (!done && c == '.') {
      inNumber = afterPoint = true;
      continue;
    } else if (!done && c == ',') {
      p.thousands = true;
      continue;
    } else if (!done && inNumber && (c == 'E' || c == 'e') && i + 1 < section.size() &&
               (section[i + 1] == '+' || section[i + 1] == '-')) {
      p.scientific = true;
      p.exponentAlwaysSigned = section[i + 1] == '+';
      i += 2;
      while (i < section.size() && section[i] == '0') ++p.exponentDigits, ++i;
      --i;
      done = true;
      continue;
    } else {
      literal = std::string(1, c);
    }
    (inNumber ? p.suffix : p.prefix) += literal;
    if (inNumber) done = true;
  }
  return p;
}

std::vector<std::string> SplitSections(const std::string& format) {
  std::vector<std::string> sections(1);
  char quote = 0;
  for (char c : format) {
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      sections.emplace_back();
      continue;
    }
    sections.back() += c;
  }
  return sections;
}

std::string FormatFixed(const Pattern& p, double value) {
  Decimal d = ToDecimal(value);
  KeepDigits(d, d.point + p.maxFraction);
  std::string integer, fraction;
  for (int i = 0; i < d.point; ++i)
    integer += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
  for (int i = d.point; i < d.point + p.maxFraction; ++i)
    fraction += i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
  if (static_cast<int>(integer.size()) < p.minInteger)
    integer.insert(0, static_cast<size_t>(p.minInteger) - integer.size(), '0');
  while (static_cast<int>(fraction.size()) > p.minFraction && fraction.back() == '0') fraction.pop_back();
  if (p.thousands) integer = InsertThousands(integer);
  return fraction.empty() ? integer : integer + "." + fraction;
}

std::string FormatScientific(const Pattern& p, double value) {
  Decimal d = ToDecimal(value);
  KeepDigits(d, 1 + p.maxFraction);
  int exponent = AllZero(d.digits) ? 0 : d.point - 1;
  std::string fraction = d.digits.substr(1);
  fraction.resize(static_cast<size_t>(p.maxFraction), '0');
  while (static_cast<int>(fraction.size()) > p.minFraction && fraction.back() == '0') fraction.pop_back();
  std::string exponentText = std::to_string(std::abs(exponent));
  if (static_cast<int>(exponentText.size()) < p.exponentDigits)
    exponentText.insert(0, static_cast<size_t>(p.exponentDigits) - exponentText.size(), '0');
  std::string sign = exponent < 0 ? "-" : p.exponentAlwaysSigned ? "+" : "";
  std::string mantissa = d.digits.substr(0, 1) + (fraction.empty() ? "" : "." + fraction);
  return mantissa + "E" + sign + exponentText;
}

bool IsZeroText(const std::string& number) {
  for (char c : number) {
    if (c == 'E') break;
    if (c >= '1' && c <= '9') return false;
  }
  return true;
}

}  // namespace

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  Decimal d = ToDecimal(value);
  KeepDigits(d, 15);
  std::string digits = StripTrailingZeros(d.digits);
  if (digits.empty()) return "0";
  std::string sign = value < 0 ? "-" : "";
  if (d.point > 15 || d.point < -3) {
    std::string mantissa = digits.substr(0, 1);
    if (digits.size() > 1) mantissa += "." + digits.substr(1);
    return sign + mantissa + "E" + std::to_string(d.point - 1);
  }
  if (d.point <= 0) return sign + "0." + std::string(static_cast<size_t>(-d.point), '0') + digits;
  if (static_cast<int>(digits.size()) <= d.point)
    return sign + digits + std::string(static_cast<size_t>(d.point) - digits.size(), '0');
  return sign + digits.substr(0, static_cast<size_t>(d.point)) + "." + digits.substr(static_cast<size_t>(d.point));
}

std::string FormatFloat(const std::string& format, double value) {
  if (format.empty() || std::isnan(value) || std::isinf(value)) return FloatToStr(value);
  std::vector<std::string> sections = SplitSections(format);
  size_t chosen = 0;
  bool signInSection = false;
  if (value < 0 && sections.size() >= 2 && !sections[1].empty()) chosen = 1, signInSection = true;
  Pattern pattern = ParsePattern(sections[chosen]);
  std::string number = pattern.scientific ? FormatScientific(pattern, value) : FormatFixed(pattern, value);
  if (IsZeroText(number) && sections.size() >= 3 && !sections[2].empty()) {
    pattern = ParsePattern(sections[2]);
    number = pattern.scientific ? FormatScientific(pattern, 0) : FormatFixed(pattern, 0);
    signInSection = true;
  }
  std::string sign = value < 0 && !signInSection && !IsZeroText(number) ? "-" : "";
  return pattern.prefix + sign + number + pattern.suffix;
}

bool TryStrToFloat(const std::string& s, double& value) {
  std::string text = Trim(s);
  // Only plain decimal notation: no "inf", "nan" or hexadecimal.
  size_t i = 0, digits = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t numberStart = i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') ++i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exponentDigits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  if (i != text.size()) return false;
  double parsed = 0;
  auto result = std::from_chars(text.data() + numberStart, text.data() + text.size(), parsed);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
  value = text[0] == '-' ? -parsed : parsed;
  return true;
}

double StrToFloat(const std::string& s) {
  double value;
  if (!TryStrToFloat(s, value)) throw EConvertError("'" + s + "' is not a valid floating point value");
  return value;
}

double StrToFloatDef(const std::string& s, double defaultValue) {
  double value;
  return TryStrToFloat(s, value) ? value : defaultValue;
}

std::int64_t Round(double value) {
  double rounded = std::floor(value);
  double rest = value - rounded;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0)) rounded += 1;
  if (std::isnan(rounded) || rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0)
    throw EInvalidOp("Invalid floating point operation");
  return static_cast<std::int64_t>(rounded);
}

std::int64_t Trunc(double value) {
  double truncated = std::trunc(value);
  if (std::isnan(truncated) || truncated < -9223372036854775808.0 || truncated >= 9223372036854775808.0)
    throw EInvalidOp("Invalid floating point operation");
  return static_cast<std::int64_t>(truncated);
}
