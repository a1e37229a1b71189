#include <memory>

#include "FormTestSupport.h"
#include "platform/os/MainThread.h"

namespace {

class ApplicationTest : public HeadlessFormsTest {};

// A control whose click handler may raise, and that clicks another from
// inside its own handler.
class TClicker : public TSolidControl {
 public:
  explicit TClicker(TComponent* owner) : TSolidControl(owner) {}
};

TEST_F(ApplicationTest, AnErrorInAHandlerIsShownOnceAndTheProgramGoesOn) {
  TForm* form = ShownForm();
  auto* inner = new TClicker(form);
  inner->SetBounds(0, 0, 20, 20);
  inner->SetParent(form);
  auto* outer = new TClicker(form);
  outer->SetBounds(50, 0, 20, 20);
  outer->SetParent(form);
  bool afterInner = false;
  inner->OnClick = [](TObject*) { throw EInvalidOperation("Cannot open the file"); };
  outer->OnClick = [&](TObject*) {
    SendMessage(inner->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    SendMessage(inner->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    afterInner = true;  // the error ended the inner handler only
  };
  HeadlessClick(ScreenPointOf(outer, 5, 5));
  auto boxes = HeadlessShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Cannot open the file");
  EXPECT_EQ(boxes[0].caption, "Test");
  EXPECT_EQ(boxes[0].flags & MB_ICONMASK, MB_ICONERROR);
  EXPECT_TRUE(afterInner);

  int later = 0;
  outer->OnClick = [&](TObject*) { ++later; };
  HeadlessAdvanceClock(1000);  // not a double click
  HeadlessClick(ScreenPointOf(outer, 5, 5));
  EXPECT_EQ(later, 1);

  outer->OnClick = [](TObject*) { throw EAbort("silent"); };
  HeadlessAdvanceClock(1000);
  HeadlessClick(ScreenPointOf(outer, 5, 5));
  EXPECT_EQ(HeadlessShownMessageBoxes().size(), 1u);  // an abort shows nothing
}

TEST_F(ApplicationTest, AnErrorInAPostedClosureIsShownAndTheClosuresAfterItStillRun) {
  ShownForm();
  std::vector<int> ran;
  PostToMainThread([&] { ran.push_back(1); });
  PostToMainThread([] { throw EInvalidOperation("Cannot write the file"); });
  PostToMainThread([&] { ran.push_back(3); });
  Application->ProcessMessages();
  Application->ProcessMessages();
  EXPECT_EQ(ran, (std::vector<int>{1, 3}));
  auto boxes = HeadlessShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Cannot write the file");
}

class TBrokenPainter : public TSolidControl {
 public:
  using TSolidControl::TSolidControl;

 protected:
  void Paint() override { throw EInvalidGraphic("Bitmap image is not valid"); }
};

TEST_F(ApplicationTest, APaintThatRaisesIsShownOnceAndNotAskedForAgain) {
  TForm* form = ShownForm();
  auto* broken = new TBrokenPainter(form);
  broken->SetBounds(0, 0, 20, 20);
  broken->SetParent(form);
  HeadlessPumpUntilIdle();
  ASSERT_EQ(HeadlessShownMessageBoxes().size(), 1u);
  EXPECT_EQ(HeadlessShownMessageBoxes()[0].text, "Bitmap image is not valid");
  broken->SetDoubleBuffered(true);
  broken->Invalidate();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(HeadlessShownMessageBoxes().size(), 2u);
}

TEST_F(ApplicationTest, MessageFiltersSeeQueuedMessagesFirstAndMayStopThem) {
  TForm* form = ShownForm();
  int reached = 0;
  form->SetMessageHandler(WM_USER + 5, [&](TMessage&) { ++reached; });
  std::vector<WPARAM> seen;
  auto* events = new TApplicationEvents(form);
  events->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != WM_USER + 5) return;
    seen.push_back(msg.wParam);
    handled = msg.wParam == 2;
  };
  int second = Application->AddMessageFilter([&](MSG& msg, bool&) {
    if (msg.message == WM_USER + 5) seen.push_back(100 + msg.wParam);
  });
  PostMessage(form->Handle(), WM_USER + 5, 1, 0);
  PostMessage(form->Handle(), WM_USER + 5, 2, 0);
  Application->ProcessMessages();
  EXPECT_EQ(seen, (std::vector<WPARAM>{1, 101, 2}));
  EXPECT_EQ(reached, 1);

  delete events;
  Application->RemoveMessageFilter(second);
  seen.clear();
  PostMessage(form->Handle(), WM_USER + 5, 2, 0);
  Application->ProcessMessages();
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(reached, 2);
}

TEST_F(ApplicationTest, AnEventsObjectMayBeFreedByItsOwnHandler) {
  TForm* form = ShownForm();
  auto* events = new TApplicationEvents(form);
  auto counted = std::make_shared<int>(0);
  events->OnMessage = [events, counted](MSG& msg, bool& handled) {
    if (msg.message != WM_USER + 6) return;
    delete events;
    ++*counted;  // the handler's own state outlives the object
    handled = true;
  };
  PostMessage(form->Handle(), WM_USER + 6, 0, 0);
  PostMessage(form->Handle(), WM_USER + 6, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(*counted, 1);
}

TEST_F(ApplicationTest, AMainFormFreedEarlyIsNoMainFormAnyMore) {
  TForm* main = ShownForm();
  ASSERT_EQ(Application->MainForm(), main);
  delete main;
  EXPECT_EQ(Application->MainForm(), nullptr);
  Application->Minimize();  // nothing to minimize, and nothing touched
}

TEST_F(ApplicationTest, MessageBoxesTakeTheScriptedAnswers) {
  ShownForm();
  HeadlessQueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(Application->MessageBox("Converting in progress, do you want to cancel ?", "",
                                    MB_YESNO | MB_ICONQUESTION),
            IDNO);
  EXPECT_EQ(Application->MessageBox("No input device", "Tavrin", MB_OK), IDOK);
  auto boxes = HeadlessShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "Test");  // the application's title stands in
  EXPECT_EQ(boxes[0].flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(boxes[1].caption, "Tavrin");
}

TEST_F(ApplicationTest, ScreenDescribesTheDisplayAndTheForms) {
  HeadlessSetScreen(Rect(0, 0, 1280, 1024), Rect(0, 30, 1280, 1024));
  EXPECT_EQ(Screen->Width(), 1280);
  EXPECT_EQ(Screen->Height(), 1024);
  EXPECT_EQ(Screen->WorkAreaRect(), Rect(0, 30, 1280, 1024));
  TForm* first = ShownForm();
  TForm* second = ShownForm();
  EXPECT_EQ(Screen->FormCount(), 2);
  EXPECT_EQ(Screen->Forms(0), first);
  EXPECT_EQ(Screen->ActiveForm(), second);
  EXPECT_TRUE(Application->Active());
  HeadlessActivate(nullptr);  // another program comes to the front
  EXPECT_FALSE(Application->Active());
  Application->Minimize();
  EXPECT_TRUE(IsIconic(first->Handle()));
}

}  // namespace
