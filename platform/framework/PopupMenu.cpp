// Context menus: shown at a screen point, tracked modally, and the chosen
// item clicked once the menu is gone.

#include "platform/framework/Forms.h"
#include "platform/framework/Menus.h"

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
  Publish("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup);
  Publish("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment);
}

void TPopupMenu::DoPopup(TObject* sender) {
  if (OnPopup) OnPopup(sender);
}

namespace {

// The window that hears the menu messages: the menu's own, else the form
// of the control the menu is shown for, else the active window.
HWND MenuOwnerWindow(TMenu* menu, TComponent* popupComponent) {
  if (menu->WindowHandle()) return menu->WindowHandle();
  if (auto* control = dynamic_cast<TControl*>(popupComponent))
    if (TCustomForm* form = control->ParentForm(); form && form->HandleAllocated()) return form->Handle();
  return GetActiveWindow();
}

}  // namespace

void TPopupMenu::Popup(int x, int y) {
  if (TMenuItem* chosen = PopupItems(Items(), x, y)) chosen->Click();
}

TMenuItem* TPopupMenu::PopupItems(TMenuItem* root, int x, int y) {
  if (detail::MenuTracking()) return nullptr;  // one menu at a time
  popupPoint_ = {x, y};
  DoPopup(this);
  HWND owner = MenuOwnerWindow(this, popupComponent_);
  return detail::TrackMenu(this, root, {x, y}, owner, nullptr, false, alignment_).Chosen;
}

bool ShowContextMenu(TControl* control, TPoint screenPoint) {
  for (TControl* c = control; c; c = c->Parent()) {
    TPopupMenu* menu = c->PopupMenu();
    if (!menu || !menu->AutoPopup()) continue;
    menu->SetPopupComponent(c);
    menu->Popup(screenPoint.X, screenPoint.Y);
    return true;
  }
  return false;
}
