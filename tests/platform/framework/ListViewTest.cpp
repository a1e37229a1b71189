// The list view: sorting, multi-select, refused changes, the header as a
// window another procedure subclasses, and scrolling.

#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ListView.h"
#include "platform/framework/SysUtils.h"

namespace {

class ListViewTest : public HeadlessFormsTest {
 protected:
  TListView* MakeView(TForm* form, int rows = 5) {
    auto* view = new TListView(form);
    view->SetParent(form);
    view->SetBorderStyle(bsNone);
    view->SetBounds(10, 10, 260, 150);
    view->SetRowSelect(true);
    TListColumn* name = view->Columns()->Add();
    name->SetCaption("Name");
    name->SetWidth(100);
    TListColumn* size = view->Columns()->Add();
    size->SetCaption("Size");
    size->SetWidth(80);
    size->SetAlignment(taRightJustify);
    const char* names[] = {"delta", "alpha", "echo", "charlie", "bravo"};
    for (int i = 0; i < rows; ++i) {
      TListItem* item = view->Items()->Add();
      item->SetCaption(std::string(names[i % 5]) + (i >= 5 ? std::to_string(i) : ""));
      item->SubItems()->Add(std::to_string((i * 7) % 10));
    }
    HeadlessPumpUntilIdle();
    return view;
  }
  TPoint RowPoint(TListView* view, int index) {
    TRect r = view->Items()->Item(index)->DisplayRect();
    return view->ClientToScreen({r.Left + 20, (r.Top + r.Bottom) / 2});
  }
  static std::vector<std::string> Captions(TListView* view) {
    std::vector<std::string> out;
    for (int i = 0; i < view->Items()->Count(); ++i) out.push_back(view->Items()->Item(i)->Caption());
    return out;
  }
};

TEST_F(ListViewTest, SortsByCaptionByOnCompareAndByAColumnOnItsClick) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form);
  view->AlphaSort();
  EXPECT_EQ(Captions(view), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta", "echo"}));
  view->OnCompare = [](TObject*, TListItem* a, TListItem* b, int, int& compare) {
    compare = CompareText(b->Caption(), a->Caption());
  };
  view->AlphaSort();
  EXPECT_EQ(Captions(view).front(), "echo");

  view->OnColumnClick = [view](TObject*, TListColumn* column) {
    int sub = column->Index() - 1;
    view->CustomSort([sub](TListItem* a, TListItem* b, LPARAM) {
      return std::stoi((*a->SubItems())[sub]) - std::stoi((*b->SubItems())[sub]);
    }, 0);
  };
  TRect sizeColumn;
  SendMessage(view->HeaderHandle(), HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&sizeColumn));
  TPoint header{view->ClientOrigin().X + sizeColumn.Left + 20, view->ClientOrigin().Y + 5};
  HeadlessClick(header);
  std::vector<std::string> sizes;
  for (int i = 0; i < 5; ++i) sizes.push_back((*view->Items()->Item(i)->SubItems())[0]);
  EXPECT_EQ(sizes, (std::vector<std::string>{"0", "1", "4", "7", "8"}));
}

TEST_F(ListViewTest, SortTypeKeepsNewItemsInOrder) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form);
  view->SetSortType(stText);
  TListItem* item = view->Items()->Add();
  item->SetCaption("aardvark");
  EXPECT_EQ(view->Items()->Item(0), item);
}

TEST_F(ListViewTest, MultiSelectWithCtrlAndShiftAndSelectItemEvents) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form);
  view->SetMultiSelect(true);
  std::vector<std::pair<int, bool>> selects;
  view->OnSelectItem = [&](TObject*, TListItem* item, bool selected) { selects.push_back({item->Index(), selected}); };
  HeadlessClick(RowPoint(view, 1));
  HeadlessKeyDown(VK_SHIFT);
  HeadlessClick(RowPoint(view, 3));
  HeadlessKeyUp(VK_SHIFT);
  EXPECT_EQ(view->SelCount(), 3);
  EXPECT_EQ(view->ItemFocused()->Index(), 3);
  HeadlessKeyDown(VK_CONTROL);
  HeadlessClick(RowPoint(view, 2));
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(view->SelCount(), 2);
  EXPECT_FALSE(view->Items()->Item(2)->Selected());
  EXPECT_EQ(view->Selected()->Index(), 1);
  EXPECT_EQ(selects.back(), std::make_pair(2, false));
  HeadlessClick(RowPoint(view, 4));
  EXPECT_EQ(view->SelCount(), 1);
  view->SelectAll();
  EXPECT_EQ(view->SelCount(), 5);
  view->SetMultiSelect(false);
  EXPECT_EQ(view->SelCount(), 1);
  EXPECT_THROW(view->Items()->Item(5), EListError);
}

TEST_F(ListViewTest, RefusedChangeLeavesTheSelectionAndFiresNoChange) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form);
  view->Items()->Item(0)->SetSelected(true);
  int changes = 0;
  view->OnChange = [&](TObject*, TListItem*, TItemChange) { ++changes; };
  view->OnChanging = [](TObject*, TListItem* item, TItemChange change, bool& allow) {
    // Item 0 may not lose its selection; captions are fixed.
    if (change == ctText || (item->Index() == 0 && item->Selected())) allow = false;
  };
  HeadlessClick(RowPoint(view, 2));
  EXPECT_TRUE(view->Items()->Item(0)->Selected());
  EXPECT_FALSE(view->Items()->Item(2)->Selected());
  view->Items()->Item(3)->SetCaption("changed");
  EXPECT_EQ(view->Items()->Item(3)->Caption(), "charlie");
  view->OnChanging = nullptr;
  HeadlessClick(RowPoint(view, 2));
  EXPECT_TRUE(view->Items()->Item(2)->Selected());
  EXPECT_FALSE(view->Items()->Item(0)->Selected());
  EXPECT_GE(changes, 2);
}

// A procedure put on the header window, as a skin does, keeping the old one.
WNDPROC previousHeaderProc = nullptr;
int hookedPaints = 0;
LRESULT HookedHeader(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    ++hookedPaints;
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return CallWindowProc(previousHeaderProc, hwnd, msg, wParam, lParam);
}

TEST_F(ListViewTest, HeaderIsAChildWindowThatASubclassTakesOver) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form);
  HWND header = view->HeaderHandle();
  ASSERT_TRUE(IsWindow(header));
  EXPECT_EQ(GetParent(header), view->Handle());
  EXPECT_EQ(reinterpret_cast<HWND>(view->Perform(LVM_GETHEADER, 0, 0)), header);
  previousHeaderProc = reinterpret_cast<WNDPROC>(SetWindowLong(header, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedHeader)));
  hookedPaints = 0;
  EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 2);
  TRect r;
  ASSERT_TRUE(SendMessage(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)));
  EXPECT_EQ(r.Left, 100);
  EXPECT_EQ(r.Right, 180);
  HDITEM item;
  item.mask = HDI_WIDTH;
  item.cxy = 120;
  SendMessage(header, HDM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(view->Columns()->Items(0)->Width(), 120);
  HDITEM back;
  back.mask = HDI_TEXT | HDI_FORMAT;
  SendMessage(header, HDM_GETITEM, 1, reinterpret_cast<LPARAM>(&back));
  EXPECT_EQ(back.pszText, "Size");
  EXPECT_EQ(back.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
  InvalidateRect(header, nullptr, true);
  HeadlessPumpUntilIdle();
  EXPECT_GE(hookedPaints, 1);
  EXPECT_FALSE(SendMessage(header, HDM_GETITEMRECT, 7, reinterpret_cast<LPARAM>(&r)));
}

TEST_F(ListViewTest, KeysMoveTheFocusAndSelectionAndColumnClickCanBeTurnedOff) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form, 30);
  view->SetMultiSelect(true);
  int columnClicks = 0;
  view->OnColumnClick = [&](TObject*, TListColumn*) { ++columnClicks; };
  HeadlessClick(RowPoint(view, 0));
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(view->ItemFocused()->Index(), 1);
  EXPECT_EQ(view->SelCount(), 1);
  HeadlessKeyDown(VK_SHIFT);
  HeadlessKeyPress(VK_NEXT);
  HeadlessKeyUp(VK_SHIFT);
  int page = view->VisibleRowCount() - 1;
  EXPECT_EQ(view->ItemFocused()->Index(), 1 + page);
  EXPECT_EQ(view->SelCount(), page + 1);
  HeadlessKeyPress(VK_END);
  EXPECT_EQ(view->ItemFocused()->Index(), 29);
  EXPECT_EQ(view->TopItem()->Index(), 30 - view->VisibleRowCount());
  view->SetColumnClick(false);
  HeadlessClick(view->ClientToScreen({20, 5}));
  EXPECT_EQ(columnClicks, 0);
}

TEST_F(ListViewTest, CtrlMovesTheFocusAloneSpaceTogglesAndEndNeedsNoStart) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form, 8);
  view->SetMultiSelect(true);
  view->SetFocus();
  HeadlessKeyPress(VK_END);
  EXPECT_EQ(view->ItemFocused()->Index(), 7);
  EXPECT_EQ(view->SelCount(), 1);
  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyPress(VK_UP);
  HeadlessKeyPress(VK_UP);
  HeadlessKeyPress(VK_SPACE, " ");
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(view->ItemFocused()->Index(), 5);
  EXPECT_EQ(view->SelCount(), 2);
  EXPECT_TRUE(view->Items()->Item(5)->Selected());
  // Shift selects from the anchor, the last item chosen without Ctrl.
  HeadlessKeyDown(VK_SHIFT);
  HeadlessKeyPress(VK_UP);
  HeadlessKeyUp(VK_SHIFT);
  EXPECT_EQ(view->SelCount(), 4);
  EXPECT_FALSE(view->Items()->Item(3)->Selected());
  // Below the last row there is no item to find.
  TListView* few = MakeView(form, 3);
  TRect last = few->Items()->Item(2)->DisplayRect();
  ASSERT_LT(last.Bottom + 2, few->ClientHeight());
  EXPECT_EQ(few->GetItemAt(20, last.Bottom + 2), nullptr);
  EXPECT_EQ(few->GetItemAt(20, last.Bottom - 2), few->Items()->Item(2));
}

TEST_F(ListViewTest, DraggingAHeaderDividerResizesTheColumn) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form);
  TPoint origin = view->ClientOrigin();
  HeadlessMouseMove({origin.X + 100, origin.Y + 5});
  HeadlessMouseDown();
  HeadlessMouseMove({origin.X + 130, origin.Y + 5});
  HeadlessMouseUp();
  EXPECT_EQ(view->Columns()->Items(0)->Width(), 130);
}

TEST_F(ListViewTest, ScrollsByRowsAndPixelsAndToAnItem) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form, 40);
  int rowHeight = view->Items()->Item(1)->DisplayRect().Top - view->Items()->Item(0)->DisplayRect().Top;
  view->Scroll(0, rowHeight * 4);
  EXPECT_EQ(view->TopItem()->Index(), 4);
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(view->Handle(), SB_VERT, &si);
  EXPECT_EQ(si.nPos, 4);
  EXPECT_EQ(si.nMax, 39);
  EXPECT_EQ(static_cast<int>(si.nPage), view->VisibleRowCount());
  view->Items()->Item(30)->MakeVisible(false);
  EXPECT_EQ(view->TopItem()->Index(), 30 - view->VisibleRowCount() + 1);
  SendMessage(view->Handle(), WM_VSCROLL, static_cast<WPARAM>(MAKELPARAM(SB_THUMBPOSITION, 2)), 0);
  EXPECT_EQ(view->TopItem()->Index(), 2);
  view->Columns()->Items(1)->SetWidth(400);
  // The horizontal bar took rows away: the page says so.
  int rowsBefore = static_cast<int>(si.nPage);
  GetScrollInfo(view->Handle(), SB_VERT, &si);
  EXPECT_EQ(static_cast<int>(si.nPage), view->VisibleRowCount());
  EXPECT_LT(static_cast<int>(si.nPage), rowsBefore);
  view->Scroll(50, 0);
  GetScrollInfo(view->Handle(), SB_HORZ, &si);
  EXPECT_EQ(si.nPos, 50);
  TRect headerRect;
  GetWindowRect(view->HeaderHandle(), &headerRect);
  EXPECT_EQ(headerRect.Left, view->ClientOrigin().X - 50);
}

}  // namespace
