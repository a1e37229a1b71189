// The form frame: taking the form over and giving it back, its properties
// and the looks it applies.

#include "skin/ZELForm.h"

#include <algorithm>
#include <utility>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELFormItems.h"
#include "skin/ZELPublic.h"

using namespace zelform;

namespace {

// Native border thicknesses outside this range are taken as this.
constexpr int kMaxNativeBorder = 12;
constexpr int kDefaultNativeBorder = 4;
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED
constexpr UINT kFrameChangedFlags = 0x37;

int NativeBorder(int measured) {
  return measured < 0 || measured > kMaxNativeBorder ? kDefaultNativeBorder : measured;
}

int BitmapWidth(const TBitmap* bitmap) { return bitmap ? bitmap->Width() : 0; }
int BitmapHeight(const TBitmap* bitmap) { return bitmap ? bitmap->Height() : 0; }

}  // namespace

// ---- Creation and destruction --------------------------------------------------------

TzelForm::TzelForm(TComponent* owner) : TCustomPanel(owner) {
  using F = TzelForm;
  Publish("TitleBarCustom", &F::TitleBarCustom, &F::SetTitleBarCustom);
  Publish("FileTheme", &F::FileTheme, &F::SetFileTheme);
  Publish("UIStyle", &F::UIStyle, &F::SetUIStyle);
  Publish("UIStyleAutoUpdateSub", &F::UIStyleAutoUpdateSub, &F::SetUIStyleAutoUpdateSub);
  Publish("BorderColor", &F::BorderColor, &F::SetBorderColor);
  Publish("BorderWidth", &F::BorderWidth, &F::SetBorderWidth);
  Publish("TitleBarVisible", &F::TitleBarVisible, &F::SetTitleBarVisible);
  Publish("Caption", &F::Caption, &F::SetCaption);
  Publish("FormPanel", &F::FormPanel, &F::SetFormPanel);
  Publish("TitleBarDrawAppIcon", &F::TitleBarDrawAppIcon, &F::SetTitleBarDrawAppIcon);
  Publish("Menu", &F::Menu, &F::SetMenu);
  Publish("MenuBarColor", &F::MenuBarColor, &F::SetMenuBarColor);
  Publish("MenuBarHeight", &F::MenuBarHeight, &F::SetMenuBarHeight);
  Publish("RoundCorner", &F::RoundCorner, &F::SetRoundCorner);
  Publish("RoundCornerBottom", &F::RoundCornerBottom, &F::SetRoundCornerBottom);
  Publish("Version", &F::Version, &F::SetVersion);
  if (SkinFlavour() == zelCurrentBuild) {
    Publish("MenuBarToColor", &F::MenuBarToColor, &F::SetMenuBarToColor);
    Publish("About", &F::About, &F::SetAbout);
    Publish("InactiveCaptionColor", &F::InactiveCaptionColor, &F::SetInactiveCaptionColor);
  }
  form_ = dynamic_cast<TCustomForm*>(owner);
  if (form_ == nullptr) return;  // a plain panel
  CheckSingleFrame();
  TakeOverForm();
}

TzelForm::~TzelForm() {
  Destroying();
  // The form frees its components before its window goes: its end is now.
  // Once the form part of the owner has gone (the screen no longer lists
  // it), only its component part may be asked anything.
  if (form_ != nullptr && form_->IsDestroying() && !destroying_) {
    if (!ScreenListsForm()) {
      if (wasMDIChild_) MDIChildGone(zoomedMDIWindow_);
    } else if (IsMDIChild() && form_->HandleAllocated()) {
      MDIChildDestroyed();
    }
  }
  destroying_ = true;
  // Hooks first, so nothing reaches a frame that is going.
  if (formHook_) formHook_->Release();
  appEvents_.reset();
  if (auto* menu = dynamic_cast<TzelMainMenu*>(menu_)) menu->SetFrame(nullptr);
  GiveFormBack();
  delete std::exchange(menuBar_, nullptr);
  delete std::exchange(titleBar_, nullptr);
  bottomPicture_.reset();
}

void TzelForm::CheckSingleFrame() {
  for (int i = 0; i < form_->ControlCount(); ++i)
    if (form_->Controls(i)->ClassName() == "TzelForm")
      throw EComponentError("Sorry, You can create only one TzelForm component in one form!");
}

void TzelForm::TakeOverForm() {
  // Forms without a sizing frame get a dialog frame, which the frame's own
  // border replaces; the thicknesses are measured on the frame kept.
  const TFormBorderStyle style = form_->BorderStyle();
  borderStyleBefore_ = style;
  if (style == bsNone || style == bsSingle || style == bsToolWindow) form_->SetBorderStyle(bsDialog);
  MeasureNativeBorders();

  bottomPicture_ = std::make_unique<TBitmap>();
  bottomPicture_->SetPixelFormat(pf24bit);
  form_->SetBorderWidth(0);
  createdBounds_ = form_->BoundsRect();
  startedMaximized_ = form_->WindowState() == wsMaximized;

  SetParent(form_);
  titleBar_ = new TzelTitleBar(this);
  titleBar_->SetParent(this);
  titleBar_->SetAlign(alTop);

  menuBarColor_ = menuBarToColor_ = Color();
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  TCustomPanel::SetBorderStyle(bsNone);
  SetAlign(alClient);
  SetUIStyle(DeepBlue);
  SetCaption(form_->Caption());
  SetTitleBarVisible(true);
  TControl::SetText(" ");

  ClearCaptionBits();
  formHook_ = std::make_unique<TWindowProcHook>(
      *form_, [this](TMessage& message, const TWindowProcHook::TChain& chain) { FormWindowProc(message, chain); });
  appEvents_ = std::make_unique<TApplicationEvents>(nullptr);
  appEvents_->OnMessage = [this](MSG& message, bool& handled) { ApplicationMessage(message, handled); };
  FrameChanged();
  UpdateFormRegion();
}

void TzelForm::MeasureNativeBorders() {
  if (IsMDIChild()) {
    // The MDI frame knows its children's borders; one that does not answer gives 0.
    TCustomForm* mainForm = Application->MainForm();
    const HWND frame = mainForm && mainForm->HandleAllocated() ? mainForm->Handle() : nullptr;
    nativeBottom_ = NativeBorder(frame ? static_cast<int>(SendMessage(frame, ZEL_GETMDIBOTTOMBORDER, 0, 0)) : 0);
    nativeLeft_ = NativeBorder(frame ? static_cast<int>(SendMessage(frame, ZEL_GETMDILEFTBORDER, 0, 0)) : 0);
    return;
  }
  form_->HandleNeeded();
  const TPoint clientTopLeft = form_->ClientToScreen({0, 0});
  const TPoint clientBottom = form_->ClientToScreen({0, form_->ClientHeight()});
  nativeBottom_ = NativeBorder(form_->Top() + form_->Height() - clientBottom.Y);
  nativeLeft_ = NativeBorder(clientTopLeft.X - form_->Left());
}

// The form gets its caption and its own frame back; its border style stays.
void TzelForm::GiveFormBack() {
  if (form_ == nullptr || form_->IsDestroying() || !form_->HandleAllocated()) return;
  const HWND window = form_->Handle();
  SetWindowLong(window, GWL_STYLE, GetWindowLong(window, GWL_STYLE) | WS_CAPTION);
  SetWindowRgn(window, nullptr, true);
  FrameChanged();
}

void TzelForm::ClearCaptionBits() {
  if (!form_->HandleAllocated()) return;
  const HWND window = form_->Handle();
  SetWindowLong(window, GWL_STYLE, GetWindowLong(window, GWL_STYLE) & ~WS_CAPTION);
}

// The window system measures the non-client area anew.
void TzelForm::FrameChanged() {
  if (form_ != nullptr && form_->HandleAllocated())
    SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0, kFrameChangedFlags);
}

// ---- Look -------------------------------------------------------------------------------

void TzelForm::SetFileTheme(TzelFileTheme* value) {
  if (value == fileTheme_) return;
  // The editor's dialogs take the main window's theme while they load.
  if (form_ && form_->IsLoading() && value && value->Owner() != form_)
    form_->SetClientSize(form_->ClientWidth() + 4, form_->ClientHeight() + 3);
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  SetUIStyle(uiStyle_);
}

bool TzelForm::ThemeFileInUse() const {
  TzelUIStyle look = uiStyle_;
  return UsingFileTheme(fileTheme_, uiStyle_, look) && SkinFlavour() == zelCurrentBuild;
}

void TzelForm::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  if (!Dressing()) return;
  const TRect bounds = form_->BoundsRect();
  TzelUIStyle look = value;
  if (!UsingFileTheme(fileTheme_, value, look)) ApplyElementLook(look, nullptr);
  else if (SkinFlavour() == zelOlderBuild) ApplyElementLook(look, fileTheme_);
  else ApplyFileThemeLook();

  titleBar_->SetFileTheme(fileTheme_);
  titleBar_->SetUIStyle(value);
  if (auto* menu = dynamic_cast<TzelMainMenu*>(menu_)) {
    menu->SetUIStyle(value);
    menu->SetFileTheme(fileTheme_);
  }
  if (autoUpdateSub_) ApplyThemeToChildren(*this, value, fileTheme_);
  if (menuBar_) menuBar_->SetColor(menuBarColor_);
  // An MDI child keeps its place whatever the new border takes.
  if (IsMDIChild()) form_->SetBoundsRect(bounds);
  FrameChanged();
  Invalidate();
  PaintFormBorder();
  UpdateFormRegion();
  form_->Constraints()->SetMinHeight(MenuBarHeight() + titleBar_->Height() + skinBottom_ + kTitleBorderRows);
}

void TzelForm::ApplyFileThemeLook() {
  const TzelFileTheme& theme = *fileTheme_;
  SetColor(theme.GetColor(kFormColor));
  menuBarColor_ = theme.GetColor(kMenuBarStartColor);
  menuBarToColor_ = theme.GetColor(kMenuBarEndColor);
  skinLeft_ = BitmapWidth(theme.GetBitmap(kLeftBorder));
  skinRight_ = BitmapWidth(theme.GetBitmap(kRightBorder));
  skinBottom_ = BitmapHeight(theme.GetBitmap(kBottomBorder1));
  transparentColor_ = theme.GetColor(kTransColor);
  titleNeedsRegion_ = theme.GetBool(kTitleNeedsRegion);
  bottomNeedsRegion_ = theme.GetBool(kBottomNeedsRegion);
  titleRegionMinY_ = theme.GetInteger(kTitleRegionMinY);
  titleRegionMaxY_ = theme.GetInteger(kTitleRegionMaxY);
  bottomRegionMinY_ = theme.GetInteger(kBottomRegionMinY);
  bottomRegionMaxY_ = theme.GetInteger(kBottomRegionMaxY);
}

void TzelForm::ApplyElementLook(TzelUIStyle look, const TzelFileTheme* olderTheme) {
  auto color = [&](int element) {
    return olderTheme ? olderTheme->GetColor(element) : GetBuiltInThemeColor(look, element);
  };
  auto integer = [&](int element) {
    return olderTheme ? olderTheme->GetInteger(element) : GetBuiltInThemeInteger(look, element);
  };
  titleBar_->SetRoundCornerBottom(0);
  skinLeft_ = skinRight_ = skinBottom_ = 0;
  transparentColor_ = zelSkinTransparentColor;
  titleNeedsRegion_ = bottomNeedsRegion_ = false;
  borderColor_ = color(kElementBorderColor);
  borderWidth_ = integer(kElementBorderWidth);
  SetColor(color(kElementFormColor));
  menuBarColor_ = menuBarToColor_ = Color();
  titleBar_->SetRoundCorner(integer(kElementRoundCorner));
}

void TzelForm::SetBorderColor(TColor value) {
  borderColor_ = value;
  PaintFormBorder();
}

void TzelForm::SetBorderWidth(int value) {
  borderWidth_ = value;
  PaintFormBorder();
}

int TzelForm::RoundCorner() const { return titleBar_ && titleBar_->Visible() ? titleBar_->RoundCorner() : 0; }

void TzelForm::SetRoundCorner(int value) {
  if (titleBar_ == nullptr) return;
  titleBar_->SetRoundCorner(value);
  UpdateFormRegion();
}

int TzelForm::RoundCornerBottom() const {
  return titleBar_ && titleBar_->Visible() ? titleBar_->RoundCornerBottom() : 0;
}

void TzelForm::SetRoundCornerBottom(int value) {
  if (titleBar_ == nullptr) return;
  titleBar_->SetRoundCornerBottom(value);
  UpdateFormRegion();
}

// ---- Title bar --------------------------------------------------------------------------

bool TzelForm::TitleBarVisible() const { return titleBar_ && titleBar_->Visible(); }

void TzelForm::SetTitleBarVisible(bool value) {
  if (titleBar_ == nullptr || value == titleBar_->Visible()) return;
  if (!selfChange_) titleBarWanted_ = value;
  titleBar_->SetVisible(value);
  KeepTitleBarOnTop();
  PaintFormBorder();
}

void TzelForm::SetTitleBarShownByFrame(bool value) {
  selfChange_ = true;
  SetTitleBarVisible(value);
  selfChange_ = false;
}

void TzelForm::KeepTitleBarOnTop() {
  if (titleBar_ == nullptr) return;
  titleBar_->SetTop(0);
  if (menuBar_) menuBar_->SetTop(titleBar_->Visible() ? titleBar_->Height() : 0);
}

bool TzelForm::TitleBarCustom() const { return titleBar_ && titleBar_->Custom(); }

void TzelForm::SetTitleBarCustom(bool value) {
  if (titleBar_) titleBar_->SetCustom(value);
}

TzelTitleBarButtons* TzelForm::TitleBarButtons() const { return titleBar_ ? titleBar_->Buttons() : nullptr; }

void TzelForm::SetTitleBarButtons(const TzelTitleBarButtons* value) {
  if (titleBar_) titleBar_->SetButtons(value);
}

TzelTitleBarSections* TzelForm::TitleBarSections() const { return titleBar_ ? titleBar_->Sections() : nullptr; }

void TzelForm::SetTitleBarSections(const TzelTitleBarSections* value) {
  if (titleBar_) titleBar_->SetSections(value);
}

bool TzelForm::TitleBarDrawAppIcon() const { return titleBar_ == nullptr || titleBar_->DrawAppIcon(); }

void TzelForm::SetTitleBarDrawAppIcon(bool value) {
  if (titleBar_) titleBar_->SetDrawAppIcon(value);
}

TColor TzelForm::InactiveCaptionColor() const {
  return titleBar_ ? titleBar_->InactiveCaptionColor() : clInactiveCaption;
}

void TzelForm::SetInactiveCaptionColor(TColor value) {
  if (titleBar_) titleBar_->SetInactiveCaptionColor(value);
}

std::string TzelForm::Caption() const { return titleBar_ ? titleBar_->Caption() : TControl::Caption(); }

void TzelForm::SetCaption(const std::string& value) {
  if (titleBar_) titleBar_->SetCaption(value);
  if (form_) form_->SetCaption(value);
}

TFont* TzelForm::Font() { return titleBar_ ? titleBar_->Font() : TControl::Font(); }

void TzelForm::SetOnTitleBarCustomBtnsClick(TzelTitleBarButtonClickEvent handler) {
  if (titleBar_) titleBar_->OnCustomBtnsClick = std::move(handler);
}

void TzelForm::SetOnTitleBarHelpBtnClick(TzelTitleBarButtonClickEvent handler) {
  if (titleBar_) titleBar_->OnHelpBtnClick = std::move(handler);
}

// ---- Other properties ---------------------------------------------------------------------

std::string TzelForm::About() const { return "ZEL skin components for Velmora"; }

void TzelForm::SetFormPanel(TCustomPanel* value) {
  if (value == this) {
    Application->MessageBox("Sorry, you can't select the Form assign to FormPanel property", Application->Title(),
                            MB_OK | MB_ICONERROR);
    return;
  }
  if (formPanel_) formPanel_->RemoveFreeNotification(this);
  formPanel_ = value;
  if (formPanel_ == nullptr) return;
  formPanel_->FreeNotification(this);
  formPanel_->SetAlign(alClient);
  if (formPanel_->ClassName() != "TzelImagePanel") {
    formPanel_->SetBevelInner(bvNone);
    formPanel_->SetBevelOuter(bvNone);
    formPanel_->SetBorderStyle(bsNone);
  }
  formPanel_->SetCaption("");
}

void TzelForm::Loaded() {
  TCustomPanel::Loaded();
  if (IsMDIChild()) UpdateFormRegion();
}

void TzelForm::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  if (component == formPanel_) formPanel_ = nullptr;
  if (component == menu_) {
    menu_ = nullptr;
    FreeMenuBar();
  }
  if (component == fileTheme_) {
    fileTheme_ = nullptr;
    if (!destroying_) {
      ApplyThemeToChildren(*this, DeepBlue, nullptr);
      SetUIStyle(DeepBlue);
    }
  }
}
