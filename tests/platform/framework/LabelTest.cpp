#include "StdControlsSupport.h"
#include "platform/framework/Edits.h"
#include "platform/framework/StdCtrls.h"

namespace {

class LabelTest : public StdControlsTest {};

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  auto* label = Place<TLabel>(10, 50, 60, 17);
  auto* edit = Place<TEdit>(80, 50, 100, 21);
  label->SetCaption("&Name:");
  label->SetFocusControl(edit);
  button->SetFocus();
  HeadlessKeyPress('N', "n");
  EXPECT_TRUE(edit->Focused());
  EXPECT_TRUE(edit->Text().empty());

  delete edit;  // the label forgets a control that goes away
  EXPECT_EQ(label->FocusControl(), nullptr);
  button->SetFocus();
  HeadlessKeyPress('N', "n");
  EXPECT_TRUE(button->Focused());
}

TEST_F(LabelTest, AutoSizeFollowsTheCaptionAndWordWrapGrowsDownwards) {
  auto* label = Place<TLabel>(10, 10, 10, 10);
  label->SetCaption("Short");
  int shortWidth = label->Width();
  label->SetCaption("A much longer caption");
  EXPECT_GT(label->Width(), shortWidth);
  int oneLine = label->Height();
  label->SetAutoSize(false);
  label->SetWidth(60);
  label->SetWordWrap(true);
  label->SetAutoSize(true);
  EXPECT_EQ(label->Width(), 60);
  EXPECT_GE(label->Height(), 2 * oneLine);
}

TEST_F(LabelTest, TransparentLabelShowsItsParentAndDisabledTextIsEngraved) {
  form->SetColor(clYellow);
  auto* label = Place<TLabel>(10, 10, 10, 10);
  label->SetCaption("WWW");
  label->SetColor(clAqua);
  EXPECT_EQ(PixelOf(label, 0, 0), ColorToRGB(clAqua));
  label->SetTransparent(true);
  EXPECT_EQ(PixelOf(label, 0, 0), ColorToRGB(clYellow));
  label->SetEnabled(false);
  bool shadow = false;
  for (int y = 0; y < label->Height(); ++y)
    for (int x = 0; x < label->Width(); ++x) shadow = shadow || PixelOf(label, x, y) == ColorToRGB(clBtnShadow);
  EXPECT_TRUE(shadow);
}

}  // namespace
