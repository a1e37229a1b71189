// Tool bars: layout of the buttons in rows, the plain flat look with
// custom drawing ahead of it, and the bar's own menu tracking.

#include <algorithm>

#include "platform/framework/ToolBar.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawText.h"

namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kEdge = 2;
constexpr int kCaptionPadding = 12;

void Line(TCanvas* canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas->Pen()->SetColor(color);
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

// A one-pixel frame: light on the top and left, dark on the bottom and right.
void Frame(TCanvas* canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
  Line(canvas, topLeft, r.Left, r.Bottom - 1, r.Left, r.Top);
  Line(canvas, topLeft, r.Left, r.Top, r.Right - 1, r.Top);
  Line(canvas, bottomRight, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
  Line(canvas, bottomRight, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
}

}  // namespace

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csAcceptsControls;
  SetAlign(alTop);
  SetBounds(0, 0, 150, 29);
  Publish("Flat", &TToolBar::Flat, &TToolBar::SetFlat);
  Publish("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions);
  Publish("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth);
  Publish("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight);
  Publish("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable);
  Publish("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders);
  Publish("Indent", &TToolBar::Indent, &TToolBar::SetIndent);
  Publish("Menu", &TToolBar::Menu, &TToolBar::SetMenu);
}

TToolBar::~TToolBar() { Destroying(); }

std::vector<TToolButton*> TToolBar::ButtonList() const {
  std::vector<TToolButton*> list;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* button = dynamic_cast<TToolButton*>(Controls(i))) list.push_back(button);
  return list;
}

std::vector<TToolButton*> TToolBar::MenuButtons() const {
  std::vector<TToolButton*> list;
  for (TToolButton* b : ButtonList())
    if (b->Visible() && b->Enabled() && b->HasMenu()) list.push_back(b);
  return list;
}

void TToolBar::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}
void TToolBar::SetImages(TImageList* value) {
  images_ = value;
  ArrangeButtons();
  Invalidate();
}
void TToolBar::SetShowCaptions(bool value) {
  showCaptions_ = value;
  ArrangeButtons();
}
void TToolBar::SetButtonWidth(int value) {
  buttonWidth_ = std::max(1, value);
  ArrangeButtons();
}
void TToolBar::SetButtonHeight(int value) {
  buttonHeight_ = std::max(1, value);
  ArrangeButtons();
}
void TToolBar::SetWrapable(bool value) {
  wrapable_ = value;
  ArrangeButtons();
}
void TToolBar::SetEdgeBorders(TEdgeBorders value) {
  edgeBorders_ = value;
  ArrangeButtons();
  Invalidate();
}
void TToolBar::SetIndent(int value) {
  indent_ = std::max(0, value);
  ArrangeButtons();
}
void TToolBar::SetAutoSize(bool value) {
  TControl::SetAutoSize(value);
  ArrangeButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == menu_) {
    menu_ = nullptr;
    FreeMenuButtons();
  }
  if (component == tempMenu_) tempMenu_ = nullptr;
  if (component == dropped_) dropped_ = nullptr;
}

void TToolBar::FreeMenuButtons() {
  for (TToolButton* b : ButtonList())
    if (b->Owner() == this && b->MenuItem()) delete b;
}

void TToolBar::SetMenu(TMenu* menu) {
  if (menu_ && menu_ != menu) menu_->RemoveFreeNotification(this);
  FreeMenuButtons();
  menu_ = menu;
  if (!menu) return;
  menu->FreeNotification(this);
  DisableAlign();
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    auto* button = new TToolButton(this);
    button->SetGrouped(true);
    button->SetAutoSize(true);
    button->SetParent(this);
    button->SetMenuItem(menu->Items()->Items(i));
  }
  EnableAlign();
  ArrangeButtons();
  Invalidate();
}

TSize TToolBar::ButtonSize(TToolButton* button) {
  if (button->Style() == tbsSeparator || button->Style() == tbsDivider)
    return {button->Width() > 0 ? std::min(button->Width(), kSeparatorWidth) : kSeparatorWidth, buttonHeight_};
  int width = buttonWidth_;
  bool captions = showCaptions_ && !button->Caption().empty();
  if (captions) {
    TCanvas* canvas = Canvas();
    canvas->SetFont(*Font());
    TRect text = Rect(0, 0, 0, 0);
    DrawText(canvas->Handle(), button->Caption(), text, DT_CALCRECT | DT_SINGLELINE);
    int needed = text.Width() + kCaptionPadding;
    if (images_ && button->ImageIndex() >= 0) needed = std::max(needed, images_->Width() + 7);
    width = button->AutoSize() ? needed : std::max(width, needed);
  }
  return {width, buttonHeight_};
}

void TToolBar::ArrangeButtons() {
  if (arranging_ || IsDestroying()) return;
  arranging_ = true;
  TEdgeBorders edges = EdgeBorders();
  int left = (edges & ebLeft ? kEdge : 0) + indent_;
  int top = edges & ebTop ? kEdge : 0;
  int right = Width() - (edges & ebRight ? kEdge : 0);
  int x = left, y = top, rowHeight = 0;
  bool breakAfter = false;
  for (TToolButton* button : ButtonList()) {
    if (!button->Visible()) continue;
    TSize size = ButtonSize(button);
    bool wraps = breakAfter || (wrapable_ && x > left && x + size.cx > right);
    if (wraps) {
      x = left;
      y += rowHeight;
      rowHeight = 0;
    }
    button->SetBounds(x, y, size.cx, size.cy);
    x += size.cx;
    rowHeight = std::max(rowHeight, size.cy);
    breakAfter = button->Wrap();
  }
  if (AutoSize()) {
    int height = y + rowHeight + (edges & ebBottom ? kEdge : 0);
    if (rowHeight == 0) height = top + buttonHeight_ + (edges & ebBottom ? kEdge : 0);
    if (height != Height()) SetHeight(height);
  }
  arranging_ = false;
}

void TToolBar::AlignControls(TControl*, TRect&) { ArrangeButtons(); }

TToolButton* TToolBar::ButtonAtPos(TPoint client) const {
  for (TToolButton* b : ButtonList())
    if (b->Visible() && PtInRect(b->BoundsRect(), client)) return b;
  return nullptr;
}

TCustomDrawState TToolBar::ButtonState(TToolButton* button) const {
  TCustomDrawState state = 0;
  if (button->IsPressed() || button == dropped_) state |= cdsSelected;
  if (!button->Enabled()) state |= cdsDisabled | cdsGrayed;
  if (button->Down()) state |= cdsChecked;
  if (button->IsHot() && button->Enabled()) state |= cdsHot;
  return state;
}

void TToolBar::Paint() {
  TCanvas* canvas = Canvas();
  TRect client = ClientRect();
  bool defaultDraw = true;
  if (OnCustomDraw) OnCustomDraw(this, client, defaultDraw);
  if (defaultDraw) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    TEdgeBorders edges = EdgeBorders();
    int r = client.Right - 1, b = client.Bottom - 1;
    if (edges & ebTop) {
      Line(canvas, clBtnShadow, 0, 0, client.Right, 0);
      Line(canvas, clBtnHighlight, 0, 1, client.Right, 1);
    }
    if (edges & ebBottom) {
      Line(canvas, clBtnShadow, 0, b - 1, client.Right, b - 1);
      Line(canvas, clBtnHighlight, 0, b, client.Right, b);
    }
    if (edges & ebLeft) Line(canvas, clBtnHighlight, 0, 0, 0, client.Bottom);
    if (edges & ebRight) Line(canvas, clBtnShadow, r, 0, r, client.Bottom);
  }
  for (TToolButton* button : ButtonList()) {
    if (!button->Visible()) continue;
    TCustomDrawState state = ButtonState(button);
    bool drawIt = true;
    canvas->SetFont(*Font());
    if (OnCustomDrawButton) OnCustomDrawButton(this, button, state, drawIt);
    if (drawIt) DrawButton(button, state);
  }
}

void TToolBar::DrawButton(TToolButton* button, TCustomDrawState state) {
  TCanvas* canvas = Canvas();
  TRect r = button->BoundsRect();
  if (button->Style() == tbsSeparator) return;
  if (button->Style() == tbsDivider) {
    int x = r.Left + r.Width() / 2 - 1;
    Line(canvas, clBtnShadow, x, r.Top + 2, x, r.Bottom - 2);
    Line(canvas, clBtnHighlight, x + 1, r.Top + 2, x + 1, r.Bottom - 2);
    return;
  }
  bool sunken = state & (cdsSelected | cdsChecked);
  if (state & cdsChecked && !(state & cdsSelected)) {
    canvas->Brush()->SetColor(cl3DLight);
    canvas->FillRect(r);
  }
  if (sunken) Frame(canvas, r, clBtnShadow, clBtnHighlight);
  else if (!flat_ || (state & cdsHot)) Frame(canvas, r, clBtnHighlight, clBtnShadow);
  int shift = sunken ? 1 : 0;
  bool enabled = !(state & cdsDisabled);
  bool hasImage = images_ && button->ImageIndex() >= 0 && button->ImageIndex() < images_->Count();
  bool caption = showCaptions_ && !button->Caption().empty();
  int textHeight = caption ? canvas->TextHeight("Wg") : 0;
  if (hasImage) {
    int imageTop = caption ? r.Top + 3 : r.Top + (r.Height() - images_->Height()) / 2;
    images_->Draw(canvas, r.Left + (r.Width() - images_->Width()) / 2 + shift, imageTop + shift, button->ImageIndex(),
                  enabled);
  }
  if (caption) {
    TRect text = r;
    if (hasImage) text.Top = r.Bottom - textHeight - 3;
    OffsetRect(text, shift, shift);
    canvas->SetBkMode(TRANSPARENT);
    canvas->SetTextColor(enabled ? Font()->Color() : clGrayText);
    DrawText(canvas->Handle(), button->Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

void TToolBar::TrackMenu(TToolButton* button, bool fromKeyboard) {
  if (detail::MenuTracking() || !button) return;
  std::vector<TToolButton*> menuButtons = MenuButtons();
  auto it = std::find(menuButtons.begin(), menuButtons.end(), button);
  if (it == menuButtons.end()) return;
  int current = static_cast<int>(it - menuButtons.begin());
  if (!tempMenu_) {
    // Owned by the bar, so whoever watches the bar's components sees it;
    // inserted once made, so that they see a whole popup menu.
    tempMenu_ = new TPopupMenu(nullptr);
    InsertComponent(tempMenu_);
  }
  TMenuItem* chosen = nullptr;
  while (current >= 0) {
    TToolButton* b = menuButtons[static_cast<std::size_t>(current)];
    TMenuItem* item = b->MenuItem();
    if (!item || item->Count() == 0) break;
    dropped_ = b;
    Invalidate();
    Update();
    if (tempMenu_->OnPopup) tempMenu_->OnPopup(tempMenu_);
    item->Click();  // lets the item bring its sub-items up to date
    detail::TMenuBarLink link;
    link.Current = current;
    link.Count = static_cast<int>(menuButtons.size());
    link.ButtonAt = [this, &menuButtons](TPoint screen) {
      TPoint p = ScreenToClient(screen);
      for (std::size_t i = 0; i < menuButtons.size(); ++i)
        if (PtInRect(menuButtons[i]->BoundsRect(), p)) return static_cast<int>(i);
      return -1;
    };
    TMenu* look = item->GetParentMenu() ? item->GetParentMenu() : tempMenu_;
    TPoint at = ClientToScreen({b->Left(), b->Top() + b->Height()});
    HWND owner = ParentForm() && ParentForm()->HandleAllocated() ? ParentForm()->Handle() : nullptr;
    detail::TMenuTrackResult result;
    try {
      result = detail::TrackMenu(look, item, at, owner, &link, fromKeyboard);
    } catch (...) {
      dropped_ = nullptr;
      Invalidate();
      throw;
    }
    dropped_ = nullptr;
    chosen = result.Chosen;
    current = result.SwitchTo;
  }
  Invalidate();
  if (chosen) chosen->Click();
}

bool TToolBar::TrackAccelerator(char32_t ch) {
  for (TToolButton* b : ButtonList()) {
    if (!b->Visible() || !b->Enabled() || !IsAccel(ch, b->Caption())) continue;
    if (b->HasMenu()) TrackMenu(b, true);
    else b->Click();
    return true;
  }
  return false;
}

void TToolBar::CMDialogChar(TMessage& m) {
  // Accelerators of captions need Alt, or the bar's menu being in use.
  if ((m.LParam & 0x20000000) && TrackAccelerator(static_cast<char32_t>(m.WParam))) {
    m.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(m);
}
