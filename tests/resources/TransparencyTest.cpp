// The transparent colour 0xFF00FF lies only where the drawing code masks
// it away, and never where a picture is drawn opaque or stretched.

#include <gtest/gtest.h>

#include "BitmapProbe.h"

namespace {

const char* kLooks[] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};

std::string Name(const char* look, const char* suffix) { return std::string(look) + "_" + suffix; }

TEST(Transparency, OpaquePicturesCarryNoTransparentColour) {
  const char* suffixes[] = {"CHECKBOX", "TITLE_LEFT", "TITLE_CLIENT", "TITLE_RIGHT", "PROGRESSBAR", "TRACKBAR_SLIDER_V",
                            "SCROLLBAR_TRACK", "CHECKLIST", "TAB_LINE", "SIDECHENNEL_HANDLE", "SIDECHENNEL_BAR"};
  for (const char* look : kLooks) {
    for (const char* suffix : suffixes) {
      SCOPED_TRACE(Name(look, suffix));
      auto bmp = LoadTheme(Name(look, suffix));
      EXPECT_FALSE(HasMagenta(*bmp, Whole(*bmp)));
    }
  }
  const char* named[] = {"MORE_SCROLLBUTTON", "MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON",
                         "MACOS_COMBOBOX_BUTTON", "WINXP_COMBOBOX_BUTTON", "MACOS_FORM_BACKGROUND",
                         "PROTEIN_FORM_BACKGROUND", "MACOS_MENU_BAR", "MACOS_MENU_SELECT", "MENU_CHECKED", "MSGDLG"};
  for (const char* name : named) {
    SCOPED_TRACE(name);
    auto bmp = LoadTheme(name);
    EXPECT_FALSE(HasMagenta(*bmp, Whole(*bmp)));
  }
}

// The nine-piece drawing masks only the corners, and those only for looks
// whose buttons are drawn transparent; edges and centre are stretched.
TEST(Transparency, PushButtonsMaskOnlyCornersOfTransparentLooks) {
  const bool transparent[] = {true, false, false, false, true};
  for (int look = 0; look < 5; ++look) {
    SCOPED_TRACE(kLooks[look]);
    auto bmp = LoadTheme(Name(kLooks[look], "BUTTON"));
    for (int piece = 0; piece < 3; ++piece) {
      TRect r = PieceRect(*bmp, piece, 3);
      int w = r.Width(), h = r.Height(), hw = w / 2, hh = h / 2;
      if (!transparent[look]) {
        EXPECT_FALSE(HasMagenta(*bmp, r));
        continue;
      }
      EXPECT_EQ(PixelAt(*bmp, r.Left, 0), kMagenta);
      EXPECT_EQ(PixelAt(*bmp, r.Right - 1, h - 1), kMagenta);
      // Left and right edge strips, top and bottom edge strips and the centre.
      EXPECT_FALSE(HasMagenta(*bmp, {r.Left, hh - 1, r.Right, h - hh + 1}));
      EXPECT_FALSE(HasMagenta(*bmp, {r.Left + hw - 1, 0, r.Left + w - hw + 2, h}));
    }
  }
}

TEST(Transparency, TitleButtonsMaskTheirCornersOnlyWhenDrawnTransparent) {
  const bool transparent[] = {false, false, false, true, true};
  for (int look = 0; look < 5; ++look) {
    SCOPED_TRACE(kLooks[look]);
    auto bmp = LoadTheme(Name(kLooks[look], "TITLEBTN"));
    for (int frame = 0; frame < 18; ++frame) {
      TRect r = PieceRect(*bmp, frame, 18);
      EXPECT_EQ(PixelAt(*bmp, r.Left, 0) == kMagenta, transparent[look]) << frame;
      EXPECT_NE(PixelAt(*bmp, r.Left + r.Width() / 2, r.Height() / 2), kMagenta) << frame;
      if (!transparent[look]) {
        EXPECT_FALSE(HasMagenta(*bmp, r)) << frame;
      }
    }
  }
}

// Radio buttons and horizontal sliders are drawn with their bottom-left
// pixel as the transparent colour.
TEST(Transparency, BottomLeftPixelIsTransparentWhereThatPixelDecides) {
  for (const char* look : kLooks) {
    for (const char* suffix : {"RADIOBUTTON", "TRACKBAR_SLIDER"}) {
      SCOPED_TRACE(Name(look, suffix));
      auto bmp = LoadTheme(Name(look, suffix));
      int count = std::string(suffix) == "RADIOBUTTON" ? 4 : 1;
      for (int piece = 0; piece < count; ++piece) {
        TRect r = PieceRect(*bmp, piece, count);
        EXPECT_EQ(PixelAt(*bmp, r.Left, r.Bottom - 1), kMagenta);
        EXPECT_NE(PixelAt(*bmp, r.Left + r.Width() / 2, r.Height() / 2), kMagenta);
      }
    }
  }
}

// Line buttons draw their pictures opaque: a transparent colour in them
// would show as coloured corners.
TEST(Transparency, ScrollBarButtonsAreOpaque) {
  for (const char* look : kLooks) {
    SCOPED_TRACE(look);
    auto bmp = LoadTheme(Name(look, "SCROLLBAR_BUTTON"));
    EXPECT_FALSE(HasMagenta(*bmp, {0, 0, bmp->Width(), bmp->Height()}));
  }
}

// Tabs and the track bar are drawn as three cells whose middle one is
// stretched; only the end cells may carry the transparent colour.
TEST(Transparency, ThreeCellPicturesKeepTheirMiddleCellOpaque) {
  for (const char* look : kLooks) {
    auto tabs = LoadTheme(Name(look, "TAB"));
    for (int piece = 0; piece < 2; ++piece) {
      SCOPED_TRACE(Name(look, "TAB"));
      TRect r = PieceRect(*tabs, piece, 2);
      int cell = r.Width() / 3;
      EXPECT_EQ(PixelAt(*tabs, r.Left, 0), kMagenta);
      EXPECT_FALSE(HasMagenta(*tabs, {r.Left + cell, 0, r.Left + 2 * cell, r.Bottom}));
    }
    SCOPED_TRACE(Name(look, "TRACKBAR_BAR"));
    auto bar = LoadTheme(Name(look, "TRACKBAR_BAR"));
    EXPECT_EQ(PixelAt(*bar, 0, 0), kMagenta);
    EXPECT_FALSE(HasMagenta(*bar, {15, 0, 30, bar->Height()}));
  }
}

}  // namespace
