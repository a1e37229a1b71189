#include <gtest/gtest.h>

#include "platform/framework/ExtCtrls.h"
#include "platform/os/MainThread.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELMainMenu.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"
#include "tests/skin/FormFrameTestSupport.h"
#include "tests/skin/SkinFixtures.h"
#include "tests/skin/ZelThemeFiles.h"

namespace {

constexpr TzelUIStyle kBuiltInLooks[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED
constexpr UINT kFrameChanged = 0x37;

TColor TitlePixel(TzelTitleBar& bar, int x, int y) { return bar.TitleImage()->Canvas()->Pixels(x, y); }

// Counts the menu's popups, closing each as soon as it shows.
void CountAndEscape(TPopupMenu* menu, int& popups) {
  menu->OnPopup = [&popups](TObject*) {
    ++popups;
    PostToMainThread([] { HeadlessKeyPress(VK_ESCAPE); });
  };
}

// Alt+Space as the application's loop takes it.
void PressAltSpace(TForm* in) {
  PostMessage(in->Handle(), WM_SYSCHAR, ' ', 0x20000000);
  Application->ProcessMessages();
}

}  // namespace

TEST_F(FormFrameTest, EachBuiltInLookBordersTheTitleBarAndShapesTheCorners) {
  // The frame replaces the system caption on a dialog frame of the form's own.
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0u);
  EXPECT_EQ(frame->BoundsRect(), Rect(0, 0, form->ClientWidth(), form->ClientHeight()));
  const int w = form->Width(), h = form->Height();
  for (TzelUIStyle look : kBuiltInLooks) {
    SCOPED_TRACE(testing::Message() << "look " << int(look));
    frame->SetUIStyle(look);
    HeadlessPumpUntilIdle();
    const int bw = GetBuiltInThemeInteger(look, 17);
    const TColor border = GetBuiltInThemeColor(look, 16), color = GetBuiltInThemeColor(look, 15);
    EXPECT_EQ(frame->BorderWidth(), bw);
    EXPECT_EQ(frame->BorderColor(), border);
    EXPECT_EQ(frame->Color(), color);
    // Three pixels of border left, top and right; at the bottom the border
    // width and one more (three for a border of three).
    EXPECT_EQ(ClientInWindow(), Rect(3, 3, w - 3, h - (bw == 3 ? 3 : bw + 1)));
    for (int i = 0; i < bw; ++i) {
      EXPECT_EQ(Shown(i, h / 2), border);
      EXPECT_EQ(Shown(w - 1 - i, h / 2), border);
      EXPECT_EQ(Shown(w / 2, h - 1 - i), border);
    }
    for (int x = bw; x < 3; ++x) EXPECT_EQ(Shown(x, h / 2), color);
    // MacOS and Protein tile the client area from its corner.
    TBitmap tile;
    if (look == MacOS) LoadBitmapResource("MACOS_FORM_BACKGROUND", tile);
    if (look == Protein) LoadBitmapResource("PROTEIN_FORM_BACKGROUND", tile);
    const TRect client = ClientInWindow();
    for (int y : {100, 101, 102, 103})
      EXPECT_EQ(Shown(client.Left + 100, client.Top + y), tile.Empty() ? color : tile.Canvas()->Pixels(4, y % 8));

    // The title bar tops the client area; its pictures continue over the
    // border rows and columns beside it.
    TzelTitleBar& bar = *frame->TitleBar();
    TBitmap left;
    GetBuiltInThemeBitmap(look, 10, &left, 0, 0);
    EXPECT_EQ(bar.BoundsRect(), Rect(0, 0, frame->Width(), left.Height() - 3));
    for (TPoint p : {TPoint{w / 2, 0}, TPoint{w / 2, 2}, TPoint{2, 10}, TPoint{w - 2, 2}})
      EXPECT_EQ(Shown(p.X, p.Y), TitlePixel(bar, p.X, p.Y)) << p.X << "," << p.Y;
    // Right of the bar the right picture's last three columns, or the
    // picture stretched when it is narrower.
    TBitmap right;
    GetBuiltInThemeBitmap(look, 12, &right, 0, 0);
    if (bw < 3) {
      EXPECT_EQ(Shown(w - 3, 10), right.Canvas()->Pixels(std::max(0, right.Width() - 3), 10));
    }

    // Round top corners are cut away, square ones kept; the bottom is square.
    const bool round = GetBuiltInThemeInteger(look, 14) != 0;
    EXPECT_EQ(Region().Contains(0, 0), !round);
    EXPECT_EQ(Region().Contains(w - 1, 0), !round);
    EXPECT_TRUE(Region().Contains(w / 2, 0));
    EXPECT_TRUE(Region().Contains(0, h - 1));
    EXPECT_TRUE(Region().Contains(w - 1, h - 1));
    EXPECT_FALSE(ShowsColor(zelSkinTransparentColor));
  }

  // A round bottom when asked; -1 counts as square.
  frame->SetRoundCornerBottom(9);
  EXPECT_FALSE(Region().Contains(0, h - 1));
  frame->SetRoundCornerBottom(-1);
  EXPECT_TRUE(Region().Contains(0, h - 1));

  // Border widths 2 and 3 end the client area on the same row, 1 a row lower.
  for (int bw : {1, 2, 3}) {
    frame->SetBorderWidth(bw);
    SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0, kFrameChanged);
    EXPECT_EQ(ClientInWindow().Bottom, bw == 1 ? h - 2 : h - 3) << bw;
  }
}

TEST_F(FormFrameTest, MaximizingUsesTheWorkAreaAndTheRegionFollowsEverySize) {
  frame->SetUIStyle(WinXP);
  const TRect normal = form->BoundsRect();
  TzelTitleBar& bar = *frame->TitleBar();
  int max = -1;
  for (int i = 0; i < bar.Buttons()->Count(); ++i)
    if (bar.Buttons()->Items(i)->ButtonType() == zelMax) max = i;
  HeadlessClick(bar.ClientToScreen({bar.ButtonRect(max).Left + 3, bar.ButtonRect(max).Top + 3}));
  EXPECT_EQ(form->WindowState(), wsMaximized);
  // The work area (0, 0, 1024, 740) widened by 2 left, right and top, 1 short at the bottom.
  EXPECT_EQ(form->BoundsRect(), Rect(-2, -2, 1026, 739));
  const int w = form->Width(), h = form->Height();
  EXPECT_EQ(Region().BoundingBox(), Rect(0, 0, w, h));
  EXPECT_FALSE(Region().Contains(0, 0));
  EXPECT_TRUE(Region().Contains(w - 1, h - 1));
  EXPECT_EQ(Shown(w - 1, h / 2), TColor(GetBuiltInThemeColor(WinXP, 16)));
  TBitmap restoreFrame;
  GetBuiltInThemeBitmap(WinXP, 5, &restoreFrame, 18, 10);
  EXPECT_EQ(bar.Buttons()->Items(max)->PicNormal()->Bitmap()->Canvas()->Pixels(10, 10),
            restoreFrame.Canvas()->Pixels(10, 10));

  bar.Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(150, 10));
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_EQ(form->BoundsRect(), normal);
  EXPECT_EQ(Region().BoundingBox(), Rect(0, 0, normal.Width(), normal.Height()));
  EXPECT_TRUE(Region().Contains(normal.Width() - 1, normal.Height() - 1));
}

TEST_F(FormFrameTest, AMainMenuShowsInABarBelowTheTitleBar) {
  frame->SetUIStyle(DeepBlue);
  EXPECT_EQ(frame->MenuBarHeight(), 0);
  auto* menu = new TzelMainMenu(form);
  TMenuItem* open = nullptr;
  for (const char* caption : {"&File", "&Edit", "&Help"}) {
    auto* top = new TMenuItem(form);
    top->SetCaption(caption);
    auto* item = new TMenuItem(form);
    item->SetCaption("&Open");
    top->Add(item);
    menu->Items()->Add(top);
    if (!open) open = item;
  }
  open->SetShortCut(ShortCut('O', ssCtrl));
  int opened = 0;
  open->OnClick = [&](TObject*) { ++opened; };
  menu->SetAutoHotkeys(maManual);
  frame->SetMenu(menu);
  form->Show();
  HeadlessPumpUntilIdle();

  EXPECT_EQ(form->Menu(), nullptr);  // the frame shows the menu instead
  TzelMenuBar* bar = frame->MenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Top(), frame->TitleBar()->Height());
  EXPECT_EQ(frame->MenuBarHeight(), 22);
  ASSERT_EQ(bar->ButtonCount(), 3);
  EXPECT_EQ(bar->Buttons(1)->Caption(), "&Edit");
  frame->SetUIStyle(DeepBlue);  // the look sets the least height
  EXPECT_EQ(form->Constraints()->MinHeight(), 22 + frame->TitleBar()->Height() + 3);

  // Beside the bar the border takes its colours, top to bottom.
  const TPoint barAt = bar->ClientToScreen({0, 0});
  const int barTop = barAt.Y - form->Top();
  frame->SetMenuBarColor(0x0000C0);
  frame->SetMenuBarToColor(0xC00000);
  EXPECT_EQ(Shown(1, barTop), TColor(0x0000C0));
  EXPECT_EQ(Shown(1, barTop + 21), TColor(0xC00000));
  EXPECT_EQ(Shown(1, barTop + 22), frame->Color());

  // The button under the pointer shows the look's selected colours.
  TToolButton* edit = bar->Buttons(1);
  HeadlessMouseMove(bar->ClientToScreen({edit->Left() + 4, edit->Top() + 4}));
  const int x = barAt.X - form->Left() + edit->Left(), y = barTop + edit->Top();
  EXPECT_EQ(Shown(x, y), TColor(GetBuiltInThemeColor(DeepBlue, 18)));
  EXPECT_EQ(Shown(x + 1, y + 1), TColor(GetBuiltInThemeColor(DeepBlue, 19)));
  EXPECT_EQ(edit->Tag(), zelMenuBarHotTag);
  // Accelerators act without Alt only while a button shows highlighted.
  int dropped = 0;
  form->SetMessageHandler(WM_ENTERMENULOOP, [&](TMessage&) {
    ++dropped;
    PostToMainThread([] { HeadlessKeyPress(VK_ESCAPE); });
  });
  EXPECT_EQ(bar->Perform(CM_DIALOGCHAR, 'h', 0), 1);
  HeadlessMouseMove(form->ClientToScreen({200, 200}));
  EXPECT_EQ(edit->Tag(), 0);
  EXPECT_EQ(bar->Perform(CM_DIALOGCHAR, 'h', 0), 0);
  EXPECT_EQ(bar->Perform(CM_DIALOGCHAR, 'h', 0x20000000), 1);
  EXPECT_EQ(dropped, 2);

  // A shortcut works although the form's own Menu is empty: sent to the
  // form, and taken from the application's loop.
  HeadlessKeyDown(VK_CONTROL);
  HeadlessKeyPress('O');
  EXPECT_EQ(opened, 1);
  PostMessage(form->Handle(), WM_KEYDOWN, 'O', 0);
  Application->ProcessMessages();
  HeadlessKeyUp(VK_CONTROL);
  EXPECT_EQ(opened, 2);
  // A press drops the item's menu, which takes the menu's hotkey setting.
  form->SetMessageHandler(WM_ENTERMENULOOP, [](TMessage&) {
    PostToMainThread([] {
      HeadlessKeyPress(VK_DOWN);
      HeadlessKeyPress(VK_RETURN);
    });
  });
  HeadlessClick(bar->ClientToScreen({bar->Buttons(0)->Left() + 4, 4}));
  EXPECT_EQ(opened, 3);
  TPopupMenu* droppedMenu = nullptr;
  for (int i = 0; i < bar->ComponentCount(); ++i)
    if (auto* popup = dynamic_cast<TPopupMenu*>(bar->Components(i))) droppedMenu = popup;
  ASSERT_NE(droppedMenu, nullptr);
  EXPECT_EQ(droppedMenu->AutoHotkeys(), maManual);

  // New items reach the bar.
  auto* extra = new TMenuItem(form);
  extra->SetCaption("&Tools");
  menu->Items()->Add(extra);
  frame->UpdateMenuBar();
  EXPECT_EQ(bar->ButtonCount(), 4);

  delete menu;
  EXPECT_EQ(frame->Menu(), nullptr);
  EXPECT_EQ(frame->MenuBar(), nullptr);
  EXPECT_EQ(frame->MenuBarHeight(), 0);
}

TEST_F(FormFrameTest, AltSpaceOpensTheSystemMenuOfTheFormItIsPressedIn) {
  TForm* other = nullptr;
  Application->CreateForm(other);
  other->SetBounds(520, 100, 300, 200);
  auto* otherFrame = new TzelForm(other);
  int mine = 0, theirs = 0;
  CountAndEscape(frame->TitleBar()->SystemMenu(), mine);
  CountAndEscape(otherFrame->TitleBar()->SystemMenu(), theirs);
  other->Show();
  HeadlessPumpUntilIdle();
  PressAltSpace(other);
  EXPECT_EQ(theirs, 1);
  EXPECT_EQ(mine, 0);
  PressAltSpace(form);
  EXPECT_EQ(mine, 1);
  EXPECT_EQ(theirs, 1);
}

TEST_F(FormFrameTest, PropertiesThatReachTheFormTheTitleBarAndTheChildren) {
  EXPECT_THROW(new TzelForm(form), EComponentError);
  EXPECT_EQ(form->ComponentCount(), 1);

  frame->SetCaption("Cue list");
  EXPECT_EQ(form->Caption(), "Cue list");
  EXPECT_EQ(frame->TitleBar()->Caption(), "Cue list");
  frame->SetVersion("1.0");
  EXPECT_EQ(frame->Version(), "6.22");
  frame->SetTitleBarVisible(false);
  EXPECT_EQ(frame->RoundCorner(), 0);
  EXPECT_EQ(Shown(form->Width() / 2, 0), frame->BorderColor());
  frame->SetTitleBarVisible(true);

  // The title bar follows the form's activation.
  HeadlessActivate(nullptr);
  EXPECT_FALSE(frame->TitleBar()->FormActive());
  HeadlessActivate(form->Handle());
  EXPECT_TRUE(frame->TitleBar()->FormActive());

  frame->SetFormPanel(frame);
  ASSERT_EQ(HeadlessShownMessageBoxes().size(), 1u);
  EXPECT_EQ(HeadlessShownMessageBoxes()[0].text, "Sorry, you can't select the Form assign to FormPanel property");
  EXPECT_EQ(frame->FormPanel(), nullptr);
  auto* panel = new TPanel(form);
  panel->SetParent(frame);
  panel->SetCaption("Panel1");
  frame->SetFormPanel(panel);
  EXPECT_EQ(panel->Align(), alClient);
  EXPECT_EQ(panel->BevelOuter(), bvNone);
  EXPECT_EQ(panel->Caption(), "");
  delete panel;
  EXPECT_EQ(frame->FormPanel(), nullptr);

  // The look reaches the frame's children only when asked to.
  auto* box = new TzelGroupBox(form);
  box->SetParent(frame);
  frame->SetUIStyle(WinXP);
  EXPECT_EQ(box->UIStyle(), DeepBlue);
  frame->SetUIStyleAutoUpdateSub(true);
  frame->SetUIStyle(Protein);
  EXPECT_EQ(box->UIStyle(), Protein);
}

TEST_F(FormFrameTest, TheRecordersBuildHasAOneColourBarAndReadsElementsFromItsThemeFile) {
  delete frame;
  SetSkinFlavour(zelOlderBuild);
  frame = new TzelForm(form);
  EXPECT_FALSE(frame->HasProperty("MenuBarToColor"));
  EXPECT_FALSE(frame->HasProperty("About"));
  EXPECT_FALSE(frame->HasProperty("InactiveCaptionColor"));
  frame->SetMenuBarColor(0x00C000);
  frame->SetMenuBarToColor(0xC00000);
  EXPECT_EQ(frame->MenuBarToColor(), TColor(0x00C000));

  TPrivateTempFolder temp;
  auto* theme = new TzelFileTheme(form);
  theme->SetThemeFile(temp.Write("dialog.zel", BuildZelFile({IntegerItem("FormBackgroundColor", 0x203040),
                                                             IntegerItem("FormBorderColor", 0x0000FF),
                                                             IntegerItem("FormBorderWidthInt", 2),
                                                             IntegerItem("FormRoundCornerInt", 0)})));
  ASSERT_TRUE(theme->Ready());
  frame->SetFileTheme(theme);
  frame->SetUIStyle(FromThemeFile);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(frame->Color(), TColor(0x203040));
  EXPECT_EQ(frame->BorderWidth(), 2);
  const int h = form->Height();
  EXPECT_EQ(Shown(1, h / 2), TColor(0x0000FF));
  EXPECT_EQ(Shown(2, h / 2), TColor(0x203040));
  EXPECT_EQ(ClientInWindow().Bottom, h - 3);
}

TEST_F(FormFrameTest, ASizeableFormKeepsItsSizingFrameThroughANewWindow) {
  frame->SetUIStyle(WinXP);
  // A new border style makes the form's window anew, caption and all.
  form->SetBorderStyle(bsSizeable);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CAPTION, 0u);
  const int w = form->Width(), h = form->Height();
  EXPECT_EQ(ClientInWindow(), Rect(4, 4, w - 4, h - 4));
  EXPECT_FALSE(Region().Contains(0, 0));
  EXPECT_EQ(Shown(w - 1, h / 2), TColor(GetBuiltInThemeColor(WinXP, 16)));
  // Its edges still size it.
  const TPoint edge = {form->Left() + w - 1, form->Top() + h / 2};
  EXPECT_EQ(SendMessage(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(edge.X, edge.Y)), HTRIGHT);
  HeadlessMouseMove(edge);
  HeadlessMouseDown();
  HeadlessMouseMove({edge.X + 30, edge.Y});
  HeadlessMouseUp();
  EXPECT_EQ(form->Width(), w + 30);
  EXPECT_TRUE(Region().Contains(w + 29, h - 1));
}

TEST_F(FormFrameTest, AFormThatStartsMaximizedGetsItsDesignedBoundsOnRestore) {
  TForm* other = nullptr;
  Application->CreateForm(other);
  other->SetBounds(50, 60, 300, 200);
  other->SetWindowState(wsMaximized);
  new TzelForm(other);
  other->Show();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(other->BoundsRect(), Rect(-2, -2, 1026, 739));
  // Sized again and again while maximized, it stays maximized on the work area.
  for (int i = 0; i < 4; ++i) {
    other->SetBounds(10 * i, 10, 500, 400);
    HeadlessPumpUntilIdle();
    EXPECT_EQ(other->WindowState(), wsMaximized);
    EXPECT_EQ(other->BoundsRect(), Rect(-2, -2, 1026, 739));
  }
  other->SetWindowState(wsNormal);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(other->BoundsRect(), Rect(50, 60, 350, 260));
}

TEST_F(FormFrameTest, TheRecordersThemeFilesDressTheFrameAndItsTitleBarByElement) {
  delete frame;
  SetSkinFlavour(zelOlderBuild);
  frame = new TzelForm(form);
  for (const char* resource : {kRecorderThemeResource1, kRecorderThemeResource2, kRecorderThemeResource3,
                               kRecorderThemeResource4}) {
    SCOPED_TRACE(resource);
    auto* theme = new TzelBuiltInFileTheme(form);
    theme->LoadSkinData(LoadResourceData(resource));
    ASSERT_TRUE(theme->Ready());
    frame->SetFileTheme(theme);
    frame->SetUIStyle(FromThemeFile);
    HeadlessPumpUntilIdle();
    TzelTitleBar& bar = *frame->TitleBar();
    const TBitmap& left = *theme->GetBitmap(10);
    ASSERT_EQ(bar.Sections()->Count(), 3);
    EXPECT_EQ(bar.SectionPicture(0)->Width(), left.Width());
    EXPECT_EQ(bar.Height(), left.Height() - 3);
    TBitmap close;
    theme->GetBitmapFrame(5, &close, 18, 16);
    EXPECT_EQ(bar.Buttons()->Items(1)->PicNormal()->Bitmap()->Canvas()->Pixels(5, 5), close.Canvas()->Pixels(5, 5));
    EXPECT_EQ(frame->BorderColor(), TColor(theme->GetColor(16)));
    EXPECT_EQ(Shown(0, form->Height() / 2), frame->BorderColor());
    // The caption stands out from the title picture.
    EXPECT_NE(bar.Font()->Color(), TitlePixel(bar, form->Width() / 2, bar.Height() / 2));
    EXPECT_EQ(Shown(form->Width() / 2, 1), TitlePixel(bar, form->Width() / 2, 1));
    EXPECT_FALSE(ShowsColor(zelSkinTransparentColor));
    frame->SetFileTheme(nullptr);
    delete theme;
  }
}

// A form whose description is being applied.
class TLoadingForm : public TForm {
 public:
  using TForm::TForm;
  using TComponent::EndLoading;
};

TEST_F(FormFrameTest, ADialogTakingAnotherFormsThemeWhileItLoadsGrowsByTheBorder) {
  auto* theme = new TzelBuiltInFileTheme(form);
  theme->LoadSkinData(LoadResourceData(kEditorThemeResource1));
  TLoadingForm* dialog = nullptr;
  Application->CreateForm(dialog);
  dialog->SetBounds(10, 10, 300, 200);
  dialog->BeginLoading();
  auto* dialogFrame = new TzelForm(dialog);
  dialogFrame->SetFileTheme(theme);
  dialogFrame->SetUIStyle(FromThemeFile);
  dialog->EndLoading();
  EXPECT_EQ(dialog->BoundsRect(), Rect(10, 10, 314, 213));
  // Its own theme, or once loaded, no growth.
  dialogFrame->SetFileTheme(nullptr);
  dialogFrame->SetFileTheme(theme);
  frame->SetFileTheme(theme);
  EXPECT_EQ(dialog->BoundsRect(), Rect(10, 10, 314, 213));
  EXPECT_EQ(form->BoundsRect(), Rect(100, 100, 500, 360));
}
