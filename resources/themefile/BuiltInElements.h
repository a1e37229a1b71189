#pragma once
// The numbers of the built-in elements a theme file is made from.

namespace themefile::element {

constexpr int kButtonImage = 1;
constexpr int kButtonTransparent = 2;
constexpr int kCheckBoxImage = 3;
constexpr int kRadioButtonImage = 4;
constexpr int kTitleButtonImage = 5;
constexpr int kTitleButtonTransparent = 6;
constexpr int kTitleButtonLeftOffset = 7;
constexpr int kTitleButtonRightOffset = 8;
constexpr int kTitleButtonTop = 9;
constexpr int kTitleLeftImage = 10;
constexpr int kTitleClientImage = 11;
constexpr int kTitleRightImage = 12;
constexpr int kFormRoundCorner = 14;
constexpr int kFormBackground = 15;
constexpr int kFormBorder = 16;
constexpr int kFormBorderWidth = 17;
constexpr int kMenuSelectedBorder = 18;
constexpr int kMenuSelectedBackground = 19;
constexpr int kMenuSelectedFont = 20;
constexpr int kMenuBackground = 21;
constexpr int kMenuFont = 22;
constexpr int kMenuBar = 23;
constexpr int kProgressBarImage = 24;
constexpr int kControlBorder = 25;
constexpr int kControlBackground = 26;
constexpr int kControlFont = 27;
constexpr int kTrackBarImage = 28;
constexpr int kTrackSliderImage = 29;
constexpr int kTrackSliderVImage = 30;
constexpr int kScrollBarBackground = 31;
constexpr int kScrollBarButtonImage = 32;
constexpr int kScrollBarThumbImage = 33;
constexpr int kCheckListImage = 34;
constexpr int kToolBarButtonBorder = 35;
constexpr int kToolBarButtonBackground = 36;
constexpr int kToolBarButtonDownBackground = 37;
constexpr int kScrollButtonImage = 38;
constexpr int kTabImage = 39;
constexpr int kTabLineImage = 40;
constexpr int kSideChannelHandleImage = 41;
constexpr int kSideChannelBarImage = 42;
constexpr int kTitleBarFont = 44;
constexpr int kMenuMenuBar = 48;

}  // namespace themefile::element
