#include "resources/themefile/LookBitmaps.h"

#include <algorithm>
#include <stdexcept>

#include "resources/art/ArtKinds.h"
#include "resources/themefile/BuiltInElements.h"
#include "resources/themefile/LookValues.h"

namespace themefile {

namespace {

using namespace element;

// The window frame is 4 pixels wide at the sides and the bottom.
constexpr int kFrameSize = 4;

class LookPictures {
 public:
  LookPictures(const ThemeRecipe& recipe, const BitmapSource& bitmaps) : recipe_(recipe), bitmaps_(bitmaps) {
    face_ = TColor(GetBuiltInThemeColor(recipe.look, kFormBackground));
    border_ = TColor(GetBuiltInThemeColor(recipe.look, kFormBorder));
    borderWidth_ = std::clamp(GetBuiltInThemeInteger(recipe.look, kFormBorderWidth), 0, kFrameSize);
  }

  std::vector<ThemeItem> Items() {
    Add("SKIN2_TITLEBAR1", TitleLeft());
    Add("SKIN2_TITLEBAR2", Element(kTitleClientImage));
    Add("SKIN2_TITLEBAR3", TitleRight());
    Add("SKIN2_FORMLEFTBORDER", SideBorder(true));
    Add("SKIN2_FORMRIGHTBORDER", SideBorder(false));
    if (recipe_.bottomBorderThreeSections) {
      Add("SKIN2_FORMBOTTOMBORDER1", BottomBorder(kFrameSize, true, false));
      Add("SKIN2_FORMBOTTOMBORDER2", BottomBorder(1, false, false));
      Add("SKIN2_FORMBOTTOMBORDER3", BottomBorder(kFrameSize, false, true));
    } else {
      // Cut in thirds by the frame: corner, stretched middle, corner.
      Add("SKIN2_FORMBOTTOMBORDER1", BottomBorder(3 * kFrameSize, true, true));
    }
    Add("SKIN2_MINIMIZEDTITLE", Element(kTitleClientImage));
    Add("SKIN2_TITLEBUTTONS", Element(kTitleButtonImage));
    Add("SKIN2_CHECKEDMENUICON", Named("MENU_CHECKED"));
    if (recipe_.menuAndToolBarPictures) {
      Add("SKIN2_MENUBAR", VerticalGradient(1, 22, Color("SKIN2_MENUBARSTARTCOLOR"), Color("SKIN2_MENUBARENDCOLOR")));
      Add("SKIN2_TOOLBAR", VerticalGradient(1, 26, Color("SKIN2_TOOLBARSTARTCOLOR"), Color("SKIN2_TOOLBARENDCOLOR")));
    }
    Add("SKIN2_BUTTON", Element(kButtonImage));
    Add("SKIN2_CHECKBOX", CheckBoxInSixPieces());
    Add("SKIN2_CHECKBOXLIST", Element(kCheckListImage));
    Add("SKIN2_RADIOBUTTON", Element(kRadioButtonImage));
    for (const char* name : {"SKIN2_PROGRESSBAR1", "SKIN2_PROGRESSBAR2", "SKIN2_PROGRESSBAR3", "SKIN2_PROGRESSBAR4"})
      Add(name, Element(kProgressBarImage));
    Add("SKIN2_TRACKBAR", Element(kTrackBarImage));
    Add("SKIN2_TRACKBARSLIDER", Element(kTrackSliderImage));
    Add("SKIN2_TRACKBARVSLIDER", Element(kTrackSliderVImage));
    // The look keeps both line buttons' three states in one strip of six.
    Add("SKIN2_SCROLLBARUPBUTTON", PieceOf(*Element(kScrollBarButtonImage), 2, 1));
    // Stored upright; the scroll bar turns it a quarter left to cut it in three.
    Add("SKIN2_SCROLLBAR", TurnedRight(*Element(kScrollBarThumbImage)));
    Add("SKIN2_SCROLLBARDOWNBUTTON", PieceOf(*Element(kScrollBarButtonImage), 2, 2));
    Add("SKIN2_TABCONTROL", Element(kTabImage));
    Add("SKIN2_TABCONTROLLINE", Element(kTabLineImage));
    Add("SKIN2_SIDECHANNELBAR", Element(kSideChannelBarImage));
    Add("SKIN2_SIDECHANNELTITLE", Element(kSideChannelHandleImage));
    Add("SKIN2_SCROLLBUTTON", Element(kScrollButtonImage));
    return std::move(items_);
  }

  // Per row, the pixels the window's rounded corner cuts from either end
  // of the title: the look rounds its window by element 14.
  std::vector<int> CornerRuns() const {
    const BitmapPtr right = Element(kTitleRightImage);
    return art::TitleCornerCuts(GetBuiltInThemeInteger(recipe_.look, kFormRoundCorner), right->Width(),
                                right->Height());
  }

 private:
  void Add(const std::string& name, const BitmapPtr& picture) {
    items_.push_back(BitmapItem(name, picture->SaveToBytes()));
  }

  BitmapPtr Named(const std::string& name) const {
    BitmapPtr bitmap = bitmaps_(name);
    bitmap->SetPixelFormat(pf24bit);
    return bitmap;
  }

  BitmapPtr Element(int element) const {
    const std::string name = GetBuiltInThemeBitmapName(recipe_.look, element);
    if (name.empty()) throw std::runtime_error("the look has no picture for element " + std::to_string(element));
    return Named(name);
  }

  TColor Color(const std::string& item) const {
    for (const ThemeItem& color : LookColorItems(recipe_.look))
      if (color.name == item)
        return TColor(color.data[0]) | TColor(color.data[1]) << 8 | TColor(color.data[2]) << 16;
    throw std::logic_error("no theme colour " + item);
  }

  // A built-in look rounds its window itself and draws its title pictures
  // square; a theme file's window is cut from its title pictures, so their
  // corners go in the transparent colour.
  BitmapPtr TitleLeft() const {
    BitmapPtr left = Element(kTitleLeftImage);
    PaintRunsAtLeftEnd(*left, CornerRuns(), kTransparentColor);
    return left;
  }

  BitmapPtr TitleRight() const {
    BitmapPtr right = Element(kTitleRightImage);
    PaintRunsAtRightEnd(*right, CornerRuns(), kTransparentColor);
    return right;
  }

  // The look's border line on the outside, the form colour inside; the
  // frame stretches it down the side.
  BitmapPtr SideBorder(bool left) const {
    BitmapPtr side = Filled(kFrameSize, 8, face_);
    const int lineLeft = left ? 0 : kFrameSize - borderWidth_;
    FillArea(*side, TRect{lineLeft, 0, lineLeft + borderWidth_, side->Height()}, border_);
    return side;
  }

  BitmapPtr BottomBorder(int width, bool lineOnLeft, bool lineOnRight) const {
    BitmapPtr bottom = Filled(width, kFrameSize, face_);
    FillArea(*bottom, TRect{0, kFrameSize - borderWidth_, width, kFrameSize}, border_);
    if (lineOnLeft) FillArea(*bottom, TRect{0, 0, borderWidth_, kFrameSize}, border_);
    if (lineOnRight) FillArea(*bottom, TRect{width - borderWidth_, 0, width, kFrameSize}, border_);
    return bottom;
  }

  // The look has four states (checked, unchecked, each enabled and
  // disabled); a theme file's check box has six, where pieces 2 and 5
  // (shown by no control) repeat the checked ones.
  BitmapPtr CheckBoxInSixPieces() const {
    BitmapPtr four = Element(kCheckBoxImage);
    BitmapPtr checked = PieceOf(*four, 4, 1), unchecked = PieceOf(*four, 4, 2);
    BitmapPtr checkedOff = PieceOf(*four, 4, 3), uncheckedOff = PieceOf(*four, 4, 4);
    return SideBySide({checked.get(), checked.get(), unchecked.get(), checkedOff.get(), checkedOff.get(),
                       uncheckedOff.get()});
  }

  const ThemeRecipe& recipe_;
  const BitmapSource& bitmaps_;
  TColor face_;
  TColor border_;
  int borderWidth_;
  std::vector<ThemeItem> items_;
};

}  // namespace

std::vector<ThemeItem> LookBitmapItems(const ThemeRecipe& recipe, const BitmapSource& bitmaps) {
  return LookPictures(recipe, bitmaps).Items();
}

int TitleCornerRows(const ThemeRecipe& recipe, const BitmapSource& bitmaps) {
  const std::vector<int> runs = LookPictures(recipe, bitmaps).CornerRuns();
  int rows = 0;
  while (rows < int(runs.size()) && runs[rows] > 0) ++rows;
  return rows;
}

}  // namespace themefile
