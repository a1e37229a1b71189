#pragma once
// The burner window's rules that need no window: which files a burn type
// takes, which discs suit it, and what the user is told about a burn.

#include <string>

#include "platform/base/Types.h"

// Whether a file of this format ("WAV", "MP3", "WMA", "OGG") belongs on a
// disc of the burn type chosen in the box (0 Audio CD, 1 MP3 CD, 2 WMA CD).
bool BurnTypeTakesFormat(int typeIndex, const std::string& format);

// The medium code the window keeps for a disc of this code and status
// (0 blank, 1 open, 2 closed): a blank disc always, an open one for data
// only (burnType other than 1); else 0.
BYTE MediumForBurn(BYTE code, BYTE status, int burnType);

// What the user is told when the disc does not suit the burn type.
std::string UnsuitedDiscNotice(int burnType);

// The writer's drive letter from its name; 0 for an empty name.
char DriveLetterOf(const std::string& deviceName);

