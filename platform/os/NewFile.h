#pragma once
// Making a file that must not exist yet.

#include <string>

// Creates an empty file at path. Never opens, truncates or follows an
// existing file or link there: false when anything is already at path or
// the folder refuses the new file. Does not throw.
bool CreateNewFile(const std::string& path);
