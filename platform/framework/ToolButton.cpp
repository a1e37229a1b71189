// Tool buttons: their state, grouping, the item they stand for, and the
// pointer (a press on a button with a sub-menu drops it down).

#include <algorithm>

#include "platform/framework/ToolBar.h"

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
  // The button follows the pointer itself: a press may open a modal menu.
  controlStyle_ &= ~(csCaptureMouse | csClickEvents | csDoubleClicks);
  SetBounds(0, 0, 23, 22);
  Publish("Style", &TToolButton::Style, &TToolButton::SetStyle);
  Publish("Down", &TToolButton::Down, &TToolButton::SetDown);
  Publish("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped);
  Publish("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp);
  Publish("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex);
  Publish("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap);
  Publish("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(parent_); }

int TToolButton::Index() const {
  TToolBar* bar = ToolBar();
  if (!bar) return -1;
  auto list = bar->ButtonList();
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TToolButton::BarChanged() {
  if (TToolBar* bar = ToolBar()) {
    bar->ArrangeButtons();
    bar->Invalidate();
  }
}

void TToolButton::SetStyle(TToolButtonStyle value) {
  style_ = value;
  BarChanged();
}

void TToolButton::SetDown(bool value) {
  if (value == down_) return;
  if (!value && grouped_ && !allowAllUp_ && style_ == tbsCheck) return;  // one of the group stays down
  down_ = value;
  if (value && grouped_) {
    // The neighbours up to the next non-grouped button form the group.
    if (TToolBar* bar = ToolBar()) {
      auto list = bar->ButtonList();
      int me = Index();
      for (int step : {-1, 1}) {
        for (int i = me + step; i >= 0 && i < static_cast<int>(list.size()); i += step) {
          TToolButton* other = list[static_cast<std::size_t>(i)];
          if (!other->grouped_ || other->style_ != style_) break;
          other->down_ = false;
        }
      }
    }
  }
  if (TToolBar* bar = ToolBar()) bar->Invalidate();
}

void TToolButton::SetImageIndex(int value) {
  imageIndex_ = value;
  BarChanged();
}

void TToolButton::SetWrap(bool value) {
  wrap_ = value;
  BarChanged();
}

void TToolButton::SetAutoSize(bool value) {
  TControl::SetAutoSize(value);
  BarChanged();
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  if (menuItem_) menuItem_->RemoveFreeNotification(this);
  menuItem_ = item;
  if (item) {
    item->FreeNotification(this);
    UpdateFromMenuItem();
  }
}

void TToolButton::UpdateFromMenuItem() {
  if (!menuItem_) return;
  SetCaption(menuItem_->Caption());
  SetEnabled(menuItem_->Enabled());
  SetVisible(menuItem_->Visible());
  imageIndex_ = menuItem_->ImageIndex();
  SetHint(menuItem_->Hint());
  BarChanged();
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == menuItem_) menuItem_ = nullptr;
}

void TToolButton::SetParent(TWinControl* parent) {
  TToolBar* old = ToolBar();
  TGraphicControl::SetParent(parent);
  if (old) old->ArrangeButtons();
  BarChanged();
}

void TToolButton::Click() {
  if (style_ == tbsCheck) SetDown(!down_);
  TGraphicControl::Click();
  if (menuItem_ && menuItem_->Count() == 0) menuItem_->Click();
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled() || style_ == tbsSeparator || style_ == tbsDivider) return;
  TToolBar* bar = ToolBar();
  if (HasMenu() && bar) {
    bar->TrackMenu(this);
    return;
  }
  pressed_ = true;
  SetMouseCapture(true);
  if (bar) bar->Invalidate();
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !pressed_) return;
  pressed_ = false;
  SetMouseCapture(false);
  if (TToolBar* bar = ToolBar()) bar->Invalidate();
  if (x >= 0 && y >= 0 && x < Width() && y < Height()) Click();
}

void TToolButton::CMMouseEnter(TMessage& m) {
  TGraphicControl::CMMouseEnter(m);
  hot_ = true;
  if (TToolBar* bar = ToolBar()) bar->Invalidate();
}

void TToolButton::CMMouseLeave(TMessage& m) {
  TGraphicControl::CMMouseLeave(m);
  hot_ = false;
  if (TToolBar* bar = ToolBar()) bar->Invalidate();
}

void TToolButton::CMTextChanged(TMessage& m) {
  TGraphicControl::CMTextChanged(m);
  BarChanged();
}

void TToolButton::CMEnabledChanged(TMessage& m) {
  TGraphicControl::CMEnabledChanged(m);
  if (TToolBar* bar = ToolBar()) bar->Invalidate();
}

void TToolButton::CMVisibleChanged(TMessage& m) {
  TGraphicControl::CMVisibleChanged(m);
  BarChanged();
}

