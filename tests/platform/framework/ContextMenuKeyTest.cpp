// The menu key and Shift+F10 on a focused control open the popup menu of
// the control or of its nearest parent that has one, at the control's
// corner, as a right click does.

#include <vector>

#include "FormTestSupport.h"
#include "platform/framework/Edits.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/Memo.h"
#include "platform/framework/Menus.h"
#include "platform/os/MainThread.h"

namespace {

class ContextMenuKeyTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(400, 300);
    formMenu = MakeMenu("form");
    form->SetPopupMenu(formMenu);
  }

  TPopupMenu* MakeMenu(const std::string& name) {
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("&Open");
    menu->Items()->Add(item);
    menu->OnPopup = [this, name, menu](TObject*) {
      shown.push_back({name, menu->PopupPoint()});
      PostToMainThread([] { HeadlessKeyPress(VK_ESCAPE); });  // closes the menu again
    };
    return menu;
  }

  template <class T>
  T* Place(TWinControl* parent, int left, int top) {
    auto* control = new T(form);
    control->SetBounds(left, top, 120, 60);
    control->SetParent(parent);
    HeadlessPumpUntilIdle();
    return control;
  }

  void PressMenuKey(int key, bool shift = false) {
    if (shift) HeadlessKeyDown(VK_SHIFT);
    HeadlessKeyPress(key);
    if (shift) HeadlessKeyUp(VK_SHIFT);
    HeadlessPumpUntilIdle();
  }

  struct TShown {
    std::string menu;
    TPoint at;
    bool operator==(const TShown&) const = default;
  };

  TForm* form = nullptr;
  TPopupMenu* formMenu = nullptr;
  std::vector<TShown> shown;
};

TEST_F(ContextMenuKeyTest, KeysOnControlsThatTakeTheirOwnKeysOpenTheirMenus) {
  auto* edit = Place<TEdit>(form, 10, 10);
  auto* list = Place<TListBox>(form, 10, 80);
  auto* memo = Place<TMemo>(form, 150, 10);
  TPopupMenu* editMenu = MakeMenu("edit");
  edit->SetPopupMenu(editMenu);
  list->SetPopupMenu(MakeMenu("list"));
  memo->SetPopupMenu(MakeMenu("memo"));

  edit->SetFocus();
  PressMenuKey(VK_APPS);
  list->SetFocus();
  PressMenuKey(VK_F10, true);
  memo->SetFocus();
  PressMenuKey(VK_APPS);

  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].menu, "edit");
  EXPECT_EQ(shown[1].menu, "list");
  EXPECT_EQ(shown[2].menu, "memo");
  // Near the control's top-left corner, not at the pointer.
  TPoint corner = edit->ClientToScreen({0, 0});
  EXPECT_GE(shown[0].at.X, corner.X);
  EXPECT_GE(shown[0].at.Y, corner.Y);
  EXPECT_LT(shown[0].at.X, corner.X + 16);
  EXPECT_LT(shown[0].at.Y, corner.Y + 16);
  // The edit kept its text: the key typed nothing.
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(ContextMenuKeyTest, AControlWithoutAMenuUsesItsParentsThenTheForms) {
  auto* panel = Place<TPanel>(form, 10, 10);
  panel->SetBounds(10, 10, 300, 200);
  auto* edit = Place<TEdit>(panel, 20, 20);
  panel->SetPopupMenu(MakeMenu("panel"));
  edit->SetFocus();
  PressMenuKey(VK_APPS);
  panel->SetPopupMenu(nullptr);
  PressMenuKey(VK_F10, true);

  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].menu, "panel");
  EXPECT_EQ(shown[1].menu, "form");
  // Shown at the focused edit, not at the panel or the form.
  TPoint corner = edit->ClientToScreen({0, 0});
  EXPECT_GE(shown[1].at.X, corner.X);
  EXPECT_GE(shown[1].at.Y, corner.Y);
}

TEST_F(ContextMenuKeyTest, F10WithoutShiftAndOtherKeysOpenNoMenu) {
  auto* edit = Place<TEdit>(form, 10, 10);
  edit->SetFocus();
  HeadlessKeyPress(VK_F10);
  HeadlessKeyPress('A', "a");
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(edit->Text(), "a");
}

TEST_F(ContextMenuKeyTest, ShiftF10OnAFormWithAMenuBarOpensTheContextMenu) {
  auto* mainMenu = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  mainMenu->Items()->Add(file);
  form->SetMenu(mainMenu);
  mainMenu->UpdateMenuBar();
  HeadlessPumpUntilIdle();
  ASSERT_NE(mainMenu->MenuBarControl(), nullptr);
  auto* edit = Place<TEdit>(form, 10, 40);
  edit->SetFocus();
  // Through the application's loop, whose filters open the menu bar on F10.
  HeadlessKeyDown(VK_SHIFT);
  PostMessage(edit->Handle(), WM_SYSKEYDOWN, VK_F10, 0);
  Application->ProcessMessages();
  HeadlessKeyUp(VK_SHIFT);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].menu, "form");
}

}  // namespace
