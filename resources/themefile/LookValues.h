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
std::vector<ThemeItem> LookIntegerItems(TzelUIStyle look);
std::vector<ThemeItem> LookFlagItems(const ThemeRecipe& recipe);

// Radius of the window's rounded top corners in the look, 0 when square.
int LookCornerRadius(TzelUIStyle look);

}  // namespace themefile
