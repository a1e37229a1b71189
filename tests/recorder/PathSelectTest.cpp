#include <filesystem>
#include <fstream>

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
    std::filesystem::create_directories(root + "b/inner");
    std::filesystem::create_directories(root + "a");
    std::filesystem::create_directories(root + ".hidden");
    std::ofstream(root + "file.wav") << "x";
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

TEST_F(PathSelectDialog, ListsOnlyVisibleSubfoldersSorted) {
  EXPECT_EQ(ListSubfolders(root), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(ListSubfolders(root + "missing").empty());
  EXPECT_TRUE(ListSubfolders(root + "file.wav").empty());
}

TEST_F(PathSelectDialog, OkGivesTheFolderAndCancelEmpties) {
  ASSERT_TRUE(dialog->SelectFolder(root + "b"));
  EXPECT_EQ(Choose([&] { dialog->btnOk->Click(); }), root + "b/");
  EXPECT_EQ(Choose([&] { dialog->btnCancel->Click(); }), "");
}

TEST_F(PathSelectDialog, ClosingOtherwiseKeepsThePreviousAnswer) {
  ASSERT_TRUE(dialog->SelectFolder(root + "a/"));
  Choose([&] { dialog->btnOk->Click(); });
  ASSERT_TRUE(dialog->SelectFolder(root + "b"));
  EXPECT_EQ(Choose([&] { HeadlessRequestClose(dialog->Handle()); }), root + "a/");
}

TEST_F(PathSelectDialog, TheRootGivesOneDelimiter) {
  ASSERT_TRUE(dialog->SelectFolder("/"));
  EXPECT_EQ(Choose([&] { dialog->btnOk->Click(); }), "/");
}

TEST_F(PathSelectDialog, MissingFoldersAreRefusedAndTheListBrowses) {
  ASSERT_TRUE(dialog->SelectFolder(root));
  EXPECT_FALSE(dialog->SelectFolder(root + "missing"));
  EXPECT_FALSE(dialog->SelectFolder(""));
  EXPECT_EQ(dialog->SelectedFolder(), root);
  TListBoxStrings* items = dialog->ShellTreeView1->Items();
  ASSERT_EQ(items->Count(), 3);  // "..", "a", "b"
  dialog->ShellTreeView1->SetItemIndex(2);
  dialog->ShellTreeView1->OnDblClick(dialog->ShellTreeView1);
  EXPECT_EQ(dialog->SelectedFolder(), root + "b/");
  EXPECT_EQ(items->Strings(1), "inner");
  dialog->ShellTreeView1->SetItemIndex(0);
  dialog->ShellTreeView1->OnDblClick(dialog->ShellTreeView1);
  EXPECT_EQ(dialog->SelectedFolder(), root);
}

}  // namespace
