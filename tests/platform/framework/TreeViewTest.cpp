// The tree view: expanding with its events (and refusal), lazy children,
// selection by keys and mouse, and scrolling; its TVM_ messages (items by
// handle, inserting in place, relations, item fields, hit testing and
// rectangles) and that the node operations reach a hooked procedure.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/TreeView.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

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
  static LPARAM L(HTREEITEM item) { return reinterpret_cast<LPARAM>(item); }
  static HTREEITEM Insert(TTreeView* tree, HTREEITEM parent, HTREEITEM after, const std::string& text) {
    TVINSERTSTRUCT insert;
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text;
    return reinterpret_cast<HTREEITEM>(tree->Perform(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  static std::string Text(TTreeView* tree, LRESULT item) {
    TTreeNode* node = tree->Items()->GetNode(reinterpret_cast<HTREEITEM>(item));
    return node ? node->Text() : "-";
  }
  static std::vector<std::string> Texts(TTreeNode* parent, TTreeView* tree) {
    std::vector<std::string> out;
    int n = parent ? parent->Count() : tree->Items()->TopCount();
    for (int i = 0; i < n; ++i) out.push_back((parent ? parent->Item(i) : tree->Items()->TopItem(i))->Text());
    return out;
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

// ---- The item messages ---------------------------------------------------------

TEST_F(TreeViewTest, InsertingPlacesItemsAndBadHandlesAreRefusedWithoutHarm) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  HTREEITEM first = Insert(tree, TVI_ROOT, TVI_FIRST, "0");
  EXPECT_EQ(tree->Items()->GetNode(first), tree->Items()->TopItem(0));
  Insert(tree, nullptr, a->ItemId(), "after A");
  Insert(tree, TVI_ROOT, a->Item(0)->ItemId(), "end");  // another parent's child: last
  for (const char* text : {"a15", "a0"}) Insert(tree, a->ItemId(), TVI_SORT, text);
  EXPECT_EQ(Texts(nullptr, tree), (std::vector<std::string>{"0", "A", "after A", "B", "end"}));
  EXPECT_EQ(Texts(a, tree), (std::vector<std::string>{"a0", "A1", "a15", "A2"}));
  EXPECT_EQ(tree->Perform(TVM_GETCOUNT, 0, 0), 10);

  HTREEITEM gone = tree->Items()->TopItem(3)->Item(0)->ItemId();
  EXPECT_TRUE(tree->Perform(TVM_DELETEITEM, 0, L(gone)));
  HTREEITEM foreign = MakeTree(form)->Items()->TopItem(0)->ItemId();
  for (HTREEITEM bad : {gone, foreign, HTREEITEM()}) {
    TVITEM item;
    item.hItem = bad;
    TRect r;
    EXPECT_FALSE(tree->Perform(TVM_DELETEITEM, 0, L(bad)));
    if (bad) {
      EXPECT_EQ(Insert(tree, bad, TVI_LAST, "orphan"), nullptr);
    }
    EXPECT_FALSE(tree->Perform(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_FALSE(tree->Perform(TVM_EXPAND, TVE_EXPAND, L(bad)));
    EXPECT_EQ(tree->Perform(TVM_SELECTITEM, TVGN_CARET, L(bad)) != 0, !bad);  // no item: no selection
    EXPECT_FALSE(TreeView_GetItemRect(tree->Handle(), bad, &r, false));
    EXPECT_EQ(tree->Perform(TVM_GETNEXTITEM, TVGN_PARENT, L(bad)), 0);
  }
  EXPECT_EQ(tree->Items()->Count(), 9);
  EXPECT_TRUE(tree->Perform(TVM_DELETEITEM, 0, L(TVI_ROOT)));
  EXPECT_EQ(tree->Items()->Count(), 0);
}

TEST_F(TreeViewTest, NextItemWalksSiblingsParentsAndTheVisibleRows) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  TTreeNode* b = tree->Items()->TopItem(1);
  a->Expand(false);
  tree->SetSelected(a->Item(1));
  struct Step {
    WPARAM relation;
    TTreeNode* from;
    const char* expected;
  };
  for (const Step& step : std::vector<Step>{{TVGN_ROOT, nullptr, "A"}, {TVGN_NEXT, a, "B"}, {TVGN_NEXT, b, "-"},
                                            {TVGN_PREVIOUS, b, "A"}, {TVGN_PARENT, a->Item(0), "A"}, {TVGN_PARENT, a, "-"},
                                            {TVGN_CHILD, a, "A1"}, {TVGN_CHILD, nullptr, "A"}, {TVGN_FIRSTVISIBLE, nullptr, "A"},
                                            {TVGN_NEXTVISIBLE, a->Item(1), "B"}, {TVGN_PREVIOUSVISIBLE, b, "A2"},
                                            {TVGN_NEXTVISIBLE, b->Item(0), "-"}, {TVGN_LASTVISIBLE, nullptr, "B"},
                                            {TVGN_CARET, nullptr, "A2"}, {TVGN_DROPHILITE, nullptr, "-"}})
    EXPECT_EQ(Text(tree, tree->Perform(TVM_GETNEXTITEM, step.relation, L(step.from ? step.from->ItemId() : nullptr))),
              step.expected) << step.relation;
}

TEST_F(TreeViewTest, ExpandAsksAsTheNodesDoAndSettingTheStateDoesNot) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  TTreeNode* b = tree->Items()->TopItem(1);
  int asked = 0;
  tree->OnExpanding = [&](TObject*, TTreeNode* node, bool& allow) { allow = node != b || ++asked == 0; };
  EXPECT_TRUE(tree->Perform(TVM_EXPAND, TVE_TOGGLE, L(a->ItemId())));
  HeadlessPumpUntilIdle();  // drawn with four rows
  EXPECT_FALSE(tree->Perform(TVM_EXPAND, TVE_EXPAND, L(b->ItemId())));
  EXPECT_TRUE(a->Expanded());
  EXPECT_TRUE(tree->Perform(TVM_EXPAND, TVE_COLLAPSE | TVE_COLLAPSERESET, L(a->ItemId())));
  EXPECT_EQ(a->Count(), 0);
  EXPECT_TRUE(a->HasChildren());  // the button stays for filling again
  TVITEM state;
  state.mask = TVIF_STATE;
  state.hItem = b->ItemId();
  state.state = state.stateMask = TVIS_EXPANDED;
  EXPECT_TRUE(tree->Perform(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&state)));
  EXPECT_TRUE(b->Expanded());
  EXPECT_EQ(asked, 1);
  // Three rows now: the old fourth row's place is plain again.
  HeadlessPumpUntilIdle();
  TRect row = b->Item(0)->DisplayRect();
  auto* surface = const_cast<TBitmap*>(HeadlessPresentedSurface(form->Handle()));
  for (int x = 0; x < 60; ++x) EXPECT_EQ(surface->Canvas()->Pixels(10 + x, 10 + row.Bottom + 4), ColorToRGB(clWindow)) << x;
}

TEST_F(TreeViewTest, ItemFieldsAreTheNodesProperties) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  TTreeNode* b = tree->Items()->TopItem(1);
  b->SetData(&tree);
  b->SetImageIndex(3);
  tree->SetSelected(b);
  TVITEM item;
  item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM | TVIF_STATE;
  item.hItem = b->ItemId();
  item.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
  ASSERT_TRUE(tree->Perform(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::make_tuple(item.pszText, item.iImage, item.iSelectedImage, item.cChildren, item.state),
            std::make_tuple(std::string("B"), 3, -1, 1, TVIS_SELECTED));
  EXPECT_EQ(item.lParam, reinterpret_cast<LPARAM>(&tree));

  int refusals = 0;
  tree->OnChanging = [&](TObject*, TTreeNode* node, bool& allow) { allow = node || ++refusals == 0; };
  item.mask = TVIF_TEXT | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
  item.hItem = a->ItemId();
  item.pszText = "renamed";
  item.iSelectedImage = 4;
  item.lParam = 42;
  ASSERT_TRUE(tree->Perform(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::make_tuple(a->Text(), a->SelectedIndex(), a->Data(), tree->Selected()),
            std::make_tuple(std::string("renamed"), 4, reinterpret_cast<void*>(42), a));
  item.state = 0;  // taking the selection away asks first
  tree->Perform(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(tree->Selected(), a);
  EXPECT_EQ(refusals, 1);
}

TEST_F(TreeViewTest, HitTestAndRectanglesAgreeWithWhatIsDrawn) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  TTreeNode* a = tree->Items()->TopItem(0);
  a->Expand(false);
  TTreeNode* a1 = a->Item(0);
  TRect row, text, hidden;
  ASSERT_TRUE(TreeView_GetItemRect(tree->Handle(), a1->ItemId(), &row, false));
  ASSERT_TRUE(TreeView_GetItemRect(tree->Handle(), a1->ItemId(), &text, true));
  EXPECT_EQ(row, a1->DisplayRect());
  EXPECT_EQ(row, (TRect{0, row.Top, tree->ClientWidth(), row.Bottom}));
  EXPECT_EQ(text.Left, 2 * tree->Indent() + 2);
  EXPECT_FALSE(TreeView_GetItemRect(tree->Handle(), tree->Items()->TopItem(1)->Item(0)->ItemId(), &hidden, false));

  auto hit = [&](int x, int y, TTreeNode* expected) {
    TVHITTESTINFO info;
    info.pt = {x, y};
    LRESULT found = tree->Perform(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(found), expected ? expected->ItemId() : nullptr) << x << "," << y;
    EXPECT_EQ(tree->GetNodeAt(x, y), expected);
    return info.flags;
  };
  int mid = (row.Top + row.Bottom) / 2;
  EXPECT_EQ(hit(text.Left + 2, mid, a1), TVHT_ONITEMLABEL);
  EXPECT_EQ(hit(text.Right + 5, mid, a1), TVHT_ONITEMRIGHT);
  EXPECT_EQ(hit(tree->Indent() + 5, mid, a1), TVHT_ONITEMINDENT);  // A1 has no button
  EXPECT_EQ(hit(tree->Indent() - 5, mid - row.Height(), a), TVHT_ONITEMBUTTON);
  EXPECT_EQ(hit(10, tree->ClientHeight() - 2, nullptr), TVHT_NOWHERE);
  EXPECT_EQ(hit(-1, tree->ClientHeight(), nullptr), TVHT_TOLEFT | TVHT_BELOW);
  EXPECT_EQ(hit(tree->ClientWidth(), -1, nullptr), TVHT_TORIGHT | TVHT_ABOVE);
  TImageList images(16, 16);
  tree->SetImages(&images);
  EXPECT_EQ(hit(2 * tree->Indent() + 4, mid, a1), TVHT_ONITEMICON);
  EXPECT_EQ(tree->Perform(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(&images)), 0);
  EXPECT_EQ(tree->Perform(TVM_SETIMAGELIST, TVSIL_NORMAL, 0), reinterpret_cast<LRESULT>(&images));
  EXPECT_EQ(tree->Images(), nullptr);
}

TEST_F(TreeViewTest, NodeOperationsReachAHookAndScrollAsTheMessagesDo) {
  TForm* form = ShownForm();
  TTreeView* tree = MakeTree(form);
  std::vector<UINT> seen;
  TWndMethod saved = tree->WindowProc;
  tree->WindowProc = [&](TMessage& m) {
    if (m.Msg >= TVM_INSERTITEM && m.Msg <= TVM_ENSUREVISIBLE) seen.push_back(m.Msg);
    if (m.Msg == TVM_INSERTITEM)  // the hook marks every new item
      const_cast<TVINSERTSTRUCT*>(reinterpret_cast<const TVINSERTSTRUCT*>(m.LParam))->item.pszText += "!";
    saved(m);
  };
  TTreeNode* parent = tree->Items()->TopItem(1);
  for (int i = 0; i < 30; ++i) tree->Items()->AddChild(parent, "child");
  EXPECT_EQ(parent->Item(1)->Text(), "child!");
  int rows = static_cast<int>(tree->Perform(TVM_GETVISIBLECOUNT, 0, 0));
  EXPECT_EQ(rows, tree->ClientHeight() / (parent->DisplayRect().Bottom - parent->DisplayRect().Top));
  seen.clear();
  parent->Item(20)->MakeVisible();
  EXPECT_TRUE(parent->Expanded());
  EXPECT_EQ(tree->TopItem(), parent->Item(21 - rows));
  EXPECT_TRUE(tree->Perform(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, L(parent->Item(3)->ItemId())));
  EXPECT_EQ(tree->TopItem(), parent->Item(3));
  tree->SetIndent(2);  // never narrower than the button
  EXPECT_EQ(tree->Perform(TVM_GETINDENT, 0, 0), 13);
  tree->Perform(TVM_SETINDENT, static_cast<WPARAM>(-40), 0);
  EXPECT_EQ(tree->Indent(), 1000);
  parent->Item(0)->Delete();
  EXPECT_EQ(seen, (std::vector<UINT>{TVM_ENSUREVISIBLE, TVM_SELECTITEM, TVM_SETINDENT, TVM_GETINDENT, TVM_SETINDENT,
                                     TVM_DELETEITEM}));
  tree->WindowProc = saved;
}

}  // namespace
