#include <gtest/gtest.h>

#include "platform/os/MainThread.h"
#include "platform/os/VirtualKeys.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"
#include "tests/skin/TitleBarTestSupport.h"

namespace {

std::unique_ptr<TBitmap> Frame(TzelUIStyle look, int frame) {
  auto piece = std::make_unique<TBitmap>();
  GetBuiltInThemeBitmap(look, 5, piece.get(), 18, frame);
  return piece;
}

TPoint Shifted(TPoint p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }

// Counts the menu's popups, closing each as soon as it shows.
void CountAndEscape(TPopupMenu* menu, int& popups) {
  menu->OnPopup = [&popups](TObject*) {
    ++popups;
    PostToMainThread([] { HeadlessKeyPress(VK_ESCAPE); });
  };
}

}  // namespace

TEST_F(TitleBarTest, BuiltInLooksLayButtonsFromTheRightEdge) {
  // DeepBlue: frames 19 x 19, buttons from the edge, the close one flush.
  ASSERT_EQ(bar->Buttons()->Count(), 4);
  EXPECT_EQ(bar->Buttons()->Items(0)->ButtonType(), zelControlBox);
  EXPECT_EQ(bar->Buttons()->Items(1)->ButtonType(), zelClose);
  EXPECT_EQ(bar->Buttons()->Items(2)->ButtonType(), zelMax);
  EXPECT_EQ(bar->Buttons()->Items(3)->ButtonType(), zelMin);
  EXPECT_EQ(bar->Height(), 32);
  const int w = bar->Width();
  EXPECT_EQ(bar->ButtonRect(1), Bounds(w - 1 - 19, 2, 19, 19));
  EXPECT_EQ(bar->ButtonRect(2), Bounds(w - 1 - 19 - 20, 2, 19, 19));
  EXPECT_EQ(bar->ButtonRect(3), Bounds(w - 1 - 19 - 40, 2, 19, 19));
  EXPECT_EQ(bar->ButtonRect(0), Bounds(0, 2, 19, 19));  // the icon's place
  EXPECT_EQ(form->Constraints()->MinWidth(), 130);
  EXPECT_EQ(form->Constraints()->MinHeight(), 50);
  EXPECT_EQ(bar->RoundCorner(), 0);

  // WinXP: a negative right offset would push the close button off the
  // bar; it is pulled back to end one pixel inside.
  bar->SetUIStyle(WinXP);
  EXPECT_EQ(bar->Height(), 29);
  EXPECT_EQ(bar->RightBtnXOffset(), -2);
  EXPECT_EQ(bar->ButtonRect(1), Bounds(w - 1 - 21, 5, 21, 21));
  EXPECT_EQ(bar->ButtonRect(2), Bounds(w - 1 - 21 - 22, 5, 21, 21));
  EXPECT_EQ(form->Constraints()->MinWidth(), 150);
  EXPECT_EQ(bar->RoundCorner(), 13);

  // The interval between buttons widens the steps.
  bar->SetButtonInterval(4);
  EXPECT_EQ(bar->ButtonRect(2), Bounds(w - 1 - 21 - 26, 5, 21, 21));
}

TEST_F(TitleBarTest, ButtonsShowTheirStripFramesAndFollowThePointer) {
  for (TzelUIStyle look : {DeepBlue, BlueGlass}) {
    bar->SetUIStyle(look);
    TzelTitleBarButton* close = bar->Buttons()->Items(1);
    EXPECT_TRUE(SamePixels(*close->PicNormal()->Bitmap(), *Frame(look, 16))) << look;
    EXPECT_TRUE(SamePixels(*close->PicMouseOn()->Bitmap(), *Frame(look, 17))) << look;
    EXPECT_TRUE(SamePixels(*close->PicMouseDown()->Bitmap(), *Frame(look, 18))) << look;
    EXPECT_TRUE(SamePixels(*bar->Buttons()->Items(3)->PicNormal()->Bitmap(), *Frame(look, 13))) << look;
    EXPECT_EQ(close->Transparent(), look == BlueGlass);
  }
  bar->SetUIStyle(DeepBlue);
  const TRect rect = bar->ButtonRect(1);
  auto normalFrame = Frame(DeepBlue, 16), hoverFrame = Frame(DeepBlue, 17), downFrame = Frame(DeepBlue, 18);
  TBitmap &normal = *normalFrame, &hover = *hoverFrame, &down = *downFrame;
  // A pixel where the three faces differ.
  int px = -1, py = -1;
  for (int y = 0; y < normal.Height() && px < 0; ++y)
    for (int x = 0; x < normal.Width() && px < 0; ++x) {
      TColor n = normal.Canvas()->Pixels(x, y), h = hover.Canvas()->Pixels(x, y), d = down.Canvas()->Pixels(x, y);
      if (n != h && h != d && n != d) px = x, py = y;
    }
  ASSERT_GE(px, 0);
  HeadlessMouseMove(bar->ClientToScreen({5, 200}));
  EXPECT_EQ(Pixel(rect.Left + px, rect.Top + py), normal.Canvas()->Pixels(px, py));
  HeadlessMouseMove(ScreenCentre(rect));
  EXPECT_EQ(Pixel(rect.Left + px, rect.Top + py), hover.Canvas()->Pixels(px, py));
  bool canClose = false;
  int closes = 0;
  form->OnCloseQuery = [&](TObject*, bool& can) { can = canClose; };
  form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  HeadlessMouseDown();
  EXPECT_EQ(Pixel(rect.Left + px, rect.Top + py), down.Canvas()->Pixels(px, py));
  HeadlessMouseUp();
  EXPECT_EQ(closes, 0);  // the close was asked and refused
  canClose = true;
  ClickButton(1);
  EXPECT_EQ(closes, 1);
}

TEST_F(TitleBarTest, MaximizeButtonTogglesAndShowsRestoreFramesWhileMaximized) {
  const int max = IndexOfType(zelMax);
  ClickButton(max);
  EXPECT_EQ(form->WindowState(), wsMaximized);
  // The work area (0, 0, 1024, 740) widened by 2 at left, right and top,
  // 1 short at the bottom.
  EXPECT_EQ(form->BoundsRect(), Rect(-2, -2, 1026, 739));
  EXPECT_TRUE(SamePixels(*bar->Buttons()->Items(max)->PicNormal()->Bitmap(), *Frame(DeepBlue, 10)));

  // A change of look keeps the restore frames while maximized.
  bar->SetUIStyle(MacOS);
  EXPECT_TRUE(SamePixels(*bar->Buttons()->Items(max)->PicNormal()->Bitmap(), *Frame(MacOS, 10)));
  bar->SetUIStyle(DeepBlue);

  ClickButton(IndexOfType(zelMax));
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_TRUE(SamePixels(*bar->Buttons()->Items(max)->PicNormal()->Bitmap(), *Frame(DeepBlue, 7)));
}

TEST_F(TitleBarTest, PressingOnTheCaptionMovesTheWindowUnlessMaximized) {
  const TRect before = form->BoundsRect();
  HeadlessMouseMove(bar->ClientToScreen({150, 10}));
  HeadlessMouseDown();
  HeadlessMouseMove(Shifted(bar->ClientToScreen({150, 10}), 40, 25));
  HeadlessMouseUp();
  EXPECT_EQ(form->Left(), before.Left + 40);
  EXPECT_EQ(form->Top(), before.Top + 25);

  form->SetWindowState(wsMaximized);
  HeadlessPumpUntilIdle();
  const TRect maximized = form->BoundsRect();
  HeadlessMouseMove(bar->ClientToScreen({150, 10}));
  HeadlessMouseDown();
  HeadlessMouseMove(Shifted(bar->ClientToScreen({150, 10}), 40, 25));
  HeadlessMouseUp();
  EXPECT_EQ(form->BoundsRect(), maximized);

  // Double-clicking the empty caption of the maximized window restores it.
  bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(150, 10));
  EXPECT_EQ(form->WindowState(), wsNormal);
  bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(150, 10));
  EXPECT_EQ(form->WindowState(), wsMaximized);
}

TEST_F(TitleBarTest, MinimizeActsOnTheMainFormThroughTheSystemAndOnOthersDirectly) {
  ClickButton(IndexOfType(zelMin));
  EXPECT_TRUE(IsIconic(form->Handle()));

  TForm* second = nullptr;
  Application->CreateForm(second);
  second->SetBounds(50, 300, 300, 150);
  second->Show();
  TzelTitleBar* other = NewBar(second, WinXP);
  other->Buttons()->Items(3)->DoClick();
  EXPECT_EQ(second->WindowState(), wsMinimized);
}

TEST_F(TitleBarTest, CustomAndHelpButtonsReportTheirIndex) {
  std::vector<std::pair<std::string, int>> fired;
  bar->OnCustomBtnsClick = [&](TObject* sender, int index) {
    EXPECT_EQ(sender, bar);
    fired.push_back({"custom", index});
  };
  bar->OnHelpBtnClick = [&](TObject*, int index) { fired.push_back({"help", index}); };
  TzelTitleBarButton* help = bar->Buttons()->Add();
  help->SetButtonType(zelHelp);
  TzelTitleBarButton* custom = bar->Buttons()->Add();
  custom->SetPicNormal(bar->Buttons()->Items(1)->PicNormal());
  custom->SetPicMouseOn(bar->Buttons()->Items(1)->PicMouseOn());
  custom->SetPicMouseDown(bar->Buttons()->Items(1)->PicMouseDown());
  custom->SetUIStyle(WinXP);  // custom buttons keep their own pictures
  EXPECT_TRUE(custom->HasAllPictures());
  ClickButton(4);
  ClickButton(5);
  ASSERT_EQ(fired.size(), 2u);
  EXPECT_EQ(fired[0], std::make_pair(std::string("help"), 4));
  EXPECT_EQ(fired[1], std::make_pair(std::string("custom"), 5));
  EXPECT_TRUE(form->Visible());

  // A hidden button takes no room and no clicks.
  custom->SetVisible(false);
  EXPECT_TRUE(bar->ButtonRect(5).IsEmpty());
}

TEST_F(TitleBarTest, ControlBoxOpensTheSystemMenuOrItsOwnMenu) {
  bar->SetDrawAppIcon(false);
  TzelTitleBarPopupMenu* system = bar->SystemMenu();
  ASSERT_EQ(system->Items()->Count(), 4);
  EXPECT_EQ(system->Items()->Items(0)->Caption(), "Mi&nimize");
  EXPECT_EQ(system->Items()->Items(1)->Caption(), "Ma&ximize/Restore");
  EXPECT_TRUE(system->Items()->Items(2)->IsLine());
  EXPECT_EQ(system->Items()->Items(3)->Caption(), "&Close");

  int systemPopups = 0, ownPopups = 0;
  CountAndEscape(system, systemPopups);
  bar->Buttons()->Items(IndexOfType(zelMin))->SetVisible(false);
  ClickButton(0);
  EXPECT_EQ(systemPopups, 1);
  EXPECT_EQ(system->PopupPoint(), bar->ClientToScreen({0, bar->Height()}));
  // No visible minimize button: its item is off; the others are on.
  EXPECT_FALSE(system->MinimizeItem()->Enabled());
  EXPECT_TRUE(system->MaximizeItem()->Enabled());
  EXPECT_TRUE(system->CloseItem()->Enabled());

  auto* own = new TPopupMenu(nullptr);  // owned elsewhere: only its free notice tells the bar
  own->Items()->Add(new TMenuItem(own));
  own->Items()->Items(0)->SetCaption("Own");
  CountAndEscape(own, ownPopups);
  bar->Buttons()->Items(0)->SetControlBoxMenu(own);
  ClickButton(0);
  EXPECT_EQ(ownPopups, 1);
  EXPECT_EQ(systemPopups, 1);

  // A menu freed while the button names it is forgotten.
  delete own;
  EXPECT_EQ(bar->Buttons()->Items(0)->ControlBoxMenu(), nullptr);

  // The system menu's items act on the form.
  system->MaximizeItem()->Click();
  EXPECT_EQ(form->WindowState(), wsMaximized);
  system->MaximizeItem()->Click();
  EXPECT_EQ(form->WindowState(), wsNormal);
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  system->CloseItem()->Click();
  EXPECT_EQ(closes, 1);
}

TEST_F(TitleBarTest, DoubleClickOnTheControlBoxClosesTheForm) {
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  const TRect box = bar->ButtonRect(0);
  bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(box.Left + 2, box.Top + 2));
  EXPECT_EQ(closes, 1);
}

TEST_F(TitleBarTest, OnlyOneClientSectionAndOneControlBox) {
  ASSERT_EQ(bar->Sections()->Count(), 3);
  EXPECT_EQ(bar->Sections()->Items(2)->Align(), zelClient);
  EXPECT_TRUE(bar->Sections()->Items(2)->Stretch());
  bar->Sections()->Items(0)->SetAlign(zelClient);
  EXPECT_EQ(bar->Sections()->Items(0)->Align(), zelLeft);
  bar->Buttons()->Items(1)->SetButtonType(zelControlBox);
  EXPECT_EQ(bar->Buttons()->Items(1)->ButtonType(), zelClose);
  const auto boxes = HeadlessShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Sorry, only one section's Align property can be \"zelClient\"");
  EXPECT_EQ(boxes[1].text, "Sorry, only one button's ButtonType property can be \"zelControlBox\"");
  EXPECT_TRUE(boxes[0].flags & MB_ICONERROR);
}

TEST_F(TitleBarTest, LongCaptionsEndInAnEllipsisLeftOfTheButtons) {
  bar->SetDrawAppIcon(false);
  bar->Buttons()->Items(0)->SetVisible(false);
  const TColor ink = 0x00FF00;
  bar->Font()->SetColor(ink);
  auto inkColumns = [&](int& rightmost) {
    bar->Repaint();
    HeadlessPumpUntilIdle();
    HDC dc = GetWindowDC(bar->Handle());
    int count = 0;
    rightmost = -1;
    for (int x = 0; x < bar->Width(); ++x)
      for (int y = 0; y < bar->Height(); ++y)
        if (dc->Pixels(x, y) == ink) {
          ++count;
          rightmost = x;
          break;
        }
    return count;
  };
  int rightmost = -1;
  bar->SetCaption("Short");
  EXPECT_GT(inkColumns(rightmost), 0);
  const int c = bar->ButtonRect(IndexOfType(zelMin)).Left;
  bar->SetCaption(std::string(200, 'W') + "\xC3\xA9\xC3\xA9");
  EXPECT_GT(inkColumns(rightmost), 0);
  EXPECT_LT(rightmost, c);
  EXPECT_GT(rightmost, c - 30);  // the room is used

  // Inactive: the caption takes the inactive colour.
  bar->SetInactiveCaptionColor(0x0000FF);
  bar->SetFormActive(false);
  EXPECT_EQ(inkColumns(rightmost), 0);
}

TEST_F(TitleBarTest, CustomSectionsSurviveAChangeOfLookButButtonsAndColourFollow) {
  TBitmap red(30, 32);
  red.Canvas()->Brush()->SetColor(0x0000FF);
  red.Canvas()->FillRect(Rect(0, 0, 30, 32));
  bar->SetCustom(true);
  bar->Sections()->Clear();
  TzelTitleBarSection* section = bar->Sections()->Add();
  section->SetAutoSize(true);
  section->Picture()->SetGraphic(&red);
  EXPECT_EQ(section->Width(), 30);
  bar->SetUIStyle(MacOS);
  ASSERT_EQ(bar->Sections()->Count(), 1);
  EXPECT_EQ(bar->Font()->Color(), TColor(0x000000));
  EXPECT_TRUE(SamePixels(*bar->Buttons()->Items(1)->PicNormal()->Bitmap(), *Frame(MacOS, 16)));
  EXPECT_EQ(Pixel(5, 20), TColor(0x0000FF));

  // Without sections there is nothing to size to.
  bar->Sections()->Clear();
  bar->SetAutoSize(true);
  EXPECT_FALSE(bar->AutoSize());
  // A first section without a picture keeps the height.
  bar->Sections()->Add();
  const int height = bar->Height();
  bar->SetAutoSize(true);
  EXPECT_EQ(bar->Height(), height);
}

TEST_F(TitleBarTest, SectionsAndButtonsCopyIntoAnotherBar) {
  TzelTitleBar* other = NewBar(form, WinXP);
  other->SetCustom(true);
  bar->Buttons()->Items(3)->SetVisible(false);
  other->SetButtons(bar->Buttons());
  other->SetSections(bar->Sections());
  ASSERT_EQ(other->Buttons()->Count(), 4);
  EXPECT_FALSE(other->Buttons()->Items(3)->Visible());
  EXPECT_EQ(other->Buttons()->Items(1)->UIStyle(), DeepBlue);
  EXPECT_TRUE(SamePixels(*other->Buttons()->Items(1)->PicNormal()->Bitmap(), *Frame(DeepBlue, 16)));
  ASSERT_EQ(other->Sections()->Count(), 3);
  EXPECT_EQ(other->Sections()->Items(2)->Align(), zelClient);
  EXPECT_TRUE(other->HasFullSectionSet());
}

TEST_F(TitleBarTest, BarWithoutAFormDrawsNothingAndIgnoresClicks) {
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  auto* loose = new TzelTitleBar(form);
  EXPECT_TRUE(loose->ButtonRect(1).IsEmpty());
  EXPECT_EQ(loose->ButtonAt({1, 1}), -1);
  loose->Buttons()->Items(1)->DoClick();
  EXPECT_EQ(closes, 0);
}

TEST_F(TitleBarTest, OlderBuildHasNoInactiveCaptionColour) {
  EXPECT_TRUE(bar->HasProperty("InactiveCaptionColor"));
  EXPECT_EQ(bar->InactiveCaptionColor(), clInactiveCaption);
  EXPECT_EQ(bar->Font()->Name(), "Tahoma");
  SetSkinFlavour(zelOlderBuild);
  TzelTitleBar* older = NewBar(form, DeepBlue);
  EXPECT_FALSE(older->HasProperty("InactiveCaptionColor"));
  // An inactive caption keeps the font colour.
  older->SetAlign(alBottom);
  older->SetDrawAppIcon(false);
  older->SetCaption("Older");
  older->Font()->SetColor(0x00FF00);
  older->SetInactiveCaptionColor(0x0000FF);
  older->SetFormActive(false);
  older->Repaint();
  HeadlessPumpUntilIdle();
  bool inked = false;
  HDC dc = GetWindowDC(older->Handle());
  for (int x = 0; x < 100 && !inked; ++x)
    for (int y = 0; y < older->Height() && !inked; ++y) inked = dc->Pixels(x, y) == TColor(0x00FF00);

  // Caption sections draw as plain left sections.
  TBitmap blue(10, 30);
  blue.Canvas()->Brush()->SetColor(0xFF0000);
  blue.Canvas()->FillRect(Rect(0, 0, 10, 30));
  older->SetCustom(true);
  older->Sections()->Clear();
  TzelTitleBarSection* section = older->Sections()->Add();
  section->Picture()->SetGraphic(&blue);
  section->SetCapSec(true);
  older->Repaint();
  HeadlessPumpUntilIdle();
  const TColor beside = GetWindowDC(older->Handle())->Pixels(12, older->Height() - 2);
  SetSkinFlavour(zelCurrentBuild);
  EXPECT_TRUE(inked);
  EXPECT_EQ(older->DisplayCaption(), "");
  EXPECT_NE(beside, TColor(0xFF0000));
}
