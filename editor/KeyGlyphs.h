#pragma once
// The little pictures on the main window's toolbar and transport keys:
// dark shapes on a magenta ground that the buttons leave out.

#include <memory>

#include "platform/gfx/Bitmap.h"
#include "resources/windowart/WindowGlyphs.h"

std::unique_ptr<TBitmap> PaintKeyGlyph(windowart::Glyph glyph);
