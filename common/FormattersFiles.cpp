// Sizes and format names of the files the tools list.

#include "common/Formatters.h"

#include "platform/framework/SysUtils.h"

namespace {

// "1,234,567": groups of three digits counted from the right.
std::string GroupThousands(std::int64_t value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
  return digits;
}

// size * 10 / unit without overflowing for the largest sizes.
std::int64_t TenthsOf(std::int64_t size, std::int64_t unit) {
  return size / unit * 10 + size % unit * 10 / unit;
}

}  // namespace

std::string FormatByteSize(std::int64_t size) {
  if (size < 0) size = 0;  // an unknown size (a file gone meanwhile) shows as empty
  constexpr std::int64_t kKilo = 1024;
  constexpr std::int64_t kMega = 1048576;
  std::int64_t tenths;
  const char* unit;
  if (size > kMega) {
    tenths = TenthsOf(size, kMega);
    unit = " MB";
  } else if (size <= kKilo) {
    tenths = size * 10;
    unit = " Bytes";
  } else {
    tenths = TenthsOf(size, kKilo);
    unit = " KB";
  }
  const std::int64_t decimal = tenths % 10;
  std::string text = PadLeftWith(GroupThousands(tenths / 10), 4, ' ');
  if (decimal != 0) text += "." + std::to_string(decimal);
  return text + unit;
}

std::string SizeSortKey(const std::string& sizeText) {
  if (sizeText.find("MB") != std::string::npos) return "c" + sizeText;
  if (sizeText.find("KB") != std::string::npos) return "b" + sizeText;
  if (sizeText.find("Bytes") != std::string::npos) return "a" + sizeText;
  return {};
}

std::string FormatNameOfFile(const std::string& fileName) {
  const std::string extension = UpperCase(ExtractFileExt(fileName));
  for (const char* format : {"WAV", "MP3", "WMA", "OGG"})
    if (extension == std::string(".") + format) return format;
  return {};
}
