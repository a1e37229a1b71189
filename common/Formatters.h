#pragma once
// The text formatters the recorder's windows and the burner share:
// padding, durations and file sizes. They keep no state and give the same
// text whatever the locale.

#include <cstdint>
#include <string>

#include "platform/base/Types.h"

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
