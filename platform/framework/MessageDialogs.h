#pragma once
// Message boxes: the window system's modal box with an icon (MB_ICON...)
// and one of the button sets MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL;
// the answer is IDOK, IDCANCEL, IDYES or IDNO.

#include <string>

#include "platform/win/WinApi.h"

// Over the active window of the application; an empty caption shows the
// application's title.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
