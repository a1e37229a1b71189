#pragma once
// The track bars and page controls in one look, as a headless form shows
// them.

#include <memory>

#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

std::unique_ptr<TBitmap> PaintTrackTabs(const TLookEntry& look);

}  // namespace gallery
