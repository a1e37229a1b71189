// The skinned controls in the recorder's build, dressed from one of its
// theme files: each must show the pictures and colours of the elements
// the built-in looks give it, read from the file by element.

#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "resources/Resources.h"
#include "skin/ZELButton.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELPageControl.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELTrackBar.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/ZelThemeFiles.h"

namespace {

constexpr TColor kKey = 0xFF00FF;  // the pictures' transparent corners and edges

// A strip of `pieces` pictures side by side, piece k (from 0) filled with
// first + k inside a one-pixel edge of the key colour.
TItem Strip(const std::string& element, int pieces, int pieceWidth, int height, TColor first) {
  TBitmap bitmap(pieces * pieceWidth, height, pf24bit);
  TCanvas& canvas = *bitmap.Canvas();
  for (int k = 0; k < pieces; ++k) {
    const TRect piece{k * pieceWidth, 0, (k + 1) * pieceWidth, height};
    canvas.Brush()->SetColor(kKey);
    canvas.FillRect(piece);
    canvas.Brush()->SetColor(TColor(first + k));
    canvas.FillRect({piece.Left + 1, 1, piece.Right - 1, height - 1});
  }
  return themefile::BitmapItem(element, bitmap.SaveToBytes());
}

// Colours no built-in look uses, one run per element.
constexpr TColor kCheckBox = 0x102030;
constexpr TColor kRadio = 0x112233;
constexpr TColor kTrack = 0x203040;
constexpr TColor kSlider = 0x213141;
constexpr TColor kScrollButtons = 0x304050;
constexpr TColor kScrollThumb = 0x314151;
constexpr TColor kScrollBack = 0x324252;
constexpr TColor kTabs = 0x405060;
constexpr TColor kTabLine = 0x415161;
constexpr TColor kControlBack = 0x425262;
constexpr TColor kBorder = 0x506070;
constexpr TColor kFont = 0x516171;

class RecorderThemeControls : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    SetSkinFlavour(zelOlderBuild);
    form = ShownForm(500, 400);
    theme = new TzelFileTheme(form);
    theme->SetThemeFile(temp.Write("controls.zel", BuildZelFile({
        Strip("CheckBoxImage", 4, 13, 13, kCheckBox),
        Strip("RadioButtonImage", 4, 13, 13, kRadio),
        Strip("TrackBarBarImage", 1, 45, 5, kTrack),
        Strip("TrackBarSliderImage", 1, 11, 20, kSlider),
        Strip("ScrollBarButtonImage", 6, 16, 16, kScrollButtons),
        Strip("ScrollBarSliderImage", 3, 7, 16, kScrollThumb),
        IntegerItem("ScrollBarBackgroundColor", kScrollBack),
        Strip("TabControlTabImage", 2, 10, 20, kTabs),
        Strip("TabControlBarImage", 1, 5, 5, kTabLine),
        IntegerItem("ControlBackgroundColor", kControlBack),
        IntegerItem("ControlBorderColor", kBorder),
        IntegerItem("ControlFontColor", kFont),
    })));
    ASSERT_TRUE(theme->Ready());
  }
  void TearDown() override {
    HeadlessFormsTest::TearDown();
    SetSkinFlavour(zelCurrentBuild);
  }

  template <class T>
  T* Dressed(int left, int top) {
    auto* control = new T(form);
    control->SetParent(form);
    control->SetLeft(left);
    control->SetTop(top);
    control->SetFileTheme(theme);
    control->SetUIStyle(FromThemeFile);
    return control;
  }

  // Whether the control or one of its parts shows the colour.
  bool Shows(TWinControl& control, TColor color) {
    form->Repaint();
    HeadlessPumpUntilIdle();
    return Holds(control, color);
  }
  static bool Holds(TWinControl& control, TColor color) {
    HDC dc = GetWindowDC(control.Handle());
    for (int y = 0; y < control.Height(); ++y)
      for (int x = 0; x < control.Width(); ++x)
        if (dc->Pixels(x, y) == color) return true;
    for (int i = 0; i < control.ControlCount(); ++i)
      if (auto* part = dynamic_cast<TWinControl*>(control.Controls(i)); part && Holds(*part, color)) return true;
    return false;
  }

  TPrivateTempFolder temp;
  TForm* form = nullptr;
  TzelFileTheme* theme = nullptr;
};

}  // namespace

// Four states side by side: checked, unchecked, checked disabled,
// unchecked disabled.
TEST_F(RecorderThemeControls, CheckAndRadioButtonsTakeTheirStatePieces) {
  auto* check = Dressed<TzelCheckBox>(10, 10);
  check->SetCaption("Check");
  EXPECT_TRUE(Shows(*check, kCheckBox + 1));
  check->SetChecked(true);
  EXPECT_TRUE(Shows(*check, kCheckBox));
  check->SetEnabled(false);
  EXPECT_TRUE(Shows(*check, kCheckBox + 2));

  auto* radio = Dressed<TzelRadioButton>(10, 40);
  radio->SetCaption("Radio");
  radio->SetChecked(true);
  EXPECT_TRUE(Shows(*radio, kRadio));
  EXPECT_FALSE(Shows(*radio, kKey));  // drawn through its transparent colour
}

TEST_F(RecorderThemeControls, TrackAndScrollBarsTakeTheirPictures) {
  auto* track = Dressed<TzelTrackBar>(10, 80);
  track->SetWidth(120);
  EXPECT_TRUE(Shows(*track, kTrack));
  EXPECT_TRUE(Shows(*track, kSlider));

  auto* bar = Dressed<TzelScrollBar>(200, 10);
  bar->SetOrientation(zelVertical);
  bar->SetHeight(150);
  bar->SetLineButton(40);
  EXPECT_EQ(bar->Color(), kScrollBack);
  EXPECT_TRUE(Shows(*bar, kScrollButtons));      // the upper button, at rest
  EXPECT_TRUE(Shows(*bar, kScrollButtons + 3));  // the lower one
  EXPECT_TRUE(Shows(*bar, kScrollThumb + 1));    // the thumb's middle
}

TEST_F(RecorderThemeControls, TabsAndGroupBoxesTakeTheirPicturesAndColours) {
  auto* pages = Dressed<TzelPageControl>(10, 120);
  pages->SetBounds(10, 120, 200, 100);
  TzelTabSheet* first = nullptr;
  for (const char* caption : {"One", "Two"}) {
    auto* sheet = new TzelTabSheet(form);
    sheet->SetCaption(caption);
    sheet->SetParent(pages);
    if (!first) first = sheet;
  }
  pages->SetActivePage(first);
  EXPECT_TRUE(Shows(*pages, kTabs));      // the active tab
  EXPECT_TRUE(Shows(*pages, kTabs + 1));  // the other one
  EXPECT_TRUE(Shows(*pages, kTabLine));
  EXPECT_EQ(pages->BorderColor(), kBorder);

  auto* group = Dressed<TzelGroupBox>(250, 200);
  group->SetCaption("Group");
  EXPECT_EQ(group->BorderColor(), kBorder);
  EXPECT_EQ(group->Font()->Color(), kFont);
  EXPECT_TRUE(Shows(*group, kBorder));
}
