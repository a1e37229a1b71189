#include "recorder/OutputNaming.h"

#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "recorder/GlobeVar.h"

TOutputFormat OutputFormatOfButtons(bool wavChecked, bool mp3Checked, bool oggChecked) {
  if (wavChecked) return TOutputFormat::Wav;
  if (mp3Checked) return TOutputFormat::Mp3;
  if (oggChecked) return TOutputFormat::Ogg;
  return TOutputFormat::Wma;
}

TOutputFormat OutputFormatOfSelected(int selected) {
  switch (selected) {
    case 1: return TOutputFormat::Mp3;
    case 2: return TOutputFormat::Ogg;
    case 3: return TOutputFormat::Wma;
    default: return TOutputFormat::Wav;
  }
}

std::string FormatExtension(TOutputFormat format) {
  switch (format) {
    case TOutputFormat::Wav: return ".wav";
    case TOutputFormat::Mp3: return ".mp3";
    case TOutputFormat::Ogg: return ".ogg";
    case TOutputFormat::Wma: return ".wma";
  }
  return ".wav";
}

std::string FormatName(TOutputFormat format) {
  switch (format) {
    case TOutputFormat::Wav: return "WAV";
    case TOutputFormat::Mp3: return "MP3";
    case TOutputFormat::Ogg: return "OGG";
    case TOutputFormat::Wma: return "WMA";
  }
  return "WAV";
}

int FormatImageIndex(TOutputFormat format) { return static_cast<int>(format); }

TNamingSettings RecordingNaming() { return {OutputPath, PreName, PosName, UseDate, Overwrite}; }

TNamingSettings JoinNaming() { return {JoinFolder, JoinPrefix, JoinSuffix, JoinUseDate, JoinOverwrite}; }

std::string OutputBaseName(const SYSTEMTIME& start, const TNamingSettings& naming) {
  std::string name = Trim(naming.Prefix) + " ";
  if (naming.UseDate)
    name += ZeroPad(start.wYear, 4) + "-" + ZeroPad(start.wMonth, 2) + "-" + ZeroPad(start.wDay, 2) + " ";
  name += ZeroPad(start.wHour, 2) + "-" + ZeroPad(start.wMinute, 2) + "-" + ZeroPad(start.wSecond, 2);
  name += " " + Trim(naming.Suffix);
  return Trim(name);
}

std::string FreeOutputPath(const TNamingSettings& naming, std::string name, const std::string& extension) {
  if (!naming.Overwrite)
    while (FileExists(naming.Folder + name + extension)) name += " New";
  return naming.Folder + name + extension;
}

std::string OutputPathFor(const SYSTEMTIME& start, const TNamingSettings& naming, TOutputFormat format) {
  return FreeOutputPath(naming, OutputBaseName(start, naming), FormatExtension(format));
}
