#pragma once
// Whether the X display named by DISPLAY can be reached. Internal to the Qt
// backend, kept apart because Xlib's macros clash with Qt's headers.

namespace detail {

bool CanOpenX11Display();

}  // namespace detail
