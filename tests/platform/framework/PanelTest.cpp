#include <vector>

#include "StdControlsSupport.h"
#include "platform/framework/ExtCtrls.h"

namespace {

class PanelTest : public StdControlsTest {};

TEST_F(PanelTest, BevelsAreDrawnAndTakeRoomFromTheClientArea) {
  auto* panel = Place<TPanel>(10, 10, 100, 60);
  panel->SetBevelOuter(bvRaised);
  panel->SetBevelInner(bvLowered);
  panel->SetBevelWidth(2);
  auto* inside = new TPanel(form);
  inside->SetParent(panel);
  inside->SetBevelOuter(bvNone);
  inside->SetAlign(alClient);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(inside->BoundsRect(), Rect(4, 4, 96, 56));
  EXPECT_EQ(PixelOf(panel, 0, 0), ColorToRGB(clBtnHighlight));  // raised outside
  EXPECT_EQ(PixelOf(panel, 99, 59), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(panel, 2, 2), ColorToRGB(clBtnShadow));  // lowered inside
  EXPECT_EQ(PixelOf(panel, 97, 57), ColorToRGB(clBtnHighlight));
}

TEST_F(PanelTest, BevelShapesAndStyles) {
  auto* bevel = Place<TBevel>(10, 10, 50, 20);
  EXPECT_EQ(PixelOf(bevel, 0, 0), ColorToRGB(clBtnShadow));  // lowered box
  EXPECT_EQ(PixelOf(bevel, 49, 19), ColorToRGB(clBtnHighlight));
  bevel->SetStyle(bsRaised);
  EXPECT_EQ(PixelOf(bevel, 0, 0), ColorToRGB(clBtnHighlight));
  form->SetColor(clYellow);
  bevel->SetShape(bsTopLine);
  EXPECT_EQ(PixelOf(bevel, 25, 1), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(bevel, 25, 10), ColorToRGB(clYellow));  // the rest shows the parent
}

TEST_F(PanelTest, RadioGroupMakesAButtonPerItemAndReportsClicks) {
  auto* group = Place<TRadioGroup>(10, 10, 200, 100);
  std::vector<int> clicked;
  group->OnClick = [&](TObject*) { clicked.push_back(group->ItemIndex()); };
  group->Items()->Add("WAV");
  group->Items()->Add("MP3");
  group->Items()->Add("OGG");
  HeadlessPumpUntilIdle();
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(0);  // from code: no click
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_TRUE(clicked.empty());

  ClickAt(group->Buttons(1), 5, 5);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_FALSE(group->Buttons(0)->Checked());
  EXPECT_EQ(clicked, std::vector<int>{1});
  HeadlessKeyPress(VK_DOWN);  // the arrow moves the choice within the group
  EXPECT_EQ(group->ItemIndex(), 2);

  group->SetColumns(2);
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
  group->Items()->Delete(2);
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(7);  // out of range: the last one
  EXPECT_EQ(group->ItemIndex(), 1);
}

}  // namespace
