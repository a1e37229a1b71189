#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELPublic.h"
#include "skin/ZELScrollBar.h"
#include "skin/ZELScrollBarThumb.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

class ScrollBars : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(400, 300);
  }
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    HeadlessFormsTest::TearDown();
  }
  TzelScrollBar* Place(TzelProgressBarOrientation orientation, int length = 200) {
    auto* bar = new TzelScrollBar(form);
    bar->SetParent(form);
    bar->SetOrientation(orientation);
    if (orientation == zelHorizontal)
      bar->SetBounds(10, 10, length, 20);
    else
      bar->SetBounds(10, 10, 20, length);
    bar->OnChange = [this](TObject* sender) {
      ++changes;
      lastSender = sender;
    };
    return bar;
  }
  static int ThumbLength(TzelScrollBar* bar) {
    TzelImagePanel* slider = bar->Track()->Slider();
    return bar->Orientation() == zelHorizontal ? slider->Width() : slider->Height();
  }
  void Hold(TControl* button, int ms) {
    HeadlessMouseMove(ScreenPointOf(button, 3, 3));
    HeadlessMouseDown();
    HeadlessAdvanceClock(ms);
    HeadlessMouseUp();
  }

  TForm* form = nullptr;
  int changes = 0;
  TObject* lastSender = nullptr;
};

// A strip of `count` pieces of `size`, each filled in its own colour.
void FillPieces(TBitmap& strip, int count, int width, int height, const std::vector<TColor>& colors) {
  strip.SetSize(width * count, height);
  for (int i = 0; i < count; ++i) {
    strip.Canvas()->Brush()->SetColor(colors[i]);
    strip.Canvas()->FillRect({i * width, 0, (i + 1) * width, height});
  }
}

}  // namespace

TEST_F(ScrollBars, PartsAreLaidOutAlongTheBar) {
  for (TzelUIStyle look : {MacOS, DeepBlue}) {
    TBitmap piece;
    GetBuiltInThemeBitmap(look, 32, &piece, 6, 1);  // drawn for the vertical bar
    auto* across = Place(zelHorizontal, 200);
    across->SetUIStyle(look);
    EXPECT_EQ(across->Height(), piece.Width());  // turned a quarter
    EXPECT_EQ(across->FirstButton()->BoundsRect(), Rect(0, 0, piece.Height(), piece.Width()));
    EXPECT_EQ(across->SecondButton()->Left(), 200 - piece.Height());
    EXPECT_EQ(across->Track()->Left(), piece.Height());
    EXPECT_EQ(across->Track()->Width(), 200 - 2 * piece.Height());
    EXPECT_EQ(across->Color(), TColor(GetBuiltInThemeColor(look, 31)));
    EXPECT_EQ(across->Track()->Color(), across->Color());

    auto* down = Place(zelVertical, 150);
    down->SetUIStyle(look);
    EXPECT_EQ(down->Width(), piece.Width());
    EXPECT_EQ(down->FirstButton()->BoundsRect(), Rect(0, 0, piece.Width(), piece.Height()));
    EXPECT_EQ(down->SecondButton()->Top(), 150 - piece.Height());
    EXPECT_EQ(down->Track()->Height(), 150 - 2 * piece.Height());
    across->Free();
    down->Free();
  }
}

TEST_F(ScrollBars, BoundsSetBeforeTheWindowExistsAreLaidOut) {
  TForm* later = nullptr;
  Application->CreateForm(later);
  auto* bar = new TzelScrollBar(later);
  bar->SetParent(later);
  bar->SetOrientation(zelVertical);
  bar->SetBounds(5, 5, 16, 120);
  later->Show();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(bar->SecondButton()->Top(), 120 - bar->SecondButton()->Height());
  EXPECT_EQ(bar->Track()->Height(), 120 - 2 * bar->SecondButton()->Height());
}

TEST_F(ScrollBars, ThumbLengthFollowsPageSizeOrLineButton) {
  auto* bar = Place(zelHorizontal, 232);  // a 200-pixel track between 16-pixel buttons
  ASSERT_EQ(bar->Track()->Width(), 200);
  bar->SetMax(1000);
  bar->SetPageSize(50);
  EXPECT_EQ(ThumbLength(bar), 100);
  bar->SetPageSize(0);  // outside 10..100 counts as 10 %
  EXPECT_EQ(ThumbLength(bar), 20);
  bar->SetPageSize(250);
  EXPECT_EQ(ThumbLength(bar), 20);
  bar->SetLargeChange(50);  // the page step only; the thumb stays
  EXPECT_EQ(bar->PageSize(), 50);
  EXPECT_EQ(ThumbLength(bar), 20);

  bar->SetLineButton(5);  // short thumbs grow to 16
  EXPECT_EQ(ThumbLength(bar), 16);
  EXPECT_EQ(bar->LineButton(), 16);
  bar->SetLineButton(201);  // longer than the track: ignored
  EXPECT_EQ(bar->LineButton(), 16);
  bar->SetLineButton(60);
  EXPECT_EQ(ThumbLength(bar), 60);

  SetSkinFlavour(zelOlderBuild);  // the recorder's minimum is 18
  bar->SetLineButton(4);
  EXPECT_EQ(bar->LineButton(), 18);
  EXPECT_EQ(ThumbLength(bar), 18);
}

TEST_F(ScrollBars, LineButtonsStepWhileHeld) {
  auto* bar = Place(zelVertical);
  bar->SetMax(50);
  bar->SetSmallChange(3);
  Hold(bar->SecondButton(), 350);
  EXPECT_EQ(bar->Position(), 9);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(lastSender, bar->Track());
  EXPECT_EQ(bar->LastChange(), 3);
  Hold(bar->SecondButton(), 80);  // shorter than one tick: no step
  EXPECT_EQ(bar->Position(), 9);
  Hold(bar->FirstButton(), 200);
  EXPECT_EQ(bar->Position(), 3);
  EXPECT_EQ(bar->LastChange(), -3);
  Hold(bar->FirstButton(), 500);  // stops at Min
  EXPECT_EQ(bar->Position(), 0);

  bar->SetSmallChange(0);  // outside 1..32767: refused
  EXPECT_EQ(bar->SmallChange(), 3);
  bar->SetSmallChange(40000);
  EXPECT_EQ(bar->SmallChange(), 3);
}

TEST_F(ScrollBars, SamePositionFiresNothingAndZeroSizeHides) {
  auto* bar = Place(zelHorizontal);
  bar->SetPosition(40);
  bar->SetPosition(40);
  EXPECT_EQ(changes, 1);
  bar->SetWidth(0);
  EXPECT_FALSE(bar->Visible());
}

TEST_F(ScrollBars, ThemeFileGivesColourButtonsAndThumb) {
  TPrivateTempFolder temp;
  TBitmap upStrip, downStrip, thumbStrip;
  FillPieces(upStrip, 3, 12, 10, {0x000011, 0x000022, 0x000033});
  FillPieces(downStrip, 3, 12, 10, {0x001100, 0x002200, 0x003300});
  // The theme's thumb is drawn upright: three pieces stacked top to bottom.
  thumbStrip.SetSize(12, 24);
  const TColor thumbColors[3] = {0x110000, 0x220000, 0x330000};
  for (int i = 0; i < 3; ++i) {
    thumbStrip.Canvas()->Brush()->SetColor(thumbColors[i]);
    thumbStrip.Canvas()->FillRect({0, i * 8, 12, i * 8 + 8});
  }
  auto item = [&](const std::string& name, TBitmap& bitmap) {
    return TItem{name, 0, bitmap.SaveToBytes()};
  };
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("bar.zsk", BuildThemeFile({IntegerItem("SKIN2_SCROLLBARCOLOR", 0x445566),
                                                            item("SKIN2_SCROLLBARUPBUTTON", upStrip),
                                                            item("SKIN2_SCROLLBARDOWNBUTTON", downStrip),
                                                            item("SKIN2_SCROLLBAR", thumbStrip)})));
  ASSERT_TRUE(theme->Ready());

  auto* bar = Place(zelVertical, 120);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(FromThemeFile);
  EXPECT_EQ(bar->Color(), TColor(0x445566));
  EXPECT_EQ(bar->Width(), 12);
  EXPECT_EQ(bar->FirstButton()->PicNormal()->Bitmap()->Canvas()->Pixels(5, 5), TColor(0x000011));
  EXPECT_EQ(bar->FirstButton()->PicMouseDown()->Bitmap()->Canvas()->Pixels(5, 5), TColor(0x000033));
  EXPECT_EQ(bar->SecondButton()->PicMouseOn()->Bitmap()->Canvas()->Pixels(5, 5), TColor(0x002200));

  // Turned left and back right, the thumb pieces keep their order top to
  // bottom: the start cap ends its first 3 rows, the end cap its last 3.
  bar->SetLineButton(40);
  TBitmap* thumb = bar->Track()->SliderImage()->Bitmap();
  ASSERT_EQ(thumb->Height(), 40);
  ASSERT_EQ(thumb->Width(), 12);
  EXPECT_EQ(thumb->Canvas()->Pixels(6, 0), thumbColors[0]);
  EXPECT_EQ(thumb->Canvas()->Pixels(6, 20), thumbColors[1]);
  EXPECT_EQ(thumb->Canvas()->Pixels(6, 39), thumbColors[2]);

  // Horizontal, the buttons turn to point left and right.
  bar->SetOrientation(zelHorizontal);
  bar->SetWidth(120);
  EXPECT_EQ(bar->Height(), 12);
  EXPECT_EQ(bar->FirstButton()->Width(), 10);
}

TEST(ScrollThumb, ThemeFileThumbKeepsThreePixelsAtEachEndAndCentresTheMiddle) {
  TBitmap start, middle, end, thumb;
  FillPieces(start, 1, 8, 6, {0x000010});
  FillPieces(middle, 1, 10, 6, {0x000020});
  FillPieces(end, 1, 8, 6, {0x000030});
  start.Canvas()->SetPixels(0, 0, 0x0000FF);  // marks the cap's outer end
  end.Canvas()->SetPixels(7, 0, 0x00FF00);

  detail::ComposeScrollThumb(start, middle, end, false, 40, true, thumb);
  ASSERT_EQ(thumb.Width(), 40);
  ASSERT_EQ(thumb.Height(), 6);
  EXPECT_EQ(thumb.Canvas()->Pixels(0, 0), TColor(0x0000FF));
  EXPECT_EQ(thumb.Canvas()->Pixels(39, 0), TColor(0x00FF00));
  // m = (40 - 16) div 2 + 3 = 15: the middle piece unstretched at 15..24.
  EXPECT_EQ(thumb.Canvas()->Pixels(14, 3), TColor(0x000010));
  EXPECT_EQ(thumb.Canvas()->Pixels(15, 3), TColor(0x000020));
  EXPECT_EQ(thumb.Canvas()->Pixels(24, 3), TColor(0x000020));
  EXPECT_EQ(thumb.Canvas()->Pixels(25, 3), TColor(0x000030));

  // Too short for the middle piece: it stretches between the 3-pixel ends.
  detail::ComposeScrollThumb(start, middle, end, false, 12, true, thumb);
  EXPECT_EQ(thumb.Canvas()->Pixels(2, 3), TColor(0x000010));
  EXPECT_EQ(thumb.Canvas()->Pixels(3, 3), TColor(0x000020));
  EXPECT_EQ(thumb.Canvas()->Pixels(8, 3), TColor(0x000020));
  EXPECT_EQ(thumb.Canvas()->Pixels(9, 3), TColor(0x000030));

  // The built-in way keeps both caps whole and stretches the middle.
  detail::ComposeScrollThumb(start, middle, end, false, 40, false, thumb);
  EXPECT_EQ(thumb.Canvas()->Pixels(7, 3), TColor(0x000010));
  EXPECT_EQ(thumb.Canvas()->Pixels(8, 3), TColor(0x000020));
  EXPECT_EQ(thumb.Canvas()->Pixels(31, 3), TColor(0x000020));
  EXPECT_EQ(thumb.Canvas()->Pixels(32, 3), TColor(0x000030));

  detail::ComposeScrollThumb(start, middle, end, false, 0, true, thumb);  // nothing to draw
  EXPECT_TRUE(thumb.Empty());
}
