#include <gtest/gtest.h>

#include "resources/Resources.h"
#include "skin/ZELRadioGroup.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

class ItemGroups : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(300, 200);
  }
  template <class T>
  T* Place(std::initializer_list<const char*> lines) {
    auto* group = new T(form);
    group->SetBounds(10, 10, 200, 110);
    group->Font()->SetHeight(-12);
    group->SetParent(form);
    group->OnClick = [this](TObject* sender) {
      ++clicks;
      lastSender = sender;
    };
    TStringList items;
    for (const char* line : lines) items.Add(line);
    group->SetItems(items);
    return group;
  }
  TForm* form = nullptr;
  int clicks = 0;
  TObject* lastSender = nullptr;
};

}  // namespace

TEST_F(ItemGroups, FiveItemsInTwoColumnsRunDownTheFirstColumn) {
  auto* group = Place<TzelCheckGroup>({"a", "b", "c", "d", "e"});
  group->SetColumns(2);
  ASSERT_EQ(group->ButtonCount(), 5);
  EXPECT_EQ(group->Buttons(0)->ClassName(), "TzelCheckGroupButton");
  // Area from 12 to 108, top 20, 3 rows of 29 starting at 20 + 88 mod 3 div 2.
  const int columnWidth = (200 - 10) / 2;
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(group->Buttons(i)->Left(), (i / 3) * columnWidth + 8) << i;
    EXPECT_EQ(group->Buttons(i)->Top(), (i % 3) * 29 + 20) << i;
    EXPECT_EQ(group->Buttons(i)->Caption(), std::string(1, char('a' + i)));
  }
  // Column counts below zero are ignored; zero lays out as one column.
  group->SetColumns(-1);
  EXPECT_EQ(group->Columns(), 2);
  group->SetColumns(0);
  EXPECT_EQ(group->Buttons(4)->Left(), 8);
}

TEST_F(ItemGroups, RemovingLinesFreesTheLastButtonsAndKeepsTheOthers) {
  auto* group = Place<TzelCheckGroup>({"a", "b", "c"});
  group->Buttons(0)->SetChecked(true);
  TzelCheckBox* first = group->Buttons(0);
  group->Items()->Delete(2);
  group->Items()->Delete(1);
  ASSERT_EQ(group->ButtonCount(), 1);
  EXPECT_EQ(group->Buttons(0), first);
  EXPECT_TRUE(first->Checked());
}

TEST_F(ItemGroups, RadioGroupItemIndexChecksOneAndIgnoresOutOfRange) {
  auto* group = Place<TzelRadioGroup>({"x", "y", "z"});
  EXPECT_EQ(group->Buttons(0)->ClassName(), "TzelRadioGroupButton");
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(1);
  EXPECT_EQ(group->ItemIndex(), 1);
  group->SetItemIndex(2);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  group->SetItemIndex(3);
  group->SetItemIndex(-2);
  EXPECT_EQ(group->ItemIndex(), 2);
  group->SetItemIndex(-1);
  EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(ItemGroups, ItemClicksReachTheGroupsOnClickExceptWhileLoading) {
  auto* group = Place<TzelRadioGroup>({"x", "y"});
  group->Buttons(1)->Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(lastSender, group);
  EXPECT_EQ(group->ItemIndex(), 1);

  form->BeginLoading();
  group->Buttons(0)->Click();
  form->Loaded();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(group->ItemIndex(), 0);
}

TEST_F(ItemGroups, LookCursorAndFontReachEveryButton) {
  auto* group = Place<TzelCheckGroup>({"a", "b"});
  group->SetUIStyle(MacOS);
  group->SetCursor(crHandPoint);
  group->Font()->SetHeight(-16);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(group->Buttons(i)->UIStyle(), MacOS);
    EXPECT_EQ(group->Buttons(i)->Cursor(), crHandPoint);
    EXPECT_EQ(group->Buttons(i)->Font()->Height(), -16);
  }
  group->Items()->Add("c");
  EXPECT_EQ(group->Buttons(2)->UIStyle(), MacOS);
  EXPECT_EQ(group->Buttons(2)->Cursor(), crHandPoint);
}

TEST_F(ItemGroups, FocusGoesToTheChosenItemAndArrowingChecksTheNext) {
  auto* group = Place<TzelRadioGroup>({"x", "y", "z"});
  group->SetItemIndex(1);
  group->SetFocus();
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(group->Buttons(1)->Focused());

  // Focus moving from one item to another checks the one that gets it.
  group->Buttons(2)->SetFocus();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(group->ItemIndex(), 2);
}

TEST_F(ItemGroups, CheckGroupPassesFocusToItsFirstItem) {
  auto* group = Place<TzelCheckGroup>({"a", "b"});
  group->SetFocus();
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(group->Buttons(0)->Focused());
  EXPECT_FALSE(group->Buttons(0)->Checked());  // focus alone does not tick it
}
