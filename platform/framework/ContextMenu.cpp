#include "platform/framework/Controls.h"
#include "platform/framework/Menus.h"

void TWinControl::WMContextMenu(TMessage& message) {
  TPoint at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  // From the keyboard (Shift+F10, the menu key) there is no pointer
  // position: the menu opens at the control's top-left corner.
  if (message.LParam == -1) at = ClientToScreen({0, 0});
  if (ShowContextMenu(this, at)) {
    message.Result = 1;
    return;
  }
  DefaultHandler(message);
}
