#pragma once
// The program's bitmap resources: the theme bitmaps of the skin library.

#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"

// A new bitmap holding the named resource; throws EResNotFound for a name
// the program does not carry. Names are matched ignoring case, as resource
// names are.
std::unique_ptr<TBitmap> LoadResourceBitmap(const std::string& name);

// Makes the skin library load its theme bitmaps from these resources.
void RegisterSkinResources();
