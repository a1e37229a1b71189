// The frame's menu bar: one flat button per top item of the main menu,
// drawn in the colours of the menu's look.

#include <algorithm>
#include <utility>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DrawText.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormItems.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"

using namespace zelform;

namespace {

constexpr TColor kDisabledTextColor = 0x808080;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
// Captions sit this much below the middle.
constexpr int kCaptionDrop = 2;

bool LoadResource(const char* name, TBitmap& bitmap) {
  try {
    LoadBitmapResource(name, bitmap);
    return true;
  } catch (const EResNotFound&) {
    return false;  // a program without the picture draws plain colours
  }
}

}  // namespace

// ---- The bar ---------------------------------------------------------------------------

TzelMenuBar::TzelMenuBar(TComponent* owner, TzelForm* frame) : TToolBar(owner), frame_(frame) {}

void TzelMenuBar::Notification(TComponent* component, TOperation operation) {
  TToolBar::Notification(component, operation);
  if (operation != opInsert || component->Owner() != this) return;
  auto* dropped = dynamic_cast<TPopupMenu*>(component);
  if (dropped == nullptr) return;
  dropped->OnPopup = [this, dropped](TObject*) {
    if (TMainMenu* menu = frame_->Menu()) dropped->SetAutoHotkeys(menu->AutoHotkeys());
    if (TMenu* own = Menu()) dropped->SetAutoHotkeys(own->AutoHotkeys());
  };
}

void TzelMenuBar::CMDialogChar(TMessage& message) {
  const bool alt = (message.LParam & 0x20000000) != 0 || GetKeyState(VK_MENU) < 0;
  bool highlighted = false;
  for (int i = 0; i < ButtonCount(); ++i) highlighted = highlighted || Buttons(i)->Tag() == zelMenuBarHotTag;
  if (!alt && !highlighted) return;
  if (!alt && TrackAccelerator(static_cast<char32_t>(message.WParam))) {
    message.Result = 1;
    return;
  }
  TToolBar::CMDialogChar(message);
}

// ---- The frame's side ---------------------------------------------------------------------

void TzelForm::SetMenu(TMainMenu* value) {
  if (auto* old = dynamic_cast<TzelMainMenu*>(menu_)) old->SetFrame(nullptr);
  if (menu_ && menu_ != value) menu_->RemoveFreeNotification(this);
  menu_ = value;
  if (menu_) menu_->FreeNotification(this);
  if (auto* menu = dynamic_cast<TzelMainMenu*>(menu_)) menu->SetFrame(this);
  if (!Dressing()) return;
  if (menu_) {
    CreateMenuBar();
    UpdateMenuBar();
    KeepTitleBarOnTop();
  } else if (!IsMDIChild()) {
    FreeMenuBar();
  }
}

int TzelForm::MenuBarHeight() const { return menuBar_ && menuBar_->Visible() ? menuBar_->Height() : 0; }

void TzelForm::SetMenuBarHeight(int value) {
  wantedMenuBarHeight_ = value;
  if (menuBar_ == nullptr) return;
  menuBar_->SetButtonHeight(value);
  menuBar_->SetHeight(value);
}

void TzelForm::SetMenuBarColor(TColor value) {
  menuBarColor_ = value;
  if (menuBar_) menuBar_->SetColor(value);
  PaintFormBorder();
}

TColor TzelForm::MenuBarToColor() const {
  return SkinFlavour() == zelCurrentBuild ? menuBarToColor_ : menuBarColor_;
}

void TzelForm::SetMenuBarToColor(TColor value) {
  menuBarToColor_ = value;
  if (menuBar_) menuBar_->Invalidate();
  PaintFormBorder();
}

void TzelForm::CreateMenuBar() {
  // An MDI child's menu shows in the MDI frame's bar.
  if (menuBar_ || IsMDIChild()) return;
  menuBar_ = new TzelMenuBar(this, this);
  menuBar_->SetParent(this);
  menuBar_->SetFlat(true);
  menuBar_->SetEdgeBorders(0);
  menuBar_->SetShowCaptions(true);
  menuBar_->SetButtonHeight(wantedMenuBarHeight_);
  menuBar_->SetHeight(wantedMenuBarHeight_);
  menuBar_->SetColor(menuBarColor_);
  if (!IsDesigning()) {
    menuBar_->OnCustomDraw = [this](TToolBar* bar, const TRect& rect, bool& defaultDraw) {
      MenuBarCustomDraw(bar, rect, defaultDraw);
    };
    menuBar_->OnCustomDrawButton = [this](TToolBar* bar, TToolButton* button, TCustomDrawState state,
                                          bool& defaultDraw) {
      MenuBarCustomDrawButton(bar, button, state, defaultDraw);
    };
  }
  menuBar_->SetWrapable(true);
  menuBar_->SetAutoSize(true);
  KeepTitleBarOnTop();
}

void TzelForm::FreeMenuBar() {
  delete std::exchange(menuBar_, nullptr);
  PaintFormBorder();
}

void TzelForm::UpdateMenuBar() {
  if (menuBar_ == nullptr || menu_ == nullptr) return;
  menuBar_->SetAutoSize(false);
  RefreshMenuBarFont();
  for (int i = menuBar_->ButtonCount() - 1; i >= 0; --i) delete menuBar_->Buttons(i);
  TMenuItem* items = menu_->Items();
  for (int i = 0; i < items->Count(); ++i) {
    auto* button = new TToolButton(this);
    button->SetGrouped(true);
    button->SetAutoSize(true);
    button->SetParent(menuBar_);
    button->SetMenuItem(items->Items(i));
  }
  menuBar_->SetAutoSize(true);
  menuBar_->Invalidate();
}

void TzelForm::RefreshMenuBar() {
  if (menuBar_ == nullptr) return;
  for (int i = 0; i < menuBar_->ButtonCount(); ++i) menuBar_->Buttons(i)->UpdateFromMenuItem();
  menuBar_->Invalidate();
}

void TzelForm::RefreshMenuBarFont() {
  if (menuBar_ == nullptr) return;
  if (auto* menu = dynamic_cast<TzelMainMenu*>(menu_)) {
    TFont font;
    font.Assign(*menuBar_->Font());
    if (menu->UseSystemFont()) SetSystemMenuFont(font);
    else font.SetSize(menu->FontSize());
    menuBar_->SetFont(font);
  }
  menuBar_->ArrangeButtons();
  menuBar_->Invalidate();
}

// The look the bar draws in: the menu's when it is themed, else the frame's.
TzelUIStyle TzelForm::MenuLook(TzelFileTheme*& theme) const {
  TzelUIStyle look = uiStyle_;
  theme = fileTheme_;
  if (auto* menu = dynamic_cast<TzelMainMenu*>(menu_)) {
    look = menu->UIStyle();
    theme = menu->FileTheme();
  }
  return look;
}

void TzelForm::MenuBarCustomDraw(TToolBar* sender, const TRect& rect, bool& defaultDraw) {
  TzelFileTheme* theme = nullptr;
  TzelUIStyle look = MenuLook(theme);
  UsingFileTheme(theme, look, look);
  TCanvas& canvas = *sender->Canvas();
  TBitmap picture;
  if (look == MacOS && LoadResource("MACOS_MENU_BAR", picture)) {
    canvas.StretchDraw(rect, &picture);
    defaultDraw = false;
  } else if (MenuBarToColor() != menuBarColor_) {
    GradientFillV(canvas, rect, menuBarColor_, MenuBarToColor());
    defaultDraw = false;
  }
}

void TzelForm::SetMenuBarFont(TCanvas& canvas) const {
  auto* menu = dynamic_cast<TzelMainMenu*>(menu_);
  if (menu == nullptr) return;
  if (menu->UseSystemFont()) {
    SetSystemMenuFont(*canvas.Font());
    return;
  }
  canvas.Font()->SetName(menu->FontName());
  canvas.Font()->SetSize(menu->FontSize());
  canvas.Font()->SetCharset(menu->FontCharset());
  canvas.Font()->SetColor(menu->FontColor());
}

void TzelForm::MenuBarCustomDrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state,
                                       bool& defaultDraw) {
  defaultDraw = false;
  TzelFileTheme* theme = nullptr;
  TzelUIStyle look = MenuLook(theme);
  const TzelUIStyle chosen = look;
  const bool fromFile = UsingFileTheme(theme, chosen, look);
  // A theme file of the editor's build gives items by group; the older
  // build's file and the built-in looks give elements.
  auto color = [&](int item, int element) {
    if (fromFile && SkinFlavour() == zelCurrentBuild) return TColor(theme->GetColor(item));
    if (fromFile) return TColor(theme->GetColor(element));
    return TColor(GetBuiltInThemeColor(look, element));
  };

  TCanvas& canvas = *sender->Canvas();
  SetMenuBarFont(canvas);
  canvas.SetBkMode(TRANSPARENT);
  button->SetTag(0);
  TRect rect = button->BoundsRect();
  TRect text = rect;
  OffsetRect(text, 0, kCaptionDrop);
  const bool disabled = (state & cdsDisabled) != 0;
  if (!disabled && (state & (cdsHot | cdsSelected))) {
    button->SetTag(zelMenuBarHotTag);
    TBitmap picture;
    if (look == MacOS && LoadResource("MACOS_MENU_SELECT", picture)) {
      TBitmap face(std::max(1, rect.Width()), std::max(1, rect.Height()));
      TCanvas& faceCanvas = *face.Canvas();
      faceCanvas.StretchDraw(Rect(0, 0, face.Width(), face.Height()), &picture);
      faceCanvas.Font()->Assign(*canvas.Font());
      faceCanvas.Font()->SetColor(GetBuiltInThemeColor(MacOS, kElementMenuSelectedFontColor));
      faceCanvas.SetBkMode(TRANSPARENT);
      TRect inFace = Rect(0, kCaptionDrop, face.Width(), face.Height() + kCaptionDrop);
      DrawText(faceCanvas.Handle(), button->Caption(), inFace, kCaptionFormat);
      canvas.Draw(rect.Left, rect.Top, &face);
      return;
    }
    canvas.Brush()->SetColor(color(kTopSelectedMenuColor, kElementMenuSelectedColor));
    canvas.FillRect(rect);
    canvas.Brush()->SetColor(color(kTopSelectedMenuBorderColor, kElementMenuSelectedBorderColor));
    canvas.FrameRect(rect);
    canvas.Font()->SetColor(color(kTopSelectedMenuFontColor, kElementMenuSelectedFontColor));
  } else {
    canvas.Font()->SetColor(disabled ? kDisabledTextColor : color(kTopMenuFontColor, kElementMenuFontColor));
  }
  canvas.Brush()->SetStyle(bsClear);
  DrawText(canvas.Handle(), button->Caption(), text, kCaptionFormat);
}
