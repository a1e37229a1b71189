#pragma once
// The colours, integers and flags of a theme file, taken from the built-in
// table of its look, so a control shows the same colours whether it reads
// the look or the theme file.

#include <vector>

#include "resources/themefile/ThemeItemWriter.h"
#include "resources/themefile/ThemeRecipe.h"

namespace themefile {

// The transparent colour of every theme picture.
constexpr std::int32_t kTransparentColor = 0xFF00FF;

// The 32 colours of the item-name table, then the two system colours that
// theme files carry beside them.
std::vector<ThemeItem> LookColorItems(TzelUIStyle look);
// titleCornerRows: the top rows of the title pictures holding rounded
// window corners in the transparent colour (0: square corners), which the
// title's region cuts out of the window.
std::vector<ThemeItem> LookIntegerItems(TzelUIStyle look, int titleCornerRows);
std::vector<ThemeItem> LookFlagItems(const ThemeRecipe& recipe, int titleCornerRows);

}  // namespace themefile
