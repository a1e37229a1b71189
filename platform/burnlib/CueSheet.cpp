#include "platform/burnlib/CueSheet.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/burnlib/CdAudioDecoder.h"

namespace burnlib {

namespace {

// A sector position as minutes:seconds:frames, 75 frames a second.
std::string Msf(std::int64_t sector) {
  char text[64];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(sector / (75 * 60)),
                static_cast<long long>(sector / 75 % 60), static_cast<long long>(sector % 75));
  return text;
}

}  // namespace

std::string CueSheetText(const std::string& binName, const std::vector<std::int64_t>& trackBytes) {
  std::string text = "FILE \"" + binName + "\" BINARY\r\n";
  std::int64_t sector = 0;
  for (size_t i = 0; i < trackBytes.size(); ++i) {
    char number[24];
    std::snprintf(number, sizeof number, "%02zu", i + 1);
    text += std::string("  TRACK ") + number + " AUDIO\r\n";
    text += "    INDEX 01 " + Msf(sector) + "\r\n";
    sector += trackBytes[i] / kCdSectorBytes;
  }
  return text;
}

std::string FinishCueImage(const std::string& binPath, const std::string& cuePath,
                           const std::vector<std::int64_t>& trackBytes) {
  std::int64_t total = 0;
  for (std::int64_t bytes : trackBytes) total += bytes;
  std::error_code error;
  std::filesystem::resize_file(binPath, static_cast<std::uintmax_t>(total), error);
  if (error) return "cannot finish the image " + binPath + ": " + error.message();
  std::ofstream cue(cuePath, std::ios::binary);
  cue << CueSheetText(std::filesystem::path(binPath).filename().string(), trackBytes);
  cue.close();
  if (!cue) return "cannot write the CUE sheet " + cuePath;
  return "";
}

}  // namespace burnlib
