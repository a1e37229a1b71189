#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/os/VirtualKeys.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPageControl.h"
#include "tests/platform/framework/FormTestSupport.h"
#include "tests/skin/SkinFixtures.h"

namespace {

// DeepBlue: tab picture 12 x 17 (two pieces), line 5 x 5, scroll buttons
// 18 x 17 each; the strip is 22 high.
class PageControl : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    SetSkinFlavour(zelCurrentBuild);
    RegisterSkinResources();
    form = ShownForm(500, 300);
    pages = new TzelPageControl(form);
    pages->SetBounds(10, 10, 300, 160);
    pages->SetParent(form);
    pages->SetUIStyle(DeepBlue);
    pages->OnChange = [this](TObject*) { ++changes; };
    pages->OnChanging = [this](TObject*, bool& allow) {
      ++asked;
      allow = allowChange;
    };
  }
  void TearDown() override {
    SetSkinFlavour(zelCurrentBuild);
    HeadlessFormsTest::TearDown();
  }
  TzelTabSheet* AddPage(const std::string& caption) {
    auto* sheet = new TzelTabSheet(form);
    sheet->SetCaption(caption);
    sheet->SetParent(pages);
    return sheet;
  }
  void AddPages(std::initializer_list<const char*> captions) {
    for (const char* caption : captions) AddPage(caption);
  }
  TzelTabControlTopPanel* Strip() { return pages->Strip(); }
  void PaintStrip() {
    Strip()->Repaint();
    HeadlessPumpUntilIdle();
  }
  // The middle of a tab as the last paint laid it out.
  TPoint TabCentre(int index) {
    PaintStrip();
    int left = Strip()->LeftMargin();
    for (int i = Strip()->FirstShownTab(); i < index; ++i) left += Strip()->DrawnWidth(i);
    return {left + Strip()->DrawnWidth(index) / 2, Strip()->TabHeight() / 2};
  }
  void ClickTab(int index) {
    const TPoint at = TabCentre(index);
    HeadlessClick(ScreenPointOf(Strip(), at.X, at.Y));
  }
  static TColor Pixel(TWinControl* control, int x, int y) {
    control->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(control->Handle())->Pixels(x, y);
  }
  std::vector<std::string> TabTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < Strip()->Tabs()->Count(); ++i) texts.push_back(Strip()->Tabs()->Strings(i));
    return texts;
  }
  TForm* form = nullptr;
  TzelPageControl* pages = nullptr;
  int changes = 0;
  int asked = 0;
  bool allowChange = true;
};

}  // namespace

TEST_F(PageControl, StripAndFrameTakeTheirSizesAndColoursFromEachLook) {
  AddPage("One");
  for (TzelUIStyle look : {DeepBlue, WinXP}) {
    pages->SetUIStyle(look);
    TBitmap tab, line;
    GetBuiltInThemeBitmap(look, 39, &tab, 2, 1);
    GetBuiltInThemeBitmap(look, 40, &line, 0, 0);
    const int stripHeight = tab.Height() + line.Height();
    EXPECT_EQ(Strip()->Height(), stripHeight) << int(look);
    const TColor border = GetBuiltInThemeColor(look, 25);
    EXPECT_EQ(pages->BorderColor(), border) << int(look);
    EXPECT_EQ(pages->Color(), look == WinXP ? clWhite : TColor(GetBuiltInThemeColor(look, 26))) << int(look);
    EXPECT_EQ(pages->Pages(0)->BoundsRect(), Rect(3, stripHeight + 3, 297, 157)) << int(look);
    EXPECT_EQ(Pixel(pages, 0, 100), border) << int(look);
    EXPECT_EQ(Pixel(pages, 150, 159), border) << int(look);
    EXPECT_EQ(Pixel(pages, 299, 100), border) << int(look);
    EXPECT_EQ(Pixel(pages, 1, 100), pages->Color()) << int(look);
    // The line under the tabs, stretched between two border pixels.
    EXPECT_EQ(Pixel(Strip(), 0, tab.Height()), border) << int(look);
    EXPECT_EQ(Pixel(Strip(), 250, tab.Height() + line.Height() - 1),
              line.Canvas()->Pixels(line.Width() / 2, line.Height() - 1))
        << int(look);
  }
}

TEST_F(PageControl, TabsAtTheBottomTurnOverAndAnswerWhereTheyAreDrawn) {
  AddPages({"One", "Two"});
  pages->SetTabPosition(zelBottom);
  EXPECT_EQ(Strip()->Top(), 160 - 22);
  EXPECT_EQ(pages->ActivePage()->BoundsRect(), Rect(3, 3, 297, 160 - 22 - 3));
  PaintStrip();
  // The tabs' lower part, below the band a top strip would answer in.
  const int x = Strip()->LeftMargin() + Strip()->DrawnWidth(0) / 2;
  HeadlessClick(ScreenPointOf(Strip(), x, Strip()->Height() - 3));
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
  EXPECT_EQ(pages->Pages(0)->BoundsRect(), Rect(3, 3, 297, 160 - 22 - 3));
  // Line at the top of the strip, turned with the tabs.
  TBitmap line;
  GetBuiltInThemeBitmap(DeepBlue, 40, &line, 0, 0);
  EXPECT_EQ(Pixel(Strip(), 250, 0), line.Canvas()->Pixels(2, line.Height() - 1));
}

TEST_F(PageControl, TabWidthsFollowTheirCaptions) {
  AddPages({"", "Wide caption"});
  PaintStrip();
  EXPECT_EQ(Strip()->DrawnWidth(0), 80);
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(*pages->Font());
  EXPECT_EQ(Strip()->DrawnWidth(1), measure.Canvas()->TextWidth("Wide caption") + 20);
}

TEST_F(PageControl, PressingATabAsksFirstThenShowsItsPage) {
  AddPages({"One", "Two", "Three"});
  int shown = 0, hidden = 0, activeTab = -1;
  pages->Pages(1)->OnShow = [&](TObject*) { ++shown; };
  pages->Pages(2)->OnHide = [&](TObject*) { ++hidden; };
  pages->OnTabActive = [&](TObject*, int index) { activeTab = index; };
  changes = 0;
  ClickTab(1);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
  EXPECT_EQ(Strip()->TabIndex(), 1);
  EXPECT_EQ(activeTab, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(hidden, 1);
  EXPECT_TRUE(pages->Pages(1)->Visible());
  EXPECT_TRUE(pages->Pages(1)->Enabled());
  EXPECT_FALSE(pages->Pages(2)->Visible());
  EXPECT_FALSE(pages->Pages(2)->Enabled());

  allowChange = false;
  ClickTab(0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1)) << "OnChanging refused the press";
  pages->SetActivePage(pages->Pages(0));
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0)) << "setting ActivePage is not asked";
  EXPECT_EQ(asked, 2);
}

TEST_F(PageControl, TabKeyOnTheFocusedStripStepsThroughTheTabs) {
  AddPages({"One", "Two"});
  pages->Pages(1)->SetTabVisible(false);
  allowChange = false;
  Strip()->SetFocus();
  HeadlessPumpUntilIdle();
  HeadlessKeyPress(VK_TAB);
  EXPECT_EQ(Strip()->TabIndex(), 1) << "hidden tabs included, OnChanging not asked";
  HeadlessKeyPress(VK_TAB);
  EXPECT_EQ(Strip()->TabIndex(), 0) << "after the last, the first";
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(Strip()->Focused());

  SetSkinFlavour(zelOlderBuild);
  HeadlessKeyPress(VK_TAB);
  EXPECT_EQ(Strip()->TabIndex(), 0) << "the older build's strip does not step";
}

TEST_F(PageControl, TabsThatDoNotFitScrollWithTheButtons) {
  AddPages({"Recording", "Playback", "Devices", "Hotkeys", "Mail", "Schedule"});
  pages->SetActivePage(pages->Pages(0));
  PaintStrip();
  ASSERT_TRUE(Strip()->ScrollButtonsNeeded());
  EXPECT_EQ(Strip()->FirstShownTab(), 0);
  const TRect forward = Strip()->ForwardButtonRect();
  EXPECT_EQ(forward.Right, 300 - 2);
  EXPECT_EQ(forward.Width(), 18);
  // The last tab drawn is cut at the buttons and keeps the shortened width.
  int right = Strip()->LeftMargin(), cut = -1;
  for (int i = 0; i < 6 && Strip()->DrawnWidth(i) >= 0; ++i) {
    right += Strip()->DrawnWidth(i);
    if (right >= 300 - 2 * 18 - 2) {
      cut = i;
      break;
    }
  }
  ASSERT_GE(cut, 1);
  EXPECT_EQ(right, 300 - 2 * 18 - 2);

  HeadlessClick(ScreenPointOf(Strip(), forward.Left + 5, forward.Top + 5));
  PaintStrip();
  EXPECT_EQ(Strip()->ScrollOffset(), 1);
  EXPECT_EQ(Strip()->FirstShownTab(), 1);
  const TRect backward = Strip()->BackwardButtonRect();
  HeadlessClick(ScreenPointOf(Strip(), backward.Left + 5, backward.Top + 5));
  PaintStrip();
  EXPECT_EQ(Strip()->ScrollOffset(), 0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0)) << "scrolling selects nothing";
}

TEST_F(PageControl, SelectingATabOutOfSightScrollsUntilItIsWhole) {
  AddPages({"Recording", "Playback", "Devices", "Hotkeys", "Mail", "Schedule"});
  pages->SetActivePage(pages->Pages(5));
  PaintStrip();
  EXPECT_GT(Strip()->ScrollOffset(), 0);
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(*pages->Font());
  EXPECT_EQ(Strip()->DrawnWidth(5), measure.Canvas()->TextWidth("Schedule") + 20) << "drawn whole";
  pages->SetActivePage(pages->Pages(0));
  PaintStrip();
  EXPECT_EQ(Strip()->ScrollOffset(), 0) << "a tab scrolled away to the left comes back";
  ClickTab(0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
}

TEST_F(PageControl, ManyMoreTabsThanFitStillWork) {
  for (int i = 0; i < 70; ++i) AddPage("P" + std::to_string(i));
  EXPECT_EQ(pages->PageCount(), 70);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(69));
  PaintStrip();
  const int first = Strip()->FirstShownTab();
  EXPECT_GT(first, 60);
  ClickTab(first);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(first));
  pages->Pages(68)->SetTabVisible(false);
  PaintStrip();
  EXPECT_EQ(Strip()->DrawnWidth(68), 0);
}

TEST_F(PageControl, WithNoPagesTheStripHasNoTab) {
  EXPECT_EQ(Strip()->Tabs()->Count(), 0);
  EXPECT_EQ(Strip()->TabIndex(), -1);
  EXPECT_EQ(pages->ActivePage(), nullptr);
  PaintStrip();
  EXPECT_FALSE(Strip()->ScrollButtonsNeeded());
  HeadlessClick(ScreenPointOf(Strip(), 30, 8));
  EXPECT_EQ(pages->ActivePage(), nullptr);
}

TEST_F(PageControl, HidingTheActiveTabShowsTheNearestShownPage) {
  AddPages({"One", "Two", "Three"});
  pages->SetActivePage(pages->Pages(2));
  pages->Pages(2)->SetTabVisible(false);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
  pages->Pages(2)->SetTabVisible(true);
  pages->SetActivePage(pages->Pages(0));
  pages->Pages(0)->SetTabVisible(false);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1)) << "the first page hands over to the next";
  PaintStrip();
  EXPECT_EQ(Strip()->DrawnWidth(0), 0);
}

TEST_F(PageControl, PagesRenumberWhenRemovedOrMoved) {
  AddPages({"One", "Two", "Three"});
  TzelTabSheet* one = pages->Pages(0);
  TzelTabSheet* three = pages->Pages(2);
  three->SetTabVisible(false);
  three->SetPageIndex(0);
  EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Three", "One", "Two"}));
  EXPECT_EQ(pages->ActivePage(), three);
  EXPECT_EQ(one->PageIndex(), 1);
  EXPECT_FALSE(Strip()->TabShown(0)) << "the hidden tab moves with its page";
  EXPECT_TRUE(Strip()->TabShown(2));
  three->SetPageIndex(7);
  EXPECT_EQ(three->PageIndex(), 0) << "out of range: ignored";

  one->SetCaption("First");
  EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Three", "First", "Two"}));
  pages->SetActivePage(pages->Pages(2));
  delete pages->Pages(2);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), one) << "the page before the removed one";
  one->SetParent(form);
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(one->PageControl(), nullptr);
  EXPECT_EQ(one->PageIndex(), -1);
  three->SetParent(nullptr);
  EXPECT_EQ(pages->PageCount(), 0);
  EXPECT_EQ(pages->ActivePage(), nullptr);
  delete three;
}

TEST_F(PageControl, RemovingTheFirstPageShowsTheNewFirst) {
  AddPages({"One", "Two"});
  pages->SetActivePage(pages->Pages(0));
  delete pages->Pages(0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
  EXPECT_EQ(TabTexts(), (std::vector<std::string>{"Two"}));
}

TEST_F(PageControl, FreeingThePageControlLeavesNoDanglingPages) {
  AddPages({"One", "Two"});
  delete pages;
  EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(PageControl, AStoredPageOrderWinsOverTheOrderOfCreation) {
  TForm* loaded = nullptr;
  Application->CreateForm(loaded);
  TComponentLoader loader(loaded);
  auto* control = loader.Create<TzelPageControl>("pcOptions");
  control->SetParent(loaded);
  const std::string order = "tsFolders\ntsGeneral\ntsFormat\n";
  loader.SetStored(control, "Pages", TBytes(order.begin(), order.end()));
  for (const char* name : {"tsGeneral", "tsFormat", "tsFolders"}) {
    auto* sheet = loader.Create<TzelTabSheet>(name);
    loader.Set(sheet, "Caption", std::string(name).substr(2));
    if (std::string(name) == "tsFormat") loader.Set(sheet, "TabVisible", false);
    loader.SetStored(sheet, "PageControl", TBytes({'p', 'c', 'O', 'p', 't', 'i', 'o', 'n', 's'}));
  }
  loader.End();
  ASSERT_EQ(control->PageCount(), 3);
  std::vector<std::string> names;
  for (int i = 0; i < 3; ++i) names.push_back(control->Pages(i)->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"tsFolders", "tsGeneral", "tsFormat"}));
  EXPECT_FALSE(control->Strip()->TabShown(2));
  const TBytes written = control->WriteStoredProperty("Pages");
  EXPECT_EQ(std::string(written.begin(), written.end()), order);
  const TBytes owner = control->Pages(0)->WriteStoredProperty("PageControl");
  EXPECT_EQ(std::string(owner.begin(), owner.end()), "pcOptions");
}

TEST_F(PageControl, ThemeFileGivesTabsLineAndColours) {
  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("tabs.zsk", BuildThemeFile({IntegerItem("SKIN2_FORMCOLOR", 0x102030),
                                                              IntegerItem("SKIN2_CONTROLBORDERCOLOR", 0x405060),
                                                              IntegerItem("SKIN2_TABCONTROLACTIVEFONTCOLOR", 0x0000AA),
                                                              IntegerItem("SKIN2_TABCONTROLINACTIVEFONTCOLOR", 0x00AA00),
                                                              BitmapItem("SKIN2_TABCONTROL", 30, 14, 0xC0C0C0),
                                                              BitmapItem("SKIN2_TABCONTROLLINE", 4, 3, 0x808000)})));
  ASSERT_TRUE(theme->Ready());
  AddPages({"One", "Two"});
  pages->SetFileTheme(theme);
  pages->SetUIStyle(FromThemeFile);
  EXPECT_EQ(Strip()->Height(), 17);
  EXPECT_EQ(pages->Color(), TColor(0x102030));
  EXPECT_EQ(pages->Pages(0)->Color(), TColor(0x102030));
  EXPECT_EQ(pages->BorderColor(), TColor(0x405060));
  EXPECT_EQ(Strip()->ActiveFontColor(), TColor(0x0000AA));
  EXPECT_EQ(Strip()->InactiveFontColor(), TColor(0x00AA00));
  EXPECT_EQ(Pixel(Strip(), 150, 15), TColor(0x808000));
  // A tab picture of one colour is all see-through (its bottom-left
  // pixel's colour), so the tab shows the strip's colour.
  EXPECT_EQ(Pixel(Strip(), Strip()->LeftMargin() + Strip()->DrawnWidth(0) / 2, 1), TColor(0x102030));
  delete theme;
  EXPECT_EQ(pages->UIStyle(), DeepBlue);
  EXPECT_EQ(Strip()->Height(), 22);
}
