#pragma once
// Plain file-system questions and changes. None of these throws: each
// answers false (or -1) when the file system says no.

#include <cstdint>
#include <string>

// True for an existing regular file (or a link to one), not a folder.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& path);

// Creates one folder level; false when the parent is missing or it exists.
bool CreateDir(const std::string& path);

// Size in bytes of a regular file, -1 when it is missing or not a file.
std::int64_t GetFileSize64(const std::string& path);

bool DeleteFile(const std::string& path);

// Renames, but never replaces an existing target: false when it exists.
bool RenameFile(const std::string& from, const std::string& to);

// Replaces the file's contents all at once: the bytes go to a temporary
// file beside it, reach the disk, and the temporary file is renamed over
// the target. A crash leaves either the old or the new contents. The
// target keeps its permissions; a new file gets 0666 less the umask.
// When the path is a symbolic link, the file it points to is replaced.
// A file the user may not write is left alone (false).
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
