// The list box's documented rules: the selection, the anchor and the caret
// after a click, a step down and a range in each selection mode; what
// LB_SETSEL does to them; item heights and scrolling an item into view;
// item rectangles and the items found at points in and around the list.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ListControls.h"

namespace {

// What a program reads back: LB_GETCURSEL, LB_GETANCHORINDEX, LB_GETCARETINDEX, LB_GETSELCOUNT.
struct ListState {
  LRESULT selected, anchor, caret, selCount;
  bool operator==(const ListState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ListState& s) {
  return out << "{" << s.selected << ", " << s.anchor << ", " << s.caret << ", " << s.selCount << "}";
}

class ListBoxRulesTest : public HeadlessFormsTest {
 protected:
  TListBox* MakeList(int items, int height = 100) {
    auto* list = new TListBox(form_);
    list->SetParent(form_);
    list->SetBorderStyle(bsNone);
    list->SetBounds(0, 0, 100, height);
    for (int i = 0; i < items; ++i) list->Items()->Add("Item " + std::to_string(i));
    list->HandleNeeded();
    list->Perform(LB_SETITEMHEIGHT, 0, 16);
    return list;
  }
  static ListState State(TListBox* list) {
    HWND h = list->Handle();
    return {SendMessage(h, LB_GETCURSEL, 0, 0), SendMessage(h, LB_GETANCHORINDEX, 0, 0),
            SendMessage(h, LB_GETCARETINDEX, 0, 0), SendMessage(h, LB_GETSELCOUNT, 0, 0)};
  }
  static LRESULT ItemFromPoint(TListBox* list, int x, int y) {
    return SendMessage(list->Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
  }
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form_ = ShownForm();
  }
  TForm* form_ = nullptr;
};

struct ModeCase {
  const char* name;
  bool multiSelect, extended;
  ListState initial, afterClick, afterStepDown, afterRange;
};

TEST_F(ListBoxRulesTest, ClickStepAndRangeSetSelectionAnchorAndCaretAsDocumentedInEachMode) {
  const ModeCase cases[] = {
      {"single", false, false, {LB_ERR, LB_ERR, 0, LB_ERR}, {1, 1, 1, LB_ERR}, {2, 2, 2, LB_ERR}, {LB_ERR, LB_ERR, 0, LB_ERR}},
      {"multiple", true, false, {0, LB_ERR, 0, 0}, {1, 1, 1, 1}, {2, 1, 2, 1}, {0, LB_ERR, 0, 2}},
      {"extended", true, true, {0, LB_ERR, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 1}, {0, LB_ERR, 0, 2}},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.name);
    TListBox* list = MakeList(4);
    list->SetMultiSelect(c.multiSelect);
    list->SetExtendedSelect(c.extended);
    EXPECT_EQ(State(list), c.initial);
    TRect second;
    SendMessage(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    SendMessage(list->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(second.Left, second.Top));
    SendMessage(list->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(second.Left, second.Top));
    EXPECT_EQ(State(list), c.afterClick);
    SendMessage(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(State(list), c.afterStepDown);

    TListBox* fresh = MakeList(4);
    fresh->SetMultiSelect(c.multiSelect);
    fresh->SetExtendedSelect(c.extended);
    SendMessage(fresh->Handle(), LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 2));
    EXPECT_EQ(State(fresh), c.afterRange);
  }
}

TEST_F(ListBoxRulesTest, SelectingAnItemMakesItTheAnchorAndTheCaretAndDeselectingLeavesBoth) {
  for (bool extended : {true, false}) {
    SCOPED_TRACE(extended ? "extended" : "multiple");
    TListBox* list = MakeList(40);
    list->SetMultiSelect(true);
    list->SetExtendedSelect(extended);
    HWND h = list->Handle();
    EXPECT_EQ(SendMessage(h, LB_SETSEL, TRUE, 0), LB_OKAY);
    EXPECT_EQ(SendMessage(h, LB_GETANCHORINDEX, 0, 0), 0);
    EXPECT_EQ(SendMessage(h, LB_GETCARETINDEX, 0, 0), 0);
    EXPECT_EQ(SendMessage(h, LB_SETSEL, TRUE, 1), LB_OKAY);
    EXPECT_EQ(SendMessage(h, LB_GETANCHORINDEX, 0, 0), 1);
    EXPECT_EQ(SendMessage(h, LB_GETCARETINDEX, 0, 0), 1);
    EXPECT_EQ(SendMessage(h, LB_SETSEL, FALSE, 1), LB_OKAY);
    EXPECT_EQ(SendMessage(h, LB_GETANCHORINDEX, 0, 0), 1);
    EXPECT_EQ(SendMessage(h, LB_GETCARETINDEX, 0, 0), 1);
    EXPECT_EQ(SendMessage(h, LB_SETSEL, TRUE, 99), LB_ERR);
    EXPECT_EQ(SendMessage(h, LB_GETANCHORINDEX, 0, 0), 1);

    // The property follows: the selected item is the item index, and shows.
    list->SetSelected(30, true);
    EXPECT_EQ(list->ItemIndex(), 30);
    EXPECT_LE(list->TopIndex(), 30);
    EXPECT_GT(list->TopIndex() + list->ClientHeight() / 16, 30);
    // New text for a selected item leaves the caret where it is.
    SendMessage(h, LB_SETCARETINDEX, 5, 0);
    list->Items()->SetStrings(30, "renamed");
    EXPECT_TRUE(list->Selected(30));
    EXPECT_EQ(list->ItemIndex(), 5);
  }
}

TEST_F(ListBoxRulesTest, PlainListTakesTheItemHeightItIsGivenAndScrollsTheNewSelectionIntoView) {
  TListBox* list = MakeList(4);
  HWND h = list->Handle();
  EXPECT_EQ(SendMessage(h, LB_SETITEMHEIGHT, 0, 32), LB_OKAY);
  EXPECT_EQ(SendMessage(h, LB_GETITEMHEIGHT, 0, 0), 32);
  EXPECT_EQ(list->ItemRect(1), Rect(0, 32, list->ClientWidth(), 64));
  // Three rows of 32 fit in 100 pixels: the fourth needs one step down.
  EXPECT_EQ(SendMessage(h, LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 0);
  EXPECT_EQ(SendMessage(h, LB_SETCURSEL, 3, 0), 3);
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 1);
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_EQ(SendMessage(h, LB_SETITEMHEIGHT, 0, 256), LB_ERR);

  // A new font brings rows of the font's height back.
  list->Font()->SetSize(list->Font()->Size() + 1);
  EXPECT_NE(SendMessage(h, LB_GETITEMHEIGHT, 0, 0), 32);
}

TEST_F(ListBoxRulesTest, ItemRectangleIsAnsweredWithWhetherTheItemShows) {
  TListBox* list = MakeList(20);
  HWND h = list->Handle();
  int w = list->ClientWidth();
  TRect r;
  EXPECT_EQ(SendMessage(h, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), 1);
  EXPECT_EQ(r, Rect(0, 16, w, 32));
  // Partly shown counts as shown; below the client it is still measured.
  EXPECT_EQ(SendMessage(h, LB_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&r)), 1);
  EXPECT_EQ(SendMessage(h, LB_GETITEMRECT, 10, reinterpret_cast<LPARAM>(&r)), 0);
  EXPECT_EQ(r, Rect(0, 160, w, 176));
  EXPECT_EQ(SendMessage(h, LB_GETITEMRECT, 20, reinterpret_cast<LPARAM>(&r)), LB_ERR);
  list->SetTopIndex(5);
  EXPECT_EQ(SendMessage(h, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), 0);
  EXPECT_EQ(r, Rect(0, -64, w, -48));
}

TEST_F(ListBoxRulesTest, PointsOutsideTheClientGiveTheNearestItemMarkedOutside) {
  TListBox* list = MakeList(0);
  EXPECT_EQ(ItemFromPoint(list, 30, 30), 0x1FFFF);
  for (int i = 0; i < 2; ++i) list->Items()->Add("short");
  EXPECT_EQ(ItemFromPoint(list, 30, 1), 0);
  EXPECT_EQ(ItemFromPoint(list, 30, 20), 1);
  // Below the last item, inside the client.
  EXPECT_EQ(ItemFromPoint(list, 30, 60), 0x10001);

  for (int i = 0; i < 18; ++i) list->Items()->Add("more");
  list->SetTopIndex(3);
  EXPECT_EQ(ItemFromPoint(list, 10, 10), 3);
  EXPECT_EQ(ItemFromPoint(list, 10, -10), 0x10003);  // above: the top item
  EXPECT_EQ(ItemFromPoint(list, 1000, 10), 0x10003);  // beside it
  EXPECT_EQ(ItemFromPoint(list, 10, 150), 0x10009);  // below: the last row shown
  EXPECT_EQ(list->ItemAtPos({10, 150}, true), -1);
  EXPECT_EQ(list->ItemAtPos({10, 50}, true), 6);
}

}  // namespace
