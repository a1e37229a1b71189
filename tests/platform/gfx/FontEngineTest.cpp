#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FontEngine.h"
#include "platform/gfx/FontFaceCache.h"
#include "platform/gfx/Region.h"

namespace {

TFont MakeFont(int height, TFontStyles style = 0, const std::string& name = "Tahoma") {
  TFont font;
  font.SetName(name);
  font.SetHeight(height);
  font.SetStyle(style);
  font.SetColor(0x000000);
  return font;
}

// A white bitmap (alpha 0xFF too).
struct WhiteBitmap : TBitmap {
  WhiteBitmap(int width, int height, TPixelFormat format = pf24bit) : TBitmap(width, height, format) {
    for (int y = 0; y < height; ++y) {
      std::uint8_t* row = ScanLine(y);
      std::fill(row, row + BytesPerLine(), 0xFF);
    }
  }
};

TColor PixelAt(TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
  return p[2] | (p[1] << 8) | (p[0] << 16);
}

std::set<TColor> ColoursIn(TBitmap& bitmap) {
  std::set<TColor> colours;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) colours.insert(PixelAt(bitmap, x, y));
  return colours;
}

int InkedPixels(TBitmap& bitmap, TRect area) {
  int count = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (PixelAt(bitmap, x, y) != 0xFFFFFF) ++count;
  return count;
}

}  // namespace

TEST(FontEngine, DesignFamiliesAndUnknownNamesUseDejaVuSans) {
  for (const char* family : {"Tahoma", "MS Sans Serif", "Arial", "Verdana", "No Such Family 42"}) {
    const std::string file = detail::FaceFileFor({family, -11, false, false});
    EXPECT_NE(file.find("DejaVuSans.ttf"), std::string::npos) << family << " -> " << file;
  }
  EXPECT_NE(detail::FaceFileFor({"Tahoma", -11, true, false}).find("DejaVuSans-Bold"),
            std::string::npos);
  EXPECT_NE(detail::FaceFileFor({"Tahoma", -11, false, true}).find("DejaVuSans-Oblique"),
            std::string::npos);
}

TEST(FontEngine, MetricsOfSmallSizesAreConsistent) {
  for (int height : {-11, -13}) {
    const TTextMetric tm = FontMetrics(MakeFont(height));
    EXPECT_EQ(tm.Ascent + tm.Descent, tm.Height) << height;
    EXPECT_EQ(tm.Height - tm.InternalLeading, -height) << "em height is the character height";
    EXPECT_GT(tm.Descent, 0);
    EXPECT_GE(tm.ExternalLeading, 0);
    EXPECT_GT(tm.AveCharWidth, 0);
    EXPECT_GE(tm.MaxCharWidth, tm.AveCharWidth);
    EXPECT_LT(tm.Height, -height * 2);
  }
  EXPECT_LT(FontMetrics(MakeFont(-11)).Height, FontMetrics(MakeFont(-13)).Height);
}

TEST(FontEngine, PositiveHeightIsTheCellHeight) {
  for (int height : {13, 16, 20}) {
    const TTextMetric tm = FontMetrics(MakeFont(height));
    EXPECT_EQ(tm.Height, height);
    EXPECT_EQ(tm.Ascent + tm.Descent, height);
    EXPECT_GT(tm.InternalLeading, 0);
  }
}

TEST(FontEngine, AbsurdHeightsAreClampedNotFatal) {
  const TTextMetric huge = FontMetrics(MakeFont(-1000000));
  EXPECT_GT(huge.Height, 0);
  EXPECT_LT(huge.Height, 4000);
  const TTextMetric hugeCell = FontMetrics(MakeFont(1000000));
  EXPECT_LT(hugeCell.Height, 4000);
  EXPECT_GT(FontMetrics(MakeFont(0)).Height, 0);
}

TEST(FontEngine, WidthIsTheSumOfGlyphAdvances) {
  const TFont font = MakeFont(-11);
  const std::string text = "Velmora MP3 Recorder";
  int sum = 0;
  for (char c : text) sum += MeasureText(font, std::string(1, c)).cx;
  const TSize size = MeasureText(font, text);
  EXPECT_EQ(size.cx, sum);
  EXPECT_EQ(size.cy, FontMetrics(font).Height);
  EXPECT_EQ(MeasureText(font, "").cx, 0);
  EXPECT_GT(MeasureText(MakeFont(-11, fsBold), "Wide words").cx, MeasureText(font, "Wide words").cx);
}

TEST(FontEngine, BrokenUtf8IsMeasuredAndDrawnWithoutHarm) {
  const TFont font = MakeFont(-11);
  const std::string broken = "ab\xC3\x28\xFF\xE2\x82";
  EXPECT_GT(MeasureText(font, broken).cx, MeasureText(font, "ab").cx);
  WhiteBitmap bitmap(60, 20);
  RenderText(bitmap, 0, 0, font, broken, nullptr, false);
  EXPECT_EQ(MeasureText(font, "\t\r\n").cx, 0) << "control characters take no room";
}

TEST(FontEngine, CaptionWithoutAntialiasingHasOnlyTwoColours) {
  TFont font = MakeFont(-11, fsBold);
  font.SetColor(0x00FFFFFF);
  TBitmap bitmap(120, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 120; ++x) {
      std::uint8_t* p = bitmap.ScanLine(y) + x * 3;
      p[0] = 0x80, p[1] = 0x20, p[2] = 0x10;  // background 0x802010
    }
  RenderText(bitmap, 3, 2, font, "Velmora Audio Editor", nullptr, false);
  const std::set<TColor> colours = ColoursIn(bitmap);
  EXPECT_EQ(colours, (std::set<TColor>{0x802010, 0xFFFFFF}));
}

TEST(FontEngine, AntialiasedTextHasIntermediateShades) {
  WhiteBitmap bitmap(120, 20);
  RenderText(bitmap, 2, 2, MakeFont(-11), "Recorded files", nullptr, true);
  const std::set<TColor> colours = ColoursIn(bitmap);
  EXPECT_GT(colours.size(), 3u);
  int grey = 0;
  for (TColor c : colours)
    if (c != 0 && c != 0xFFFFFF) ++grey;
  EXPECT_GT(grey, 0);
}

TEST(FontEngine, GlyphsSitInTheCellBelowTheTopLeft) {
  const TFont font = MakeFont(-13);
  const TTextMetric tm = FontMetrics(font);
  WhiteBitmap bitmap(80, 60);
  RenderText(bitmap, 10, 20, font, "Hg", nullptr, false);
  const int width = MeasureText(font, "Hg").cx;
  EXPECT_GT(InkedPixels(bitmap, Rect(10, 20, 10 + width, 20 + tm.Height)), 10);
  EXPECT_EQ(InkedPixels(bitmap, Rect(0, 0, 80, 20)), 0);
  EXPECT_EQ(InkedPixels(bitmap, Rect(0, 20 + tm.Height, 80, 60)), 0);
  // "H" stands on the baseline: its lowest row is the one above it.
  WhiteBitmap h(40, 40);
  RenderText(h, 0, 0, font, "H", nullptr, false);
  EXPECT_GT(InkedPixels(h, Rect(0, tm.Ascent - 1, 40, tm.Ascent)), 0);
  EXPECT_EQ(InkedPixels(h, Rect(0, tm.Ascent, 40, 40)), 0);
}

TEST(FontEngine, UnderlineAndStrikeOutSpanTheAdvance) {
  const TFont plain = MakeFont(-11);
  const int width = MeasureText(plain, "a b").cx;
  const TTextMetric tm = FontMetrics(plain);
  WhiteBitmap under(60, 30);
  RenderText(under, 5, 5, MakeFont(-11, fsUnderline), "a b", nullptr, false);
  bool fullRow = false;
  for (int y = 5 + tm.Ascent; y < 5 + tm.Height; ++y)
    if (InkedPixels(under, Rect(5, y, 5 + width, y + 1)) == width) fullRow = true;
  EXPECT_TRUE(fullRow) << "an underline row below the baseline covers the whole text";
  EXPECT_EQ(InkedPixels(under, Rect(5 + width, 0, 60, 30)), 0);

  WhiteBitmap strike(60, 30);
  RenderText(strike, 5, 5, MakeFont(-11, fsStrikeOut), "a b", nullptr, false);
  fullRow = false;
  for (int y = 5; y < 5 + tm.Ascent; ++y)
    if (InkedPixels(strike, Rect(5, y, 5 + width, y + 1)) == width) fullRow = true;
  EXPECT_TRUE(fullRow) << "a strike-out row above the baseline covers the whole text";
}

TEST(FontEngine, DrawingStaysInsideClipAndBitmap) {
  WhiteBitmap bitmap(60, 20, pf32bit);
  TRgn clip(Rect(10, 0, 20, 20));
  RenderText(bitmap, 0, 2, MakeFont(-13), "WWWWWW", &clip, true);
  EXPECT_EQ(InkedPixels(bitmap, Rect(0, 0, 10, 20)), 0);
  EXPECT_EQ(InkedPixels(bitmap, Rect(20, 0, 60, 20)), 0);
  EXPECT_GT(InkedPixels(bitmap, Rect(10, 0, 20, 20)), 0);
  EXPECT_EQ(bitmap.ScanLine(5)[12 * 4 + 3], 0xFF) << "alpha is left alone";
  // Far outside or partly outside the bitmap: nothing breaks.
  RenderText(bitmap, -5, -7, MakeFont(-13), "Edge", nullptr, false);
  RenderText(bitmap, 2147483000, 2147483000, MakeFont(-13), "Far", nullptr, false);
  RenderText(bitmap, -2147483000, 0, MakeFont(-13), "Far", nullptr, false);
}

TEST(FontEngine, MeasuringFromManyThreadsAgrees) {
  const int expected = MeasureText(MakeFont(-12), "Splitted files").cx;
  std::vector<std::thread> threads;
  std::vector<int> results(8);
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 50; ++i) {
        results[t] = MeasureText(MakeFont(-12 - (i % 2) * (t + 1)), "Splitted files").cx;
        results[t] = MeasureText(MakeFont(-12), "Splitted files").cx;
      }
    });
  for (auto& thread : threads) thread.join();
  for (int r : results) EXPECT_EQ(r, expected);
}
