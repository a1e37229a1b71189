#include "platform/framework/SysUtils.h"

#include <limits>

#include "platform/base/Exceptions.h"

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int DigitValue(char c, int base) {
  int digit = -1;
  if (c >= '0' && c <= '9') digit = c - '0';
  else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
  return digit < base ? digit : -1;
}

// Parses into a magnitude of at most `limit`; false on anything else.
bool ParseInteger(const std::string& s, std::uint64_t limitPositive, std::uint64_t limitNegative,
                  bool& negative, std::uint64_t& magnitude) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return false;
  const std::uint64_t limit = negative ? limitNegative : limitPositive;
  magnitude = 0;
  for (; i < s.size(); ++i) {
    int digit = DigitValue(s[i], base);
    if (digit < 0) return false;
    if (magnitude > (limit - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base))
      return false;
    magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
  }
  return true;
}

template <typename Int>
bool TryParse(const std::string& s, Int& value) {
  using Unsigned = std::make_unsigned_t<Int>;
  const auto maxPositive = static_cast<std::uint64_t>(std::numeric_limits<Int>::max());
  bool negative;
  std::uint64_t magnitude;
  if (!ParseInteger(s, maxPositive, maxPositive + 1, negative, magnitude)) return false;
  // Two's complement negation keeps the most negative value exact.
  Unsigned bits = static_cast<Unsigned>(magnitude);
  value = static_cast<Int>(negative ? static_cast<Unsigned>(0 - bits) : bits);
  return true;
}

[[noreturn]] void ThrowNotAnInteger(const std::string& s) {
  throw EConvertError("'" + s + "' is not a valid integer value");
}

}  // namespace

std::string TrimLeft(const std::string& s) {
  size_t first = 0;
  while (first < s.size() && IsBlankOrControl(s[first])) ++first;
  return s.substr(first);
}

std::string TrimRight(const std::string& s) {
  size_t end = s.size();
  while (end > 0 && IsBlankOrControl(s[end - 1])) --end;
  return s.substr(0, end);
}

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }

std::string UpperCase(const std::string& s) {
  std::string result = s;
  for (char& c : result) c = AsciiUpper(c);
  return result;
}

std::string LowerCase(const std::string& s) {
  std::string result = s;
  for (char& c : result) c = AsciiLower(c);
  return result;
}

int CompareText(const std::string& a, const std::string& b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    int diff = static_cast<unsigned char>(AsciiUpper(a[i])) - static_cast<unsigned char>(AsciiUpper(b[i]));
    if (diff != 0) return diff;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

int CompareStr(const std::string& a, const std::string& b) {
  int result = a.compare(b);
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::int64_t value, int digits) {
  static const char hex[] = "0123456789ABCDEF";
  auto bits = static_cast<std::uint64_t>(value);
  std::string result;
  do {
    result.insert(result.begin(), hex[bits & 0xF]);
    bits >>= 4;
  } while (bits != 0);
  if (static_cast<int>(result.size()) < digits) result.insert(0, static_cast<size_t>(digits) - result.size(), '0');
  return result;
}

bool TryStrToInt(const std::string& s, int& value) { return TryParse(s, value); }
bool TryStrToInt64(const std::string& s, std::int64_t& value) { return TryParse(s, value); }

int StrToInt(const std::string& s) {
  int value;
  if (!TryStrToInt(s, value)) ThrowNotAnInteger(s);
  return value;
}

std::int64_t StrToInt64(const std::string& s) {
  std::int64_t value;
  if (!TryStrToInt64(s, value)) ThrowNotAnInteger(s);
  return value;
}

int StrToIntDef(const std::string& s, int defaultValue) {
  int value;
  return TryStrToInt(s, value) ? value : defaultValue;
}

std::int64_t StrToInt64Def(const std::string& s, std::int64_t defaultValue) {
  std::int64_t value;
  return TryStrToInt64(s, value) ? value : defaultValue;
}

int MulDiv(int value, int numerator, int denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  bool negative = (product < 0) != (denominator < 0);
  // Magnitudes fit: |product| <= 2^62 and |denominator| <= 2^31.
  std::uint64_t top = product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
  std::uint64_t bottom = denominator < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(denominator))
                                         : static_cast<std::uint64_t>(denominator);
  std::uint64_t quotient = (top + bottom / 2) / bottom;
  if (quotient > (negative ? 2147483648ULL : 2147483647ULL)) return -1;
  return negative ? static_cast<int>(-static_cast<std::int64_t>(quotient)) : static_cast<int>(quotient);
}
