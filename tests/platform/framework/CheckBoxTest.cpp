#include <string>
#include <vector>

#include "StdControlsSupport.h"
#include "platform/framework/StdCtrls.h"

namespace {

class CheckBoxTest : public StdControlsTest {};

TEST_F(CheckBoxTest, ClicksCycleThroughTheStatesAndFireOnClick) {
  auto* box = Place<TCheckBox>(10, 10, 120, 17);
  box->SetCaption("Loop");
  std::vector<TCheckBoxState> seen;
  box->OnClick = [&](TObject*) { seen.push_back(box->State()); };
  ClickAt(box, 5, 8);
  ClickAt(box, 60, 8);  // the caption counts too
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));

  box->SetAllowGrayed(true);
  seen.clear();
  box->SetFocus();
  for (int i = 0; i < 3; ++i) HeadlessKeyPress(VK_SPACE, " ");
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxTest, OnMouseUpSeesTheNewStateAfterOnClick) {
  auto* box = Place<TCheckBox>(10, 10, 120, 17);
  std::vector<std::string> trail;
  box->OnClick = [&](TObject*) { trail.push_back("click"); };
  box->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
    trail.push_back(box->Checked() ? "up checked" : "up clear");
  };
  ClickAt(box, 5, 8);
  EXPECT_EQ(trail, (std::vector<std::string>{"click", "up checked"}));
}

TEST_F(CheckBoxTest, NativeCheckMessagesSetTheStateWithoutAClick) {
  auto* box = Place<TCheckBox>(10, 10, 120, 17);
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  box->Perform(BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_EQ(box->Perform(BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  box->Perform(BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 0);
  box->SetChecked(false);  // the property does click
  EXPECT_EQ(clicks, 1);
  box->SetChecked(false);  // no change, no click
  EXPECT_EQ(clicks, 1);
}

TEST_F(CheckBoxTest, TheMarkIsDrawnInTheBox) {
  auto* box = Place<TCheckBox>(10, 10, 120, 17);
  auto darkPixels = [&] {
    int n = 0;
    for (int y = 4; y < 13; ++y)
      for (int x = 2; x < 11; ++x)
        if (PixelOf(box, x, y) == ColorToRGB(clWindowText)) ++n;
    return n;
  };
  EXPECT_EQ(PixelOf(box, 6, 8), ColorToRGB(clWindow));
  EXPECT_EQ(darkPixels(), 0);
  box->SetChecked(true);
  EXPECT_GT(darkPixels(), 10);
  box->SetEnabled(false);
  EXPECT_EQ(darkPixels(), 0);  // greyed out when disabled
}

TEST_F(CheckBoxTest, AcceleratorFocusesAndToggles) {
  auto* first = Place<TCheckBox>(10, 10, 120, 17);
  auto* box = Place<TCheckBox>(10, 40, 120, 17);
  box->SetCaption("&Mute");
  first->SetFocus();
  HeadlessKeyPress('M', "m");
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
}

}  // namespace
