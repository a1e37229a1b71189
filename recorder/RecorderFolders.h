#pragma once
// The recorder's folders: where it runs from, where it keeps its settings
// and where its recordings, conversions, splits and merges go.

#include <string>

// The folder under the settings and the documents folders.
constexpr const char* kRecorderFolderName = "Velmora Mp3 Recorder";

// Sets AppFolder, SettingsFolder, RecordedFolder, ConvertedFolder,
// SplittedFolder and MergedFolder, creating the missing ones. Answers
// false when one of them could not be created (the names are set anyway).
bool SetUpRecorderFolders();

// A folder as the settings file or an edit box holds it, trimmed and ending
// with "/" so that names are put into it, not beside it; empty stays empty.
std::string FolderOfSetting(const std::string& text);
