#include "skin/ZELThemesTables.h"

namespace detail {

namespace {
constexpr TzelThemeItemKind I = zelKindInteger;
constexpr TzelThemeItemKind C = zelKindColor;
constexpr TzelThemeItemKind B = zelKindBitmap;
constexpr TzelThemeItemKind F = zelKindBool;
}  // namespace

const char* const kLookPrefixes[kBuiltInLookCount] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};

// Colours are 0x00BBGGRR.
const TzelBuiltInRow kBuiltInRows[zelLastElement] = {
    {"ButtonImage", B, {}, "BUTTON", {}},
    {"ButtonTransparentBool", F, {1, 0, 0, 0, 1}, "", {}},
    {"CheckBoxImage", B, {}, "CHECKBOX", {}},
    {"RadioButtonImage", B, {}, "RADIOBUTTON", {}},
    {"TitleBarButtonImage", B, {}, "TITLEBTN", {}},
    {"TitleBarButtonTransparentBool", F, {0, 0, 0, 1, 1}, "", {}},
    {"TitleBarButtonLeftOffsetInt", I, {3, 2, 0, 0, 4}, "", {}},
    {"TitleBarButtonRightOffsetInt", I, {-2, -2, 0, 0, -3}, "", {}},
    {"TitleBarButtonTopInt", I, {4, 5, 2, 2, 6}, "", {}},
    {"TitleBarLeftImage", B, {}, "TITLE_LEFT", {}},
    {"TitleBarClientImage", B, {}, "TITLE_CLIENT", {}},
    {"TitleBarRightImage", B, {}, "TITLE_RIGHT", {}},
    {"FormMinWidthInt", I, {130, 150, 130, 130, 270}, "", {}},
    {"FormRoundCornerInt", I, {0, 13, 0, 0, 11}, "", {}},
    {"FormBackgroundColor", C, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}, "", {}},
    {"FormBorderColor", C, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}, "", {}},
    {"FormBorderWidthInt", I, {1, 3, 1, 1, 1}, "", {}},
    {"MenuSelectedBorderColor", C, {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}, "", {}},
    {"MenuSelectedBackgroundColor", C, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}, "", {}},
    {"MenuSelectedFontColor", C, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, "", {}},
    {"MenuBackgroundColor", C, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}, "", {}},
    {"MenuFontColor", C, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, "", {}},
    {"MenuBarColor", C, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}, "", {}},
    {"ProgressBarImage", B, {}, "PROGRESSBAR", {}},
    {"ControlBorderColor", C, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}, "", {}},
    {"ControlBackgroundColor", C, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}, "", {}},
    {"ControlFontColor", C, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}, "", {}},
    {"TrackBarBarImage", B, {}, "TRACKBAR_BAR", {}},
    {"TrackBarSliderImage", B, {}, "TRACKBAR_SLIDER", {}},
    {"TrackBarSliderVImage", B, {}, "TRACKBAR_SLIDER_V", {}},
    {"ScrollBarBackgroundColor", C, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}, "", {}},
    {"ScrollBarButtonImage", B, {}, "SCROLLBAR_BUTTON", {}},
    {"ScrollBarSliderImage", B, {}, "SCROLLBAR_TRACK", {}},
    {"CheckListBoxImage", B, {}, "CHECKLIST", {}},
    {"ToolBarButtonBorderColor", C, {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}, "", {}},
    {"ToolBarButtonBackgroundColor", C, {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}, "", {}},
    {"ToolBarButtonDownBackgroundColor", C, {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}, "", {}},
    {"ScrollButtonImage", B, {}, "",
     {"MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON"}},
    {"TabControlTabImage", B, {}, "TAB", {}},
    {"TabControlBarImage", B, {}, "TAB_LINE", {}},
    // "SIDECHENNEL" is the resources' own spelling.
    {"SideChannelHandleImage", B, {}, "SIDECHENNEL_HANDLE", {}},
    {"SideChannelBarImage", B, {}, "SIDECHENNEL_BAR", {}},
    {"TitleBarMinimizedImage", B, {}, "", {}},
    {"TitleBarFontColor", C, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, "", {}},
    {"FormLeftBorderImage", B, {}, "", {}},
    {"FormBottomBorderImage", B, {}, "", {}},
    {"FormBottomRoundCornerInt", I, {0, 0, 0, 0, 0}, "", {}},
    {"MenuMenuBarColor", C, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}, "", {}},
};

}  // namespace detail
