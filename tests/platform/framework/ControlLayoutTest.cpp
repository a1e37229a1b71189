#include "FormTestSupport.h"
#include "platform/framework/Labels.h"
#include "platform/framework/Panels.h"

namespace {

class ControlLayoutTest : public HeadlessFormsTest {
 protected:
  template <class T>
  T* Child(TWinControl* parent, int l, int t, int w, int h) {
    auto* c = new T(parent);
    c->SetBounds(l, t, w, h);
    c->SetParent(parent);
    return c;
  }
};

TEST_F(ControlLayoutTest, AlignedChildrenShareTheClientAreaInTurn) {
  TForm* form = ShownForm(300, 200);
  auto* top = Child<TSolidControl>(form, 0, 0, 10, 20);
  top->SetAlign(alTop);
  auto* bottom = Child<TSolidControl>(form, 0, 0, 10, 30);
  bottom->SetAlign(alBottom);
  auto* left = Child<TSolidControl>(form, 0, 0, 40, 10);
  left->SetAlign(alLeft);
  auto* client = Child<TSolidControl>(form, 0, 0, 1, 1);
  client->SetAlign(alClient);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 20));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 170, 300, 200));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 40, 170));
  EXPECT_EQ(client->BoundsRect(), Rect(40, 20, 300, 170));

  form->SetBounds(100, 100, 400, 300);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(client->BoundsRect(), Rect(40, 20, 400, 270));
  TRect r;
  GetWindowRect(client->Handle(), &r);
  EXPECT_EQ(r, Rect(140, 120, 500, 370));  // the window moved with the control

  top->SetVisible(false);
  EXPECT_EQ(left->Top(), 0);

  form->OnAlignPosition = [](TWinControl*, TControl*, int& l, int& t, int& w, int& h, TRect&) {
    l = 5, t = 6, w = 7, h = 8;
  };
  auto* custom = Child<TSolidControl>(form, 0, 0, 1, 1);
  custom->SetAlign(alCustom);
  EXPECT_EQ(custom->BoundsRect(), Rect(5, 6, 12, 14));
}

TEST_F(ControlLayoutTest, AnchorsKeepDistancesWhenTheParentResizes) {
  TForm* form = ShownForm(300, 200);
  auto* right = Child<TSolidControl>(form, 200, 10, 50, 20);
  right->SetAnchors(akTop | akRight);
  auto* stretch = Child<TSolidControl>(form, 10, 50, 280, 20);
  stretch->SetAnchors(akLeft | akTop | akRight | akBottom);
  form->SetBounds(100, 100, 350, 260);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(right->BoundsRect(), Rect(250, 10, 300, 30));
  EXPECT_EQ(stretch->BoundsRect(), Rect(10, 50, 340, 130));
}

TEST_F(ControlLayoutTest, AFormDescribedInCodeAnchorsToItsFinalSize) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsNone);
  TComponentLoader loader(form);
  auto* button = loader.Create<TSolidControl>("btnClose");
  button->SetParent(form);
  loader.Set(button, "Left", 520);
  loader.Set(button, "Top", 380);
  loader.Set(button, "Width", 80);
  loader.Set(button, "Height", 30);
  loader.Set(button, "Anchors", akRight | akBottom);
  loader.Set(form, "ClientWidth", 608);  // the form's own size comes after its controls
  loader.Set(form, "ClientHeight", 431);
  loader.SetReference(form, "ActiveControl", "btnClose");
  loader.End();
  EXPECT_EQ(form->Width(), 608);
  EXPECT_EQ(form->ActiveControl(), button);
  form->SetBounds(0, 0, 708, 481);
  EXPECT_EQ(button->BoundsRect(), Rect(620, 430, 700, 460));
}

TEST_F(ControlLayoutTest, ConstraintsAndOnCanResizeLimitTheSize) {
  TForm* form = ShownForm();
  auto* c = Child<TSolidControl>(form, 0, 0, 50, 50);
  c->Constraints()->SetMinWidth(30);
  c->Constraints()->SetMaxHeight(60);
  c->SetBounds(0, 0, 10, 100);
  EXPECT_EQ(c->Width(), 30);
  EXPECT_EQ(c->Height(), 60);
  c->OnCanResize = [](TObject*, int& w, int&, bool& resize) {
    if (w > 100) resize = false;
  };
  c->SetWidth(200);
  EXPECT_EQ(c->Width(), 30);
  c->SetBounds(5, 0, 200, 40);
  EXPECT_EQ(c->BoundsRect(), Rect(5, 0, 35, 60));  // moved, size refused
}

TEST_F(ControlLayoutTest, BorderWidthIsAMarginOutsideTheClientArea) {
  TForm* form = ShownForm();
  auto* panel = Child<TCustomPanel>(form, 10, 10, 100, 80);
  panel->SetBevelOuter(bvNone);
  panel->SetBorderWidth(5);
  EXPECT_EQ(panel->ClientRect(), Rect(0, 0, 90, 70));
  EXPECT_EQ(panel->ClientOrigin(), (TPoint{115, 115}));
  auto* inside = Child<TSolidControl>(panel, 0, 0, 1, 1);
  inside->SetAlign(alClient);
  EXPECT_EQ(inside->BoundsRect(), Rect(0, 0, 90, 70));
  panel->SetBevelOuter(bvRaised);
  panel->SetBevelWidth(2);
  EXPECT_EQ(inside->BoundsRect(), Rect(2, 2, 88, 68));
}

TEST_F(ControlLayoutTest, ParentFontAndColourFollowTheParentUntilSetOwnValues) {
  TForm* form = ShownForm();
  auto* panel = Child<TCustomPanel>(form, 0, 0, 100, 100);
  auto* label = new TCustomLabel(form);
  label->SetParent(panel);
  label->SetParentColor(true);
  form->Font()->SetName("DejaVu Sans");
  form->Font()->SetSize(14);
  EXPECT_EQ(label->Font()->Name(), "DejaVu Sans");
  EXPECT_EQ(label->Font()->Size(), 14);
  EXPECT_TRUE(label->ParentFont());
  panel->SetColor(clYellow);
  EXPECT_EQ(label->Color(), clYellow);
  label->Font()->SetSize(8);
  EXPECT_FALSE(label->ParentFont());
  form->Font()->SetSize(20);
  EXPECT_EQ(label->Font()->Size(), 8);
  EXPECT_EQ(panel->Font()->Size(), 20);
}

TEST_F(ControlLayoutTest, LabelSizesToItsText) {
  TForm* form = ShownForm();
  auto* label = new TCustomLabel(form);
  label->SetParent(form);
  label->SetCaption("A short text");
  int shortWidth = label->Width();
  label->SetCaption("A much longer text than before");
  EXPECT_GT(label->Width(), shortWidth);
  EXPECT_GT(label->Height(), 5);
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_GT(label->Width(), shortWidth);
}

TEST_F(ControlLayoutTest, VisibleEnabledAndTextMirrorTheWindow) {
  TForm* form = ShownForm();
  auto* c = Child<TSolidControl>(form, 0, 0, 50, 50);
  int textChanges = 0;
  c->SetMessageHandler(CM_TEXTCHANGED, [&](TMessage&) { ++textChanges; });
  c->SetCaption("one");
  EXPECT_EQ(GetWindowText(c->Handle()), "one");
  SetWindowText(c->Handle(), "two");  // from outside the control
  EXPECT_EQ(c->Caption(), "two");
  EXPECT_EQ(textChanges, 2);
  c->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(c->Handle()));
  c->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(c->Handle()));
  c->BringToFront();
  EXPECT_EQ(GetChildWindows(form->Handle()).front(), c->Handle());

  auto* inner = Child<TSolidControl>(c, 0, 0, 10, 10);
  EXPECT_THROW(c->SetParent(inner), EInvalidOperation);
  EXPECT_THROW(c->SetParent(c), EInvalidOperation);
  EXPECT_EQ(c->Parent(), form);
}

}  // namespace
