#pragma once
// The four designs of the recorder's built-in theme files: the colours
// their pictures are painted in and their colour elements.

#include <string>
#include <vector>

#include "platform/base/Types.h"

namespace zelthemes {

struct RecorderDesign {
  std::string resourceName;  // the name it is embedded under
  std::string component;     // the main window's theme component carrying it
  TColor titleTop;           // title bar gradient, under its highlight row
  TColor titleBottom;
  TColor titleAccent;        // the line along the title's foot
  TColor frame;              // window border
  TColor face;               // form and control background
  TColor accent;             // progress, marks, selection, hot keys
  TColor buttonFace;         // push buttons; their captions are black
  TColor buttonBorder;
  TColor controlBorder;
  TColor scrollBack;
  TColor titleGlyph;         // glyphs on the title-bar keys
  // 0x010000, 0x030000, 0x040000 or 0x050000 (all but black) ask for black
  // title captions where a theme names no title colour; any other value
  // gives white ones.
  TColor controlFont;
};

// themeMp10 (the dialogs' look), themeMp11, themeMp12 and themeMp13.
const std::vector<RecorderDesign>& RecorderDesigns();

}  // namespace zelthemes
