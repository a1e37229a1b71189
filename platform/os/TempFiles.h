#pragma once
// Free file names and files created so that nobody else can have them:
// exclusively (never opening an existing file) and readable by the
// owner only.

#include <string>

// The path itself when nothing of that name exists; otherwise the first
// of stem + "1" + extension, stem + "2" + extension, ... that is free
// ("a.zsk", "a1.zsk", "a2.zsk").
std::string MakeUniqueFileName(const std::string& path);

// Creates an empty file with mode 0600; false when anything exists there.
bool CreateFileExclusive(const std::string& path);

// Creates a file with mode 0600 under the first free name of the rule
// above and returns its open descriptor (close-on-exec), -1 on failure;
// the chosen name goes to createdName.
int CreateUniqueFile(const std::string& path, std::string& createdName);

// Creates an empty 0600 file in the temporary folder named by a new GUID
// ("{...}" + extension) and returns its path, empty on failure.
std::string CreateTempFile(const std::string& extension);
