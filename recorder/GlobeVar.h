#pragma once
// The recorder's shared globals and small helpers: folders and file names,
// the published recording settings, the schedule, the burner state, and
// (from common/Formatters.h) the text formatters every window uses.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Formatters.h"
#include "platform/base/Types.h"
#include "platform/framework/StringList.h"
#include "platform/os/ComServer.h"  // RegisterComServer(path, mode)
#include "platform/win/WinTypes.h"
#include "recorder/ScheduleEntry.h"

// --- folders and file names (every folder ends with "/") -------------------

extern std::string AppFolder;
extern std::string SettingsFolder;
extern std::string RecordedFolder;
extern std::string ConvertedFolder;
extern std::string SplittedFolder;
extern std::string MergedFolder;
extern std::string SettingsFileName;  // "QmtCfg.ini", in SettingsFolder
extern std::string ScheduleFileName;  // "Current.vsk", in SettingsFolder

// --- published recording settings ------------------------------------------

extern std::int32_t WavFreq;        // Hz
extern std::int32_t WavChannels;    // 1 or 2
extern std::int32_t WavSampleRate;  // bits per sample
extern std::int32_t MP3Freq;
extern std::int32_t MP3Channels;
extern std::int32_t MP3BitRate;     // kbps
extern std::int32_t MP3MaxBitRate;  // kbps
extern std::int32_t MP3EncoderQuality;  // 0 best .. 9
extern std::int32_t MP3VBRQuality;
extern bool MP3VBREnable;
extern bool MP3VBRHeader;
extern std::int32_t OggFreq;
extern std::int32_t OggChannels;
extern std::int32_t OggBitRate;  // quality index * 100 + 99; the encoder takes 16 bits
extern std::int32_t WmaFormat;   // profile number, counted from 1

extern bool TimeStop;
extern std::int32_t TimeMinute;
extern std::int32_t TimeSecond;
extern bool TimeNewRecord;
extern std::int16_t AttackLevel;  // dB, negative
extern std::int16_t ReleaseTime;  // ms
extern bool NewTrack;

extern std::string OutputPath;
extern std::string PreName;
extern std::string PosName;
extern bool UseDate;
extern bool Overwrite;
extern std::string ConvertFolder;
extern bool ConvertToSource;
extern bool ConvertOverwrite;
extern std::string SplitFolder;
extern bool SplitToSource;
extern bool SplitOverwrite;
extern std::string JoinFolder;
extern std::string JoinPrefix;
extern std::string JoinSuffix;
extern bool JoinUseDate;
extern bool JoinOverwrite;
extern std::string Subject;
extern std::string Body;

// --- hotkeys, read by the hotkey thread ------------------------------------

// Three virtual-key codes; 0 in a modifier place means no key there.
struct HotkeyCombo {
  DWORD Modifier1 = 0;
  DWORD Modifier2 = 0;
  DWORD Key = 0;
  friend bool operator==(const HotkeyCombo&, const HotkeyCombo&) = default;
};

// The four combinations and their on/off flags travel as one snapshot, so
// the hotkey thread never sees a combination half way through a change.
struct HotkeySettings {
  HotkeyCombo StartCombo1;
  HotkeyCombo StartCombo2;
  HotkeyCombo StopCombo1;
  HotkeyCombo StopCombo2;
  bool StartUse1 = false;
  bool StartUse2 = false;
  bool StopUse1 = false;
  bool StopUse2 = false;
  friend bool operator==(const HotkeySettings&, const HotkeySettings&) = default;
};

// Both are safe to call from any thread.
HotkeySettings Hotkeys();
void SetHotkeys(const HotkeySettings& settings);

// --- schedule and player -----------------------------------------------------

extern std::vector<ScheduleEntry> ScheduleEntries;
extern std::array<std::int32_t, 12> CustomEqValues;

// --- disc burning ------------------------------------------------------------

// 1 audio CD, 2 MP3 CD, 3 WMA CD, 4 audio-files CD, 5 audio-files DVD.
extern std::int32_t BurnType;
extern BYTE MediumType;  // medium code of the current writer's disc; 0 = none
extern TStringList WriterList;
extern std::int32_t SelectedWriterIndex;
extern TStringList BurnFileList;
// Set and read around the burner library's callbacks, hence atomic.
extern std::atomic<bool> BurnInProgress;
extern std::atomic<bool> BurnAborted;

// --- disc codes ------------------------------------------------------------------

// The burn type a disc's medium code suits, or 0 when it suits none.
std::int32_t MapDiscCode(BYTE code);

// The system's library folder, without a trailing "/".
std::string GetSystemDir();

// --- mail -------------------------------------------------------------------------

constexpr int SUCCESS_SUCCESS = 0;
constexpr int MAPI_E_FAILURE = 2;

// Hands a mail to the user's mail program. The list holds name=value
// lines: "to", "subject", "body" and "attachment0", "attachment1", ...
// (read until the first missing one). The hand-over runs on a thread of
// its own, so the caller never waits; the result says whether it was
// started. The mail program always shows the message, with or without a
// parent window. When the desktop has no mail program, the user is told.
int SendMailMapi(HWND parent, const TStringList& list);

// Opens a file or folder with the desktop's program for it; when there
// is none, the user is told.
void OpenForUser(const std::string& target);
// The recorder's help at a topic (a page, with an optional "#anchor").
void ShowHelpTopic(const std::string& topic);

// Tells the user of a failure in the recorder's message box.
void TellUser(const std::string& text);
