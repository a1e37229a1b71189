#pragma once
// The theme bitmaps compiled into the program, as BMP file bytes.

#include <cstddef>

namespace detail {

struct EmbeddedBitmap {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

extern const EmbeddedBitmap kEmbeddedBitmaps[];
extern const std::size_t kEmbeddedBitmapCount;

}  // namespace detail
