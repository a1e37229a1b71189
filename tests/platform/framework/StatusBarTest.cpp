#include <string>

#include "StdControlsSupport.h"
#include "platform/framework/ComCtrls.h"

namespace {

class StatusBarTest : public StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    bar = new TStatusBar(form);
    bar->SetParent(form);
    HeadlessPumpUntilIdle();
  }
  int DarkPixels(const TRect& r) {
    int n = 0;
    for (int y = r.Top + 3; y < r.Bottom - 2; ++y)
      for (int x = r.Left + 2; x < r.Right - 2; ++x)
        if (PixelOf(bar, x, y) == ColorToRGB(clBtnText)) ++n;
    return n;
  }
  TStatusBar* bar = nullptr;
};

TEST_F(StatusBarTest, SitsAlongTheBottomWithPanelsSideBySide) {
  EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
  EXPECT_EQ(bar->Width(), form->ClientWidth());
  TStatusPanel* first = bar->Panels()->Add();
  first->SetWidth(100);
  TStatusPanel* second = bar->Panels()->Add();
  second->SetWidth(80);
  TStatusPanel* last = bar->Panels()->Add();
  last->SetWidth(10);
  EXPECT_EQ(bar->PanelRect(0).Left, 0);
  EXPECT_EQ(bar->PanelRect(0).Right, 100);
  EXPECT_EQ(bar->PanelRect(1).Left, 102);
  EXPECT_EQ(bar->PanelRect(2).Right, bar->ClientWidth());  // the last one reaches the edge
  EXPECT_TRUE(bar->PanelRect(3).IsEmpty());

  second->SetText("Recording");
  EXPECT_EQ(DarkPixels(bar->PanelRect(0)), 0);
  EXPECT_GT(DarkPixels(bar->PanelRect(1)), 0);
  char buffer[64] = {};
  EXPECT_EQ(bar->Perform(SB_GETTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 9);
  EXPECT_EQ(std::string(buffer), "Recording");
  EXPECT_EQ(bar->Perform(SB_SETTEXT, 0, reinterpret_cast<LPARAM>("Idle")), 1);
  EXPECT_EQ(first->Text(), "Idle");
  EXPECT_EQ(bar->Perform(SB_SETTEXT, 7, reinterpret_cast<LPARAM>("x")), 0);
  EXPECT_THROW(bar->Panels()->Delete(5), EListError);
}

TEST_F(StatusBarTest, SimplePanelShowsOneTextInsteadOfThePanels) {
  bar->Panels()->Add()->SetText("panel");
  bar->SetSimpleText("Simple");
  EXPECT_EQ(bar->SimpleText(), "Simple");
  TRect whole = bar->ClientRect();
  TRect right = Rect(whole.Width() / 2, whole.Top, whole.Right, whole.Bottom);
  EXPECT_GT(DarkPixels(bar->PanelRect(0)), 0);
  bar->SetSimplePanel(true);
  int simple = DarkPixels(whole);
  EXPECT_GT(simple, 0);
  EXPECT_EQ(DarkPixels(right), 0);  // text on the left only
  bar->SetSimplePanel(false);
  EXPECT_EQ(bar->Perform(SB_GETPARTS, 0, 0), 1);
}

TEST_F(StatusBarTest, PartsCanBeSetByMessage) {
  int edges[] = {60, 130, -1};
  EXPECT_EQ(bar->Perform(SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 1);
  EXPECT_EQ(bar->Panels()->Count(), 3);
  EXPECT_EQ(bar->PanelRect(1).Right, 130);
  int back[3] = {};
  EXPECT_EQ(bar->Perform(SB_GETPARTS, 3, reinterpret_cast<LPARAM>(back)), 3);
  EXPECT_EQ(back[0], 60);
  EXPECT_EQ(back[2], -1);
  EXPECT_EQ(bar->Perform(SB_SETPARTS, 2, 0), 0);  // no edges given: refused
  EXPECT_EQ(bar->Panels()->Count(), 3);
}

}  // namespace
