#pragma once
// The recorder's shared globals and small helpers: folders and file names,
// the published recording settings, the schedule, the burner state, and
// the text formatters every window uses. All formatters give the same
// text whatever the locale.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

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

// --- padding -------------------------------------------------------------------

// n in decimal, zero-padded to w characters (after a minus sign); never cut.
std::string ZeroPad(std::int64_t n, int w);
// text preceded by c up to w characters (UTF-8 characters are counted once).
std::string PadLeftWith(const std::string& text, int w, char c);
// n blanks, n limited to 0..255.
std::string Blanks(int n);
// Blanks(n) followed by the text trimmed of blanks and control characters.
std::string IndentText(const std::string& text, int n);
// How many characters trimming removes from both ends, at most 255.
int LeadingBlankCount(const std::string& text);

// --- durations (milliseconds; negative durations count as 0) -----------------

std::string MsToMinSec(std::int32_t ms);             // "mm:ss", minutes unlimited
std::string FormatDurationWords(std::int64_t ms);    // "hh hour mm min ss sec "
std::string FormatDurationHms(std::int64_t ms);      // "hhh mmm sss "
std::string FormatDurationClock(std::int64_t ms);    // "hh : mm : ss"
std::string FormatDurationMsec(std::int64_t ms);     // "mmm : ss : mmm"

// Reads "HH:MM:SS" (characters 1-2, 4-5, 7-8). Stops at the first part that
// is not a number from 0 to 99, keeping the parts stored before it.
void ParseHms(const std::string& text, BYTE& hour, BYTE& minute, BYTE& second);

// --- sizes and names -----------------------------------------------------------

// "   4.7 MB", "   2 KB", " 500 Bytes", "1,024 MB".
std::string FormatByteSize(std::int64_t size);
// A prefix that makes size texts sort by their unit first; empty without a unit.
std::string SizeSortKey(const std::string& sizeText);
// "WAV", "MP3", "WMA" or "OGG" by the file's extension; empty for others.
std::string FormatNameOfFile(const std::string& fileName);
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
