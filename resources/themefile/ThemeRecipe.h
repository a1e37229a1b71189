#pragma once
// What a generated theme file carries: the built-in look whose pictures and
// values it takes, and which optional pictures it adds.

#include <string>

#include "skin/ZELThemes.h"

namespace themefile {

struct ThemeRecipe {
  std::string resourceName;  // the name it is embedded under
  TzelUIStyle look;
  // The bottom border as three pictures (left, stretched middle, right)
  // rather than one cut in thirds.
  bool bottomBorderThreeSections;
  // Background pictures of the menu bar and the tool bar.
  bool menuAndToolBarPictures;
};

}  // namespace themefile
