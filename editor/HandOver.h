#pragma once
// The hand-over file "Init.ini": which file a starting copy of the editor
// opens and where it places its window. The recorder's player and the
// editor itself write it; a starting editor reads and deletes it.

#include <string>

struct THandOver {
  std::string FileName;  // empty: a new document
  int Left = 0;
  int Top = 0;
};

inline constexpr char kHandOverFileName[] = "Init.ini";

// What the file in the folder holds, with the given defaults for what it
// lacks; the file is deleted afterwards, whether or not it existed.
THandOver TakeHandOver(const std::string& folder, const THandOver& defaults);

// Writes the file into the folder, replacing one that is there; false
// when it cannot be written.
bool WriteHandOver(const std::string& folder, const THandOver& handOver);
