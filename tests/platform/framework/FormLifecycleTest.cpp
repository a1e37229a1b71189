#include <string>
#include <vector>

#include "FormTestSupport.h"

namespace {

std::vector<std::string> events;

class TfrmFirst : public TForm {
 public:
  explicit TfrmFirst(TComponent* owner);
  std::string ClassName() const override { return "TfrmFirst"; }
};
class TfrmSecond : public TForm {
 public:
  explicit TfrmSecond(TComponent* owner) : TForm(owner) {
    OnCreate = [](TObject*) { events.push_back("create second"); };
  }
  std::string ClassName() const override { return "TfrmSecond"; }
};

TfrmFirst* frmFirst = nullptr;
TfrmSecond* frmSecond = nullptr;

TfrmFirst::TfrmFirst(TComponent* owner) : TForm(owner) {
  OnCreate = [this](TObject*) {
    events.push_back(std::string("create first, global set: ") + (frmFirst == this ? "yes" : "no"));
  };
  OnShow = [](TObject*) {
    events.push_back("show first, forms: " + std::to_string(Screen->FormCount()));
    Application->Terminate();
  };
}

class FormLifecycleTest : public HeadlessFormsTest {};

TEST_F(FormLifecycleTest, FormsAreCreatedInOrderAndTheMainFormShowsInsideTheLoop) {
  events.clear();
  Application->CreateForm(frmFirst);
  events.push_back("after first");
  Application->CreateForm(frmSecond);
  EXPECT_EQ(Application->MainForm(), frmFirst);
  EXPECT_FALSE(frmFirst->Visible());
  Application->Run();
  std::vector<std::string> expected = {"create first, global set: yes", "after first", "create second",
                                       "show first, forms: 2"};
  EXPECT_EQ(events, expected);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(IsWindowVisible(frmFirst->Handle()));
  EXPECT_FALSE(frmSecond->Visible());
}

TEST_F(FormLifecycleTest, CloseAsksOnCloseQueryAndHidesOrTerminates) {
  TForm* main = ShownForm();
  TForm* other = nullptr;
  Application->CreateForm(other);
  other->Show();
  HeadlessPumpUntilIdle();

  bool allow = false;
  int queries = 0;
  other->OnCloseQuery = [&](TObject*, bool& canClose) {
    ++queries;
    canClose = allow;
  };
  other->Close();
  EXPECT_EQ(queries, 1);
  EXPECT_TRUE(other->Visible());

  allow = true;
  TCloseAction seen = caNone;
  other->OnClose = [&](TObject*, TCloseAction& action) { seen = action; };
  HeadlessRequestClose(other->Handle());  // the window manager's close button
  EXPECT_EQ(seen, caHide);
  EXPECT_FALSE(other->Visible());
  EXPECT_TRUE(IsWindow(other->Handle()));  // hidden, not destroyed

  other->Show();
  other->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
  other->Close();
  EXPECT_TRUE(other->Visible());

  EXPECT_FALSE(Application->Terminated());
  main->Close();
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(FormLifecycleTest, OnDestroyRunsWhileTheFormIsWholeAndReleaseFreesLater) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  TForm* second = nullptr;
  Application->CreateForm(second);
  bool destroyed = false;
  second->OnDestroy = [&](TObject* sender) {
    destroyed = true;
    EXPECT_EQ(sender->ClassName(), "TForm");
  };
  second->Show();
  second->Release();
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(Screen->FormCount(), 2);
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(FormLifecycleTest, PositionAndClientSize) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsSizeable);
  form->SetClientWidth(400);
  form->SetClientHeight(300);
  EXPECT_EQ(form->ClientWidth(), 400);
  EXPECT_EQ(form->ClientHeight(), 300);
  EXPECT_GT(form->Width(), 400);  // the frame is outside the client area
  form->SetPosition(poScreenCenter);
  form->Show();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(form->Left(), (1024 - form->Width()) / 2);
  EXPECT_EQ(form->Top(), (768 - form->Height()) / 2);
  TRect r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.Left, form->Left());

  form->SetBorderStyle(bsNone);
  EXPECT_EQ(form->ClientWidth(), form->Width());
  EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
  form->SetBorderStyle(bsDialog);
  EXPECT_NE(GetWindowLong(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_THICKFRAME, 0);
}

TEST_F(FormLifecycleTest, ANewBorderStyleMakesANewWindowThatHooksCanAdjust) {
  TForm* form = ShownForm();
  auto* child = new TSolidControl(form);
  child->SetParent(form);
  // A frame component keeps the system caption away, as skinned forms do.
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    saved(m);
    if (m.Msg == CM_RECREATEWND) {
      HWND h = form->Handle();
      SetWindowLong(h, GWL_STYLE, GetWindowLong(h, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
      SetWindowPos(h, nullptr, 0, 0, 0, 0, 0x37);
    }
  };
  HWND before = form->Handle();
  form->SetBorderStyle(bsSizeable);
  HeadlessPumpUntilIdle();
  EXPECT_NE(form->Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(IsChild(form->Handle(), child->Handle()));
  LONG_PTR style = GetWindowLong(form->Handle(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_NE(style & WS_THICKFRAME, 0);
  form->WindowProc = saved;
}

TEST_F(FormLifecycleTest, WindowClassNamesAreTheControlClassNames) {
  class TzelRadioGroupButton : public TSolidControl {
   public:
    using TSolidControl::TSolidControl;
    std::string ClassName() const override { return "TzelRadioGroupButton"; }
  };
  TForm* form = ShownForm();
  auto* item = new TzelRadioGroupButton(form);
  item->SetParent(form);
  EXPECT_EQ(GetClassName(item->Handle()), "TzelRadioGroupButton");
  EXPECT_EQ(GetClassName(form->Handle()), "TForm");
  EXPECT_EQ(TWinControl::FindControl(item->Handle()), item);
}

TEST_F(FormLifecycleTest, WindowStateFollowsTheWindow) {
  TForm* form = ShownForm();
  form->SetBorderStyle(bsSizeable);
  form->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  EXPECT_EQ(form->WindowState(), wsMaximized);
  form->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_EQ(form->Width(), 300);
}

TEST_F(FormLifecycleTest, AHiddenFormKeepsTheStateItIsToBeShownIn) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetWindowState(wsMaximized);
  // A frame change sizes the hidden window's client area.
  SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  form->SetClientSize(200, 100);
  EXPECT_EQ(form->WindowState(), wsMaximized);
  form->Show();
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(IsZoomed(form->Handle()));
}

TEST_F(FormLifecycleTest, ASizeFromTheWindowManagerGoesThroughOnCanResizeAndConstraints) {
  TForm* form = ShownForm(300, 200);
  form->Constraints()->SetMinWidth(250);
  form->OnCanResize = [](TObject*, int&, int& h, bool& resize) { resize = h <= 400; };
  HWND h = form->Handle();
  SetWindowPos(h, nullptr, 0, 0, 100, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(form->Width(), 250);
  EXPECT_EQ(form->Height(), 300);
  SetWindowPos(h, nullptr, 0, 0, 500, 500, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(form->Width(), 250);  // refused as a whole
  EXPECT_EQ(form->Height(), 300);
  TRect r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r.Width(), 250);
}

TEST_F(FormLifecycleTest, ActivationEvents) {
  TForm* first = ShownForm();
  TForm* second = ShownForm();
  std::vector<std::string> seen;
  first->OnActivate = [&](TObject*) { seen.push_back("first on"); };
  first->OnDeactivate = [&](TObject*) { seen.push_back("first off"); };
  second->OnActivate = [&](TObject*) { seen.push_back("second on"); };
  second->OnDeactivate = [&](TObject*) { seen.push_back("second off"); };
  EXPECT_TRUE(second->Active());
  HeadlessActivate(first->Handle());
  EXPECT_EQ(seen, (std::vector<std::string>{"second off", "first on"}));
  EXPECT_EQ(Screen->ActiveForm(), first);
}

TEST_F(FormLifecycleTest, ShowBringsAFormThatShowsAlreadyToTheFront) {
  TForm* first = ShownForm();
  TForm* second = ShownForm();
  ASSERT_EQ(GetTopWindow(nullptr), second->Handle());
  first->Show();
  EXPECT_EQ(GetTopWindow(nullptr), first->Handle());
  EXPECT_TRUE(first->Active());
}

}  // namespace
