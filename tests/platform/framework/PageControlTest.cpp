#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/PageControls.h"

namespace {

class PageControlTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(400, 300);
    pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(0, 0, 300, 200);
    for (const char* caption : {"General", "Recording", "Files"}) {
      auto* sheet = new TTabSheet(form);
      sheet->SetCaption(caption);
      sheet->SetPageControl(pages);
      sheets.push_back(sheet);
    }
    HeadlessPumpUntilIdle();
  }
  void ClickTab(int index) {
    TRect r = pages->TabRect(index);
    HeadlessClick(pages->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2}));
  }

  TForm* form = nullptr;
  TPageControl* pages = nullptr;
  std::vector<TTabSheet*> sheets;
};

TEST_F(PageControlTest, TheFirstPageShowsAndFillsTheDisplayArea) {
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_TRUE(sheets[0]->Visible());
  EXPECT_FALSE(sheets[1]->Visible());
  EXPECT_EQ(sheets[0]->BoundsRect(), pages->DisplayRect());
  EXPECT_GT(pages->DisplayRect().Top, pages->TabRect(0).Bottom);
  EXPECT_EQ(pages->TabRect(1).Left, pages->TabRect(0).Right);
}

TEST_F(PageControlTest, ClickingATabAsksOnChangingAndARefusalKeepsThePage) {
  bool allow = false;
  int changing = 0, changes = 0;
  pages->OnChanging = [&](TObject*, bool& allowChange) {
    ++changing;
    allowChange = allow;
  };
  pages->OnChange = [&](TObject*) { ++changes; };
  ClickTab(2);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changes, 0);
  allow = true;
  int shown = 0, hidden = 0;
  sheets[2]->OnShow = [&](TObject*) { ++shown; };
  sheets[0]->OnHide = [&](TObject*) { ++hidden; };
  ClickTab(2);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_TRUE(sheets[2]->Visible());
  EXPECT_FALSE(sheets[0]->Visible());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(hidden, 1);
  // The tab already chosen asks nothing.
  ClickTab(2);
  EXPECT_EQ(changing, 2);
}

TEST_F(PageControlTest, ChoosingAPageInCodeFiresNoEvents) {
  int events = 0;
  pages->OnChanging = [&](TObject*, bool&) { ++events; };
  pages->OnChange = [&](TObject*) { ++events; };
  pages->SetActivePageIndex(1);
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_EQ(pages->Perform(TCM_SETCURSEL, 2, 0), 1);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(pages->Perform(TCM_SETCURSEL, 7, 0), -1);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  pages->SetActivePageIndex(9);  // ignored
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(events, 0);
}

TEST_F(PageControlTest, TheActivePageIsAPublishedReference) {
  pages->SetProp("ActivePage", static_cast<TComponent*>(sheets[2]));
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(pages->GetProp<TComponent*>("ActivePage"), sheets[2]);
  auto* loose = new TTabSheet(form);
  loose->SetProp("PageControl", static_cast<TComponent*>(pages));
  EXPECT_EQ(pages->PageCount(), 4);
}

TEST_F(PageControlTest, HiddenTabsLeaveTheStripAndTheActivePageMovesOn) {
  pages->SetActivePage(sheets[1]);
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(pages->Perform(TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(sheets[2]->TabIndex(), 1);
  EXPECT_EQ(sheets[1]->TabIndex(), -1);
  EXPECT_EQ(pages->FindNextPage(sheets[0], true, true), sheets[2]);
  EXPECT_EQ(pages->FindNextPage(sheets[2], true, true), sheets[0]);
}

TEST_F(PageControlTest, FreeingPagesKeepsTheControlConsistent) {
  delete sheets[0];
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  sheets[1]->SetPageIndex(1);
  EXPECT_EQ(pages->Pages(0), sheets[2]);
  sheets[2]->SetPageIndex(5);  // out of range: ignored
  EXPECT_EQ(pages->Pages(0), sheets[2]);
  delete sheets[1];
  delete sheets[2];
  EXPECT_EQ(pages->ActivePage(), nullptr);
  EXPECT_EQ(pages->Perform(TCM_GETCURSEL, 0, 0), -1);
}

TEST_F(PageControlTest, KeysStepThroughTheTabsAsTheUserWould) {
  int changes = 0;
  pages->OnChange = [&](TObject*) { ++changes; };
  pages->SetFocus();
  HeadlessKeyPress(VK_RIGHT);
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  HeadlessKeyPress(VK_LEFT);
  HeadlessKeyPress(VK_LEFT);  // no tab before the first
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  pages->SelectNextPage(false);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(changes, 3);
}

}  // namespace
