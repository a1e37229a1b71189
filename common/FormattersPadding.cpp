// Padding and the blank markers of the player's rows.

#include "common/Formatters.h"

#include <algorithm>

#include "platform/framework/SysUtils.h"

namespace {

// UTF-8 continuation bytes do not start a character.
int CharacterCount(const std::string& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(),
                                        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string ZeroPad(std::int64_t n, int w) {
  std::string digits = std::to_string(n);
  const bool negative = n < 0;
  if (negative) digits.erase(0, 1);
  const int signWidth = negative ? 1 : 0;
  if (static_cast<int>(digits.size()) + signWidth < w)
    digits.insert(0, static_cast<size_t>(w - signWidth) - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

std::string PadLeftWith(const std::string& text, int w, char c) {
  const int missing = w - CharacterCount(text);
  return missing > 0 ? std::string(static_cast<size_t>(missing), c) + text : text;
}

std::string Blanks(int n) { return std::string(static_cast<size_t>(std::clamp(n, 0, 255)), ' '); }

std::string IndentText(const std::string& text, int n) { return Blanks(n) + Trim(text); }

int LeadingBlankCount(const std::string& text) {
  const size_t removed = text.size() - Trim(text).size();
  return static_cast<int>(std::min<size_t>(removed, 255));
}
