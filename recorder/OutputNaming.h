#pragma once
// How a new recording (or a joined file) is named: prefix, optional date,
// time of day and suffix, with " New" appended while the name is taken.

#include <string>

#include "platform/os/Clock.h"

enum class TOutputFormat { Wav, Mp3, Ogg, Wma };

// The output radio buttons, read in the order WAV, MP3, OGG; else WMA.
TOutputFormat OutputFormatOfButtons(bool wavChecked, bool mp3Checked, bool oggChecked);
// The stored [OutputFormat] Selected: 1 MP3, 2 OGG, 3 WMA, anything else WAV.
TOutputFormat OutputFormatOfSelected(int selected);

std::string FormatExtension(TOutputFormat format);  // ".wav", ".mp3", ...
std::string FormatName(TOutputFormat format);       // "WAV", "MP3", ...
int FormatImageIndex(TOutputFormat format);         // WAV 0, MP3 1, OGG 2, WMA 3

struct TNamingSettings {
  std::string Folder;  // ends with "/"
  std::string Prefix;
  std::string Suffix;
  bool UseDate = false;
  bool Overwrite = false;  // reuse a taken name instead of appending " New"
};

// The recorder's naming settings (OutputPath, PreName, PosName, UseDate,
// Overwrite) and the joiner's (JoinFolder, JoinPrefix, ...).
TNamingSettings RecordingNaming();
TNamingSettings JoinNaming();

// "Recorded 2024-01-31 13-05-09": the trimmed prefix, the date when wanted,
// the time and the trimmed suffix joined by blanks, the whole trimmed.
std::string OutputBaseName(const SYSTEMTIME& start, const TNamingSettings& naming);

// Folder + name + extension, with " New" appended to the name as long as
// such a file exists, unless overwriting.
std::string FreeOutputPath(const TNamingSettings& naming, std::string name, const std::string& extension);

// Both steps together.
std::string OutputPathFor(const SYSTEMTIME& start, const TNamingSettings& naming, TOutputFormat format);
