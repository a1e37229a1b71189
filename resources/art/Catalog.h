#pragma once
// Every theme bitmap of the program: its resource name, size and painter.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace art {

struct ArtEntry {
  std::string name;
  int width;
  int height;
  int pieces;  // equal pieces side by side that readers cut it into
  std::function<void(TBitmap&)> paint;
};

const std::vector<ArtEntry>& ThemeArtCatalog();

// A 24-bit bitmap of the entry's size, painted.
std::unique_ptr<TBitmap> PaintArt(const ArtEntry& entry);

}  // namespace art
