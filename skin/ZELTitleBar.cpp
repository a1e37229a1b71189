// The title bar: its properties, the looks it is built from, and what the
// mouse does on it.

#include "skin/ZELTitleBar.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"

namespace {

// Theme-file items, by index within their group.
constexpr int kTransColorItem = 0;      // colour SKIN2_TRANSCOLOR
constexpr int kTitleFontColorItem = 1;  // colour SKIN2_TITLEFONTCOLOR
constexpr int kFormColorItem = 2;       // colour SKIN2_FORMCOLOR
constexpr int kTitleBar1Item = 0;       // bitmaps SKIN2_TITLEBAR1..5
constexpr int kButtonStripItem = 11;    // bitmap SKIN2_TITLEBUTTONS
constexpr int kIconPosXItem = 0;        // integers SKIN2_TITLEBARICONPOSX,
constexpr int kIconPosYItem = 1;        //   ..ICONPOSY,
constexpr int kCaptionTopItem = 2;      //   ..CAPTIONTOP,
constexpr int kButtonPosXItem = 3;      //   ..BUTTONPOSX,
constexpr int kButtonPosYItem = 4;      //   ..BUTTONPOSY
constexpr int kFiveSectionsItem = 0;    // flag SKIN2_TITLEFIVESECT

// Built-in elements.
constexpr int kElementLeftOffset = 7;
constexpr int kElementRightOffset = 8;
constexpr int kElementButtonTop = 9;
constexpr int kElementTitleLeft = 10;
constexpr int kElementTitleClient = 11;
constexpr int kElementTitleRight = 12;
constexpr int kElementFormMinWidth = 13;
constexpr int kElementRoundCorner = 14;

// A frame's border rows the bar's pictures also cover.
constexpr int kFrameTopRows = 3;

int BitmapWidth(const TBitmap* bitmap) { return bitmap ? bitmap->Width() : 0; }

}  // namespace

TzelTitleBar::TzelTitleBar(TComponent* owner)
    : TCustomPanel(owner),
      sections_(std::make_unique<TzelTitleBarSections>(this)),
      buttons_(std::make_unique<TzelTitleBarButtons>(this)),
      titleImage_(std::make_unique<TBitmap>()),
      composedTitleImage_(std::make_unique<TBitmap>()) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  SetControlStyle(ControlStyle() & ~csAcceptsControls);
  Font()->SetColor(0xFFFFFF);
  Font()->SetName("Tahoma");
  Font()->SetStyle(fsBold);
  systemMenu_ = new TzelTitleBarPopupMenu(this, this);
  for (TzelTitleBarBtnType type : {zelControlBox, zelClose, zelMax, zelMin})
    buttons_->Add()->SetButtonType(type);

  using B = TzelTitleBar;
  Publish("Custom", &B::Custom, &B::SetCustom);
  Publish("FileTheme", &B::FileTheme, &B::SetFileTheme);
  Publish("UIStyle", &B::UIStyle, &B::SetUIStyle);
  Publish("ButtonInterval", &B::ButtonInterval, &B::SetButtonInterval);
  Publish("Caption", &B::Caption, &B::SetCaption);
  Publish("FormActive", &B::FormActive, &B::SetFormActive);
  Publish("LeftBtnXOffset", &B::LeftBtnXOffset, &B::SetLeftBtnXOffset);
  Publish("RightBtnXOffset", &B::RightBtnXOffset, &B::SetRightBtnXOffset);
  Publish("DrawAppIcon", &B::DrawAppIcon, &B::SetDrawAppIcon);
  Publish("RoundCorner", &B::RoundCorner, &B::SetRoundCorner);
  Publish("RoundCornerBottom", &B::RoundCornerBottom, &B::SetRoundCornerBottom);
  if (SkinFlavour() == zelCurrentBuild)
    Publish("InactiveCaptionColor", &B::InactiveCaptionColor, &B::SetInactiveCaptionColor);
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelTitleBar::~TzelTitleBar() {
  Destroying();
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  // The items repaint the bar on every change; none is left to do so.
  buttons_.reset();
  sections_.reset();
}

// ---- Properties ---------------------------------------------------------------------

void TzelTitleBar::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  keepFontColor_ = true;
  ApplyLook();
  keepFontColor_ = false;
}

void TzelTitleBar::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  ApplyLook();
}

void TzelTitleBar::SetSections(const TzelTitleBarSections* value) {
  if (value) sections_->Assign(*value);
}

void TzelTitleBar::SetButtons(const TzelTitleBarButtons* value) {
  if (value) buttons_->Assign(*value);
}

void TzelTitleBar::SetButtonInterval(int value) {
  buttonInterval_ = value;
  Invalidate();
}

void TzelTitleBar::SetCaption(const std::string& value) {
  caption_ = value;
  Invalidate();
}

void TzelTitleBar::SetFormActive(bool value) {
  formActive_ = value;
  Invalidate();
}

void TzelTitleBar::SetLeftBtnXOffset(int value) {
  leftBtnXOffset_ = value;
  Invalidate();
}

void TzelTitleBar::SetRightBtnXOffset(int value) {
  rightBtnXOffset_ = value;
  Invalidate();
}

void TzelTitleBar::SetDrawAppIcon(bool value) {
  drawAppIcon_ = value;
  Invalidate();
}

void TzelTitleBar::SetInactiveCaptionColor(TColor value) {
  inactiveCaptionColor_ = value;
  Invalidate();
}

void TzelTitleBar::SetAutoSize(bool value) {
  if (value && sections_->Count() == 0) value = false;
  TCustomPanel::SetAutoSize(value);
  if (!value) return;
  // A first section without a picture leaves the height as it is, so a
  // theme lacking the picture does not fold the bar away.
  const int pictureHeight = sections_->Items(0)->Picture()->Height();
  if (pictureHeight > 0) SetHeight(std::max(0, pictureHeight - (InsideFrame() ? kFrameTopRows : 0)));
}

TPicture* TzelTitleBar::SectionPicture(int index) const {
  if (index < 0 || index >= sections_->Count()) return nullptr;
  return sections_->Items(index)->Picture();
}

void TzelTitleBar::UpdateTitleImages() {
  TBitmap bitmap(std::max(1, Width()), std::max(1, Height()));
  bitmap.Canvas()->Font()->Assign(*Font());
  DrawSections(bitmap);
}

bool TzelTitleBar::HasFullSectionSet() const {
  auto has = [this](int index) {
    TPicture* picture = SectionPicture(index);
    return picture && picture->Width() > 0;
  };
  if (sections_->Count() == 3) return has(0) && has(1) && has(2);
  if (sections_->Count() == 5) return has(0) && has(1) && has(2) && has(3) && has(4);
  return false;
}

void TzelTitleBar::UpdateMaxButtons() {
  if (custom_) return;
  for (int i = 0; i < buttons_->Count(); ++i)
    if (buttons_->Items(i)->ButtonType() == zelMax) buttons_->Items(i)->LoadPictures();
  Invalidate();
}

TCustomForm* TzelTitleBar::OwnerForm() const { return ParentForm(); }

bool TzelTitleBar::InsideFrame() const { return Parent() && Parent()->ClassName() == "TzelForm"; }

bool TzelTitleBar::UsesThemeFile() const {
  TzelUIStyle look = uiStyle_;
  return UsingFileTheme(fileTheme_, uiStyle_, look);
}

TzelUIStyle TzelTitleBar::EffectiveStyle() const {
  TzelUIStyle look = uiStyle_;
  UsingFileTheme(fileTheme_, uiStyle_, look);
  return look;
}

int TzelTitleBar::LeftBorderWidth() const {
  TCustomForm* form = OwnerForm();
  if (form == nullptr || !form->HandleAllocated()) return 0;
  return static_cast<int>(SendMessage(form->Handle(), ZEL_GETLEFTBORDERWIDTH, 0, 0));
}

void TzelTitleBar::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation != opRemove) return;
  if (buttons_) {
    for (int i = 0; i < buttons_->Count(); ++i)
      if (buttons_->Items(i)->ControlBoxMenu() == component) buttons_->Items(i)->SetControlBoxMenu(nullptr);
  }
  if (component == systemMenu_) systemMenu_ = nullptr;
  if (component == fileTheme_ && fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
  }
}

// ---- Looks ------------------------------------------------------------------------------

void TzelTitleBar::ApplyLook() {
  if (IsDestroying()) return;
  TzelUIStyle look = uiStyle_;
  const bool fromFile = UsingFileTheme(fileTheme_, uiStyle_, look);
  // Custom sections stay; the buttons and the caption colour still follow.
  // The recorder's theme files answer the built-in elements by number.
  const bool olderFile = fromFile && SkinFlavour() == zelOlderBuild;
  if (!custom_) {
    sections_->Clear();
    if (fromFile && !olderFile) SetupFromFileTheme();
    else SetupFromBuiltInTheme(olderFile ? fileTheme_ : nullptr);
  }
  for (int i = 0; i < buttons_->Count(); ++i) buttons_->Items(i)->SetUIStyle(look);
  if (systemMenu_) {
    systemMenu_->SetFileTheme(fileTheme_);
    systemMenu_->SetUIStyle(look);
  }
  if (!keepFontColor_) {
    if (look == MacOS) Font()->SetColor(0x000000);
    else if (olderFile) Font()->SetColor(ThemeTitleFontColor(*fileTheme_));
    else if (fromFile) Font()->SetColor(fileTheme_->GetColor(kTitleFontColorItem));
    else Font()->SetColor(0xFFFFFF);
  }
  SetAutoSize(true);
  Invalidate();
}

void TzelTitleBar::SetupFromFileTheme() {
  TzelFileTheme& theme = *fileTheme_;
  fiveSections_ = theme.GetBool(kFiveSectionsItem);
  transparentColor_ = theme.GetColor(kTransColorItem);
  const bool captionSections = SkinFlavour() == zelCurrentBuild;

  auto add = [&](int item, TzelTitleBarAlign align, bool autoSize, bool captionSection) {
    TzelTitleBarSection* section = sections_->Add();
    section->Picture()->SetGraphic(theme.GetBitmap(kTitleBar1Item + item));
    if (autoSize) section->SetAutoSize(true);
    if (align != zelLeft) section->SetAlign(align);
    if (captionSection && captionSections) section->SetCapSec(true);
  };
  add(0, zelLeft, true, false);
  add(1, fiveSections_ ? zelLeft : zelClient, false, fiveSections_);
  add(2, fiveSections_ ? zelLeft : zelRight, true, false);
  if (fiveSections_) {
    add(3, zelClient, false, false);
    add(4, zelRight, true, false);
  }

  leftBtnXOffset_ = theme.GetInteger(kIconPosXItem);
  rightBtnXOffset_ = theme.GetInteger(kButtonPosXItem);
  TBitmap* strip = theme.GetBitmap(kButtonStripItem);
  if (strip) strip->SetPixelFormat(pf24bit);
  buttonTop_ = theme.GetInteger(kButtonPosYItem);
  iconTop_ = theme.GetInteger(kIconPosYItem);
  captionTop_ = theme.GetInteger(kCaptionTopItem);
  formColor_ = theme.GetColor(kFormColorItem);
  if (InsideFrame()) {
    buttonTop_ -= kFrameTopRows;
    iconTop_ -= kFrameTopRows;
  }

  auto width = [&](int item) { return BitmapWidth(theme.GetBitmap(kTitleBar1Item + item)); };
  const int buttonsWidth = BitmapWidth(strip) / 18 * buttons_->Count() + rightBtnXOffset_;
  if (fiveSections_) SetFormMinimum(width(0) + width(2) + std::max(width(4), buttonsWidth) + 16, -1);
  else SetFormMinimum(width(0) + std::max(width(2), buttonsWidth), -1);
}

void TzelTitleBar::SetupFromBuiltInTheme(const TzelFileTheme* olderTheme) {
  const TzelUIStyle look = EffectiveStyle();
  auto integer = [&](int element) {
    return olderTheme ? olderTheme->GetInteger(element) : GetBuiltInThemeInteger(look, element);
  };
  auto add = [&](int element, TzelTitleBarAlign align, bool autoSize) {
    TzelTitleBarSection* section = sections_->Add();
    if (olderTheme) {
      section->Picture()->SetGraphic(olderTheme->GetBitmap(element));
    } else {
      try {
        TBitmap picture;
        GetBuiltInThemeBitmap(look, element, &picture, 0, 0);
        section->Picture()->SetGraphic(&picture);
      } catch (const EResNotFound&) {
        // A program without the look's bitmaps leaves the section empty.
      }
    }
    if (autoSize) section->SetAutoSize(true);
    if (align != zelLeft) section->SetAlign(align);
  };
  add(kElementTitleLeft, zelLeft, true);
  add(kElementTitleRight, zelRight, true);
  add(kElementTitleClient, zelClient, false);

  leftBtnXOffset_ = integer(kElementLeftOffset);
  rightBtnXOffset_ = integer(kElementRightOffset);
  buttonTop_ = integer(kElementButtonTop) - (InsideFrame() ? kFrameTopRows : 0);
  iconTop_ = buttonTop_;
  SetFormMinimum(integer(kElementFormMinWidth), 50);
  roundCorner_ = integer(kElementRoundCorner);
  roundCornerBottom_ = 0;
}

// A negative height leaves the form's minimum height alone.
void TzelTitleBar::SetFormMinimum(int width, int height) {
  TCustomForm* form = OwnerForm();
  if (form == nullptr) return;
  form->Constraints()->SetMinWidth(width);
  if (height >= 0) form->Constraints()->SetMinHeight(height);
}

// ---- Mouse --------------------------------------------------------------------------------

void TzelTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  pressed_ = true;
  Repaint();
  TCustomForm* form = OwnerForm();
  if (ButtonAt({x, y}) >= 0 || form == nullptr) return;
  if (form->WindowState() == wsMaximized && !IsDesigning()) return;
  // The window system moves the window while the button is held.
  pressed_ = false;
  ReleaseCapture();
  const TPoint screen = ClientToScreen({x, y});
  SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.X, screen.Y));
}

void TzelTitleBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  Invalidate();
}

void TzelTitleBar::CMMouseLeave(TMessage& message) {
  TCustomPanel::CMMouseLeave(message);
  Invalidate();
}

// A button acts when it is both pressed and released on; the release of a
// double click therefore does not act a second time.
void TzelTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  Invalidate();
  TCustomPanel::MouseUp(button, shift, x, y);
  if (button != mbLeft || !wasPressed) return;
  const int index = ButtonAt({x, y});
  if (index >= 0) ClickButton(index);
}

void TzelTitleBar::WMLButtonDblClk(TMessage& message) {
  if (IsDesigning()) return;
  const int index = ButtonAt({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  if (index < 0) {
    if (TzelTitleBarButton* max = buttons_->FindVisible(zelMax)) ClickButton(buttons_->IndexOf(max));
  } else if (buttons_->Items(index)->ButtonType() == zelControlBox) {
    CloseForm();
  }
}

void TzelTitleBar::ClickButton(int index) {
  TzelTitleBarButton* button = buttons_->Items(index);
  const TzelTitleBarBtnType type = button->ButtonType();
  if (type == zelControlBox && button->ControlBoxMenu() == nullptr) {
    if (systemMenu_) {
      const TPoint corner = MenuCorner();
      systemMenu_->Popup(corner.X, corner.Y);
    }
    return;
  }
  const auto customClick = OnCustomBtnsClick;
  const auto helpClick = OnHelpBtnClick;
  button->DoClick();
  if (type == zelCustom && customClick) customClick(this, index);
  if (type == zelHelp && helpClick) helpClick(this, index);
}

TPoint TzelTitleBar::MenuCorner() { return ClientToScreen({0, Height()}); }

void TzelTitleBar::CMFontChanged(TMessage& message) {
  TCustomPanel::CMFontChanged(message);
  Invalidate();
}

// Painting covers the whole bar.
void TzelTitleBar::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

// Non-client pointer messages belong to the form the bar stands for.
void TzelTitleBar::WndProc(TMessage& message) {
  if (message.Msg == WM_NCMOUSEMOVE || message.Msg == WM_NCLBUTTONDOWN || message.Msg == WM_NCLBUTTONUP) {
    if (TCustomForm* form = OwnerForm(); form && form->HandleAllocated()) {
      message.Result = SendMessage(form->Handle(), message.Msg, message.WParam, message.LParam);
      return;
    }
  }
  TCustomPanel::WndProc(message);
}
