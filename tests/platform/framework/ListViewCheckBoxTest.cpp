// The list view's check boxes (state images toggled by click and space,
// the change events and messages, the box drawn) and the images of the
// column header.

#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ListView.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);

class ListViewCheckBoxTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    TBitmap red(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 16, 16});
    images.Add(&red);
  }
  // A view at (10, 10) of a frameless form, so surface = form client.
  TListView* MakeView(TForm* form, bool checkboxes) {
    auto* view = new TListView(form);
    view->SetParent(form);
    view->SetBorderStyle(bsNone);
    view->SetBounds(10, 10, 260, 150);
    view->SetRowSelect(true);
    view->SetCheckboxes(checkboxes);
    for (const char* caption : {"Use", "Start time"}) {
      TListColumn* column = view->Columns()->Add();
      column->SetCaption(caption);
      column->SetWidth(80);
    }
    for (const char* caption : {"one", "two", "three"}) view->Items()->Add()->SetCaption(caption);
    HeadlessPumpUntilIdle();
    return view;
  }
  TPoint BoxPoint(TListView* view, int index) {
    TRect r = view->Items()->Item(index)->DisplayRect();
    return view->ClientToScreen({r.Left + 8, (r.Top + r.Bottom) / 2});
  }
  TPoint TextPoint(TListView* view, int index) {
    TRect r = view->Items()->Item(index)->DisplayRect();
    return view->ClientToScreen({r.Left + 40, (r.Top + r.Bottom) / 2});
  }
  static TColor Pixel(TForm* form, int x, int y) {
    return const_cast<TBitmap*>(HeadlessPresentedSurface(form->Handle()))->Canvas()->Pixels(x, y);
  }
  // Pixels of colour in the form's rectangle r.
  static int Count(TForm* form, const TRect& r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += Pixel(form, x, y) == ColorToRGB(colour);
    return n;
  }
  TImageList images{16, 16};
};

TEST_F(ListViewCheckBoxTest, ClickOnTheBoxTogglesItAloneAndTellsOfAStateChange) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form, true);
  EXPECT_EQ(view->Perform(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
  std::vector<std::string> events;
  view->OnChanging = [&](TObject*, TListItem* item, TItemChange change, bool&) {
    events.push_back("changing " + item->Caption() + (change == ctState ? " state" : " other"));
  };
  view->OnChange = [&](TObject*, TListItem* item, TItemChange change) {
    events.push_back("change " + item->Caption() + (change == ctState ? " state" : " other"));
  };
  std::vector<NMLISTVIEW> notes;
  TWndMethod saved = view->WindowProc;
  view->WindowProc = [&](TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<const NMHDR*>(m.LParam)->code == LVN_ITEMCHANGED)
      notes.push_back(*reinterpret_cast<const NMLISTVIEW*>(m.LParam));
    saved(m);
  };
  HeadlessClick(BoxPoint(view, 1));
  EXPECT_TRUE(view->Items()->Item(1)->Checked());
  EXPECT_EQ(view->SelCount(), 0);  // the box alone, not the row
  EXPECT_EQ(events, (std::vector<std::string>{"changing two state", "change two state"}));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].iItem, 1);
  EXPECT_EQ(notes[0].uChanged, LVIF_STATE);
  EXPECT_EQ(notes[0].uOldState & LVIS_STATEIMAGEMASK, kUnchecked);
  EXPECT_EQ(notes[0].uNewState & LVIS_STATEIMAGEMASK, kChecked);

  HeadlessClick(BoxPoint(view, 1));
  EXPECT_FALSE(view->Items()->Item(1)->Checked());
  HeadlessClick(TextPoint(view, 1));  // beside the box: selects, keeps the check
  EXPECT_TRUE(view->Items()->Item(1)->Selected());
  EXPECT_FALSE(view->Items()->Item(1)->Checked());
  view->WindowProc = saved;
}

TEST_F(ListViewCheckBoxTest, SpaceTogglesTheFocusedItemAndARefusalKeepsTheBox) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form, true);
  view->SetFocus();
  view->Items()->Item(2)->SetFocused(true);
  HeadlessKeyPress(VK_SPACE, " ");
  EXPECT_TRUE(view->Items()->Item(2)->Checked());
  EXPECT_FALSE(view->Items()->Item(0)->Checked());

  view->OnChanging = [](TObject*, TListItem*, TItemChange change, bool& allow) { allow = change != ctState; };
  HeadlessKeyPress(VK_SPACE, " ");
  HeadlessClick(BoxPoint(view, 0));
  EXPECT_TRUE(view->Items()->Item(2)->Checked());
  EXPECT_FALSE(view->Items()->Item(0)->Checked());
}

TEST_F(ListViewCheckBoxTest, StateImageMessagesAnswerAndSetTheBoxes) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form, false);
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), 0);  // no boxes, no state image
  view->SetCheckboxes(true);
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), static_cast<LRESULT>(kUnchecked));
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK | LVIS_SELECTED), static_cast<LRESULT>(kUnchecked));

  LVITEMSTATE check{kChecked, LVIS_STATEIMAGEMASK};
  EXPECT_TRUE(view->Perform(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&check)));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(view->Items()->Item(i)->Checked());
  view->Items()->Item(1)->SetChecked(false);
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), static_cast<LRESULT>(kUnchecked));
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, 7, LVIS_STATEIMAGEMASK), 0);  // no such item

  TListItem* added = view->Items()->Add();  // a new row shows an empty box
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, added->Index(), LVIS_STATEIMAGEMASK), static_cast<LRESULT>(kUnchecked));

  // The extended styles set through the message are the properties.
  LRESULT before = view->Perform(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
  EXPECT_EQ(before & (LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT), LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  EXPECT_FALSE(view->Checkboxes());
  EXPECT_TRUE(view->GridLines());
  EXPECT_TRUE(view->RowSelect());
}

TEST_F(ListViewCheckBoxTest, BoxIsDrawnEmptyOrTickedAndTheHighlightLeavesItWhite) {
  TForm* form = ShownForm();
  TListView* view = MakeView(form, true);
  view->Items()->Item(1)->SetChecked(true);
  view->Items()->Item(1)->SetSelected(true);
  HeadlessPumpUntilIdle();
  auto box = [&](int index) {
    TRect r = view->Items()->Item(index)->DisplayRect();
    int top = 10 + r.Top + (r.Height() - 13) / 2;
    return TRect{10 + r.Left + 3, top, 10 + r.Left + 16, top + 13};
  };
  TRect unchecked = box(0), checked = box(1);
  EXPECT_EQ(Count(form, unchecked, clBtnShadow), 4 * 12);  // the frame
  EXPECT_EQ(Count(form, unchecked, clWindowText), 0);
  EXPECT_EQ(Count(form, {unchecked.Left + 1, unchecked.Top + 1, unchecked.Right - 1, unchecked.Bottom - 1}, clWindow), 11 * 11);
  EXPECT_EQ(Count(form, checked, clWindowText), 21);  // the tick
  EXPECT_GT(Count(form, checked, clWindow), 60);     // white inside the selected row's highlight
  // The caption starts right of the box.
  TRect r = view->Items()->Item(0)->DisplayRect();
  EXPECT_EQ(Count(form, {10 + r.Left, 10 + r.Top, 10 + r.Left + 19, 10 + r.Bottom}, clWindowText), 0);
  EXPECT_GT(Count(form, {10 + r.Left + 19, 10 + r.Top, 10 + r.Left + 60, 10 + r.Bottom}, clWindowText), 10);

  // The row's image comes after the box, over the whole-row highlight too.
  view->SetSmallImages(&images);
  view->Items()->Item(1)->SetImageIndex(0);
  HeadlessPumpUntilIdle();
  TRect row = view->Items()->Item(1)->DisplayRect();
  EXPECT_EQ(Count(form, {10 + row.Left + 18, 10 + row.Top, 10 + row.Left + 34, 10 + row.Bottom}, clRed), 16 * 16);
}

// ---- Column header images -------------------------------------------------------

class HeaderImageTest : public ListViewCheckBoxTest {
 protected:
  // The columns of red pixels in the header column's rectangle (form coordinates).
  std::pair<int, int> RedSpan(TForm* form, TListView* view, int column) {
    TRect r;
    SendMessage(view->HeaderHandle(), HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
    int first = -1, last = -1;
    for (int x = r.Left; x < r.Right; ++x)
      for (int y = r.Top; y < r.Bottom; ++y)
        if (Pixel(form, 10 + x, 10 + y) == ColorToRGB(clRed)) {
          if (first < 0) first = x - r.Left;
          last = x - r.Left;
        }
    return {first, last};
  }
};

TEST_F(HeaderImageTest, ImagesSitBesideTheCaptionAsTheColumnIsAligned) {
  TForm* form = ShownForm(400, 200);
  TListView* view = MakeView(form, false);
  view->SetBounds(10, 10, 380, 150);
  view->SetSmallImages(&images);
  TListColumn* right = view->Columns()->Add();
  right->SetWidth(80);
  right->SetAlignment(taRightJustify);
  TListColumn* centre = view->Columns()->Add();
  centre->SetWidth(80);
  centre->SetAlignment(taCenter);
  for (int i = 0; i < 4; ++i) view->Columns()->Items(i)->SetImageIndex(0);
  HeadlessPumpUntilIdle();

  EXPECT_EQ(RedSpan(form, view, 0), std::make_pair(4, 19));  // left: image first, caption after it
  EXPECT_EQ(RedSpan(form, view, 2), std::make_pair(80 - 4 - 16, 80 - 5));
  EXPECT_EQ(RedSpan(form, view, 3), std::make_pair(4 + (72 - 16) / 2, 4 + (72 - 16) / 2 + 15));
  // A captioned right-aligned column keeps its image left of the text.
  view->Columns()->Items(1)->SetAlignment(taRightJustify);
  view->Columns()->Items(1)->SetWidth(140);
  HeadlessPumpUntilIdle();
  auto [first, last] = RedSpan(form, view, 1);
  EXPECT_GT(first, 4);
  EXPECT_LT(last, 140 - 4 - 20);

  HDITEM item;
  item.mask = HDI_IMAGE | HDI_FORMAT;
  ASSERT_TRUE(SendMessage(view->HeaderHandle(), HDM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(item.iImage, 0);
  EXPECT_NE(item.fmt & HDF_IMAGE, 0);
  EXPECT_EQ(SendMessage(view->HeaderHandle(), HDM_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(&images));
  // Without HDF_IMAGE, or with an index the list does not have, no image.
  item.mask = HDI_FORMAT;
  item.fmt = HDF_LEFT;
  SendMessage(view->HeaderHandle(), HDM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
  view->Columns()->Items(2)->SetImageIndex(5);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(RedSpan(form, view, 0).first, -1);
  EXPECT_EQ(RedSpan(form, view, 2).first, -1);
  view->SetSmallImages(nullptr);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(RedSpan(form, view, 3).first, -1);
}

}  // namespace
