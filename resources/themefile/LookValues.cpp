#include "resources/themefile/LookValues.h"

#include "resources/themefile/BuiltInElements.h"

namespace themefile {

namespace {

using namespace element;

constexpr int kBlack = -2;  // not an element: the built-in looks draw these in black

// The title bar draws a theme file's caption this many rows above its
// caption-top item.
constexpr int kCaptionRowsAboveItem = 3;

struct ColorSource {
  const char* item;
  int element;
};

// Each theme colour from the element the same control reads in a built-in
// look.
const ColorSource kColors[] = {
    {"SKIN2_TITLEFONTCOLOR", kTitleBarFont},
    {"SKIN2_FORMCOLOR", kFormBackground},
    {"SKIN2_MENUBARSTARTCOLOR", kMenuMenuBar},
    {"SKIN2_MENUBARENDCOLOR", kMenuMenuBar},
    {"SKIN2_TOPSELECTEDMENUCOLOR", kMenuSelectedBackground},
    {"SKIN2_TOPSELECTEDMENUBORDERCOLOR", kMenuSelectedBorder},
    {"SKIN2_TOPSELECTEDMENUFONTCOLOR", kMenuSelectedFont},
    {"SKIN2_TOPMENUFONTCOLOR", kMenuFont},
    {"SKIN2_LEFTBARSTARTCOLOR", kMenuBar},
    {"SKIN2_LEFTBARENDCOLOR", kMenuBar},
    {"SKIN2_MENUITEMCOLOR", kMenuBackground},
    {"SKIN2_MENUITEMFONTCOLOR", kMenuFont},
    {"SKIN2_SELECTEDMENUCOLOR", kMenuSelectedBackground},
    {"SKIN2_SELECTEDMENUBORDERCOLOR", kMenuSelectedBorder},
    {"SKIN2_SELECTEDMENUFONTCOLOR", kMenuSelectedFont},
    {"SKIN2_TOOLBARSTARTCOLOR", kFormBackground},
    {"SKIN2_TOOLBARENDCOLOR", kFormBackground},
    {"SKIN2_TOOLBARONCOLOR", kToolBarButtonBackground},
    {"SKIN2_TOOLBARBORDERCOLOR", kToolBarButtonBorder},
    {"SKIN2_TOOLBARDOWNCOLOR", kToolBarButtonDownBackground},
    {"SKIN2_CONTROLCOLOR", kControlBackground},
    {"SKIN2_CONTROLBORDERCOLOR", kControlBorder},
    {"SKIN2_CONTROLFONTCOLOR", kControlFont},
    {"SKIN2_BUTTONFONTCOLOR", kBlack},
    {"SKIN2_SCROLLBARCOLOR", kScrollBarBackground},
    {"SKIN2_TABCONTROLCOLOR", kControlBackground},
    {"SKIN2_TABCONTROLBORDERCOLOR", kControlBorder},
    {"SKIN2_TABCONTROLACTIVEFONTCOLOR", kBlack},
    {"SKIN2_TABCONTROLINACTIVEFONTCOLOR", kBlack},
    {"SKIN2_SIDECHANNELCOLOR", kControlBackground},
    {"SKIN2_SIDECHANNELBORDERCOLOR", kControlBorder},
    // Never asked for by a control; theme files carry them all the same.
    {"SKIN2_SYSTEMCOLOR1", kFormBackground},
    {"SKIN2_SYSTEMCOLOR2", kFormBorder},
};

}  // namespace

std::vector<ThemeItem> LookColorItems(TzelUIStyle look) {
  std::vector<ThemeItem> items{IntegerItem("SKIN2_TRANSCOLOR", kTransparentColor)};
  for (const ColorSource& color : kColors)
    items.push_back(IntegerItem(color.item, color.element == kBlack ? 0 : GetBuiltInThemeColor(look, color.element)));
  return items;
}

// The title bar reads its offsets from the theme file where a built-in
// look reads elements 7 to 9. A built-in look puts the caption level with
// the buttons (3 rows lower in Protein); from a theme file the title bar
// puts it 3 rows above the caption top, so the item carries those 3 rows.
std::vector<ThemeItem> LookIntegerItems(TzelUIStyle look, int titleCornerRows) {
  const int buttonTop = GetBuiltInThemeInteger(look, kTitleButtonTop);
  const int captionTop = buttonTop + (look == Protein ? 3 : 0);
  return {
      IntegerItem("SKIN2_TITLEBARICONPOSX", GetBuiltInThemeInteger(look, kTitleButtonLeftOffset)),
      IntegerItem("SKIN2_TITLEBARICONPOSY", buttonTop),
      IntegerItem("SKIN2_TITLEBARCAPTIONTOP", captionTop + kCaptionRowsAboveItem),
      IntegerItem("SKIN2_TITLEBARBUTTONPOSX", GetBuiltInThemeInteger(look, kTitleButtonRightOffset)),
      IntegerItem("SKIN2_TITLEBARBUTTONPOSY", buttonTop),
      IntegerItem("SKIN2_TITLEBARREGIONMINY", 0),
      IntegerItem("SKIN2_TITLEBARREGIONMAXY", titleCornerRows),
      IntegerItem("SKIN2_BOTTOMREGIONMINY", 0),
      IntegerItem("SKIN2_BOTTOMREGIONMAXY", 0),
  };
}

std::vector<ThemeItem> LookFlagItems(const ThemeRecipe& recipe, int titleCornerRows) {
  return {
      FlagItem("SKIN2_TITLEFIVESECT", false),
      FlagItem("SKIN2_BOTTOMBORDERTHREESECT", recipe.bottomBorderThreeSections),
      FlagItem("SKIN2_TITLEBARNEEDREGION", titleCornerRows > 0),
      FlagItem("SKIN2_BOTTOMBORDERNEEDREGION", false),
      FlagItem("SKIN2_TITLEBTNTRANS", GetBuiltInThemeBool(recipe.look, kTitleButtonTransparent) != 0),
      FlagItem("SKIN2_BUTTONTRANS", GetBuiltInThemeBool(recipe.look, kButtonTransparent) != 0),
      FlagItem("SKIN2_CHECKBOXTRANS", false),
      FlagItem("SKIN2_RADIOBUTTONTRANS", true),  // the dot sits on the transparent colour
      FlagItem("SKIN2_TABCONTROLTRANS", true),   // tabs have transparent rounded corners
  };
}

}  // namespace themefile
