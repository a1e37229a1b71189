// The tree view: expanding with its events (and refusal), lazy children,
// selection by keys and mouse, and scrolling.

#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/TreeView.h"

namespace {

class TreeViewTest : public HeadlessFormsTest {
 protected:
  TTreeView* MakeTree(TForm* form) {
    auto* tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBorderStyle(bsNone);
    tree->SetBounds(10, 10, 200, 150);
    TTreeNode* a = tree->Items()->AddChild(nullptr, "A");
    tree->Items()->AddChild(a, "A1");
    tree->Items()->AddChild(a, "A2");
    TTreeNode* b = tree->Items()->Add(a, "B");
    tree->Items()->AddChild(b, "B1");
    HeadlessPumpUntilIdle();
    return tree;
  }
  TPoint NodePoint(TTreeView* tree, TTreeNode* node, int dx = 0) {
    TRect r = node->DisplayRect();
    return tree->ClientToScreen({(node->Level() + 1) * tree->Indent() + 10 + dx, (r.Top + r.Bottom) / 2});
  }
};

TEST_F(TreeViewTest, ExpandingAsksFirstAndMayBeRefused) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  TTreeNode* b = tree->Items()->TopItem(1);
  std::vector<std::string> events;
  tree->OnExpanding = [&](TObject*, TTreeNode* node, bool& allow) {
    events.push_back("expanding " + node->Text());
    allow = node != b;
  };
  tree->OnExpanded = [&](TObject*, TTreeNode* node) { events.push_back("expanded " + node->Text()); };
  a->Expand(false);
  b->Expand(false);
  EXPECT_TRUE(a->Expanded());
  EXPECT_FALSE(b->Expanded());
  EXPECT_EQ(events, (std::vector<std::string>{"expanding A", "expanded A", "expanding B"}));
  EXPECT_EQ(tree->Items()->Count(), 5);
  EXPECT_EQ(b->DisplayRect().Top, 3 * (a->DisplayRect().Bottom - a->DisplayRect().Top));
}

TEST_F(TreeViewTest, ChildrenCanBeMadeWhenANodeFirstOpens) {
  TForm* form = ShownForm();
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  TTreeNode* lazy = tree->Items()->AddChild(nullptr, "lazy");
  lazy->SetHasChildren(true);
  TTreeNode* empty = tree->Items()->AddChild(nullptr, "empty");
  empty->SetHasChildren(true);
  tree->OnExpanding = [&](TObject*, TTreeNode* node, bool&) {
    if (node == lazy && node->Count() == 0) tree->Items()->AddChild(node, "made now");
  };
  lazy->Expand(false);
  EXPECT_TRUE(lazy->Expanded());
  EXPECT_EQ(lazy->Item(0)->Text(), "made now");
  // Nothing came: the button goes away and the node stays closed.
  empty->Expand(false);
  EXPECT_FALSE(empty->Expanded());
  EXPECT_FALSE(empty->HasChildren());
}

TEST_F(TreeViewTest, KeysAndClicksSelectExpandAndCollapse) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  std::vector<std::string> changes;
  tree->OnChange = [&](TObject*, TTreeNode* node) { changes.push_back(node ? node->Text() : "-"); };
  HeadlessClick(NodePoint(tree, a));
  EXPECT_EQ(tree->Selected(), a);
  HeadlessKeyPress(VK_RIGHT);
  EXPECT_TRUE(a->Expanded());
  HeadlessKeyPress(VK_RIGHT);
  EXPECT_EQ(tree->Selected()->Text(), "A1");
  HeadlessKeyPress(VK_DOWN);
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(tree->Selected()->Text(), "B");
  HeadlessKeyPress(VK_LEFT);  // B is closed and top-level: stays
  EXPECT_EQ(tree->Selected()->Text(), "B");
  // A click on the button of A closes it without selecting it.
  HeadlessAdvanceClock(1000);
  HeadlessClick(NodePoint(tree, a, -tree->Indent()));
  EXPECT_FALSE(a->Expanded());
  EXPECT_EQ(tree->Selected()->Text(), "B");
  EXPECT_EQ(changes, (std::vector<std::string>{"A", "A1", "A2", "B"}));
  tree->OnChanging = [](TObject*, TTreeNode*, bool& allow) { allow = false; };
  HeadlessKeyPress(VK_HOME);
  EXPECT_EQ(tree->Selected()->Text(), "B");
}

TEST_F(TreeViewTest, CollapsingMovesTheSelectionUpAndDeletingToTheParent) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  tree->SetSelected(a->Item(1));
  EXPECT_TRUE(a->Expanded());  // made visible
  a->Collapse(false);
  EXPECT_EQ(tree->Selected(), a);
  tree->SetSelected(a->Item(0));
  a->Item(0)->Delete();
  EXPECT_EQ(tree->Selected(), a);
  EXPECT_EQ(a->Count(), 1);
  tree->Items()->Clear();
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(tree->Items()->Count(), 0);
}

TEST_F(TreeViewTest, LongTreesScroll) {
  TForm* form = ShownForm();
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  tree->SetBounds(10, 10, 200, 100);
  for (int i = 0; i < 50; ++i) tree->Items()->AddChild(nullptr, "node " + std::to_string(i));
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nMax, 49);
  SendMessage(tree->Handle(), WM_VSCROLL, static_cast<WPARAM>(MAKELPARAM(SB_THUMBPOSITION, 20)), 0);
  EXPECT_EQ(tree->TopItem()->Text(), "node 20");
  tree->SetSelected(tree->Items()->TopItem(2));
  EXPECT_EQ(tree->TopItem()->Text(), "node 2");
}

}  // namespace
