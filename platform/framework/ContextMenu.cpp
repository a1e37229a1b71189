#include "platform/framework/Controls.h"
#include "platform/framework/Menus.h"

namespace {

// From the keyboard there is no pointer position: the menu opens a little
// inside the focused control's top-left corner.
constexpr int kKeyboardMenuInset = 4;
constexpr LPARAM kNoPoint = -1;

}  // namespace

bool TWinControl::RequestContextMenu(const TMessage& keyMessage) {
  int key = static_cast<int>(keyMessage.WParam);
  bool menuKey = key == VK_APPS || (key == VK_F10 && GetKeyState(VK_SHIFT) < 0);
  if (!menuKey || !handle_) return false;
  // Native controls keep every key they get, so the request is made here
  // rather than left to the default window procedure.
  SendMessage(handle_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle_), kNoPoint);
  return true;
}

void TWinControl::WMContextMenu(TMessage& message) {
  TPoint at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  bool fromKeyboard = message.LParam == kNoPoint;
  if (fromKeyboard) at = ClientToScreen({kKeyboardMenuInset, kKeyboardMenuInset});
  if (ShowContextMenu(this, at)) {
    message.Result = 1;
    return;
  }
  DefaultHandler(message);
}
