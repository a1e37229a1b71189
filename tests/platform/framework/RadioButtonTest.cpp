#include "StdControlsSupport.h"
#include "platform/framework/StdCtrls.h"

namespace {

class RadioButtonTest : public StdControlsTest {
 protected:
  TRadioButton* Radio(TWinControl* parent, int top, int group = 0) {
    auto* radio = new TRadioButton(form);
    radio->SetBounds(10, top, 100, 17);
    radio->SetParent(parent);
    radio->SetGroupIndex(group);
    return radio;
  }
};

TEST_F(RadioButtonTest, CheckingOneUnchecksItsGroupOnTheSameParentOnly) {
  auto* panel = Place<TGroupBox>(200, 10, 150, 100);
  TRadioButton* a = Radio(form, 10);
  TRadioButton* b = Radio(form, 30);
  TRadioButton* otherGroup = Radio(form, 50, 1);
  TRadioButton* elsewhere = Radio(panel, 20);
  HeadlessPumpUntilIdle();
  otherGroup->SetChecked(true);
  elsewhere->SetChecked(true);
  int clicksOfB = 0;
  b->OnClick = [&](TObject*) { ++clicksOfB; };

  a->SetChecked(true);
  ClickAt(b, 5, 8);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(otherGroup->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(clicksOfB, 1);

  ClickAt(b, 5, 8);  // a click never unchecks
  EXPECT_TRUE(b->Checked());
  EXPECT_EQ(clicksOfB, 1);
}

TEST_F(RadioButtonTest, ArrowKeysMoveTheCheckAndTabReachesTheCheckedOne) {
  TRadioButton* a = Radio(form, 10);
  TRadioButton* b = Radio(form, 30);
  TRadioButton* c = Radio(form, 50);
  auto* after = Place<TButton>(10, 100, 75, 25);
  HeadlessPumpUntilIdle();
  a->SetChecked(true);
  a->SetFocus();
  HeadlessKeyPress(VK_DOWN);
  EXPECT_TRUE(b->Focused());
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_FALSE(a->TabStop());
  EXPECT_TRUE(b->TabStop());

  after->SetFocus();
  HeadlessKeyDown(VK_SHIFT);
  HeadlessKeyPress(VK_TAB, "\t");
  HeadlessKeyUp(VK_SHIFT);
  EXPECT_TRUE(b->Focused());  // the group is entered at its checked button
  EXPECT_FALSE(c->Checked());
  c->SetFocus();  // focus from code does not check
  EXPECT_FALSE(c->Checked());
}

}  // namespace
