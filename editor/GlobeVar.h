#pragma once
// The editor's process-wide folders, set once by the main window when it
// is created and never changed afterwards. Folder strings end with "/".

#include <string>

// The folder of the running executable.
extern std::string AppFolder;
// The settings folder shared with the recorder.
extern std::string SettingsFolder;
// The user's temporary folder as the system reports it.
extern std::string TempFolder;

// The settings folder's name under the per-user application-data folder.
inline constexpr char kSettingsFolderName[] = "Velmora Mp3 Recorder";

// Sets the three folders and creates the settings folder when it is
// missing (a failure to create it is left for the files in it to report).
void SetUpEditorFolders();
