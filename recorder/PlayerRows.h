#pragma once
// The rules behind the player's file list that need no window: what a
// row's marker means, how rows sort, which menu commands a row allows and
// what a typed new name becomes.

#include <string>

#include "platform/base/Types.h"

// The state of a row, kept as the leading blanks of its Duration text so
// it travels with the row when the list is sorted.
constexpr int kMarkerOrdinary = 0;
constexpr int kMarkerPlaying = 1;
constexpr int kMarkerRecording = 2;
constexpr int kMarkerConverting = 3;
constexpr int kMarkerRecordedNow = 4;

// The background of a row with this marker (white for unknown markers).
TColor RowColorOfMarker(int marker);

// The columns of the list.
constexpr int kColumnName = 0;
constexpr int kColumnFormat = 1;
constexpr int kColumnDuration = 2;
constexpr int kColumnSize = 3;
constexpr int kColumnStatus = 4;

// Case-insensitive order of two cells of a column: sizes by their unit
// first, everything else by its text (Duration with its marker blanks).
int ComparePlayListCells(int column, const std::string& a, const std::string& b);

// What the list's popup menu offers for a row.
struct TRowCommands {
  bool convert = false;  // the convert items other than the file's own format
  bool cancel = false;
  bool rename = false;
  bool remove = false;
  bool mail = false;
};
// hasRow: a row is selected; converting: a conversion runs now.
TRowCommands RowCommandsFor(bool hasRow, int marker, bool converting);

// The file name a row gets when the user types `typed` over `oldName`:
// the old extension always replaces whatever extension was typed. Empty
// when the typed text cannot be a file name here (empty, a folder
// separator, "." or "..").
std::string RenamedFileName(const std::string& typed, const std::string& oldName);
