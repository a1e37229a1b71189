// The menu of a form: shown as a bar at the top of the form while it is the
// form's Menu, with its shortcuts, F10 and Alt taken from the keys the
// application's loop hands out.

#include "platform/framework/Forms.h"
#include "platform/framework/Menus.h"
#include "platform/framework/ToolBar.h"

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {
  form_ = dynamic_cast<TCustomForm*>(owner);
  if (form_) HookForm();
}

TMainMenu::~TMainMenu() {
  Destroying();
  UnhookForm();
  if (bar_ && form_ && !form_->IsDestroying()) {
    bar_->RemoveFreeNotification(this);
    delete bar_;
  }
}

// The form's window procedure is chained, so the bar follows the form's
// Menu when the form is shown and Alt+letter opens the bar's menus. Once
// the menu is gone the hook only passes messages on, so hooks set on the
// form after it stay intact.
void TMainMenu::HookForm() {
  hook_ = std::make_shared<THook>();
  hook_->menu = this;
  hook_->saved = form_->WindowProc;
  std::shared_ptr<THook> hook = hook_;
  form_->WindowProc = [hook](TMessage& m) {
    if (hook->menu) hook->menu->FormWindowProc(m);
    else hook->saved(m);
  };
}

void TMainMenu::UnhookForm() {
  if (hook_) hook_->menu = nullptr;
}

void TMainMenu::FormWindowProc(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR && bar_ && (m.LParam & 0x20000000) && bar_->TrackAccelerator(static_cast<char32_t>(m.WParam))) {
    m.Result = 1;
    return;
  }
  hook_->saved(m);
  // The form's Menu is a plain field: the bar catches up when the form is
  // shown, activated or resized.
  bool barWanted = form_->Menu() == this;
  if ((m.Msg == CM_VISIBLECHANGED || m.Msg == WM_SHOWWINDOW || m.Msg == CM_MENUCHANGED || m.Msg == WM_ACTIVATE ||
       m.Msg == WM_SIZE) &&
      barWanted != (bar_ != nullptr))
    UpdateMenuBar();
}

void TMainMenu::UpdateMenuBar() {
  if (!form_ || form_->IsDestroying()) return;
  bool wanted = form_->Menu() == this;
  if (wanted && !bar_) {
    bar_ = new TMenuBar(nullptr, this);
    bar_->FreeNotification(this);  // the form frees it with its children
    bar_->SetParent(form_);
  } else if (!wanted && bar_) {
    delete bar_;
    return;
  }
  if (bar_) bar_->RebuildButtons();
}

void TMainMenu::MenuChanged(TMenuItem* item) {
  TMenu::MenuChanged(item);
  if (bar_) bar_->RefreshButtons();
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == bar_) bar_ = nullptr;
  if (operation == opRemove && component == form_) {
    bar_ = nullptr;  // freed with the form
    form_ = nullptr;
  }
}

// ---- Keys from the application's loop ---------------------------------------------------

bool IsMenuShortCut(HWND window, const TMessage& keyMessage) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control) return false;
  for (TControl* c = control; c; c = c->Parent())
    if (TPopupMenu* menu = c->PopupMenu(); menu && menu->IsShortCut(keyMessage)) return true;
  TCustomForm* form = control->ParentForm();
  if (!form) form = dynamic_cast<TCustomForm*>(control);
  return form && form->Menu() && form->Menu()->IsShortCut(keyMessage);
}

namespace {

TMenuBar* MenuBarOf(HWND window) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control) return nullptr;
  TCustomForm* form = control->ParentForm();
  if (!form) form = dynamic_cast<TCustomForm*>(control);
  return form && form->Menu() ? form->Menu()->MenuBarControl() : nullptr;
}

// Alt pressed and released alone, or F10, opens the form's menu bar
// (Shift+F10 asks for the focused control's context menu instead).
void FilterMenuKeys(MSG& msg, bool& handled) {
  static bool altAlone = false;
  if (detail::MenuTracking()) return;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    TMessage m{msg.message, msg.wParam, msg.lParam, 0};
    altAlone = msg.wParam == VK_MENU;
    if (msg.wParam == VK_F10 && msg.message == WM_SYSKEYDOWN && GetKeyState(VK_SHIFT) >= 0) {
      if (TMenuBar* bar = MenuBarOf(msg.hwnd)) {
        handled = true;
        bar->TrackKeyboard();
      }
      return;
    }
    if (IsMenuShortCut(msg.hwnd, m)) handled = true;
  } else if (msg.message == WM_SYSKEYUP && msg.wParam == VK_MENU && altAlone) {
    altAlone = false;
    if (TMenuBar* bar = MenuBarOf(msg.hwnd)) {
      handled = true;
      bar->TrackKeyboard();
    }
  } else if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) {
    altAlone = false;
  }
}

}  // namespace

void InstallMenuKeyFilter() {
  static bool installed = false;
  if (installed || !Application) return;
  installed = true;
  Application->AddMessageFilter(FilterMenuKeys);
}
