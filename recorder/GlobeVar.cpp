#include "recorder/GlobeVar.h"

#include <mutex>

#include "platform/os/Folders.h"

namespace {

// Where output goes before the options window has published its folders.
std::string StartFolder() {
  std::string home = GetHomeFolder();
  return home.empty() || home.back() != '/' ? home + "/" : home;
}

std::mutex hotkeyMutex;
HotkeySettings hotkeys;

}  // namespace

std::string AppFolder;
std::string SettingsFolder;
std::string RecordedFolder = StartFolder();
std::string ConvertedFolder;
std::string SplittedFolder;
std::string MergedFolder;
std::string SettingsFileName = "QmtCfg.ini";
std::string ScheduleFileName = "Current.vsk";

std::int32_t WavFreq = 0;
std::int32_t WavChannels = 0;
std::int32_t WavSampleRate = 0;
std::int32_t MP3Freq = 0;
std::int32_t MP3Channels = 0;
std::int32_t MP3BitRate = 0;
std::int32_t MP3MaxBitRate = 0;
std::int32_t MP3EncoderQuality = 0;
std::int32_t MP3VBRQuality = 0;
bool MP3VBREnable = false;
bool MP3VBRHeader = false;
std::int32_t OggFreq = 0;
std::int32_t OggChannels = 0;
std::int32_t OggBitRate = 0;
std::int32_t WmaFormat = 0;

bool TimeStop = false;
std::int32_t TimeMinute = 0;
std::int32_t TimeSecond = 0;
bool TimeNewRecord = false;
std::int16_t AttackLevel = 0;
std::int16_t ReleaseTime = 0;
bool NewTrack = false;

std::string OutputPath = StartFolder();
std::string PreName;
std::string PosName;
bool UseDate = false;
bool Overwrite = false;
std::string ConvertFolder = StartFolder();
bool ConvertToSource = false;
bool ConvertOverwrite = false;
std::string SplitFolder = StartFolder();
bool SplitToSource = false;
bool SplitOverwrite = false;
std::string JoinFolder = StartFolder();
std::string JoinPrefix;
std::string JoinSuffix;
bool JoinUseDate = false;
bool JoinOverwrite = false;
std::string Subject = "Share with you";
std::string Body = "Hi";

std::vector<ScheduleEntry> ScheduleEntries;
std::array<std::int32_t, 12> CustomEqValues{};

std::int32_t BurnType = 0;
BYTE MediumType = 0;
TStringList WriterList;
std::int32_t SelectedWriterIndex = 0;
TStringList BurnFileList;
std::atomic<bool> BurnInProgress{false};
std::atomic<bool> BurnAborted{false};

HotkeySettings Hotkeys() {
  std::lock_guard<std::mutex> lock(hotkeyMutex);
  return hotkeys;
}

void SetHotkeys(const HotkeySettings& settings) {
  std::lock_guard<std::mutex> lock(hotkeyMutex);
  hotkeys = settings;
}
