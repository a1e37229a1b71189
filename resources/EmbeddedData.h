#pragma once
// The raw data resources compiled into the program (theme files), as the
// files' bytes.

#include "resources/EmbeddedBitmaps.h"

namespace detail {

// The same {name, bytes, size} entry as a bitmap's.
using EmbeddedData = EmbeddedBitmap;

extern const EmbeddedData kEmbeddedData[];
extern const std::size_t kEmbeddedDataCount;

}  // namespace detail
