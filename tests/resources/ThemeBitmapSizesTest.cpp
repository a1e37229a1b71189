// Every theme bitmap the skin library asks for is carried, with the size
// its readers' piece arithmetic expects.

#include <gtest/gtest.h>

#include "BitmapProbe.h"
#include "platform/base/Exceptions.h"
#include "resources/Resources.h"
#include "skin/ZELResources.h"

namespace {

struct Expected {
  std::string name;
  int width;
  int height;
  int pieces;
};

std::vector<Expected> ExpectedBitmaps() {
  struct Row {
    const char* suffix;
    int pieces;
    TSize size[5];
  };
  const Row rows[] = {
      {"BUTTON", 3, {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}},
      {"CHECKBOX", 4, {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
      {"RADIOBUTTON", 4, {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
      {"TITLEBTN", 18, {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}},
      {"TITLE_LEFT", 1, {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
      {"TITLE_CLIENT", 1, {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
      {"TITLE_RIGHT", 1, {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
      {"PROGRESSBAR", 1, {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
      {"TRACKBAR_BAR", 3, {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
      {"TRACKBAR_SLIDER", 1, {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
      {"TRACKBAR_SLIDER_V", 1, {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
      {"SCROLLBAR_BUTTON", 6, {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
      {"SCROLLBAR_TRACK", 3, {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}},
      {"CHECKLIST", 4, {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}},
      {"SCROLLBUTTON", 4, {{72, 18}, {72, 18}, {0, 0}, {0, 0}, {0, 0}}},
      {"TAB", 2, {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}},
      {"TAB_LINE", 1, {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
      {"SIDECHENNEL_HANDLE", 1, {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
      {"SIDECHENNEL_BAR", 1, {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}},
  };
  const char* prefixes[] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};
  std::vector<Expected> all;
  for (const Row& row : rows)
    for (int look = 0; look < 5; ++look)
      if (row.size[look].cx > 0)
        all.push_back({std::string(prefixes[look]) + "_" + row.suffix, row.size[look].cx, row.size[look].cy,
                       row.pieces});
  const Expected named[] = {
      {"MORE_SCROLLBUTTON", 72, 17, 4},       {"MACOS_COMBOBOX_BUTTON", 16, 17, 1},
      {"WINXP_COMBOBOX_BUTTON", 16, 18, 1},   {"MACOS_FORM_BACKGROUND", 8, 8, 1},
      {"PROTEIN_FORM_BACKGROUND", 8, 8, 1},   {"MACOS_MENU_BAR", 1, 22, 1},
      {"MACOS_MENU_SELECT", 1, 21, 1},        {"MENU_CHECKED", 16, 16, 1},
      {"MSGDLG", 168, 42, 4},
  };
  all.insert(all.end(), std::begin(named), std::end(named));
  return all;
}

TEST(ThemeBitmaps, EveryBitmapHasItsSizeAndWholePieces) {
  std::vector<Expected> expected = ExpectedBitmaps();
  EXPECT_EQ(expected.size(), 101u);
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    std::unique_ptr<TBitmap> bmp = LoadResourceBitmap(e.name);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->Width(), e.width);
    EXPECT_EQ(bmp->Height(), e.height);
    EXPECT_EQ(bmp->Width() % e.pieces, 0);
    EXPECT_EQ(bmp->PixelFormat(), pf24bit);
  }
}

TEST(ThemeBitmaps, StatePiecesDifferFromEachOther) {
  // A state picture that equals another would leave the user without feedback.
  const std::pair<const char*, int> strips[] = {
      {"MACOS_BUTTON", 3},         {"WINXP_BUTTON", 3},         {"DEEPBLUE_BUTTON", 3},
      {"PROTEIN_BUTTON", 3},       {"BLUEGLASS_BUTTON", 3},     {"DEEPBLUE_TITLEBTN", 18},
      {"WINXP_TITLEBTN", 18},      {"MACOS_CHECKBOX", 4},       {"BLUEGLASS_RADIOBUTTON", 4},
      {"PROTEIN_SCROLLBAR_BUTTON", 6}, {"MORE_SCROLLBUTTON", 4}, {"WINXP_TAB", 2}, {"MSGDLG", 4},
  };
  for (const auto& [name, count] : strips) {
    SCOPED_TRACE(name);
    auto bmp = LoadTheme(name);
    for (int a = 0; a < count; ++a)
      for (int b = a + 1; b < count; ++b)
        EXPECT_FALSE(SamePixels(*bmp, PieceRect(*bmp, a, count), PieceRect(*bmp, b, count))) << a << " vs " << b;
  }
}

TEST(ResourceLookup, UnknownOrEmptyNamesThrowResNotFound) {
  EXPECT_THROW(LoadResourceBitmap("NO_SUCH_BITMAP"), EResNotFound);
  EXPECT_THROW(LoadResourceBitmap(""), EResNotFound);
  EXPECT_THROW(LoadResourceBitmap("DEEPBLUE_SCROLLBUTTON"), EResNotFound);
}

TEST(ResourceLookup, NamesMatchIgnoringCase) {
  auto bmp = LoadResourceBitmap("deepblue_button");
  EXPECT_EQ(bmp->Width(), 222);
}

TEST(ResourceLookup, SkinLibraryLoadsThroughRegisteredLookup) {
  SetBitmapResourceLookup({});
  TBitmap dest;
  EXPECT_THROW(LoadBitmapResource("MSGDLG", dest), EResNotFound);
  RegisterSkinResources();
  LoadBitmapResource("MSGDLG", dest);
  EXPECT_EQ(dest.Width(), 168);
  EXPECT_EQ(dest.Height(), 42);
  EXPECT_THROW(LoadBitmapResource("NOT_THERE", dest), EResNotFound);
  SetBitmapResourceLookup({});
}

}  // namespace

namespace {

// Pieces that readers stretch along one axis must not change along it, or
// the stretch smears their detail.
TEST(ThemeBitmaps, StretchedPiecesAreUniformAlongTheStretch) {
  for (const char* look : {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"}) {
    std::string prefix = std::string(look) + "_";
    SCOPED_TRACE(look);
    auto thumb = LoadTheme(prefix + "SCROLLBAR_TRACK");
    TRect middle = PieceRect(*thumb, 1, 3);
    auto client = LoadTheme(prefix + "TITLE_CLIENT");
    for (int x = 1; x < middle.Width(); ++x)
      EXPECT_TRUE(SamePixels(*thumb, {middle.Left, 0, middle.Left + 1, middle.Bottom},
                             {middle.Left + x, 0, middle.Left + x + 1, middle.Bottom}));
    for (int x = 1; x < client->Width(); ++x)
      EXPECT_TRUE(SamePixels(*client, {0, 0, 1, client->Height()}, {x, 0, x + 1, client->Height()}));
    // The progress bar is stretched over the done part of the bar.
    auto progress = LoadTheme(prefix + "PROGRESSBAR");
    for (int x = 1; x < progress->Width(); ++x)
      EXPECT_TRUE(SamePixels(*progress, {0, 0, 1, progress->Height()}, {x, 0, x + 1, progress->Height()}));
  }
}

}  // namespace
