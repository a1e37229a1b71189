#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "skin/ZELImagePanel.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

// A 4 x 2 picture: left half red, right half green.
void FillTwoColourPicture(TPicture& picture) {
  TBitmap bitmap(4, 2);
  bitmap.Canvas()->Brush()->SetColor(clRed);
  bitmap.Canvas()->FillRect({0, 0, 2, 2});
  bitmap.Canvas()->Brush()->SetColor(clLime);
  bitmap.Canvas()->FillRect({2, 0, 4, 2});
  picture.SetGraphic(&bitmap);
}

class ImagePanel : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(200, 100);
    form->SetColor(clBlue);
    panel = new TzelImagePanel(form);
    panel->SetBounds(10, 10, 20, 10);
    panel->SetColor(clYellow);
    panel->SetParent(form);
  }
  // The panel's pixel as it shows on screen after painting.
  TColor Pixel(int x, int y) {
    panel->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(panel->Handle())->Pixels(x, y);
  }
  TForm* form = nullptr;
  TzelImagePanel* panel = nullptr;
};

}  // namespace

TEST_F(ImagePanel, NewPanelHasNoBevelsAndPublishesItsLook) {
  EXPECT_EQ(panel->ClassName(), "TzelImagePanel");
  EXPECT_EQ(panel->BevelInner(), bvNone);
  EXPECT_EQ(panel->BevelOuter(), bvNone);
  EXPECT_FALSE(panel->Transparent());
  EXPECT_EQ(panel->Alignment(), taCenter);
  EXPECT_TRUE(panel->HasProperty("DrawStyle"));
  EXPECT_TRUE(panel->HasProperty("Transparent"));
}

TEST_F(ImagePanel, WithoutPictureShowsColourOrTheParent) {
  EXPECT_EQ(Pixel(5, 5), clYellow);
  panel->SetTransparent(true);
  EXPECT_EQ(Pixel(5, 5), clBlue);
}

TEST_F(ImagePanel, DrawStylesPlaceThePicture) {
  TPicture picture;
  FillTwoColourPicture(picture);
  panel->SetPicture(&picture);
  // As is: at the corner, the rest in Color.
  EXPECT_EQ(Pixel(0, 0), clRed);
  EXPECT_EQ(Pixel(3, 1), clLime);
  EXPECT_EQ(Pixel(10, 5), clYellow);
  // Stretched over the whole panel.
  panel->SetDrawStyle(zelStretch);
  EXPECT_EQ(Pixel(2, 8), clRed);
  EXPECT_EQ(Pixel(18, 8), clLime);
  // Tiled from the corner.
  panel->SetDrawStyle(zelTile);
  EXPECT_EQ(Pixel(4, 2), clRed);
  EXPECT_EQ(Pixel(7, 9), clLime);
  EXPECT_EQ(Pixel(17, 9), clRed);
}

TEST_F(ImagePanel, AutoSizeFollowsTheAlignment) {
  TPicture picture;
  FillTwoColourPicture(picture);
  panel->SetAutoSize(true);
  panel->SetPicture(&picture);
  EXPECT_EQ(panel->Width(), 4);
  EXPECT_EQ(panel->Height(), 2);

  auto* client = new TzelImagePanel(form);
  client->SetParent(form);
  client->SetAlign(alClient);
  client->SetAutoSize(true);
  const TRect before = client->BoundsRect();
  client->SetPicture(&picture);
  EXPECT_EQ(client->BoundsRect(), before);

  auto* top = new TzelImagePanel(form);
  top->SetParent(form);
  top->SetAlign(alTop);
  top->SetAutoSize(true);
  const int width = top->Width();
  top->SetPicture(&picture);
  EXPECT_EQ(top->Height(), 2);
  EXPECT_EQ(top->Width(), width);
}

TEST_F(ImagePanel, CaptionOfBlanksIsNotDrawn) {
  panel->SetBounds(10, 10, 60, 20);
  panel->Font()->SetColor(clBlack);
  auto countDark = [this]() {
    int dark = 0;
    for (int y = 0; y < panel->Height(); ++y)
      for (int x = 0; x < panel->Width(); ++x) dark += Pixel(x, y) != clYellow;
    return dark;
  };
  panel->SetCaption("   ");
  EXPECT_EQ(countDark(), 0);
  panel->SetCaption("Ok");
  EXPECT_GT(countDark(), 0);
}
