#pragma once
// The five built-in looks and the colours their artwork is painted in.

#include <string>

#include "resources/art/Painter.h"

namespace art {

enum class Look { MacOS, WinXP, DeepBlue, Protein, BlueGlass };

struct LookStyle {
  Look look;
  std::string prefix;       // resource name prefix, e.g. "DEEPBLUE"
  TColor face;              // form and control background
  TColor border;            // control border
  TColor accent;            // selection colour of menus and hot controls
  TColor titleTop;          // title bar gradient
  TColor titleBottom;
  TColor buttonFace;        // push buttons and scroll buttons
  TColor scrollBack;        // scroll bar background
  int titleButtonTop;       // row of the title buttons within the title pictures
  bool buttonTransparent;   // push-button corners drawn masked
  bool titleButtonTransparent;
  int formRadius;           // rounded window corners (0: square)
  int titleHeight;          // height of the title pictures
};

const LookStyle& StyleOf(Look look);
const LookStyle* AllLooks();  // the five looks in table order
constexpr int kLookCount = 5;

// Colour of the title bar at row y of a title picture `height` rows high;
// the title buttons of opaque looks take their background from it.
TColor TitleRowColor(const LookStyle& style, int y, int height);

}  // namespace art
