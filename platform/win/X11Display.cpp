#include "platform/win/X11Display.h"

#include <X11/Xlib.h>

#include <chrono>
#include <thread>

namespace detail {

TX11Connection::TX11Connection() {
  constexpr int kAttempts = 40;
  for (int attempt = 0; attempt < kAttempts && !display_; ++attempt) {
    display_ = XOpenDisplay(nullptr);
    if (!display_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

TX11Connection::~TX11Connection() {
  if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

}  // namespace detail
