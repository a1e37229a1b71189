#include <filesystem>

#include "HeadlessWindows.h"
#include "platform/os/MainThread.h"
#include "recorder/PathSelect.h"

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
