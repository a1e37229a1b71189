#pragma once
// The pictures of a theme file, made from the bitmaps of its built-in
// look: taken whole where the theme file holds the same picture, otherwise
// cut, joined or turned into the layout the controls read from a theme
// file, and the form's border pictures drawn in the look's colours.

#include <functional>
#include <string>
#include <vector>

#include "resources/themefile/PictureOps.h"
#include "resources/themefile/ThemeItemWriter.h"
#include "resources/themefile/ThemeRecipe.h"

namespace themefile {

// A bitmap of the program by resource name; throws when there is none.
using BitmapSource = std::function<BitmapPtr(const std::string& name)>;

// In the order of the item-name table; the two pictures of a five-section
// title are never made.
std::vector<ThemeItem> LookBitmapItems(const ThemeRecipe& recipe, const BitmapSource& bitmaps);

// How many top rows of the theme file's title pictures hold a rounded
// window corner in the transparent colour; 0 for square corners.
int TitleCornerRows(const ThemeRecipe& recipe, const BitmapSource& bitmaps);

}  // namespace themefile
