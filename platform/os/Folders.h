#pragma once
// Where things live: the per-user folders, the temporary folder and the
// program's own folder. Every folder string ends with "/".

#include <string>

// Shell special-folder numbers the programs ask for.
constexpr int CSIDL_PERSONAL = 5;   // the user's documents
constexpr int CSIDL_APPDATA = 26;   // per-user application settings

// CSIDL_APPDATA: $XDG_CONFIG_HOME, else ~/.config.
// CSIDL_PERSONAL: the XDG documents folder (user-dirs.dirs), else ~/Documents.
// Any other number gives the empty string.
std::string SHGetSpecialFolderPath(int csidl);

// $TMPDIR when set, else /tmp/.
std::string GetTempPath();

// Where the system keeps its shared libraries, and its data folder.
std::string GetSystemDirectory();
std::string GetWindowsDirectory();

// Full path of the running program file, and the folder holding it.
std::string GetModuleFileName();
std::string GetProgramFolder();

// $XDG_RUNTIME_DIR when set and usable, else the temporary folder.
std::string GetRuntimeFolder();

// The user's home folder ($HOME, else the password database).
std::string GetHomeFolder();
