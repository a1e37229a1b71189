#pragma once
// Wraps an item file in a theme file: a ZIP archive whose first two bytes
// read "SK" in place of "PK", holding the item file deflated as its only
// entry "SKINDATA.SK2", without encryption and without a comment.

#include "resources/themefile/ThemeItemWriter.h"

namespace themefile {

// Throws std::invalid_argument when the item file passes 4 GiB and
// std::runtime_error when compression fails.
Bytes WriteThemeArchive(const Bytes& itemFile);

// WriteItemFile wrapped by WriteThemeArchive.
Bytes WriteThemeFile(const std::vector<ThemeItem>& items);

}  // namespace themefile
