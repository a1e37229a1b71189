#pragma once
// The message box of the Qt backend. Internal to platform/win.

#include <string>

#include "platform/base/Types.h"

namespace detail {

// Shows a Qt Widgets message box and keeps the window system's messages
// flowing until it is answered; IDOK, IDCANCEL, IDYES, IDNO, ...
int ShowQtMessageBox(const std::string& text, const std::string& caption, UINT flags);

}  // namespace detail
