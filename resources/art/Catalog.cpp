#include "resources/art/Catalog.h"

#include "resources/art/ArtKinds.h"

namespace art {

namespace {

using PaintFn = void (*)(TBitmap&, const LookStyle&);

struct KindSizes {
  const char* suffix;
  int pieces;
  PaintFn paint;
  TSize size[kLookCount];  // MacOS, WinXP, DeepBlue, Protein, BlueGlass; 0 x 0: none
};

const KindSizes kKinds[] = {
    {"BUTTON", 3, DrawPushButton, {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}},
    {"CHECKBOX", 4, DrawCheckBox, {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {"RADIOBUTTON", 4, DrawRadioButton, {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {"TITLEBTN", 18, DrawTitleButtons, {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}},
    {"TITLE_LEFT", 1, DrawTitleLeft, {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
    {"TITLE_CLIENT", 1, DrawTitleClient, {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
    {"TITLE_RIGHT", 1, DrawTitleRight, {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
    {"PROGRESSBAR", 1, DrawProgressBar, {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
    {"TRACKBAR_BAR", 3, DrawTrackBar, {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
    {"TRACKBAR_SLIDER", 1, DrawTrackSlider, {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
    {"TRACKBAR_SLIDER_V", 1, DrawTrackSliderVertical, {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
    {"SCROLLBAR_BUTTON", 6, DrawScrollBarButtons, {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
    {"SCROLLBAR_TRACK", 3, DrawScrollBarThumb, {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}},
    {"CHECKLIST", 4, DrawCheckBox, {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}},
    {"SCROLLBUTTON", 4, DrawTabScrollButtons, {{72, 18}, {72, 18}, {0, 0}, {0, 0}, {0, 0}}},
    {"TAB", 2, DrawTabs, {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}},
    {"TAB_LINE", 1, DrawTabLine, {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
    {"SIDECHENNEL_HANDLE", 1, DrawSideChannelHandle, {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
    {"SIDECHENNEL_BAR", 1, DrawSideChannelBar, {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}},
};

// Bitmaps that controls load by name rather than through the look tables.
struct NamedArt {
  const char* name;
  Look look;
  int pieces;
  PaintFn paint;
  TSize size;
};

const NamedArt kNamed[] = {
    {"MORE_SCROLLBUTTON", Look::DeepBlue, 4, DrawTabScrollButtons, {72, 17}},
    {"MACOS_COMBOBOX_BUTTON", Look::MacOS, 1, DrawComboButton, {16, 17}},
    {"WINXP_COMBOBOX_BUTTON", Look::WinXP, 1, DrawComboButton, {16, 18}},
    {"MACOS_FORM_BACKGROUND", Look::MacOS, 1, DrawFormBackground, {8, 8}},
    {"PROTEIN_FORM_BACKGROUND", Look::Protein, 1, DrawFormBackground, {8, 8}},
    {"MACOS_MENU_BAR", Look::MacOS, 1, DrawMenuBar, {1, 22}},
    {"MACOS_MENU_SELECT", Look::MacOS, 1, DrawMenuSelect, {1, 21}},
    {"MENU_CHECKED", Look::DeepBlue, 1, DrawMenuChecked, {16, 16}},
    {"MSGDLG", Look::DeepBlue, 4, DrawDialogIcons, {168, 42}},
};

std::vector<ArtEntry> BuildCatalog() {
  std::vector<ArtEntry> entries;
  for (const KindSizes& kind : kKinds) {
    for (int i = 0; i < kLookCount; ++i) {
      if (kind.size[i].cx == 0) continue;
      const LookStyle& style = AllLooks()[i];
      PaintFn paint = kind.paint;
      entries.push_back({style.prefix + "_" + kind.suffix, kind.size[i].cx, kind.size[i].cy, kind.pieces,
                         [paint, &style](TBitmap& bmp) { paint(bmp, style); }});
    }
  }
  for (const NamedArt& named : kNamed) {
    const LookStyle& style = StyleOf(named.look);
    PaintFn paint = named.paint;
    entries.push_back({named.name, named.size.cx, named.size.cy, named.pieces,
                       [paint, &style](TBitmap& bmp) { paint(bmp, style); }});
  }
  return entries;
}

}  // namespace

const std::vector<ArtEntry>& ThemeArtCatalog() {
  static const std::vector<ArtEntry> catalog = BuildCatalog();
  return catalog;
}

std::unique_ptr<TBitmap> PaintArt(const ArtEntry& entry) {
  auto bmp = std::make_unique<TBitmap>(entry.width, entry.height, pf24bit);
  entry.paint(*bmp);
  return bmp;
}

}  // namespace art
