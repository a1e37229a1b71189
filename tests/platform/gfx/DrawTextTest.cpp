#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/FontEngine.h"

namespace {

constexpr TColor kPaper = 0xFFFFFF;
constexpr TColor kInk = 0x000000;

// A white page whose canvas draws black, hard-edged text on a clear brush.
struct Page {
  TBitmap bitmap;
  TCanvas& canvas;
  Page(int width = 200, int height = 60) : bitmap(width, height), canvas(*bitmap.Canvas()) {
    canvas.Brush()->SetColor(kPaper);
    canvas.FillRect(Rect(0, 0, width, height));
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetHeight(-11);
    canvas.Font()->SetColor(kInk);
    canvas.SetTextAntialias(false);
  }
  TColor At(int x, int y) { return canvas.Pixels(x, y); }
  bool Inked(TRect area) {
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (At(x, y) != kPaper) return true;
    return false;
  }
  bool SameAs(Page& other) {
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        if (At(x, y) != other.At(x, y)) return false;
    return true;
  }
  int Width(const std::string& text) { return MeasureText(*canvas.Font(), text).cx; }
  int LineHeight() { return FontMetrics(*canvas.Font()).Height; }
};

int Draw(Page& page, const std::string& text, TRect rect, UINT format) {
  return DrawText(page.canvas.Handle(), text, rect, format);
}

}  // namespace

TEST(DrawText, AlignsSingleLinesHorizontally) {
  const std::string text = "Record";
  const TRect rect = Rect(10, 5, 170, 25);
  for (UINT align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
    Page drawn, expected;
    Draw(drawn, text, rect, DT_SINGLELINE | align);
    const int width = drawn.Width(text);
    const int x = align == DT_CENTER ? rect.Left + (rect.Width() - width) / 2
                  : align == DT_RIGHT ? rect.Right - width
                                      : rect.Left;
    expected.canvas.TextOut(x, rect.Top, text);
    EXPECT_TRUE(drawn.SameAs(expected)) << "alignment " << align;
  }
}

TEST(DrawText, VerticalPlacementAndReturnValue) {
  Page page;
  const int h = page.LineHeight();
  const TRect rect = Rect(0, 10, 100, 50);
  EXPECT_EQ(Draw(page, "Top", rect, DT_SINGLELINE), h);
  const int centreTop = 10 + (40 - h) / 2;
  EXPECT_EQ(Draw(page, "Mid", rect, DT_SINGLELINE | DT_VCENTER), centreTop - 10 + h);
  EXPECT_EQ(Draw(page, "Low", rect, DT_SINGLELINE | DT_BOTTOM), 40);

  Page centred, expected;
  Draw(centred, "Mid", rect, DT_SINGLELINE | DT_VCENTER);
  expected.canvas.TextOut(0, centreTop, "Mid");
  EXPECT_TRUE(centred.SameAs(expected));

  Page multi;
  EXPECT_EQ(Draw(multi, "a\nb", rect, DT_VCENTER), 2 * h) << "DT_VCENTER needs DT_SINGLELINE";
  EXPECT_TRUE(multi.Inked(Rect(0, 10, 100, 10 + h)));
}

TEST(DrawText, WordBreakWrapsIntoSeveralLines) {
  Page page;
  const int h = page.LineHeight();
  const TRect rect = Rect(0, 0, page.Width("Splitted files") + 2, 60);
  EXPECT_EQ(Draw(page, "Splitted files are here", rect, DT_WORDBREAK), 2 * h);
  EXPECT_TRUE(page.Inked(Rect(0, h, rect.Right, 2 * h)));
  EXPECT_FALSE(page.Inked(Rect(rect.Right, 0, 200, 60)));

  Page single;
  EXPECT_EQ(Draw(single, "Splitted files are here", rect, DT_WORDBREAK | DT_SINGLELINE), h);
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
  Page page;
  const int h = page.LineHeight();
  TRect rect = Rect(5, 7, 300, 8);
  EXPECT_EQ(DrawText(page.canvas.Handle(), "Merged files", rect, DT_CALCRECT | DT_SINGLELINE), h);
  EXPECT_EQ(rect, Rect(5, 7, 5 + page.Width("Merged files"), 7 + h));
  EXPECT_FALSE(page.Inked(Rect(0, 0, 200, 60)));

  TRect wrapped = Rect(0, 0, page.Width("Merged") + 1, 0);
  DrawText(page.canvas.Handle(), "Merged files\nand more", wrapped, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(wrapped.Bottom, 4 * h);
  EXPECT_EQ(wrapped.Right, page.Width("Merged"));

  TRect empty = Rect(3, 3, 50, 50);
  EXPECT_EQ(DrawText(page.canvas.Handle(), "", empty, DT_CALCRECT), h);
  EXPECT_EQ(empty, Rect(3, 3, 3, 3 + h));
}

// An empty text is one empty line, on one line or several: the return
// value and a measured rectangle are a line high, and nothing is drawn.
TEST(DrawText, EmptyTextIsOneLineHighAndNoWide) {
  Page page;
  const int h = page.LineHeight();
  ASSERT_GT(h, 0);
  for (UINT lines : {DT_SINGLELINE, 0u, DT_WORDBREAK}) {
    TRect measured = Rect(5, 7, 90, 9);
    EXPECT_EQ(DrawText(page.canvas.Handle(), "", measured, DT_CALCRECT | lines), h) << "format " << lines;
    EXPECT_EQ(measured, Rect(5, 7, 5, 7 + h)) << "format " << lines;
    EXPECT_EQ(Draw(page, "", Rect(0, 10, 100, 50), lines), h) << "format " << lines;
  }
  // Placed like any single line: the answer reaches the bottom of the line.
  EXPECT_EQ(Draw(page, "", Rect(0, 10, 100, 50), DT_SINGLELINE | DT_BOTTOM), 40);
  EXPECT_EQ(Draw(page, "", Rect(0, 10, 100, 50), DT_SINGLELINE | DT_VCENTER), (40 - h) / 2 + h);
  EXPECT_FALSE(page.Inked(Rect(0, 0, 200, 60)));
}

TEST(DrawText, EndEllipsisShortensToFit) {
  Page drawn, expected;
  const std::string text = "Velmora MP3 Recorder Pro";
  const int limit = drawn.Width("Velmora MP") + drawn.Width("...");
  const TRect rect = Rect(0, 0, limit, 20);
  Draw(drawn, text, rect, DT_SINGLELINE | DT_END_ELLIPSIS);
  expected.canvas.TextOut(0, 0, "Velmora MP...");
  EXPECT_TRUE(drawn.SameAs(expected));

  TRect calc = rect;
  DrawText(drawn.canvas.Handle(), text, calc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
  EXPECT_LE(calc.Right, limit);
}

TEST(DrawText, AmpersandUnderlinesTheAcceleratorOnly) {
  Page drawn, plain;
  const TTextMetric tm = FontMetrics(*drawn.canvas.Font());
  Draw(drawn, "&File", Rect(0, 0, 100, 20), DT_SINGLELINE);
  plain.canvas.TextOut(0, 0, "File");
  const int f = drawn.Width("F");
  // Above the baseline both agree; below it only the "F" is underlined.
  for (int y = 0; y < tm.Ascent; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(drawn.At(x, y), plain.At(x, y)) << x << "," << y;
  bool underlined = false;
  for (int y = tm.Ascent; y < tm.Height; ++y) {
    int inkedRun = 0;
    for (int x = 0; x < f; ++x) inkedRun += drawn.At(x, y) == kInk;
    if (inkedRun == f) underlined = true;
  }
  EXPECT_TRUE(underlined);
  EXPECT_FALSE(drawn.Inked(Rect(f, tm.Ascent, 100, tm.Height)));

  Page literal, expected;
  Draw(literal, "Save && Exit", Rect(0, 0, 100, 20), DT_SINGLELINE);
  expected.canvas.TextOut(0, 0, "Save & Exit");
  EXPECT_TRUE(literal.SameAs(expected));

  Page noPrefix, expectedRaw;
  Draw(noPrefix, "&File", Rect(0, 0, 100, 20), DT_SINGLELINE | DT_NOPREFIX);
  expectedRaw.canvas.TextOut(0, 0, "&File");
  EXPECT_TRUE(noPrefix.SameAs(expectedRaw));
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
  Page clipped;
  Draw(clipped, "WWWWWWWWWW", Rect(10, 0, 30, 20), DT_SINGLELINE);
  EXPECT_TRUE(clipped.Inked(Rect(10, 0, 30, 20)));
  EXPECT_FALSE(clipped.Inked(Rect(30, 0, 200, 60)));

  Page free;
  Draw(free, "WWWWWWWWWW", Rect(10, 0, 30, 20), DT_SINGLELINE | DT_NOCLIP);
  EXPECT_TRUE(free.Inked(Rect(30, 0, 200, 20)));

  Page restored;
  Draw(restored, "x", Rect(0, 0, 5, 5), DT_SINGLELINE);
  restored.canvas.TextOut(50, 30, "after");
  EXPECT_TRUE(restored.Inked(Rect(50, 30, 100, 50))) << "the clip is given back afterwards";
}

TEST(DrawText, ExpandTabsMovesTextToTabStops) {
  Page page, expected;
  const int stop = 8 * FontMetrics(*page.canvas.Font()).AveCharWidth;
  Draw(page, "a\tb", Rect(0, 0, 200, 20), DT_SINGLELINE | DT_EXPANDTABS);
  expected.canvas.TextOut(0, 0, "a");
  expected.canvas.TextOut(stop, 0, "b");
  EXPECT_TRUE(page.SameAs(expected));
}

TEST(DrawText, RightToLeftReadingPutsTrailingStopFirst) {
  Page page, expected;
  Draw(page, "Close.", Rect(0, 0, 200, 20), DT_SINGLELINE | DT_RTLREADING);
  expected.canvas.TextOut(0, 0, ".Close");
  EXPECT_TRUE(page.SameAs(expected));
}

TEST(DrawText, OpaqueBackgroundAndNullHandle) {
  Page page;
  page.canvas.Brush()->SetColor(0x00FF00);
  Draw(page, "Go", Rect(0, 0, 100, 20), DT_SINGLELINE);
  EXPECT_EQ(page.At(page.Width("Go") - 1, 0), 0x00FF00u) << "the text cell is filled";
  EXPECT_EQ(page.At(page.Width("Go") + 1, 0), kPaper);
  TRect rect = Rect(0, 0, 10, 10);
  EXPECT_EQ(DrawText(nullptr, "x", rect, DT_SINGLELINE), 0);
}

TEST(DrawText, CaptionWithoutAntialiasingKeepsTwoColours) {
  constexpr TColor kTitle = 0x804020;
  Page page(120, 20);
  page.canvas.Brush()->SetColor(kTitle);
  page.canvas.FillRect(Rect(0, 0, 120, 20));
  page.canvas.Brush()->SetStyle(bsClear);
  page.canvas.Font()->SetColor(0xFFFFFF);
  page.canvas.Font()->SetStyle(fsBold);
  Draw(page, "&Velmora Audio Editor - Recorded files", Rect(2, 0, 118, 20),
       DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  std::set<TColor> colours;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 120; ++x) colours.insert(page.At(x, y));
  EXPECT_EQ(colours, (std::set<TColor>{kTitle, 0xFFFFFF}));
}
