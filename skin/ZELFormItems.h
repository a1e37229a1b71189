#pragma once
// What the form frame reads of a look: theme-file items by group index and
// built-in elements by number, shared by the frame's units.

namespace zelform {

// Theme-file colours.
constexpr int kTransColor = 0;
constexpr int kFormColor = 2;
constexpr int kMenuBarStartColor = 3;
constexpr int kMenuBarEndColor = 4;
constexpr int kTopSelectedMenuColor = 5;
constexpr int kTopSelectedMenuBorderColor = 6;
constexpr int kTopSelectedMenuFontColor = 7;
constexpr int kTopMenuFontColor = 8;
// Theme-file bitmaps.
constexpr int kLeftBorder = 5;
constexpr int kRightBorder = 6;
constexpr int kBottomBorder1 = 7;
constexpr int kBottomBorder2 = 8;
constexpr int kBottomBorder3 = 9;
// Theme-file integers.
constexpr int kTitleRegionMinY = 5;
constexpr int kTitleRegionMaxY = 6;
constexpr int kBottomRegionMinY = 7;
constexpr int kBottomRegionMaxY = 8;
// Theme-file flags.
constexpr int kBottomThreeSections = 1;
constexpr int kTitleNeedsRegion = 2;
constexpr int kBottomNeedsRegion = 3;

// Built-in elements (also the keys of the recorder's older theme files).
constexpr int kElementRoundCorner = 14;
constexpr int kElementFormColor = 15;
constexpr int kElementBorderColor = 16;
constexpr int kElementBorderWidth = 17;
constexpr int kElementMenuSelectedBorderColor = 18;
constexpr int kElementMenuSelectedColor = 19;
constexpr int kElementMenuSelectedFontColor = 20;
constexpr int kElementMenuFontColor = 22;

// Rows of the border above the client area that the title pictures cover.
constexpr int kTitleBorderRows = 3;

}  // namespace zelform
