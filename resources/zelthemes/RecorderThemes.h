#pragma once
// The recorder's four built-in theme files (".zel"), painted from their
// designs: 19 pictures, 21 integers and colours and 2 flags each, keyed by
// the names of the built-in elements.

#include <memory>
#include <vector>

#include "resources/themefile/ThemeItemWriter.h"
#include "resources/zelthemes/RecorderDesigns.h"

class TBitmap;

namespace zelthemes {

// The element numbers of the pictures a theme carries, in element order.
std::vector<int> RecorderPictureElements();

// The picture of an element, 24-bit; null for an element the themes carry
// no picture for.
std::unique_ptr<TBitmap> RecorderPicture(const RecorderDesign& design, int element);

// Every item in element order.
std::vector<themefile::ThemeItem> RecorderThemeItems(const RecorderDesign& design);

// The whole theme file.
themefile::Bytes WriteRecorderTheme(const RecorderDesign& design);

}  // namespace zelthemes
