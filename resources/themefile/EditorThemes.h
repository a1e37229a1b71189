#pragma once
// The editor's two embedded theme files, carried as the SkinData of its
// main window's theme components "zelBuiltInFileTheme1" (the look of the
// dialogs) and "zelBuiltInFileTheme2".

#include <vector>

#include "resources/themefile/LookBitmaps.h"

namespace themefile {

// The first in the DeepBlue look, without menu-bar and tool-bar pictures
// and with the bottom border in one picture (80 items); the second in the
// BlueGlass look with both and the bottom border in three (84 items).
const std::vector<ThemeRecipe>& EditorThemeRecipes();

// Colours, then pictures, integers and flags, each group in the order of
// the item-name table.
std::vector<ThemeItem> ThemeItemsOf(const ThemeRecipe& recipe, const BitmapSource& bitmaps);

}  // namespace themefile
