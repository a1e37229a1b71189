#include "FormTestSupport.h"
#include "platform/framework/PageControls.h"

namespace {

class TabControlTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(400, 300);
    tabs = new TTabControl(form);
    tabs->SetParent(form);
    tabs->SetBounds(10, 10, 300, 200);
    tabs->Tabs()->Add("Left");
    tabs->Tabs()->Add("Right");
    tabs->Tabs()->Add("Both channels");
  }
  TForm* form = nullptr;
  TTabControl* tabs = nullptr;
};

TEST_F(TabControlTest, TabMessagesAnswerRectanglesHitsAndTheDisplayArea) {
  EXPECT_EQ(tabs->TabIndex(), 0);
  EXPECT_EQ(tabs->Perform(TCM_GETITEMCOUNT, 0, 0), 3);
  TRect r;
  ASSERT_EQ(tabs->Perform(TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r)), TRUE);
  EXPECT_EQ(r, tabs->TabRect(2));
  EXPECT_GT(r.Width(), tabs->TabRect(0).Width());  // the longer caption
  EXPECT_EQ(tabs->Perform(TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r)), FALSE);
  EXPECT_EQ(tabs->Perform(TCM_GETITEMRECT, 0, 0), FALSE);

  TCHITTESTINFO hit;
  hit.pt = {r.Left + 2, r.Top + 2};
  EXPECT_EQ(tabs->Perform(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 2);
  EXPECT_EQ(hit.flags, TCHT_ONITEM);
  hit.pt = {150, 150};
  EXPECT_EQ(tabs->Perform(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
  EXPECT_EQ(hit.flags, TCHT_NOWHERE);

  // TCM_ADJUSTRECT turns the window rectangle into the display area and back.
  TRect area = Rect(0, 0, 300, 200);
  tabs->Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  EXPECT_EQ(area, tabs->DisplayRect());
  tabs->Perform(TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&area));
  EXPECT_EQ(area, Rect(0, 0, 300, 200));
}

TEST_F(TabControlTest, TabsAlongTheBottomPutTheDisplayAreaAbove) {
  tabs->SetTabPosition(tpBottom);
  EXPECT_EQ(tabs->TabRect(0).Bottom, 198);
  EXPECT_LT(tabs->DisplayRect().Bottom, tabs->TabRect(0).Top);
  EXPECT_EQ(tabs->DisplayRect().Top, 4);
}

TEST_F(TabControlTest, TheTabIndexFollowsTheTabList) {
  int changes = 0;
  tabs->OnChange = [&](TObject*) { ++changes; };
  tabs->SetTabIndex(2);
  tabs->SetTabIndex(5);  // no such tab
  EXPECT_EQ(tabs->TabIndex(), 2);
  tabs->Tabs()->Delete(2);
  EXPECT_EQ(tabs->TabIndex(), 1);
  tabs->Tabs()->Clear();
  EXPECT_EQ(tabs->TabIndex(), -1);
  EXPECT_EQ(changes, 0);
  TRect r = tabs->TabRect(0);
  EXPECT_TRUE(r.IsEmpty());
}

TEST_F(TabControlTest, AClickedTabAsksBeforeItChanges) {
  bool allow = false;
  tabs->OnChanging = [&](TObject*, bool& a) { a = allow; };
  TRect r = tabs->TabRect(1);
  TPoint p = tabs->ClientToScreen({r.Left + 5, r.Top + 5});
  HeadlessClick(p);
  EXPECT_EQ(tabs->TabIndex(), 0);
  allow = true;
  HeadlessClick(p);
  EXPECT_EQ(tabs->TabIndex(), 1);
}

}  // namespace
