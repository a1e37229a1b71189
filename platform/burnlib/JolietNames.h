#pragma once
// Joliet names hold at most 64 UTF-16 characters. Longer names are
// shortened in the image itself, keeping their extension and staying
// unique in their folder, so every reader sees the same name and none a
// name over the limit.

#include <cstddef>
#include <string>

struct Iso_Image;

namespace burnlib {

constexpr std::size_t kJolietNameLimit = 64;

// Renames every file and folder of the image whose name is over the limit.
// False with the reason when a name cannot be changed.
bool FitNamesToJoliet(Iso_Image* image, std::string& error);

}  // namespace burnlib
