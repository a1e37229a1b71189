#pragma once
// Joliet names hold at most 64 UTF-16 characters. Longer names are
// shortened in the image itself, keeping their extension and staying
// unique in their folder, so every reader sees the same name and none a
// name over the limit.

#include <cstddef>
#include <functional>
#include <string>

struct Iso_Image;

namespace burnlib {

constexpr std::size_t kJolietNameLimit = 64;

// UTF-16 characters of a UTF-8 name (a byte that is no UTF-8 counts as one).
std::size_t Utf16Length(const std::string& name);

// The name cut to the limit, keeping an extension of fewer than half the
// limit; while `taken` says a candidate is used, a "~1", "~2", ... marker
// goes before the extension. A name within the limit comes back as it is.
std::string JolietFitName(const std::string& name, const std::function<bool(const std::string&)>& taken);

// Renames every file and folder of the image whose name is over the limit.
// False with the reason when a name cannot be changed.
bool FitNamesToJoliet(Iso_Image* image, std::string& error);

}  // namespace burnlib
