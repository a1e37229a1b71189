// Notifications of the native controls, handed to their own control.

#include "platform/framework/NativeControls.h"

LRESULT NotifyOwnControl(HWND self, UINT parentMsg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(self)) return 0;
  return SendMessage(self, CN_BASE + parentMsg, wParam, lParam);
}
