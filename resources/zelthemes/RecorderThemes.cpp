#include "resources/zelthemes/RecorderThemes.h"

#include "platform/gfx/Bitmap.h"
#include "resources/art/Painter.h"
#include "resources/zelthemes/RecorderArt.h"
#include "skin/ZELThemes.h"

namespace zelthemes {

namespace {

using art::Darker;
using art::Lighter;

struct PictureRecipe {
  int element;
  int width;
  int height;
  void (*paint)(TBitmap&, const RecorderDesign&);
};

// Widths are whole multiples of the pieces the controls cut them into.
const PictureRecipe kPictures[] = {
    {1, 3 * 30, 25, PaintPushButton},
    {3, 4 * 13, 13, PaintCheckBox},
    {4, 4 * 13, 13, PaintRadioButton},
    {5, 18 * kTitleKeySize, kTitleKeySize, PaintTitleKeys},
    {10, 40, kTitleHeight, PaintTitleLeft},
    {11, 8, kTitleHeight, PaintTitleClient},
    {12, 40, kTitleHeight, PaintTitleRight},
    {24, 2, 10, PaintProgressBar},
    {28, 45, 5, PaintTrackBar},
    {29, 11, 20, PaintTrackSlider},
    {30, 20, 11, PaintTrackSliderVertical},
    {32, 6 * 16, 16, PaintScrollBarButtons},
    {33, 3 * 7, 16, PaintScrollBarThumb},
    {34, 4 * 11, 11, PaintCheckBox},
    {38, 4 * 18, 17, PaintTabScrollButtons},
    {39, 2 * 10, 20, PaintTabs},
    {40, 5, 5, PaintTabLine},
    {41, 8, 83, PaintSideChannelHandle},
    {42, 1, 20, PaintSideChannelBar},
};

struct Value {
  int element;
  std::int32_t value;
};

std::vector<Value> IntegersOf(const RecorderDesign& d) {
  const TColor menuSelected = d.accent;
  return {
      {7, 4},  // title keys: from the left end, and back from the right
      {8, -3},
      {9, kTitleKeyTop},
      {13, 150},  // the narrowest window
      {14, kCornerSize},
      {15, std::int32_t(d.face)},
      {16, std::int32_t(d.frame)},
      {17, kFrameWidth},
      {18, std::int32_t(Darker(menuSelected, 0.25))},
      {19, std::int32_t(menuSelected)},
      {20, 0xFFFFFF},
      {21, std::int32_t(Lighter(d.face, 0.7))},
      {22, 0x000000},
      {23, std::int32_t(d.face)},
      {25, std::int32_t(d.controlBorder)},
      {26, std::int32_t(d.face)},
      {27, std::int32_t(d.controlFont)},
      {31, std::int32_t(d.scrollBack)},
      {35, std::int32_t(Darker(d.accent, 0.25))},
      {36, std::int32_t(Lighter(d.accent, 0.8))},
      {37, std::int32_t(Lighter(d.accent, 0.55))},
  };
}

// Buttons and title keys are drawn opaque: their corners carry the
// colours around them, never the transparent colour.
const Value kFlags[] = {{2, 0}, {6, 0}};

}  // namespace

std::vector<int> RecorderPictureElements() {
  std::vector<int> elements;
  for (const PictureRecipe& recipe : kPictures) elements.push_back(recipe.element);
  return elements;
}

std::unique_ptr<TBitmap> RecorderPicture(const RecorderDesign& design, int element) {
  for (const PictureRecipe& recipe : kPictures)
    if (recipe.element == element) {
      auto bitmap = std::make_unique<TBitmap>(recipe.width, recipe.height, pf24bit);
      recipe.paint(*bitmap, design);
      return bitmap;
    }
  return nullptr;
}

std::vector<themefile::ThemeItem> RecorderThemeItems(const RecorderDesign& design) {
  const std::vector<Value> integers = IntegersOf(design);
  std::vector<themefile::ThemeItem> items;
  for (int element = zelFirstElement; element <= zelLastElement; ++element) {
    const std::string name = BuiltInElementName(element);
    if (auto picture = RecorderPicture(design, element)) items.push_back(themefile::BitmapItem(name, picture->SaveToBytes()));
    for (const Value& integer : integers)
      if (integer.element == element) items.push_back(themefile::IntegerItem(name, integer.value));
    for (const Value& flag : kFlags)
      if (flag.element == element) items.push_back(themefile::FlagItem(name, flag.value != 0));
  }
  return items;
}

themefile::Bytes WriteRecorderTheme(const RecorderDesign& design) {
  return themefile::WriteItemFile(RecorderThemeItems(design), themefile::kOlderThemeFileHeader);
}

}  // namespace zelthemes
