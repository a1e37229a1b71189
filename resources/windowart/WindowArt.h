#pragma once
// The pictures of the recorder's bitmap-shaped windows: their backgrounds,
// the corner pictures their shape is cut from, and their image buttons.
// Each button picture holds its three states side by side (normal, under
// the mouse, pressed), painted over the stretch of background it covers,
// so a button sits in its window without a seam or a key colour.

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace windowart {

struct WindowPicture {
  std::string name;
  std::unique_ptr<TBitmap> bitmap;
};

std::vector<WindowPicture> PaintWindowArt();

}  // namespace windowart
