#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/Hints.h"
#include "platform/framework/Labels.h"
#include "platform/framework/Timer.h"

namespace {

class ControlMouseTest : public HeadlessFormsTest {
 protected:
  void Track(TControl* c, const std::string& name) {
    c->OnMouseEnter = [this, name](TObject*) { trail.push_back("enter " + name); };
    c->OnMouseLeave = [this, name](TObject*) { trail.push_back("leave " + name); };
  }
  std::vector<std::string> trail;
};

TEST_F(ControlMouseTest, ClicksReachControlsWithoutAWindowInTheirOwnCoordinates) {
  TForm* form = ShownForm();
  auto* label = new TCustomLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(50, 40, 60, 20);
  label->SetParent(form);
  TPoint down;
  int clicks = 0;
  label->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { down = {x, y}; };
  label->OnClick = [&](TObject*) { ++clicks; };
  HeadlessClick(ScreenPointOf(form, 55, 47));
  EXPECT_EQ(down, (TPoint{5, 7}));
  EXPECT_EQ(clicks, 1);

  // Pressed on the label and released elsewhere: no click.
  HeadlessMouseMove(ScreenPointOf(form, 55, 47));
  HeadlessMouseDown();
  EXPECT_TRUE(label->MouseCapture());
  HeadlessMouseMove(ScreenPointOf(form, 200, 150));
  HeadlessMouseUp();
  EXPECT_FALSE(label->MouseCapture());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlMouseTest, EnterAndLeaveFollowThePointerAlsoUnderCapture) {
  TForm* form = ShownForm();
  auto* box = new TSolidControl(form);
  box->SetBounds(10, 10, 50, 50);
  box->SetParent(form);
  auto* label = new TCustomLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(100, 10, 50, 20);
  label->SetParent(form);
  Track(form, "form");
  Track(box, "box");
  Track(label, "label");

  HeadlessMouseMove(ScreenPointOf(form, 200, 150));
  HeadlessMouseMove(ScreenPointOf(form, 20, 20));
  HeadlessMouseDown();  // the box captures the pointer
  HeadlessMouseMove(ScreenPointOf(form, 110, 15));
  HeadlessMouseMove(ScreenPointOf(form, 20, 20));
  HeadlessMouseUp();
  HeadlessMouseMove({900, 700});  // off every window of the application
  EXPECT_EQ(trail, (std::vector<std::string>{"enter form", "leave form", "enter box", "leave box",
                                             "enter label", "leave label", "enter box", "leave box"}));
}

// The idle loop sees a control appear under the resting pointer from the
// pointer's events alone, without asking the display where it is.
TEST_F(ControlMouseTest, TheIdleLoopFollowsEnterAndLeaveWithoutAskingTheDisplay) {
  TForm* form = ShownForm();
  Track(form, "form");
  HeadlessMouseMove(ScreenPointOf(form, 20, 20));
  auto* box = new TSolidControl(form);
  box->SetBounds(10, 10, 50, 50);
  box->SetParent(form);
  Track(box, "box");
  auto* timer = new TTimer(form);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  const int asked = HeadlessRequests().cursorQueries;
  while (ticks < 20) Application->HandleMessage();
  EXPECT_EQ(trail, (std::vector<std::string>{"enter form", "leave form", "enter box"}));
  EXPECT_EQ(HeadlessRequests().cursorQueries, asked);
}

TEST_F(ControlMouseTest, HintShowsAfterThePauseAndHidesWhenThePointerLeaves) {
  TForm* form = ShownForm();
  auto* box = new TSolidControl(form);
  box->SetBounds(10, 10, 50, 50);
  box->SetParent(form);
  box->SetHint("Start recording|Starts a new recording");
  box->SetShowHint(true);
  HeadlessMouseMove(ScreenPointOf(box, 5, 5));
  HeadlessAdvanceClock(100);
  EXPECT_EQ(detail::ActiveHintWindow(), nullptr);
  HeadlessAdvanceClock(500);
  THintWindow* hint = detail::ActiveHintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Caption(), "Start recording");
  HeadlessMouseMove(ScreenPointOf(form, 200, 150));
  EXPECT_EQ(detail::ActiveHintWindow(), nullptr);

  HeadlessMouseMove(ScreenPointOf(box, 6, 6));
  HeadlessAdvanceClock(600);
  EXPECT_NE(detail::ActiveHintWindow(), nullptr);
  HeadlessAdvanceClock(3000);
  EXPECT_EQ(detail::ActiveHintWindow(), nullptr);  // hidden after a while

  HeadlessMouseMove(ScreenPointOf(form, 200, 150));
  HeadlessMouseMove(ScreenPointOf(box, 5, 5));
  HeadlessAdvanceClock(600);
  EXPECT_NE(detail::ActiveHintWindow(), nullptr);
  HeadlessMouseDown();
  EXPECT_EQ(detail::ActiveHintWindow(), nullptr);  // and when the control is pressed
  HeadlessMouseUp();
}

// ---- Subclassing a form's window procedure ----------------------------------------

WNDPROC savedProc = nullptr;
std::vector<UINT> hookSaw;

LRESULT HookProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  hookSaw.push_back(msg);
  if (msg == WM_USER + 10) return 0;   // swallowed
  if (msg == WM_USER + 11) return 77;  // answered here
  return CallWindowProc(savedProc, hwnd, msg, wParam, lParam);
}

TEST_F(ControlMouseTest, ASubclassChainSwallowsAnswersForwardsAndIsRemoved) {
  TForm* form = ShownForm();
  std::vector<UINT> formSaw;
  for (UINT m : {WM_USER + 10, WM_USER + 11, WM_USER + 12})
    form->SetMessageHandler(m, [&formSaw](TMessage& msg) {
      formSaw.push_back(msg.Msg);
      msg.Result = 5;
    });
  HWND h = form->Handle();
  hookSaw.clear();
  savedProc = reinterpret_cast<WNDPROC>(SetWindowLong(h, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
  EXPECT_EQ(SendMessage(h, WM_USER + 10, 0, 0), 0);
  EXPECT_EQ(SendMessage(h, WM_USER + 11, 0, 0), 77);
  EXPECT_EQ(SendMessage(h, WM_USER + 12, 0, 0), 5);
  EXPECT_EQ(formSaw, (std::vector<UINT>{WM_USER + 12}));
  SetWindowLong(h, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc));
  hookSaw.clear();
  EXPECT_EQ(SendMessage(h, WM_USER + 10, 0, 0), 5);
  EXPECT_TRUE(hookSaw.empty());

  // The same one level up: the form's WindowProc replaced and restored.
  TWndMethod saved = form->WindowProc;
  std::vector<UINT> methodSaw;
  form->WindowProc = [&](TMessage& m) {
    methodSaw.push_back(m.Msg);
    if (m.Msg == WM_USER + 10) {
      m.Result = 9;
      return;
    }
    saved(m);
  };
  EXPECT_EQ(SendMessage(h, WM_USER + 10, 0, 0), 9);
  EXPECT_EQ(form->Perform(WM_USER + 11, 0, 0), 5);
  form->WindowProc = saved;
  EXPECT_EQ(methodSaw, (std::vector<UINT>{WM_USER + 10, WM_USER + 11}));
}

TEST_F(ControlMouseTest, CursorOfTheControlUnderThePointer) {
  TForm* form = ShownForm();
  auto* box = new TSolidControl(form);
  box->SetBounds(10, 10, 50, 50);
  box->SetParent(form);
  box->SetCursor(crHandPoint);
  HeadlessMouseMove(ScreenPointOf(box, 5, 5));
  EXPECT_EQ(HeadlessRequests().cursorId, IDC_HAND);
  Screen->SetCursor(crHourGlass);
  HeadlessMouseMove(ScreenPointOf(box, 6, 6));
  EXPECT_EQ(HeadlessRequests().cursorId, IDC_WAIT);
  Screen->SetCursor(crDefault);
}

}  // namespace
