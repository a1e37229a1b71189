// The folder tree: the desktop with home and "/", folders read when they
// open, hidden and unreadable folders, and selecting a folder by path.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "FormTestSupport.h"
#include "platform/framework/TreeView.h"
#include "../os/ScratchFolder.h"

namespace {

class ShellTreeViewTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    const char* home = std::getenv("HOME");
    savedHome_ = home ? home : "";
    for (const char* dir : {"music/rock", "music/jazz/old", "Documents", ".hidden/inside"})
      std::filesystem::create_directories(scratch_ / dir);
    scratch_.Write("music/song.mp3", "x");
    setenv("HOME", scratch_.Path().c_str(), 1);
  }
  void TearDown() override {
    setenv("HOME", savedHome_.c_str(), 1);
    HeadlessFormsTest::TearDown();
  }
  TShellTreeView* MakeTree(TForm* form) {
    auto* tree = new TShellTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(10, 10, 250, 180);
    return tree;
  }
  ScratchFolder scratch_;
  std::string savedHome_;
};

TEST_F(ShellTreeViewTest, DesktopHoldsHomeAndRootAndFoldersComeWhenOpened) {
  TForm* form = ShownForm();
  TShellTreeView* tree = MakeTree(form);
  TTreeNode* desktop = tree->Items()->GetFirstNode();
  ASSERT_EQ(desktop->Count(), 2);
  TTreeNode* home = desktop->Item(0);
  EXPECT_EQ(tree->FolderOf(home) + "/", scratch_.Path());
  EXPECT_EQ(tree->FolderOf(desktop->Item(1)), "/");
  EXPECT_EQ(home->Count(), 0);  // not read yet
  EXPECT_TRUE(home->HasChildren());
  home->Expand(false);
  ASSERT_EQ(home->Count(), 2);  // the hidden folder and the file are left out
  EXPECT_EQ(home->Item(0)->Text(), "Documents");
  EXPECT_EQ(home->Item(1)->Text(), "music");
  EXPECT_FALSE(home->Item(0)->HasChildren());
  EXPECT_TRUE(home->Item(1)->HasChildren());
}

TEST_F(ShellTreeViewTest, SelectedFolderFollowsAPathDownTheTree) {
  TForm* form = ShownForm();
  TShellTreeView* tree = MakeTree(form);
  ASSERT_TRUE(tree->SetSelectedFolder(scratch_ / "music/jazz/old"));
  EXPECT_EQ(tree->SelectedFolder(), scratch_ / "music/jazz/old");
  EXPECT_EQ(tree->Selected()->Level(), 4);
  EXPECT_TRUE(tree->SetSelectedFolder("/"));
  EXPECT_EQ(tree->SelectedFolder(), "/");
  EXPECT_FALSE(tree->SetSelectedFolder(scratch_ / "missing"));
  EXPECT_FALSE(tree->SetSelectedFolder(scratch_ / "music/song.mp3"));
  EXPECT_FALSE(tree->SetSelectedFolder(scratch_ / ".hidden/inside"));
  EXPECT_EQ(tree->SelectedFolder(), "/");
  tree->SetSelected(tree->Items()->GetFirstNode());
  EXPECT_EQ(tree->SelectedFolder(), "");
}

TEST_F(ShellTreeViewTest, RefreshPicksUpNewFoldersAndKeepsTheSelection) {
  TForm* form = ShownForm();
  TShellTreeView* tree = MakeTree(form);
  ASSERT_TRUE(tree->SetSelectedFolder(scratch_ / "music/rock"));
  std::filesystem::create_directories(scratch_ / "music/blues");
  std::filesystem::remove_all(scratch_ / "Documents");
  tree->Refresh();
  TTreeNode* home = tree->Items()->GetFirstNode()->Item(0);
  ASSERT_EQ(home->Count(), 1);
  EXPECT_EQ(home->Item(0)->Count(), 3);
  EXPECT_EQ(tree->SelectedFolder(), scratch_ / "music/rock");
}

TEST_F(ShellTreeViewTest, UnreadableFolderOpensEmpty) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not hold for root";
  TForm* form = ShownForm();
  std::filesystem::create_directories(scratch_ / "locked/inner");
  std::filesystem::permissions(scratch_ / "locked", std::filesystem::perms::none);
  TShellTreeView* tree = MakeTree(form);
  TTreeNode* home = tree->Items()->GetFirstNode()->Item(0);
  home->Expand(false);
  TTreeNode* locked = nullptr;
  for (int i = 0; i < home->Count(); ++i)
    if (home->Item(i)->Text() == "locked") locked = home->Item(i);
  ASSERT_NE(locked, nullptr);
  locked->Expand(false);
  EXPECT_FALSE(locked->Expanded());
  EXPECT_EQ(locked->Count(), 0);
  std::filesystem::permissions(scratch_ / "locked", std::filesystem::perms::owner_all);
}

}  // namespace
