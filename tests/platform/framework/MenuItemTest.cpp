#include <gtest/gtest.h>

#include "platform/framework/Menus.h"

namespace {

class MenuItemTest : public ::testing::Test {
 protected:
  TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  TComponent owner{nullptr};
  TPopupMenu menu{nullptr};
};

TEST_F(MenuItemTest, CheckingARadioItemUnchecksItsGroupOnly) {
  TMenuItem* low = Add(menu.Items(), "Low");
  TMenuItem* high = Add(menu.Items(), "High");
  TMenuItem* other = Add(menu.Items(), "Other group");
  for (TMenuItem* item : {low, high, other}) item->SetRadioItem(true);
  other->SetGroupIndex(1);
  low->SetChecked(true);
  other->SetChecked(true);
  high->SetChecked(true);
  EXPECT_FALSE(low->Checked());
  EXPECT_TRUE(high->Checked());
  EXPECT_TRUE(other->Checked());
}

TEST_F(MenuItemTest, OnlyOneDefaultItemPerSubMenu) {
  TMenuItem* a = Add(menu.Items(), "A");
  TMenuItem* b = Add(menu.Items(), "B");
  a->SetDefault(true);
  b->SetDefault(true);
  EXPECT_FALSE(a->Default());
  EXPECT_TRUE(b->Default());
}

TEST_F(MenuItemTest, TheTreeRefusesLoopsAndSecondParents) {
  TMenuItem* file = Add(menu.Items(), "&File");
  TMenuItem* open = Add(file, "&Open...");
  EXPECT_THROW(open->Add(file), EInvalidOperation);
  EXPECT_THROW(open->Add(open), EInvalidOperation);
  EXPECT_THROW(menu.Items()->Add(open), EInvalidOperation);
  EXPECT_THROW(file->Add(nullptr), EInvalidOperation);
  EXPECT_EQ(file->Count(), 1);
  EXPECT_EQ(open->GetParentMenu(), &menu);
  EXPECT_EQ(menu.Items()->Find("file"), file);
  EXPECT_EQ(file->Find("OPEN..."), open);
}

TEST_F(MenuItemTest, FreeingAnItemTakesItOutOfItsParent) {
  TMenuItem* file = Add(menu.Items(), "File");
  TMenuItem* open = Add(file, "Open");
  Add(file, "Close");
  int changes = 0;
  menu.OnChange = [&](TObject*) { ++changes; };
  delete open;
  EXPECT_EQ(file->Count(), 1);
  EXPECT_EQ(file->Items(0)->Caption(), "Close");
  file->Delete(0);
  EXPECT_EQ(file->Count(), 0);
  EXPECT_EQ(changes, 2);
  EXPECT_THROW(file->Delete(0), std::out_of_range);
}

TEST_F(MenuItemTest, AMenuGoingAwayTellsNoHandler) {
  int changes = 0;
  auto* main = new TMainMenu(nullptr);
  Add(Add(main->Items(), "File"), "Open");
  main->OnChange = [&](TObject*) { ++changes; };
  delete main;
  EXPECT_EQ(changes, 0);
}

TEST_F(MenuItemTest, MovingAnItemWithinItsParent) {
  TMenuItem* a = Add(menu.Items(), "A");
  Add(menu.Items(), "B");
  Add(menu.Items(), "C");
  a->SetMenuIndex(5);  // held to the end
  EXPECT_EQ(a->MenuIndex(), 2);
  EXPECT_EQ(menu.Items()->Items(0)->Caption(), "B");
}

TEST_F(MenuItemTest, ItemsAreDescribedByTheirPublishedProperties) {
  TMenuItem* item = Add(menu.Items(), "x");
  item->SetProp("Caption", "&Record");
  item->SetProp("ShortCut", static_cast<int>(ShortCut('R', ssCtrl)));
  item->SetProp("Checked", true);
  EXPECT_EQ(item->Caption(), "&Record");
  EXPECT_EQ(ShortCutToText(item->ShortCut()), "Ctrl+R");
  EXPECT_TRUE(item->Checked());
  EXPECT_EQ(item->GetProp<int>("ImageIndex"), -1);
  EXPECT_THROW(item->SetProp("Checked", "yes"), EPropertyError);
  EXPECT_TRUE(menu.HasProperty("OwnerDraw"));
}

TEST_F(MenuItemTest, CommandsAreUniqueAndFindTheirItem) {
  TMenuItem* a = Add(menu.Items(), "A");
  TMenuItem* b = Add(a, "B");
  EXPECT_NE(a->Command(), b->Command());
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_EQ(menu.FindItem(b->Command()), b);
  EXPECT_TRUE(menu.DispatchCommand(b->Command()));
  b->SetEnabled(false);
  EXPECT_TRUE(menu.DispatchCommand(b->Command()));  // found, but a disabled item does not click
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(menu.DispatchCommand(0));
}

TEST_F(MenuItemTest, HotkeysAreMadeUpFromLettersNoSiblingUses) {
  Add(menu.Items(), "&Save");
  Add(menu.Items(), "Save As");
  Add(menu.Items(), "-");
  Add(menu.Items(), "100%");
  menu.Items()->InitiateAction();
  EXPECT_EQ(menu.Items()->Items(0)->DisplayCaption(), "&Save");
  EXPECT_EQ(menu.Items()->Items(1)->DisplayCaption(), "S&ave As");
  EXPECT_EQ(menu.Items()->Items(2)->DisplayCaption(), "-");
  EXPECT_EQ(menu.Items()->Items(3)->DisplayCaption(), "&100%");
  menu.Items()->Items(1)->SetAutoHotkeys(maManual);
  menu.Items()->InitiateAction();
  EXPECT_EQ(menu.Items()->Items(1)->DisplayCaption(), "Save As");
}

}  // namespace
