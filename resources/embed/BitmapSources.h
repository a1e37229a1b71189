#pragma once
// Which BMP file becomes each embedded bitmap, and the C++ source that
// carries their bytes into the program.

#include <filesystem>
#include <map>
#include <string>

// Every *.bmp of the painted folder by resource name (the file name without
// ".bmp"); a file of the same name in the hand-drawn folder replaces the
// painted one. A missing hand-drawn folder counts as empty.
std::map<std::string, std::filesystem::path> CollectBitmapFiles(const std::filesystem::path& painted,
                                                                const std::filesystem::path& handDrawn);

// Writes a source defining the table of EmbeddedBitmaps.h. Throws
// std::runtime_error when a file cannot be read or decoded as a BMP, or
// the output cannot be written.
void WriteEmbeddedSource(const std::map<std::string, std::filesystem::path>& files,
                         const std::filesystem::path& output);
