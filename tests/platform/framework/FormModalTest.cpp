#include <atomic>
#include <thread>

#include "FormTestSupport.h"
#include "platform/os/MainThread.h"

namespace {

class FormModalTest : public HeadlessFormsTest {};

TEST_F(FormModalTest, ShowModalAnswersTheModalResultSet) {
  TForm* main = ShownForm();
  TForm* dialog = nullptr;
  Application->CreateForm(dialog);
  for (int result : {mrOk, mrCancel, mrYes, mrNo}) {
    bool mainWasDisabled = false;
    PostToMainThread([&, result] {
      mainWasDisabled = !IsWindowEnabled(main->Handle());
      EXPECT_TRUE(dialog->IsModal());
      dialog->SetModalResult(result);
    });
    EXPECT_EQ(dialog->ShowModal(), result);
    EXPECT_TRUE(mainWasDisabled);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
  }
}

TEST_F(FormModalTest, ClosingByTheWindowManagerGivesCancel) {
  ShownForm();
  TForm* dialog = nullptr;
  Application->CreateForm(dialog);
  PostToMainThread([&] { HeadlessRequestClose(dialog->Handle()); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(FormModalTest, OnCloseQueryCanKeepAModalFormOpen) {
  ShownForm();
  TForm* dialog = nullptr;
  Application->CreateForm(dialog);
  int queries = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& canClose) {
    canClose = ++queries > 1;
    if (!canClose) PostToMainThread([&] { dialog->SetModalResult(mrNo); });
  };
  PostToMainThread([&] { dialog->SetModalResult(mrYes); });
  EXPECT_EQ(dialog->ShowModal(), mrNo);
  EXPECT_EQ(queries, 2);
}

TEST_F(FormModalTest, AVisibleFormCannotBeShownModally) {
  TForm* form = ShownForm();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

TEST_F(FormModalTest, MessagesPostedByAWorkerReachTheFormHandlerOnTheGuiThread) {
  TForm* form = ShownForm();
  constexpr UINT WM_TOOL_PROGRESS = WM_USER + 2;
  std::vector<std::pair<WPARAM, LPARAM>> received;
  std::thread::id handlerThread;
  form->SetMessageHandler(WM_TOOL_PROGRESS, [&](TMessage& m) {
    handlerThread = std::this_thread::get_id();
    received.emplace_back(m.WParam, m.LParam);
  });
  HWND window = form->Handle();
  std::thread worker([window] {
    for (int percent = 0; percent <= 100; percent += 50) PostMessage(window, WM_TOOL_PROGRESS, 1, percent);
  });
  worker.join();
  Application->ProcessMessages();
  ASSERT_EQ(received.size(), 3u);
  EXPECT_EQ(received[2], (std::pair<WPARAM, LPARAM>{1, 100}));
  EXPECT_EQ(handlerThread, std::this_thread::get_id());
}

}  // namespace
