#include "recorder/BurnerRules.h"

bool BurnTypeTakesFormat(int typeIndex, const std::string& format) {
  switch (typeIndex) {
    case 0: return format == "WAV" || format == "MP3" || format == "WMA" || format == "OGG";
    case 1: return format == "MP3";
    case 2: return format == "WMA";
    default: return false;
  }
}

BYTE MediumForBurn(BYTE code, BYTE status, int burnType) {
  if (status == 0) return code;
  if (status == 1 && burnType != 1) return code;
  return 0;
}

std::string UnsuitedDiscNotice(int burnType) {
  if (burnType == 1) return "Please insert a blank CD disc to burn.";
  if (burnType == 5) return "Please insert a writable DVD disc.";
  return "Please insert a writable CD disc.";
}

char DriveLetterOf(const std::string& deviceName) { return deviceName.empty() ? 0 : deviceName.front(); }

