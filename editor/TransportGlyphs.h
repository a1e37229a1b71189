#pragma once
// The little pictures on the main window's transport keys, painted in
// code: dark shapes on a magenta ground that the buttons leave out.

#include <memory>

#include "platform/gfx/Bitmap.h"

enum class TTransportGlyph { Play, Stop, Loop, Continue, PlayToEnd, Pause, Info };

std::unique_ptr<TBitmap> PaintTransportGlyph(TTransportGlyph glyph);
