#pragma once
// The audio files of one folder, as the player and the joiner list them:
// its regular files whose names give a known audio format, in the order
// the folder keeps them.

#include <functional>
#include <string>

enum class TFolderRead { Done, Stopped, Unreadable };

// Calls onFile with each file's name until it answers false (Stopped). A
// folder removed while it is read ends the reading where it stands.
TFolderRead ForEachAudioFile(const std::string& folder, const std::function<bool(const std::string& name)>& onFile);
