#include "StdControlsSupport.h"
#include "platform/framework/Edits.h"
#include "platform/framework/StdCtrls.h"
#include "platform/os/MainThread.h"

namespace {

class ButtonTest : public StdControlsTest {
 protected:
  // Counts the pixels of a colour inside a rectangle of a control.
  int CountColour(TControl* control, const TRect& r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (PixelOf(control, x, y) == ColorToRGB(colour)) ++n;
    return n;
  }
};

TEST_F(ButtonTest, EnterAndEscapeAnswerTheModalDialogThroughItsButtons) {
  TForm* dialog = nullptr;
  Application->CreateForm(dialog);
  dialog->SetBounds(50, 50, 300, 150);
  auto* edit = new TEdit(dialog);
  edit->SetParent(dialog);
  auto* ok = new TButton(dialog);
  ok->SetBounds(10, 50, 75, 25);
  ok->SetParent(dialog);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = new TButton(dialog);
  cancel->SetBounds(100, 50, 75, 25);
  cancel->SetParent(dialog);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  int okClicks = 0;
  ok->OnClick = [&](TObject*) { ++okClicks; };
  dialog->SetActiveControl(edit);

  PostToMainThread([] { HeadlessKeyPress(VK_RETURN, "\r"); });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(okClicks, 1);
  EXPECT_TRUE(edit->Text().empty());  // the edit took no character

  PostToMainThread([] { HeadlessKeyPress(VK_ESCAPE, "\x1b"); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(okClicks, 1);
}

TEST_F(ButtonTest, EnterPressesTheFocusedButtonRatherThanTheDefaultOne) {
  auto* ok = Place<TButton>(10, 10, 75, 25);
  auto* other = Place<TButton>(100, 10, 75, 25);
  ok->SetDefault(true);
  int okClicks = 0, otherClicks = 0;
  ok->OnClick = [&](TObject*) { ++okClicks; };
  other->OnClick = [&](TObject*) { ++otherClicks; };
  other->SetFocus();
  HeadlessKeyPress(VK_RETURN, "\r");
  EXPECT_EQ(otherClicks, 1);
  EXPECT_EQ(okClicks, 0);
  EXPECT_EQ(other->Perform(WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(ok->Perform(WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);

  auto* edit = Place<TEdit>(10, 50, 100, 21);
  edit->SetFocus();
  HeadlessKeyPress(VK_RETURN, "\r");
  EXPECT_EQ(okClicks, 1);  // back to the default once no button has the focus
}

TEST_F(ButtonTest, MouseClicksOnlyWhenReleasedOverTheButton) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };

  HeadlessMouseMove(ScreenPointOf(button, 20, 10));
  HeadlessMouseDown();
  EXPECT_TRUE(button->Pressed());
  EXPECT_TRUE(button->Focused());
  HeadlessMouseMove(ScreenPointOf(button, 200, 100));
  EXPECT_FALSE(button->Pressed());  // dragged off: shown released
  HeadlessMouseUp();
  EXPECT_EQ(clicks, 0);

  ClickAt(button, 20, 10);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Pressed());
}

TEST_F(ButtonTest, SpaceBarPressesOnDownAndClicksOnRelease) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->SetFocus();
  HeadlessKeyDown(VK_SPACE, " ");
  EXPECT_EQ(button->Perform(BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(clicks, 0);
  HeadlessKeyUp(VK_SPACE);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->Perform(BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  button->Perform(BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, AcceleratorPressesTheButtonAndAHookCanSwallowTheClick) {
  auto* box = Place<TCheckBox>(10, 50, 100, 17);
  auto* button = Place<TButton>(10, 10, 75, 25);
  button->SetCaption("&Open");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  box->SetFocus();
  HeadlessKeyPress('O', "o");
  EXPECT_EQ(clicks, 1);

  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    if (m.Msg == BM_CLICK) return;
    saved(m);
  };
  button->Perform(BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  button->WindowProc = saved;
}

TEST_F(ButtonTest, FocusRectangleShowsOnlyWhileFocused) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  auto* other = Place<TButton>(100, 10, 75, 25);
  other->SetFocus();
  TRect focusLine = Rect(6, 4, 60, 5);  // the top of the frame four pixels in
  EXPECT_EQ(CountColour(button, focusLine, clBtnFace), focusLine.Width());
  button->SetFocus();
  EXPECT_GT(CountColour(button, focusLine, clBtnFace), 0);
  EXPECT_LT(CountColour(button, focusLine, clBtnFace), focusLine.Width());
}

TEST_F(ButtonTest, DisabledCaptionIsEngraved) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  button->SetCaption("WWW");
  TRect inside = Rect(3, 3, 72, 22);
  EXPECT_EQ(CountColour(button, inside, clBtnHighlight), 0);
  EXPECT_GT(CountColour(button, inside, clBtnText), 0);
  button->SetEnabled(false);
  EXPECT_GT(CountColour(button, inside, clBtnHighlight), 0);
  EXPECT_GT(CountColour(button, inside, clBtnShadow), 0);
  EXPECT_EQ(CountColour(button, inside, clBtnText), 0);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->Perform(BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
