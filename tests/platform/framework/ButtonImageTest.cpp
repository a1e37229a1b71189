#include <vector>

#include "StdControlsSupport.h"
#include "platform/framework/Buttons.h"

namespace {

class ButtonImageTest : public StdControlsTest {
 protected:
  // A strip of four 8 x 8 pictures in distinct colours on a fuchsia key.
  void GiveGlyph(TSpeedButton* button) {
    TBitmap strip(32, 8);
    const TColor colours[] = {clRed, clLime, clBlue, clAqua};
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect(Rect(0, 0, 32, 8));
    for (int i = 0; i < 4; ++i) {
      strip.Canvas()->Brush()->SetColor(colours[i]);
      strip.Canvas()->FillRect(Rect(i * 8 + 2, 2, i * 8 + 6, 6));
    }
    button->SetGlyph(&strip);
    button->SetNumGlyphs(4);
  }
  TColor Centre(TSpeedButton* b) { return PixelOf(b, b->Width() / 2, b->Height() / 2); }
};

TEST_F(ButtonImageTest, EachStateShowsItsPicture) {
  auto* button = Place<TSpeedButton>(10, 10, 24, 24);
  GiveGlyph(button);
  EXPECT_EQ(Centre(button), ColorToRGB(clRed));
  EXPECT_EQ(PixelOf(button, 12 - 3, 12 - 3), ColorToRGB(clBtnFace));  // the key colour is not drawn
  HeadlessMouseMove(ScreenPointOf(button, 12, 12));
  EXPECT_EQ(button->State(), bsHot);
  EXPECT_EQ(Centre(button), ColorToRGB(clLime));
  HeadlessMouseDown();
  EXPECT_EQ(button->State(), bsDown);
  EXPECT_EQ(PixelOf(button, 13, 13), ColorToRGB(clBlue));  // shifted by a pixel when down
  HeadlessMouseUp();
  HeadlessMouseMove(ScreenPointOf(button, 200, 200));
  EXPECT_EQ(Centre(button), ColorToRGB(clRed));
  button->SetEnabled(false);
  EXPECT_EQ(Centre(button), ColorToRGB(clAqua));
  TBitmap single(8, 8);  // no disabled picture: a grey copy of the normal one
  single.Canvas()->Brush()->SetColor(clFuchsia);
  single.Canvas()->FillRect(Rect(0, 0, 8, 8));
  single.Canvas()->Brush()->SetColor(clRed);
  single.Canvas()->FillRect(Rect(2, 2, 6, 6));
  button->SetGlyph(&single);
  button->SetNumGlyphs(1);
  EXPECT_EQ(Centre(button), ColorToRGB(clBtnShadow));
}

TEST_F(ButtonImageTest, GroupedButtonsStayDownOneAtATime) {
  auto* a = Place<TSpeedButton>(10, 10, 24, 24);
  auto* b = Place<TSpeedButton>(40, 10, 24, 24);
  auto* plain = Place<TSpeedButton>(70, 10, 24, 24);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  std::vector<TObject*> clicks;
  for (TSpeedButton* s : {a, b, plain}) s->OnClick = [&clicks](TObject* sender) { clicks.push_back(sender); };
  ClickAt(a, 5, 5);
  EXPECT_TRUE(a->Down());
  ClickAt(b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  ClickAt(b, 5, 5);  // stays down without AllowAllUp
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  ClickAt(b, 5, 5);
  EXPECT_FALSE(b->Down());
  ClickAt(plain, 5, 5);
  EXPECT_FALSE(plain->Down());
  plain->SetDown(true);  // outside a group there is no down state
  EXPECT_FALSE(plain->Down());
  EXPECT_EQ(clicks, (std::vector<TObject*>{a, b, b, b, plain}));

  // Released outside: no click.
  HeadlessMouseMove(ScreenPointOf(plain, 5, 5));
  HeadlessMouseDown();
  HeadlessMouseMove(ScreenPointOf(plain, 100, 100));
  HeadlessMouseUp();
  EXPECT_EQ(clicks.size(), 5u);
}

TEST_F(ButtonImageTest, FlatButtonShowsItsEdgeOnlyUnderThePointer) {
  auto* button = Place<TSpeedButton>(10, 10, 24, 24);
  button->SetFlat(true);
  EXPECT_EQ(PixelOf(button, 0, 0), ColorToRGB(clBtnFace));
  HeadlessMouseMove(ScreenPointOf(button, 12, 12));
  EXPECT_EQ(PixelOf(button, 0, 0), ColorToRGB(clBtnHighlight));
  button->SetFlat(false);
  HeadlessMouseMove(ScreenPointOf(button, 200, 200));
  EXPECT_EQ(PixelOf(button, 0, 0), ColorToRGB(clBtnHighlight));
}

}  // namespace
