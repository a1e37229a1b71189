#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/ZELGroupBox.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

class GroupBox : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(300, 200);
    box = new TzelGroupBox(form);
    box->SetBounds(10, 10, 120, 80);
    box->Font()->SetHeight(-12);
    box->SetParent(form);
  }
  TColor Pixel(int x, int y) {
    box->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(box->Handle())->Pixels(x, y);
  }
  // Whether any pixel of the box's top line row between x0 and x1 has the colour.
  bool RowHas(int y, int x0, int x1, TColor color) {
    for (int x = x0; x < x1; ++x)
      if (Pixel(x, y) == color) return true;
    return false;
  }
  TForm* form = nullptr;
  TzelGroupBox* box = nullptr;
};

// Publishes the look properties so the box hands its look down.
class TLookChild : public TCustomControl {
 public:
  explicit TLookChild(TComponent* owner) : TCustomControl(owner) {
    Publish("FileTheme", &TLookChild::FileTheme, &TLookChild::SetFileTheme);
    Publish("UIStyle", &TLookChild::UIStyle, &TLookChild::SetUIStyle);
  }
  TComponent* FileTheme() const { return theme; }
  void SetFileTheme(TComponent* value) { theme = value; }
  TzelUIStyle UIStyle() const { return style; }
  void SetUIStyle(TzelUIStyle value) { style = value; }
  TComponent* theme = nullptr;
  TzelUIStyle style = MacOS;
};

}  // namespace

TEST_F(GroupBox, NewBoxTakesItsDefaults) {
  auto* fresh = new TzelGroupBox(form);
  EXPECT_EQ(fresh->ClassName(), "TzelGroupBox");
  EXPECT_EQ(fresh->Width(), 185);
  EXPECT_EQ(fresh->Height(), 105);
  EXPECT_EQ(fresh->Text(), " ");
  EXPECT_TRUE(fresh->ParentColor());
  EXPECT_EQ(fresh->UIStyle(), DeepBlue);
  for (const char* name : {"FileTheme", "UIStyle", "Caption", "BorderColor", "Transparent"})
    EXPECT_TRUE(fresh->HasProperty(name)) << name;
  fresh->SetProp("Caption", "Options");
  EXPECT_EQ(fresh->Caption(), "Options");
  EXPECT_EQ(fresh->Text(), " ");
}

TEST_F(GroupBox, EachLookSetsFrameAndCaptionColours) {
  box->SetColor(clWhite);
  box->SetCaption("Look");
  for (TzelUIStyle look : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
    box->SetUIStyle(look);
    const TColor border = GetBuiltInThemeColor(look, 25);
    EXPECT_EQ(box->BorderColor(), border) << int(look);
    EXPECT_EQ(box->Font()->Color(), TColor(GetBuiltInThemeColor(look, 27))) << int(look);
    // Frame line at y = 12 div 2 + 1: left edge, bottom, right edge.
    EXPECT_EQ(Pixel(0, 7), border) << int(look);
    EXPECT_EQ(Pixel(0, 40), border) << int(look);
    EXPECT_EQ(Pixel(60, 79), border) << int(look);
    EXPECT_EQ(Pixel(119, 40), border) << int(look);
    EXPECT_EQ(Pixel(60, 40), clWhite) << int(look);
  }
}

TEST_F(GroupBox, CaptionBreaksTheTopLineUnlessEmpty) {
  box->SetColor(clWhite);
  box->SetBorderColor(clRed);
  box->SetCaption("");
  EXPECT_EQ(Pixel(1, 7), clRed);
  EXPECT_EQ(Pixel(30, 7), clRed);
  EXPECT_EQ(Pixel(118, 7), clRed);

  box->SetCaption("Caption");
  EXPECT_EQ(Pixel(1, 7), clRed);
  EXPECT_FALSE(RowHas(7, 8, 30, clRed));  // under the caption
  EXPECT_EQ(Pixel(118, 7), clRed);
}

TEST_F(GroupBox, DisabledCaptionIsGrey) {
  box->SetColor(clWhite);
  box->SetCaption("WWWW");
  box->Font()->SetColor(clBlue);
  box->SetEnabled(false);
  bool grey = false, blue = false;
  for (int y = 0; y < 14; ++y)
    for (int x = 5; x < 40; ++x) {
      const TColor c = Pixel(x, y);
      grey |= c == TColor(0x808080);
      blue |= c == clBlue;
    }
  EXPECT_TRUE(grey);
  EXPECT_FALSE(blue);
}

TEST_F(GroupBox, ChildrenLieInsideTheFrame) {
  auto* child = new TLookChild(form);
  child->SetParent(box);
  child->SetAlign(alClient);
  EXPECT_EQ(child->BoundsRect(), (TRect{3, 17, 117, 77}));
  EXPECT_EQ(box->CaptionArea(), (TRect{3, 12, 118, 78}));

  box->Font()->SetHeight(-20);
  EXPECT_EQ(child->Top(), 25);
}

TEST_F(GroupBox, LookAndThemeReachTheChildrenAndRemovalFallsBack) {
  auto* child = new TLookChild(form);
  child->SetParent(box);
  box->SetUIStyle(Protein);
  EXPECT_EQ(child->style, Protein);

  auto* theme = new TzelFileTheme(form);
  box->SetFileTheme(theme);
  EXPECT_EQ(child->theme, theme);
  box->SetUIStyle(FromThemeFile);
  // No theme file loaded: the box shows DeepBlue.
  EXPECT_EQ(box->BorderColor(), TColor(GetBuiltInThemeColor(DeepBlue, 25)));

  delete theme;
  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), DeepBlue);
  EXPECT_EQ(child->theme, nullptr);
  EXPECT_EQ(child->style, DeepBlue);
}
