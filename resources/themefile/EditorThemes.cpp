#include "resources/themefile/EditorThemes.h"

#include "resources/Resources.h"
#include "resources/themefile/LookValues.h"

namespace themefile {

const std::vector<ThemeRecipe>& EditorThemeRecipes() {
  static const std::vector<ThemeRecipe> recipes = {
      {kEditorThemeResource1, DeepBlue, false, false},
      {kEditorThemeResource2, BlueGlass, true, true},
  };
  return recipes;
}

std::vector<ThemeItem> ThemeItemsOf(const ThemeRecipe& recipe, const BitmapSource& bitmaps) {
  const int cornerRows = TitleCornerRows(recipe, bitmaps);
  std::vector<ThemeItem> items = LookColorItems(recipe.look);
  for (std::vector<ThemeItem> group : {LookBitmapItems(recipe, bitmaps), LookIntegerItems(recipe.look, cornerRows),
                                       LookFlagItems(recipe, cornerRows)})
    items.insert(items.end(), std::make_move_iterator(group.begin()), std::make_move_iterator(group.end()));
  return items;
}

}  // namespace themefile
