#include <gtest/gtest.h>

#include "platform/win/Headless.h"
#include "resources/Resources.h"
#include "skin/ZELListView.h"
#include "skin/ZELPublic.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

class SkinnedListView : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(500, 400);
  }
  // Made as a form description makes it: loaded, so the header is taken over.
  TzelListView* Loaded(int columns = 2, int rows = 0) {
    auto* view = new TzelListView(form);
    view->BeginLoading();
    view->SetParent(form);
    view->SetBounds(10, 10, 200, 150);
    for (int i = 0; i < columns; ++i) {
      TListColumn* c = view->Columns()->Add();
      c->SetCaption("Column " + std::to_string(i));
      c->SetWidth(80);
    }
    for (int i = 0; i < rows; ++i) view->Items()->Add()->SetCaption("Row " + std::to_string(i));
    view->Loaded();
    HeadlessPumpUntilIdle();
    return view;
  }
  TzelScrollBar* Bar(TzelProgressBarOrientation orientation) {
    auto* bar = new TzelScrollBar(form);
    bar->SetParent(form);
    bar->SetOrientation(orientation);
    bar->SetBounds(0, 0, orientation == zelVertical ? 16 : 50, orientation == zelVertical ? 50 : 16);
    return bar;
  }
  TColor HeaderPixel(TzelListView* view, int x, int y) {
    InvalidateRect(view->HeaderHandle(), nullptr, true);
    HeadlessPumpUntilIdle();
    return GetWindowDC(view->HeaderHandle())->Pixels(x, y);
  }
  TForm* form = nullptr;
};

}  // namespace

TEST_F(SkinnedListView, FrameAndHeaderTakeTheLookColours) {
  TzelListView* view = Loaded();
  for (TzelUIStyle look : {DeepBlue, MacOS}) {
    view->SetUIStyle(look);
    const TColor border = GetBuiltInThemeColor(look, 25);
    const TColor background = GetBuiltInThemeColor(look, 15);
    EXPECT_EQ(view->HeaderFontColor(), TColor(GetBuiltInThemeColor(look, 27)));
    view->Invalidate();
    HeadlessPumpUntilIdle();
    EXPECT_EQ(GetWindowDC(view->Handle())->Pixels(0, 0), border) << int(look);
    EXPECT_EQ(GetWindowDC(view->Handle())->Pixels(1, 70), ColorToRGB(view->Color())) << int(look);
    TRect header;
    GetClientRect(view->HeaderHandle(), &header);
    EXPECT_EQ(HeaderPixel(view, 2, 1), background) << int(look);
    EXPECT_EQ(HeaderPixel(view, 79, 3), border) << int(look);              // separator
    EXPECT_EQ(HeaderPixel(view, 100, header.Bottom - 1), border) << int(look);  // bottom line
    EXPECT_EQ(HeaderPixel(view, 170, header.Bottom - 1), background) << int(look);  // past the columns
  }
}

TEST_F(SkinnedListView, LongCaptionIsShortenedAndClippedInItsColumn) {
  TzelListView* view = Loaded(1);
  view->Columns()->Items(0)->SetWidth(40);
  view->Columns()->Items(0)->SetCaption("A very long caption indeed");
  view->SetUIStyle(DeepBlue);
  const TColor background = GetBuiltInThemeColor(DeepBlue, 15);
  TRect header;
  GetClientRect(view->HeaderHandle(), &header);
  bool text = false;
  for (int x = 4; x < 38; ++x)
    for (int y = 1; y < header.Bottom - 1; ++y) text = text || HeaderPixel(view, x, y) != background;
  EXPECT_TRUE(text);
  for (int y = 0; y < header.Bottom - 1; ++y) EXPECT_EQ(HeaderPixel(view, 38, y), background) << y;
}

TEST_F(SkinnedListView, ZeroWidthColumnGetsADoubleSeparator) {
  TzelListView* view = Loaded(3);
  view->Columns()->Items(1)->SetWidth(0);
  const TColor border = view->BorderColor();
  EXPECT_EQ(HeaderPixel(view, 79, 3), border);
  EXPECT_EQ(HeaderPixel(view, 78, 3), border);
}

TEST_F(SkinnedListView, NoColumnsFillsTheHeaderWithoutABottomLine) {
  TzelListView* view = Loaded(0);
  TRect header;
  GetClientRect(view->HeaderHandle(), &header);
  if (header.IsEmpty()) GTEST_SKIP() << "no header shown without columns";
  EXPECT_EQ(HeaderPixel(view, 5, header.Bottom - 1), TColor(GetBuiltInThemeColor(view->UIStyle(), 15)));
}

TEST_F(SkinnedListView, CompanionsStopShortOfEachOther) {
  TzelListView* view = Loaded(4, 40);
  TzelScrollBar* v = Bar(zelVertical);
  TzelScrollBar* h = Bar(zelHorizontal);
  view->SetVScrollBar(v);
  view->SetHScrollBar(h);
  view->SetBounds(10, 10, 200, 150);
  HeadlessPumpUntilIdle();
  ASSERT_TRUE(v->Visible());
  ASSERT_TRUE(h->Visible());
  EXPECT_EQ(v->BoundsRect(), Rect(192, 11, 208, 143));
  EXPECT_EQ(h->BoundsRect(), Rect(11, 142, 193, 158));
  EXPECT_EQ(v->SmallChange(), 5);
}

TEST_F(SkinnedListView, VerticalCompanionTakesTheWholeHeightWhenNothingScrollsAcross) {
  TzelListView* view = Loaded(2, 40);
  TzelScrollBar* v = Bar(zelVertical);
  TzelScrollBar* h = Bar(zelHorizontal);
  view->SetVScrollBar(v);
  view->SetHScrollBar(h);
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(h->Visible());
  EXPECT_EQ(v->BoundsRect(), Rect(192, 11, 208, 159));
}

TEST_F(SkinnedListView, VerticalCompanionScrollsByRows) {
  TzelListView* view = Loaded(2, 60);
  TzelScrollBar* v = Bar(zelVertical);
  view->SetVScrollBar(v);
  HeadlessPumpUntilIdle();
  ASSERT_TRUE(v->Visible());
  int lines = 0;
  TWndMethod previous = view->WindowProc;
  view->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_VSCROLL && LOWORD(m.WParam) == SB_LINEDOWN) ++lines;
    previous(m);
  };
  v->SetPosition(3);
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(view->TopItem()->Index(), 3);
  EXPECT_EQ(v->Position(), 3);
  lines = 0;
  v->SetPosition(v->Position() + v->SmallChange());  // what one press of a line button does
  EXPECT_EQ(lines, 5);
  EXPECT_EQ(view->TopItem()->Index(), 8);

  view->Perform(WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(v->Position(), 0);
  view->WindowProc = previous;
}

TEST_F(SkinnedListView, HorizontalCompanionScrollsByPixelsAndHidingHidesBoth) {
  TzelListView* view = Loaded(6, 40);
  TzelScrollBar* v = Bar(zelVertical);
  TzelScrollBar* h = Bar(zelHorizontal);
  view->SetVScrollBar(v);
  view->SetHScrollBar(h);
  HeadlessPumpUntilIdle();
  ASSERT_TRUE(h->Visible());
  h->SetPosition(30);
  EXPECT_EQ(GetScrollPos(view->Handle(), SB_HORZ), 30);
  view->SetVisible(false);
  EXPECT_FALSE(v->Visible());
  EXPECT_FALSE(h->Visible());
}

TEST_F(SkinnedListView, ThemeFileAndRemovals) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("look.zsk", BuildThemeFile({IntegerItem("SKIN2_CONTROLBORDERCOLOR", 0x123456),
                                                             IntegerItem("SKIN2_CONTROLFONTCOLOR", 0x010203),
                                                             IntegerItem("SKIN2_FORMCOLOR", 0x224466)})));
  ASSERT_TRUE(theme->Ready());
  TzelListView* view = Loaded();
  TzelScrollBar* v = Bar(zelVertical);
  view->SetVScrollBar(v);
  view->SetFileTheme(theme);
  view->SetUIStyle(FromThemeFile);
  EXPECT_EQ(view->BorderColor(), TColor(0x123456));
  EXPECT_EQ(view->HeaderFontColor(), TColor(0x010203));
  EXPECT_EQ(HeaderPixel(view, 2, 1), TColor(0x224466));
  EXPECT_EQ(v->FileTheme(), nullptr);  // the companions keep their own theme component
  delete theme;
  EXPECT_EQ(view->UIStyle(), DeepBlue);
  delete v;
  EXPECT_EQ(view->VScrollBar(), nullptr);
  view->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
}

TEST_F(SkinnedListView, ViewMadeAtRunTimeKeepsTheNativeHeader) {
  auto* native = new TListView(form);
  auto* view = new TzelListView(form);
  int left = 10;
  for (TListView* lv : {native, static_cast<TListView*>(view)}) {
    lv->SetParent(form);
    lv->SetBounds(left, 10, 200, 150);
    left += 250;
    lv->Columns()->Add()->SetCaption("A");
  }
  HeadlessPumpUntilIdle();
  InvalidateRect(view->HeaderHandle(), nullptr, true);
  InvalidateRect(native->HeaderHandle(), nullptr, true);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(GetWindowDC(view->HeaderHandle())->Pixels(2, 2), GetWindowDC(native->HeaderHandle())->Pixels(2, 2));
}
