// The combo box: dropping the list down and choosing by mouse and keys,
// events, auto-completion, owner drawing and the combo box information.

#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/Edits.h"
#include "platform/framework/ListControls.h"

namespace {

class ComboBoxTest : public HeadlessFormsTest {
 protected:
  TComboBox* MakeCombo(TForm* form, TComboBoxStyle style) {
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetStyle(style);
    combo->SetBounds(20, 20, 150, 22);
    for (const char* s : {"apple", "banana", "cherry", "date", "elder"}) combo->Items()->Add(s);
    combo->OnChange = [this](TObject*) { events.push_back("change"); };
    combo->OnDropDown = [this](TObject*) { events.push_back("dropdown"); };
    combo->OnCloseUp = [this](TObject*) { events.push_back("closeup"); };
    HeadlessPumpUntilIdle();
    return combo;
  }
  TPoint ButtonPoint(TComboBox* combo) {
    COMBOBOXINFO info;
    GetComboBoxInfo(combo->Handle(), &info);
    return combo->ClientToScreen({(info.rcButton.Left + info.rcButton.Right) / 2, info.rcButton.Top + 5});
  }
  TPoint ListItemPoint(TComboBox* combo, int index) {
    TCustomListBox* list = combo->ListBox();
    TRect r = list->ItemRect(index);
    return list->ClientToScreen({r.Left + 10, (r.Top + r.Bottom) / 2});
  }
  std::vector<std::string> events;
};

TEST_F(ComboBoxTest, ClickingTheButtonDropsAPopUpListBelowAndAClickOnAnItemChoosesIt) {
  TForm* form = ShownForm();
  TComboBox* combo = MakeCombo(form, csDropDownList);
  HeadlessClick(ButtonPoint(combo));
  ASSERT_TRUE(combo->DroppedDown());
  HWND list = combo->ListBox()->Handle();
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetParent(list), form->Handle());  // owned by the form's window, not a child
  EXPECT_NE(GetWindowLong(list, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  TRect listRect, comboRect;
  GetWindowRect(list, &listRect);
  GetWindowRect(combo->Handle(), &comboRect);
  EXPECT_EQ(listRect.Top, comboRect.Bottom);
  EXPECT_EQ(listRect.Left, comboRect.Left);
  EXPECT_EQ(listRect.Height(), 5 * combo->ListBox()->ItemHeight() + 2);

  HeadlessMouseMove(ListItemPoint(combo, 2));
  HeadlessClick(ListItemPoint(combo, 2));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "cherry");
  EXPECT_EQ(events, (std::vector<std::string>{"dropdown", "change", "closeup"}));
}

TEST_F(ComboBoxTest, ClickOutsideClosesWithoutChoosing) {
  TForm* form = ShownForm();
  TComboBox* combo = MakeCombo(form, csDropDownList);
  combo->SetItemIndex(1);
  HeadlessClick(ButtonPoint(combo));
  HeadlessMouseMove(ListItemPoint(combo, 4));  // pointing alone changes nothing
  HeadlessClick(form->ClientToScreen({280, 180}));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"dropdown", "closeup"}));
}

TEST_F(ComboBoxTest, KeyboardMovesTheChoiceAndOpensAndClosesTheList) {
  TForm* form = ShownForm();
  TComboBox* combo = MakeCombo(form, csDropDownList);
  int selects = 0;
  combo->OnSelect = [&](TObject*) { ++selects; };
  combo->SetFocus();
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 0);
  HeadlessKeyPress(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(selects, 2);
  HeadlessKeyPress(VK_F4);
  EXPECT_TRUE(combo->DroppedDown());
  HeadlessKeyPress(VK_DOWN);
  HeadlessKeyPress(VK_RETURN);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 2);
  HeadlessKeyDown(VK_MENU);
  HeadlessKeyPress(VK_DOWN);
  HeadlessKeyUp(VK_MENU);
  EXPECT_TRUE(combo->DroppedDown());
  HeadlessKeyPress(VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 2);
  HeadlessKeyPress('E', "e");
  EXPECT_EQ(combo->Text(), "elder");
  // With OnSelect assigned a choice does not count as a change as well.
  EXPECT_TRUE(std::find(events.begin(), events.end(), "change") == events.end());
}

TEST_F(ComboBoxTest, SettingItemIndexOrTextFiresNoEvents) {
  TForm* form = ShownForm();
  TComboBox* combo = MakeCombo(form, csDropDown);
  combo->SetItemIndex(3);
  EXPECT_EQ(combo->Text(), "date");
  EXPECT_EQ(combo->Edit()->Text(), "date");
  combo->SetText("something else");
  EXPECT_EQ(combo->FieldText(), "something else");
  combo->SetItemIndex(-1);
  combo->SetItemIndex(99);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_TRUE(events.empty());
}

TEST_F(ComboBoxTest, TypingCompletesToTheFirstMatchingItem) {
  TForm* form = ShownForm();
  TComboBox* combo = MakeCombo(form, csDropDown);
  combo->SetFocus();
  HeadlessText("b");
  EXPECT_EQ(combo->Edit()->Text(), "banana");
  EXPECT_EQ(combo->Edit()->SelStart(), 1);
  EXPECT_EQ(combo->Edit()->SelLength(), 5);
  HeadlessText("ax");
  EXPECT_EQ(combo->Edit()->Text(), "bax");
  EXPECT_EQ(combo->Text(), "bax");
  EXPECT_GE(events.size(), 2u);
  EXPECT_EQ(events.back(), "change");
  combo->SetAutoComplete(false);
  combo->Edit()->SetText("");
  HeadlessText("c");
  EXPECT_EQ(combo->Edit()->Text(), "c");
}

TEST_F(ComboBoxTest, ComboBoxInfoReportsButtonStateAndWindows) {
  TForm* form = ShownForm();
  TComboBox* combo = MakeCombo(form, csDropDown);
  COMBOBOXINFO info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  EXPECT_EQ(info.hwndCombo, combo->Handle());
  EXPECT_EQ(info.hwndItem, combo->Edit()->Handle());
  EXPECT_EQ(info.hwndList, combo->ListBox()->Handle());
  EXPECT_EQ(info.rcButton.Right, combo->ClientWidth());
  EXPECT_EQ(info.rcButton.Width(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(info.stateButton, 0u);
  combo->SetDroppedDown(true);
  GetComboBoxInfo(combo->Handle(), &info);
  EXPECT_EQ(info.stateButton, STATE_SYSTEM_PRESSED);
  combo->SetDroppedDown(false);
  combo->SetStyle(csSimple);
  GetComboBoxInfo(combo->Handle(), &info);
  EXPECT_EQ(info.stateButton, STATE_SYSTEM_INVISIBLE);
  EXPECT_EQ(GetParent(info.hwndList), combo->Handle());
  EXPECT_FALSE(GetComboBoxInfo(nullptr, &info));
}

TEST_F(ComboBoxTest, OwnerDrawnFieldAndItemsCarryTheirStates) {
  TForm* form = ShownForm();
  TComboBox* combo = MakeCombo(form, csOwnerDrawFixed);
  std::vector<std::pair<int, TOwnerDrawState>> drawn;
  combo->OnDrawItem = [&](TWinControl*, int index, const TRect&, TOwnerDrawState state) {
    drawn.push_back({index, state});
  };
  combo->SetItemIndex(1);
  combo->SetFocus();
  combo->Repaint();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().first, 1);
  EXPECT_EQ(drawn.back().second, odComboBoxEdit | odSelected | odFocused);
  drawn.clear();
  combo->SetDroppedDown(true);
  combo->ListBox()->Repaint();
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[1].second & odSelected, odSelected);
  EXPECT_EQ(drawn[0].second & odComboBoxEdit, 0u);
}

}  // namespace

namespace {

class SimpleComboBoxTest : public HeadlessFormsTest {};

TEST_F(SimpleComboBoxTest, ListUnderTheEditChoosesByClickAndKeepsTheFocusInTheEdit) {
  TForm* form = ShownForm();
  auto* combo = new TComboBox(form);
  combo->SetParent(form);
  combo->SetStyle(csSimple);
  combo->SetBounds(10, 10, 150, 120);
  for (const char* s : {"one", "two", "three"}) combo->Items()->Add(s);
  int selects = 0;
  combo->OnSelect = [&](TObject*) { ++selects; };
  HeadlessPumpUntilIdle();
  combo->SetFocus();
  TCustomListBox* list = combo->ListBox();
  EXPECT_TRUE(IsWindowVisible(list->Handle()));
  TRect item = list->ItemRect(1);
  HeadlessClick(list->ClientToScreen({item.Left + 5, (item.Top + item.Bottom) / 2}));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Edit()->Text(), "two");
  EXPECT_EQ(selects, 1);
  EXPECT_FALSE(list->Focused());
  combo->SetDroppedDown(true);  // nothing drops in a simple combo box
  EXPECT_FALSE(combo->DroppedDown());
}

}  // namespace

namespace {

class LongComboBoxTest : public HeadlessFormsTest {};

TEST_F(LongComboBoxTest, ScrollBarOfTheDroppedListScrollsAndTheListStaysDown) {
  TForm* form = ShownForm(300, 400);
  auto* combo = new TComboBox(form);
  combo->SetParent(form);
  combo->SetStyle(csDropDownList);
  combo->SetBounds(10, 10, 150, 22);
  for (int i = 0; i < 20; ++i) combo->Items()->Add("item " + std::to_string(i));
  HeadlessPumpUntilIdle();
  combo->SetDroppedDown(true);
  HWND list = combo->ListBox()->Handle();
  SCROLLBARINFO sbi;
  ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &sbi));
  ASSERT_EQ(sbi.rgstate[0], 0u);
  HeadlessClick({sbi.rcScrollBar.Left + 5, sbi.rcScrollBar.Bottom - 5});
  EXPECT_EQ(combo->ListBox()->TopIndex(), 1);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(GetCapture(), list);
  // Then an item is still chosen by a click.
  TRect item = combo->ListBox()->ItemRect(3);
  TPoint at = combo->ListBox()->ClientToScreen({item.Left + 5, (item.Top + item.Bottom) / 2});
  HeadlessMouseMove(at);
  HeadlessClick(at);
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_FALSE(combo->DroppedDown());
}

}  // namespace

namespace {

// Field 30 pixels high, item i 10 + 5 * i.
class VariableComboBoxTest : public HeadlessFormsTest {
 protected:
  TComboBox* MakeCombo(TForm* form) {
    auto* combo = new TComboBox(form);
    combo->SetStyle(csOwnerDrawVariable);
    combo->OnMeasureItem = [this](TWinControl*, int index, int& height) {
      measured.push_back(index);
      height = index < 0 ? 30 : 10 + 5 * index;
    };
    for (const char* s : {"a", "b", "c", "d"}) combo->Items()->Add(s);
    combo->SetBounds(20, 20, 150, 22);
    combo->SetParent(form);
    HeadlessPumpUntilIdle();
    return combo;
  }
  std::vector<int> measured;
};

TEST_F(VariableComboBoxTest, FieldAndItemsAreMeasuredOnceAndTheListIsLaidOutByThem) {
  TForm* form = ShownForm(300, 300);
  TComboBox* combo = MakeCombo(form);
  EXPECT_EQ(measured, (std::vector<int>{-1, 0, 1, 2, 3}));
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 30);
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, 2, 0), 20);
  COMBOBOXINFO info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  EXPECT_EQ(info.rcItem.Height(), 30);
  EXPECT_EQ(combo->ClientHeight(), 30 + 4);

  combo->SetDroppedDown(true);
  TCustomListBox* list = combo->ListBox();
  TRect listRect;
  GetWindowRect(list->Handle(), &listRect);
  EXPECT_EQ(listRect.Height(), 10 + 15 + 20 + 25 + 2);
  EXPECT_EQ(list->ItemRect(2), (TRect{0, 25, list->ClientWidth(), 45}));
  EXPECT_EQ(list->ItemAtPos({5, 44}, true), 2);
  combo->SetDroppedDown(false);

  // Later items are measured once each, as the combo box's own, whether
  // or not the list has a window; a hook on the combo box sees it.
  std::vector<UINT> types;
  TWndMethod saved = combo->WindowProc;
  combo->WindowProc = [&](TMessage& m) {
    if (m.Msg == CN_MEASUREITEM) types.push_back(reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType);
    saved(m);
  };
  measured.clear();
  combo->Items()->Add("e");
  combo->Perform(CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("first"));
  EXPECT_EQ(measured, (std::vector<int>{4, 0}));
  EXPECT_EQ(types, (std::vector<UINT>{ODT_COMBOBOX, ODT_COMBOBOX}));
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, 0, 0), 10);
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, 5, 0), 30);  // "e" moved down by one
  combo->WindowProc = saved;
}

TEST_F(VariableComboBoxTest, SettingTheFieldHeightResizesTheControlAndBadHeightsAreRefused) {
  TForm* form = ShownForm(300, 300);
  TComboBox* combo = MakeCombo(form);
  std::vector<TRect> fields;
  combo->OnDrawItem = [&](TWinControl*, int, const TRect& rect, TOwnerDrawState state) {
    if (state & odComboBoxEdit) fields.push_back(rect);
  };
  EXPECT_EQ(combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 18), CB_OKAY);
  EXPECT_EQ(combo->Height(), 18 + 4 + 4);
  combo->SetItemIndex(0);
  combo->Repaint();
  ASSERT_FALSE(fields.empty());
  EXPECT_EQ(fields.back().Height(), 18);
  for (LPARAM bad : {0, -3, 256}) {
    EXPECT_EQ(combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), bad), CB_ERR);
    EXPECT_EQ(combo->Perform(CB_SETITEMHEIGHT, 1, bad), CB_ERR);
  }
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 18);
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, 1, 0), 15);
  combo->Perform(CB_SETITEMHEIGHT, 1, 40);
  EXPECT_EQ(combo->ListBox()->ItemRect(2).Top, 10 + 40);
  // ItemHeight is what each new item is offered before measuring.
  combo->OnMeasureItem = nullptr;
  combo->SetItemHeight(22);
  combo->Items()->Add("plain");
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, 4, 0), 22);
  EXPECT_EQ(combo->ItemHeight(), 22);
}

}  // namespace
