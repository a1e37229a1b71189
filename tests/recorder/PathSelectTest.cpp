#include <filesystem>

#include "ControlTable.h"
#include "HeadlessWindows.h"
#include "platform/os/MainThread.h"
#include "recorder/PathSelect.h"
#include "skin/ZELForm.h"

namespace {

TEST(PathSelectFolder, EndsInExactlyOneDelimiter) {
  EXPECT_EQ(FolderWithOneDelimiter("/"), "/");
  EXPECT_EQ(FolderWithOneDelimiter("//"), "/");
  EXPECT_EQ(FolderWithOneDelimiter("/home/a"), "/home/a/");
  EXPECT_EQ(FolderWithOneDelimiter("/home/a/"), "/home/a/");
  EXPECT_EQ(FolderWithOneDelimiter("/home/a///"), "/home/a/");
  EXPECT_EQ(FolderWithOneDelimiter(""), "");
}

class PathSelectDialog : public HeadlessWindowsTest {
 protected:
  TfrmPathSelect* dialog = nullptr;
  std::string root;
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    root = Scratch();
    std::filesystem::create_directories(root + "b");
    std::filesystem::create_directories(root + "a");
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->Show();
    Application->CreateForm(dialog);
  }
  std::string Choose(std::function<void()> action) {
    PostToMainThread(std::move(action));
    dialog->ShowModal();
    return dialog->Result;
  }
};

TEST_F(PathSelectDialog, OkGivesTheFolderAndCancelEmpties) {
  ASSERT_TRUE(dialog->ShellTreeView1->SetSelectedFolder(root + "b"));
  EXPECT_EQ(Choose([&] { dialog->btnOk->Click(); }), root + "b/");
  EXPECT_EQ(Choose([&] { dialog->btnCancel->Click(); }), "");
}

TEST_F(PathSelectDialog, ClosingOtherwiseKeepsThePreviousAnswer) {
  ASSERT_TRUE(dialog->ShellTreeView1->SetSelectedFolder(root + "a/"));
  Choose([&] { dialog->btnOk->Click(); });
  ASSERT_TRUE(dialog->ShellTreeView1->SetSelectedFolder(root + "b"));
  EXPECT_EQ(Choose([&] { HeadlessRequestClose(dialog->Handle()); }), root + "a/");
}

TEST_F(PathSelectDialog, TheRootGivesOneDelimiter) {
  ASSERT_TRUE(dialog->ShellTreeView1->SetSelectedFolder("/"));
  EXPECT_EQ(Choose([&] { dialog->btnOk->Click(); }), "/");
}

TEST_F(PathSelectDialog, NoFolderSelectedChoosesNothing) {
  dialog->ShellTreeView1->SetSelected(nullptr);
  EXPECT_EQ(Choose([&] { dialog->btnOk->Click(); }), "");
}

}  // namespace

namespace {

TEST_F(PathSelectDialog, IsBuiltAsItsLayoutTableSays) {
  ExpectControls(dialog, {
                             {"", "zelForm1", "TzelForm", 0, 0, dialog->ClientWidth(), dialog->ClientHeight()},
                             {"zelForm1", "plTree", "TPanel", 8, 30, 301, 306},
                             {"plTree", "ShellTreeView1", "TShellTreeView", 1, 1, 299, 304},
                             {"zelForm1", "btnOk", "TzelButton", 72, 346, 80, 27},
                             {"zelForm1", "btnCancel", "TzelButton", 165, 346, 80, 27},
                         });
  EXPECT_EQ(PlainControlsOf(dialog, {"TPanel", "TShellTreeView"}), std::set<std::string>{});
  EXPECT_EQ(dialog->zelForm1->Caption(), "Path Select");
  EXPECT_EQ(dialog->zelForm1->FileTheme()->Name(), "themeMp10");
  EXPECT_EQ(dialog->plTree->BevelOuter(), bvLowered);
  EXPECT_EQ(dialog->btnOk->Caption(), "Ok");
  EXPECT_EQ(dialog->btnCancel->Caption(), "Cancel");
  // The buttons stand whole inside the window, below the tree.
  EXPECT_LE(dialog->btnOk->Top() + dialog->btnOk->Height(), dialog->ClientHeight() - 4);
  EXPECT_GE(dialog->btnOk->Top(), dialog->plTree->Top() + dialog->plTree->Height());
  EXPECT_GE(dialog->plTree->Top(), dialog->zelForm1->TitleBar()->Height());
}

}  // namespace
