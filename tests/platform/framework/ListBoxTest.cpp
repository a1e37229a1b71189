// The list box: owner-draw requests and their states, selection by mouse
// and keys, sorting, virtual mode, and the LB_ messages a hook sees.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ListControls.h"

namespace {

class ListBoxTest : public HeadlessFormsTest {
 protected:
  TListBox* MakeList(TForm* form, std::vector<std::string> items, TListBoxStyle style = lbStandard) {
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->SetBorderStyle(bsNone);
    list->SetStyle(style);
    list->SetItemHeight(16);
    list->SetBounds(10, 10, 150, 160);
    for (const auto& s : items) list->Items()->Add(s);
    HeadlessPumpUntilIdle();
    return list;
  }
  // The middle of item index in screen coordinates.
  TPoint ItemPoint(TListBox* list, int index) {
    TRect r = list->ItemRect(index);
    return list->ClientToScreen({r.Left + 5, (r.Top + r.Bottom) / 2});
  }
};

TEST_F(ListBoxTest, OwnerDrawRequestsCarryTheSelectedFocusedAndDisabledStates) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {"a", "b", "c"}, lbOwnerDrawFixed);
  std::map<int, TOwnerDrawState> states;
  std::map<int, TRect> rects;
  list->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
    states[index] = state;
    rects[index] = rect;
  };
  list->SetFocus();
  list->SetItemIndex(1);
  list->Repaint();
  ASSERT_EQ(states.size(), 3u);
  EXPECT_EQ(states[0], 0u);
  EXPECT_EQ(states[1], odSelected | odFocused);
  EXPECT_EQ(states[2], 0u);
  EXPECT_EQ(rects[2], Rect(0, 32, list->ClientWidth(), 48));

  states.clear();
  list->SetEnabled(false);
  list->Repaint();
  EXPECT_EQ(states[1] & (odSelected | odDisabled), odSelected | odDisabled);
  EXPECT_EQ(states[0], odDisabled);
}

TEST_F(ListBoxTest, HookedWindowProcedureSeesDrawRequestsAndListChangesFirst) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {}, lbOwnerDrawFixed);
  std::vector<UINT> seen;
  int drawnByHook = 0, drawnByEvent = 0;
  list->OnDrawItem = [&](TWinControl*, int, const TRect&, TOwnerDrawState) { ++drawnByEvent; };
  TWndMethod previous = list->WindowProc;
  list->WindowProc = [&](TMessage& m) {
    if (m.Msg == LB_ADDSTRING || m.Msg == LB_DELETESTRING || m.Msg == LB_SETCURSEL) seen.push_back(m.Msg);
    if (m.Msg == CN_DRAWITEM) {
      // The skin draws the item itself and keeps it from the control.
      ++drawnByHook;
      m.Result = 1;
      return;
    }
    previous(m);
  };
  list->Items()->Add("x");
  list->Items()->Add("y");
  list->SetItemIndex(0);
  list->Items()->Delete(1);
  list->Repaint();
  EXPECT_EQ(seen, (std::vector<UINT>{LB_ADDSTRING, LB_ADDSTRING, LB_SETCURSEL, LB_DELETESTRING}));
  EXPECT_EQ(drawnByHook, 1);
  EXPECT_EQ(drawnByEvent, 0);
  list->WindowProc = previous;
}

TEST_F(ListBoxTest, EmptyFocusedOwnerDrawListAsksForTheFocusRectangleOnly) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {}, lbOwnerDrawFixed);
  std::vector<DRAWITEMSTRUCT> requests;
  TWndMethod previous = list->WindowProc;
  list->WindowProc = [&](TMessage& m) {
    if (m.Msg == CN_DRAWITEM) requests.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
    previous(m);
  };
  list->SetFocus();
  list->Repaint();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].itemID, static_cast<UINT>(-1));
  EXPECT_EQ(requests[0].itemState, ODS_FOCUS);
  EXPECT_EQ(requests[0].itemAction, ODA_FOCUS);
  list->WindowProc = previous;
}

TEST_F(ListBoxTest, VariableHeightsComeFromMeasureItem) {
  TForm* form = ShownForm();
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetBorderStyle(bsNone);
  list->SetStyle(lbOwnerDrawVariable);
  list->SetBounds(10, 10, 150, 100);
  list->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 10 + index * 5; };
  for (int i = 0; i < 4; ++i) list->Items()->Add("row");
  EXPECT_EQ(list->ItemRect(0), Rect(0, 0, list->ClientWidth(), 10));
  EXPECT_EQ(list->ItemRect(2), Rect(0, 25, list->ClientWidth(), 45));
  EXPECT_EQ(list->ItemAtPos({5, 30}, true), 2);
  EXPECT_EQ(list->ItemAtPos({5, 95}, true), -1);
}

TEST_F(ListBoxTest, ClickSelectsAndFiresOnClickButSettingItemIndexDoesNot) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {"one", "two", "three"});
  int clicks = 0, doubleClicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  list->OnDblClick = [&](TObject*) { ++doubleClicks; };
  list->SetItemIndex(2);
  EXPECT_EQ(clicks, 0);
  HeadlessClick(ItemPoint(list, 1));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(list->Focused());
  HeadlessClick(ItemPoint(list, 1));
  EXPECT_EQ(doubleClicks, 1);
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 2);
  HeadlessKeyPress(VK_HOME);
  EXPECT_EQ(list->ItemIndex(), 0);
  HeadlessKeyPress('T', "t");
  EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), "two");
  EXPECT_GE(clicks, 4);
}

TEST_F(ListBoxTest, ExtendedSelectionWithShiftAndCtrl) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {"a", "b", "c", "d", "e"});
  list->SetMultiSelect(true);
  HeadlessClick(ItemPoint(list, 1));
  HeadlessKeyDown(VK_SHIFT);
  HeadlessClick(ItemPoint(list, 3));
  HeadlessKeyUp(VK_SHIFT);
  EXPECT_EQ(list->SelCount(), 3);
  EXPECT_TRUE(list->Selected(2));
  HeadlessKeyDown(VK_CONTROL);
  HeadlessClick(ItemPoint(list, 2));
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_FALSE(list->Selected(2));
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_EQ(list->ItemIndex(), 2);  // the focused item
  HeadlessClick(ItemPoint(list, 0));
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_THROW(list->Selected(9), EListError);
}

TEST_F(ListBoxTest, PlainMultiSelectTogglesEachClick) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {"a", "b", "c"});
  list->SetMultiSelect(true);
  list->SetExtendedSelect(false);
  HeadlessClick(ItemPoint(list, 0));
  HeadlessClick(ItemPoint(list, 2));
  EXPECT_EQ(list->SelCount(), 2);
  list->SetSelected(2, false);
  EXPECT_EQ(list->SelCount(), 1);
  HeadlessKeyPress(VK_SPACE, " ");
  EXPECT_TRUE(list->Selected(2));
}

TEST_F(ListBoxTest, SortedListsInsertInOrderIgnoringCase) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {"pear", "Apple", "fig"});
  list->SetSorted(true);
  list->Items()->Add("banana");
  TStringList items = list->Items()->ToStringList();
  EXPECT_EQ(items.Text(), "Apple\r\nbanana\r\nfig\r\npear\r\n");
  EXPECT_EQ(list->Items()->IndexOf("FIG"), 2);
  EXPECT_THROW(list->Items()->Strings(4), EStringListError);
}

TEST_F(ListBoxTest, VirtualModeTakesItsTextFromOnData) {
  TForm* form = ShownForm();
  TListBox* list = MakeList(form, {}, lbVirtual);
  list->OnData = [](TWinControl*, int index, std::string& data) { data = "Item " + std::to_string(index); };
  list->SetCount(1000);
  EXPECT_EQ(list->Count(), 1000);
  EXPECT_EQ(list->Items()->Strings(999), "Item 999");
  EXPECT_EQ(list->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x")), LB_ERR);
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(list->Handle(), SB_VERT, &si);
  EXPECT_EQ(si.nMax, 999);
  list->SetTopIndex(500);
  EXPECT_EQ(list->TopIndex(), 500);
  TListBox* plain = MakeList(form, {"a"});
  EXPECT_THROW(plain->SetCount(5), EInvalidOperation);
}

TEST_F(ListBoxTest, WheelScrollsThreeRowsPerNotch) {
  TForm* form = ShownForm();
  std::vector<std::string> rows(40, "row");
  TListBox* list = MakeList(form, rows, lbOwnerDrawFixed);
  HeadlessMouseMove(ItemPoint(list, 0));
  list->SetFocus();
  HeadlessWheel(-WHEEL_DELTA);
  EXPECT_EQ(list->TopIndex(), 3);
  EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 3);
}

TEST_F(ListBoxTest, MultiColumnListsScrollSideways) {
  TForm* form = ShownForm();
  std::vector<std::string> rows(50, "row");
  TListBox* list = MakeList(form, rows, lbOwnerDrawFixed);
  list->SetColumns(2);
  int rowsPerColumn = list->ClientHeight() / 16;
  EXPECT_EQ(list->ItemRect(rowsPerColumn).Left, list->ClientWidth() / 2);
  SendMessage(list->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(list->TopIndex(), rowsPerColumn);
  EXPECT_NE(GetWindowLong(list->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
}

}  // namespace

namespace {

class ListBoxLookTest : public HeadlessFormsTest {};

TEST_F(ListBoxLookTest, IntegralHeightShowsWholeRowsOnly) {
  TForm* form = ShownForm();
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(16);
  list->SetBorderStyle(bsNone);
  list->SetIntegralHeight(true);
  list->SetBounds(0, 0, 100, 170);
  EXPECT_EQ(list->Height(), 160);
  list->SetIntegralHeight(false);
  list->SetBounds(0, 0, 100, 170);
  EXPECT_EQ(list->Height(), 170);
}

TEST_F(ListBoxLookTest, SelectedRowAndBarArePaintedInTheirColours) {
  TForm* form = ShownForm();
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetBorderStyle(bsNone);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(16);
  list->SetBounds(0, 0, 116, 80);
  for (int i = 0; i < 20; ++i) list->Items()->Add("row");
  list->SetItemIndex(1);
  list->OnDrawItem = [list](TWinControl*, int, const TRect& rect, TOwnerDrawState) {
    list->Canvas()->FillRect(rect);  // in the colours the control set up
  };
  HeadlessPumpUntilIdle();
  const TBitmap* surface = HeadlessPresentedSurface(form->Handle());
  ASSERT_NE(surface, nullptr);
  auto pixel = [&](int x, int y) { return const_cast<TBitmap*>(surface)->Canvas()->Pixels(x, y); };
  // The list lies at the top left of the form (which has no frame).
  EXPECT_EQ(pixel(50, 24), ColorToRGB(clHighlight));
  EXPECT_EQ(pixel(50, 8), ColorToRGB(clWindow));
  // The bar: the arrow button's face at the top right.
  EXPECT_EQ(pixel(100 + 8, 4), ColorToRGB(clBtnFace));
}

}  // namespace
