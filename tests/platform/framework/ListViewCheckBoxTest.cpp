// The list view's check boxes (toggled by click and space, the change
// events and state image messages, the box drawn) and column header images.

#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/ListView.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr LRESULT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr LRESULT kChecked = INDEXTOSTATEIMAGEMASK(2);

class ListViewCheckBoxTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    TBitmap red(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 16, 16});
    images.Add(&red);
  }
  // At (10, 10) of a frameless form: form pixel = view client + 10.
  TListView* MakeView(TForm* form) {
    auto* view = new TListView(form);
    view->SetParent(form);
    view->SetBorderStyle(bsNone);
    view->SetBounds(10, 10, 380, 150);
    view->SetRowSelect(true);
    view->SetCheckboxes(true);
    for (int i = 0; i < 4; ++i) view->Columns()->Add()->SetWidth(80);
    for (const char* caption : {"one", "two", "three"}) view->Items()->Add()->SetCaption(caption);
    HeadlessPumpUntilIdle();
    return view;
  }
  TPoint RowPoint(TListView* view, int index, int x) {
    TRect r = view->Items()->Item(index)->DisplayRect();
    return view->ClientToScreen({r.Left + x, (r.Top + r.Bottom) / 2});
  }
  static int Count(TForm* form, const TRect& r, TColor colour) {
    auto* canvas = const_cast<TBitmap*>(HeadlessPresentedSurface(form->Handle()))->Canvas();
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += canvas->Pixels(x, y) == ColorToRGB(colour);
    return n;
  }
  TImageList images{16, 16};
};

TEST_F(ListViewCheckBoxTest, ClickOnTheBoxOrSpaceTogglesItWithStateEventsAndMayBeRefused) {
  TForm* form = ShownForm(400, 200);
  TListView* view = MakeView(form);
  std::vector<std::string> events;
  view->OnChanging = [&](TObject*, TListItem* item, TItemChange change, bool& allow) {
    events.push_back("changing " + item->Caption() + (change == ctState ? " state" : ""));
    allow = item->Index() != 0;
  };
  view->OnChange = [&](TObject*, TListItem* item, TItemChange) { events.push_back("change " + item->Caption()); };
  std::vector<NMLISTVIEW> notes;
  TWndMethod saved = view->WindowProc;
  view->WindowProc = [&](TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<const NMHDR*>(m.LParam)->code == LVN_ITEMCHANGED)
      notes.push_back(*reinterpret_cast<const NMLISTVIEW*>(m.LParam));
    saved(m);
  };
  HeadlessClick(RowPoint(view, 1, 8));
  EXPECT_TRUE(view->Items()->Item(1)->Checked());
  EXPECT_EQ(view->SelCount(), 0);  // the box alone, not the row
  EXPECT_EQ(events, (std::vector<std::string>{"changing two state", "change two"}));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].uOldState & LVIS_STATEIMAGEMASK, kUnchecked);
  EXPECT_EQ(notes[0].uNewState & LVIS_STATEIMAGEMASK, kChecked);
  HeadlessClick(RowPoint(view, 1, 40));  // beside the box: selects, keeps the check
  EXPECT_TRUE(view->Items()->Item(1)->Selected());
  EXPECT_TRUE(view->Items()->Item(1)->Checked());
  HeadlessKeyPress(VK_SPACE, " ");
  EXPECT_FALSE(view->Items()->Item(1)->Checked());
  HeadlessClick(RowPoint(view, 0, 8));
  EXPECT_FALSE(view->Items()->Item(0)->Checked());  // refused
  view->WindowProc = saved;
}

TEST_F(ListViewCheckBoxTest, StateImageMessagesAnswerAndSetTheBoxes) {
  TForm* form = ShownForm(400, 200);
  TListView* view = MakeView(form);
  view->SetCheckboxes(false);
  TListItem* plain = view->Items()->Add();
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, plain->Index(), LVIS_STATEIMAGEMASK), 0);
  view->SetCheckboxes(true);  // every item shows an empty box
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, plain->Index(), LVIS_STATEIMAGEMASK | LVIS_SELECTED), kUnchecked);
  LVITEMSTATE check{kChecked, LVIS_STATEIMAGEMASK};
  EXPECT_TRUE(view->Perform(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&check)));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(view->Items()->Item(i)->Checked());
  view->Items()->Item(1)->SetChecked(false);
  EXPECT_EQ(view->Perform(LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), kUnchecked);
  view->Perform(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, 0);
  EXPECT_FALSE(view->Checkboxes());
}

TEST_F(ListViewCheckBoxTest, BoxIsDrawnEmptyOrTickedBeforeTheImageOverTheHighlight) {
  TForm* form = ShownForm(400, 200);
  TListView* view = MakeView(form);
  view->SetSmallImages(&images);
  view->Items()->Item(1)->SetImageIndex(0);
  view->Items()->Item(1)->SetChecked(true);
  view->Items()->Item(1)->SetSelected(true);
  HeadlessPumpUntilIdle();
  auto row = [&](int index, int left, int right) {
    TRect r = view->Items()->Item(index)->DisplayRect();
    int top = 10 + r.Top + (r.Height() - 13) / 2;
    return right ? TRect{10 + left, 10 + r.Top, 10 + right, 10 + r.Bottom} : TRect{10 + 3, top, 10 + 16, top + 13};
  };
  EXPECT_EQ(Count(form, row(0, 0, 0), clBtnShadow), 4 * 12);  // the frame
  EXPECT_EQ(Count(form, row(0, 0, 0), clWindow), 11 * 11);
  EXPECT_EQ(Count(form, row(1, 0, 0), clWindowText), 21);  // the tick, on white in the highlight
  EXPECT_EQ(Count(form, row(1, 0, 0), clWindow), 11 * 11 - 21);
  EXPECT_EQ(Count(form, row(1, 18, 34), clRed), 16 * 16);
  // The caption moved right for the image, leaving nothing behind.
  EXPECT_EQ(Count(form, row(0, 0, 36), clWindowText), 0);
  EXPECT_GT(Count(form, row(0, 36, 80), clWindowText), 10);
}

TEST_F(ListViewCheckBoxTest, HeaderImagesSitBesideTheCaptionAsTheColumnIsAligned) {
  TForm* form = ShownForm(400, 200);
  TListView* view = MakeView(form);
  view->SetSmallImages(&images);
  view->Columns()->Items(0)->SetCaption("Caption");
  view->Columns()->Items(1)->SetCaption("Size");
  view->Columns()->Items(1)->SetWidth(140);
  view->Columns()->Items(2)->SetAlignment(taRightJustify);
  view->Columns()->Items(3)->SetAlignment(taCenter);
  for (int i = 0; i < 3; ++i) view->Columns()->Items(i)->SetImageIndex(0);
  HWND header = view->HeaderHandle();
  HDITEM item;
  item.mask = HDI_IMAGE | HDI_FORMAT;
  item.iImage = 0;
  item.fmt = HDF_CENTER | HDF_IMAGE;
  SendMessage(header, HDM_SETITEM, 3, reinterpret_cast<LPARAM>(&item));  // the column follows
  EXPECT_EQ(view->Columns()->Items(3)->ImageIndex(), 0);
  view->Columns()->Items(1)->SetAlignment(taRightJustify);
  HeadlessPumpUntilIdle();
  auto red = [&](int column) {  // first and last red column, from the button's left
    TRect r;
    SendMessage(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
    std::pair<int, int> span{-1, -1};
    for (int x = r.Left; x < r.Right; ++x)
      if (Count(form, {10 + x, 10 + r.Top, 11 + x, 10 + r.Bottom}, clRed) > 0)
        span = {span.first < 0 ? x - r.Left : span.first, x - r.Left};
    return span;
  };
  EXPECT_EQ(red(0), std::make_pair(4, 19));
  EXPECT_EQ(red(2), std::make_pair(80 - 4 - 16, 80 - 5));
  EXPECT_EQ(red(3), std::make_pair(4 + (72 - 16) / 2, 4 + (72 - 16) / 2 + 15));
  auto [first, last] = red(1);  // right-aligned with a caption: the image left of it
  EXPECT_GT(first, 40);
  EXPECT_LT(last, 140 - 4 - 20);
  item.mask = HDI_IMAGE | HDI_FORMAT;
  ASSERT_TRUE(SendMessage(header, HDM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(item.iImage, 0);
  EXPECT_NE(item.fmt & HDF_IMAGE, 0);
  // No image without HDF_IMAGE, for an index the list lacks, or without a list.
  item.mask = HDI_FORMAT;
  item.fmt = HDF_LEFT;
  SendMessage(header, HDM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
  view->Columns()->Items(2)->SetImageIndex(5);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(red(0).first + red(2).first, -2);
  view->SetSmallImages(nullptr);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(red(3).first, -1);
}

}  // namespace
