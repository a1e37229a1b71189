#include "StdControlsSupport.h"
#include "platform/framework/ExtCtrls.h"

namespace {

class ImageTest : public StdControlsTest {
 protected:
  // A 10 x 10 picture: red with a blue top-left quarter.
  void LoadPicture(TImage* image) {
    TBitmap bitmap(10, 10);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 10, 10));
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(Rect(0, 0, 5, 5));
    image->Picture()->SetGraphic(&bitmap);
  }
};

TEST_F(ImageTest, PictureIsPlacedCentredOrStretched) {
  form->SetColor(clYellow);
  auto* image = Place<TImage>(10, 10, 40, 40);
  LoadPicture(image);
  EXPECT_EQ(PixelOf(image, 1, 1), ColorToRGB(clBlue));
  EXPECT_EQ(PixelOf(image, 8, 8), ColorToRGB(clRed));
  EXPECT_EQ(PixelOf(image, 20, 20), ColorToRGB(clYellow));  // the parent shows around a small picture
  image->SetCenter(true);
  EXPECT_EQ(PixelOf(image, 1, 1), ColorToRGB(clYellow));
  EXPECT_EQ(PixelOf(image, 16, 16), ColorToRGB(clBlue));
  EXPECT_EQ(PixelOf(image, 23, 23), ColorToRGB(clRed));
  image->SetStretch(true);
  EXPECT_EQ(PixelOf(image, 15, 15), ColorToRGB(clBlue));
  EXPECT_EQ(PixelOf(image, 35, 35), ColorToRGB(clRed));
}

TEST_F(ImageTest, AutoSizeTakesThePicturesSizeAndTransparencyShowsTheParent) {
  form->SetColor(clYellow);
  auto* image = Place<TImage>(10, 10, 40, 40);
  image->SetAutoSize(true);
  LoadPicture(image);
  EXPECT_EQ(image->Width(), 10);
  EXPECT_EQ(image->Height(), 10);
  image->SetTransparent(true);  // the bottom-left pixel's colour is see-through
  EXPECT_EQ(PixelOf(image, 8, 8), ColorToRGB(clYellow));
  EXPECT_EQ(PixelOf(image, 1, 1), ColorToRGB(clBlue));
}

TEST_F(ImageTest, PaintBoxPaintsThroughOnPaint) {
  auto* box = Place<TPaintBox>(10, 10, 30, 30);
  int paints = 0;
  box->OnPaint = [&](TObject*) {
    ++paints;
    box->Canvas()->Brush()->SetColor(clLime);
    box->Canvas()->FillRect(Rect(0, 0, 30, 30));
  };
  box->Invalidate();
  EXPECT_EQ(PixelOf(box, 29, 29), ColorToRGB(clLime));
  EXPECT_GT(paints, 0);
}

}  // namespace
