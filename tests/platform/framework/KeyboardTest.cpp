#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/Labels.h"

namespace {

// A push button as the standard controls will have it: Enter presses the
// default one, Escape the cancel one, its "&" character presses it.
class TTestButton : public TSolidControl {
 public:
  explicit TTestButton(TComponent* owner) : TSolidControl(owner) {}
  bool isDefault = false;
  bool isCancel = false;
  int clicks = 0;
  void Click() override {
    ++clicks;
    TSolidControl::Click();
  }

 protected:
  void Dispatch(TMessage& m) override {
    if (m.Msg == CM_DIALOGKEY && ((m.WParam == VK_RETURN && isDefault) || (m.WParam == VK_ESCAPE && isCancel))) {
      Click();
      m.Result = 1;
      return;
    }
    if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(m.WParam), Caption())) {
      Click();
      m.Result = 1;
      return;
    }
    TSolidControl::Dispatch(m);
  }
};

// A control that wants every key, as an edit box does.
class TTestEdit : public TSolidControl {
 public:
  explicit TTestEdit(TComponent* owner) : TSolidControl(owner, clWhite) {}
  std::u32string typed;

 protected:
  void WMGetDlgCode(TMessage& m) override { m.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS; }
  void KeyPress(char32_t& key) override {
    typed.push_back(key);
    TSolidControl::KeyPress(key);
  }
};

class KeyboardTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(400, 300);
    edit = Add<TTestEdit>(10);
    ok = Add<TTestButton>(50);
    ok->SetCaption("&OK");
    cancel = Add<TTestButton>(90);
    cancel->SetCaption("Cancel");
    skipped = Add<TTestButton>(130);
    skipped->SetTabStop(false);
    last = Add<TTestButton>(170);
    for (TWinControl* c : std::vector<TWinControl*>{edit, ok, cancel, skipped, last}) {
      c->OnEnter = [this, c](TObject*) { trail.push_back("enter " + std::to_string(c->Top())); };
      c->OnExit = [this, c](TObject*) { trail.push_back("exit " + std::to_string(c->Top())); };
    }
  }
  template <class T>
  T* Add(int top) {
    auto* c = new T(form);
    c->SetBounds(10, top, 80, 30);
    c->SetParent(form);
    return c;
  }
  void Tab(bool shift = false) {
    if (shift) HeadlessKeyDown(VK_SHIFT);
    HeadlessKeyPress(VK_TAB, "\t");
    if (shift) HeadlessKeyUp(VK_SHIFT);
  }

  TForm* form = nullptr;
  TTestEdit* edit = nullptr;
  TTestButton *ok = nullptr, *cancel = nullptr, *skipped = nullptr, *last = nullptr;
  std::vector<std::string> trail;
};

TEST_F(KeyboardTest, TabMovesFocusInTabOrderSkippingControlsWithoutTabStop) {
  edit->SetFocus();
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(edit->Focused());
  trail.clear();
  Tab();
  EXPECT_TRUE(ok->Focused());
  EXPECT_EQ(form->ActiveControl(), ok);
  Tab();
  Tab();
  EXPECT_TRUE(last->Focused());  // the one without a tab stop was passed over
  Tab();
  EXPECT_TRUE(edit->Focused());  // round again
  Tab(true);
  EXPECT_TRUE(last->Focused());
  EXPECT_EQ(trail, (std::vector<std::string>{"exit 10", "enter 50", "exit 50", "enter 90", "exit 90",
                                             "enter 170", "exit 170", "enter 10", "exit 10", "enter 170"}));
  EXPECT_TRUE(edit->typed.empty());  // no tab character reached anyone

  last->SetTabOrder(0);
  EXPECT_EQ(last->TabOrder(), 0);
  EXPECT_EQ(edit->TabOrder(), 1);
  Tab();
  EXPECT_TRUE(edit->Focused());
}

TEST_F(KeyboardTest, AnOnEnterThatMovesTheFocusOnWins) {
  edit->SetFocus();
  HeadlessPumpUntilIdle();
  ok->OnEnter = [this](TObject*) { last->SetFocus(); };
  ok->SetFocus();
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(last->Focused());
  EXPECT_EQ(form->ActiveControl(), last);
  cancel->SetFocus();  // the focus bookkeeping is still whole
  EXPECT_TRUE(cancel->Focused());
}

TEST_F(KeyboardTest, DialogKeysReachTheFormUnlessTheFocusedControlWantsThem) {
  ok->isDefault = true;
  cancel->isCancel = true;
  ok->SetFocus();
  HeadlessKeyPress(VK_RETURN, "\r");
  EXPECT_EQ(ok->clicks, 1);
  HeadlessKeyPress(VK_ESCAPE, "\x1b");
  EXPECT_EQ(cancel->clicks, 1);

  edit->SetFocus();
  HeadlessKeyPress(VK_RETURN, "\r");
  EXPECT_EQ(ok->clicks, 1);  // the edit box takes Enter itself
  EXPECT_EQ(edit->typed, U"\r");
}

TEST_F(KeyboardTest, ArrowsMoveBetweenSiblings) {
  ok->SetFocus();
  HeadlessKeyPress(VK_DOWN);
  EXPECT_TRUE(cancel->Focused());
  HeadlessKeyPress(VK_DOWN);
  EXPECT_TRUE(skipped->Focused());  // arrows do not care about tab stops
  HeadlessKeyPress(VK_UP);
  EXPECT_TRUE(cancel->Focused());
}

TEST_F(KeyboardTest, AcceleratorsPressTheControlOfTheirCharacter) {
  cancel->SetFocus();
  HeadlessKeyPress('O', "o");
  EXPECT_EQ(ok->clicks, 1);
  HeadlessKeyDown(VK_MENU);
  HeadlessKeyPress('O', "o");
  HeadlessKeyUp(VK_MENU);
  EXPECT_EQ(ok->clicks, 2);

  edit->SetFocus();
  HeadlessKeyPress('O', "o");  // typed into the edit box, no accelerator
  EXPECT_EQ(ok->clicks, 2);
  EXPECT_EQ(edit->typed, U"o");

  auto* label = new TCustomLabel(form);
  label->SetParent(form);
  label->SetCaption("&Name");
  label->SetFocusControl(last);
  cancel->SetFocus();
  HeadlessKeyPress('N', "n");
  EXPECT_TRUE(last->Focused());
  EXPECT_FALSE(IsAccel(U'n', "&&Name"));
}

TEST_F(KeyboardTest, AFreedFocusedControlLeavesNoTraceInTheTabOrder) {
  cancel->SetFocus();
  HWND window = cancel->Handle();
  delete cancel;
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(form->ActiveControl(), nullptr);
  std::vector<TWinControl*> order;
  form->GetTabOrderList(order);
  EXPECT_EQ(order, (std::vector<TWinControl*>{edit, ok, skipped, last}));
  ok->SetFocus();
  Tab();
  EXPECT_TRUE(last->Focused());
}

TEST_F(KeyboardTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  std::vector<std::string> seen;
  form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    seen.push_back("form " + std::to_string(key));
    if (key == 'X') key = 0;
  };
  edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { seen.push_back("edit " + std::to_string(key)); };
  edit->SetFocus();
  HeadlessKeyPress('A', "a");
  EXPECT_EQ(seen, (std::vector<std::string>{"edit 65"}));
  form->SetKeyPreview(true);
  seen.clear();
  HeadlessKeyPress('A', "a");
  HeadlessKeyPress('X', "x");
  EXPECT_EQ(seen, (std::vector<std::string>{"form 65", "edit 65", "form 88"}));
}

TEST_F(KeyboardTest, TheFirstControlGetsTheFocusWhenTheFormIsActivated) {
  TForm* other = ShownForm();
  EXPECT_FALSE(form->Active());
  HeadlessActivate(form->Handle());
  EXPECT_TRUE(edit->Focused());
  cancel->SetFocus();
  HeadlessActivate(other->Handle());
  HeadlessActivate(form->Handle());
  EXPECT_TRUE(cancel->Focused());  // the form remembers its active control
  ok->SetEnabled(false);
  EXPECT_THROW(form->SetActiveControl(ok), EInvalidOperation);
  EXPECT_EQ(form->ActiveControl(), cancel);
  form->SetFocus();  // the active form gives the focus to its active control
  EXPECT_TRUE(cancel->Focused());
}

}  // namespace
