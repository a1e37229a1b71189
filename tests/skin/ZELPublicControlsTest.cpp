#include <gtest/gtest.h>

#include <vector>

#include "platform/framework/ExtCtrls.h"
#include "skin/ZELPublic.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

// A windowed control that paints nothing: the parent does not paint it
// into the background it hands out.
class TBareControl : public TCustomControl {
 public:
  explicit TBareControl(TComponent* owner) : TCustomControl(owner) {}
};

// A windowless control in one colour on the parent.
class TSpot : public TGraphicControl {
 public:
  explicit TSpot(TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
};

// Publishes the look properties and records the order they are written in.
class TThemedChild : public TCustomControl {
 public:
  TThemedChild(TComponent* owner, bool withFileTheme, std::vector<std::string>* log)
      : TCustomControl(owner), log_(log) {
    if (withFileTheme) Publish("FileTheme", &TThemedChild::FileTheme, &TThemedChild::SetFileTheme);
    Publish("UIStyle", &TThemedChild::UIStyle, &TThemedChild::SetUIStyle);
  }
  TComponent* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TComponent* theme) {
    fileTheme_ = theme;
    log_->push_back(Name() + ".FileTheme");
  }
  TzelUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TzelUIStyle style) {
    style_ = style;
    log_->push_back(Name() + ".UIStyle");
  }

 private:
  std::vector<std::string>* log_;
  TComponent* fileTheme_ = nullptr;
  TzelUIStyle style_ = DeepBlue;
};

class SkinControlHelpers : public HeadlessFormsTest {};

}  // namespace

TEST_F(SkinControlHelpers, DrawParentBackgroundShowsWhatLiesBehindTheControl) {
  TForm* form = ShownForm(100, 80);
  form->SetColor(clBlue);
  auto* spot = new TSpot(form);
  spot->SetBounds(10, 10, 10, 10);
  spot->SetParent(form);
  auto* control = new TBareControl(form);
  control->SetBounds(5, 5, 30, 30);
  control->SetParent(form);

  TBitmap buffer(30, 30);
  buffer.Canvas()->Brush()->SetColor(clWhite);
  buffer.Canvas()->FillRect({0, 0, 30, 30});
  DrawParentBackground(*buffer.Canvas(), *control);
  EXPECT_EQ(buffer.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(buffer.Canvas()->Pixels(5, 5), clRed);  // the parent's (10, 10)
  EXPECT_EQ(buffer.Canvas()->Pixels(14, 14), clRed);
  EXPECT_EQ(buffer.Canvas()->Pixels(15, 15), clBlue);
  // The canvas is given back as it was, its brush included.
  EXPECT_EQ(buffer.Canvas()->ViewportOrg(), (TPoint{0, 0}));
  EXPECT_EQ(buffer.Canvas()->Brush()->Color(), clWhite);

  // Without a parent nothing is drawn.
  auto* orphan = new TBareControl(form);
  buffer.Canvas()->FillRect({0, 0, 30, 30});
  DrawParentBackground(*buffer.Canvas(), *orphan);
  EXPECT_EQ(buffer.Canvas()->Pixels(0, 0), clWhite);
}

TEST_F(SkinControlHelpers, DrawControlBorderFramesTheWholeWindow) {
  TForm* form = ShownForm(100, 80);
  auto* control = new TBareControl(form);
  control->SetBounds(10, 10, 20, 12);
  control->SetParent(form);
  HeadlessPumpUntilIdle();

  DrawControlBorder(*control, clLime, clYellow, true);
  HDC dc = GetWindowDC(control->Handle());
  EXPECT_EQ(dc->Pixels(0, 0), clLime);
  EXPECT_EQ(dc->Pixels(19, 11), clLime);
  EXPECT_EQ(dc->Pixels(1, 1), clYellow);
  EXPECT_EQ(dc->Pixels(18, 10), clYellow);
  EXPECT_NE(dc->Pixels(2, 2), clYellow);
  ReleaseDC(control->Handle(), dc);

  DrawControlBorder(*control, clNavy, clYellow, false);
  dc = GetWindowDC(control->Handle());
  EXPECT_EQ(dc->Pixels(0, 5), clNavy);
  EXPECT_EQ(dc->Pixels(1, 5), clYellow);  // the inner frame is left as it was
  ReleaseDC(control->Handle(), dc);

  auto* windowless = new TBareControl(form);  // never shown: no window to draw on
  DrawControlBorder(*windowless, clNavy, clYellow, true);
  EXPECT_FALSE(windowless->HandleAllocated());
}

TEST_F(SkinControlHelpers, TruncateTextShortensByWholeCharacters) {
  TBitmap bitmap(1, 1);
  const TCanvas& canvas = *bitmap.Canvas();
  const std::string text = "Recording of the morning";
  EXPECT_EQ(TruncateText(canvas, text, canvas.TextWidth(text)), text);  // it fits
  EXPECT_EQ(TruncateText(canvas, text, 1), "R...");                    // the first try is wide enough
  const int limit = canvas.TextWidth("Record...");
  const std::string shortened = TruncateText(canvas, text, limit);
  EXPECT_GE(canvas.TextWidth(shortened), limit);
  EXPECT_LT(canvas.TextWidth(shortened.substr(0, shortened.size() - 4) + "..."), limit);
  // A single character never gets the dots; nor is a character split.
  EXPECT_EQ(TruncateText(canvas, "W", 0), "W");
  EXPECT_EQ(TruncateText(canvas, "ÄÖÜ", 1), "Ä...");
  EXPECT_EQ(TruncateText(canvas, "", -1), "");
}

TEST_F(SkinControlHelpers, PointInRectCountsBothEdges) {
  const TRect rect{10, 20, 30, 40};
  EXPECT_TRUE(PointInRect(10, 20, rect));
  EXPECT_TRUE(PointInRect(30, 40, rect));
  EXPECT_TRUE(PointInRect(TPoint{30, 20}, rect));
  EXPECT_FALSE(PointInRect(31, 40, rect));
  EXPECT_FALSE(PointInRect(TPoint{10, 19}, rect));
}

TEST_F(SkinControlHelpers, WorkAreaLeavesOutTheTaskbar) {
  ShownForm();
  TRect area;
  GetWorkArea(area);
  EXPECT_EQ(area, (TRect{0, 0, 1024, 740}));
}

TEST_F(SkinControlHelpers, ApplyThemeToChildrenSetsTheThemeFileFirstAndSkipsOthers) {
  TForm* form = ShownForm();
  std::vector<std::string> log;
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  auto* both = new TThemedChild(form, true, &log);
  both->SetName("Both");
  both->SetParent(panel);
  auto* styleOnly = new TThemedChild(form, false, &log);
  styleOnly->SetName("StyleOnly");
  styleOnly->SetParent(panel);
  auto* plain = new TBareControl(form);
  plain->SetParent(panel);
  auto* grandChild = new TThemedChild(form, true, &log);  // not a direct child
  grandChild->SetName("GrandChild");
  auto* inner = new TPanel(form);
  inner->SetParent(panel);
  grandChild->SetParent(inner);
  TComponent theme(nullptr);

  ApplyThemeToChildren(*panel, Protein, &theme);
  EXPECT_EQ(log, (std::vector<std::string>{"Both.FileTheme", "Both.UIStyle"}));
  EXPECT_EQ(both->FileTheme(), &theme);
  EXPECT_EQ(both->UIStyle(), Protein);
  EXPECT_EQ(styleOnly->UIStyle(), DeepBlue);
  EXPECT_EQ(grandChild->FileTheme(), nullptr);

  ApplyThemeToChildren(*panel, MacOS, nullptr);  // no theme file
  EXPECT_EQ(both->FileTheme(), nullptr);
  EXPECT_EQ(both->UIStyle(), MacOS);
}

TEST_F(SkinControlHelpers, IsFormActiveFollowsTheApplicationAndTheForm) {
  TForm* mainForm = ShownForm();
  HeadlessActivate(mainForm->Handle());
  TForm* other = nullptr;
  Application->CreateForm(other);
  EXPECT_TRUE(IsFormActive(mainForm));
  EXPECT_TRUE(IsFormActive(nullptr));
  EXPECT_FALSE(IsFormActive(other));
  HeadlessActivate(nullptr);  // another application in front
  EXPECT_FALSE(IsFormActive(mainForm));
}

TEST_F(SkinControlHelpers, WindowRegionFromBitmapLeavesOutTransparentPixelsAndTheLastColumn) {
  TForm* form = ShownForm(10, 10);
  TBitmap glyph(10, 10);
  glyph.Canvas()->Brush()->SetColor(clBlack);
  glyph.Canvas()->FillRect({0, 0, 10, 10});
  SetWindowRegionFromBitmap(form->Handle(), glyph, clFuchsia);
  TRgn region;
  ASSERT_NE(GetWindowRgn(form->Handle(), &region), ERROR);
  EXPECT_EQ(region, TRgn(TRect{0, 0, 9, 10}));

  // Runs end at transparent pixels; a run reaching the last column stops before it.
  glyph.Canvas()->SetPixels(3, 0, clFuchsia);
  glyph.Canvas()->SetPixels(0, 1, clFuchsia);
  SetWindowRegionFromBitmap(form->Handle(), glyph, clFuchsia);
  GetWindowRgn(form->Handle(), &region);
  EXPECT_TRUE(region.Contains(2, 0));
  EXPECT_FALSE(region.Contains(3, 0));
  EXPECT_TRUE(region.Contains(4, 0));
  EXPECT_FALSE(region.Contains(0, 1));
  EXPECT_TRUE(region.Contains(8, 1));
  EXPECT_FALSE(region.Contains(9, 5));

  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect({0, 0, 10, 10});
  SetWindowRegionFromBitmap(form->Handle(), glyph, clFuchsia);
  GetWindowRgn(form->Handle(), &region);
  EXPECT_TRUE(region.Empty());
}
