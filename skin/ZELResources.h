#pragma once
// The theme bitmaps are resources of the program, looked up by name. The
// program (or a test) installs the lookup; the library only asks it.

#include <functional>
#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"

// Returns a new bitmap holding the named resource, or throws EResNotFound.
using TzelBitmapResourceLookup = std::function<std::unique_ptr<TBitmap>(const std::string& name)>;

// Replaces the lookup; an empty function removes it.
void SetBitmapResourceLookup(TzelBitmapResourceLookup lookup);

// Loads the named bitmap resource into dest. Throws EResNotFound when the
// name is empty, no lookup is installed or the lookup does not know it.
void LoadBitmapResource(const std::string& name, TBitmap& dest);
