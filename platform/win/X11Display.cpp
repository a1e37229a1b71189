#include "platform/win/X11Display.h"

#include <X11/Xlib.h>

namespace detail {

bool CanOpenX11Display() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  XCloseDisplay(display);
  return true;
}

}  // namespace detail
