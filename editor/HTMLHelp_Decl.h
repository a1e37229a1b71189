#pragma once
// The editor's binding to the HTML help control, which it loads itself on
// first use: the control is initialised once, then every call is handed
// to its entry "HtmlHelpA". A control that cannot be loaded, or that lacks
// the entry, raises Exception with the message the user sees.

#include <functional>
#include <string>

#include "platform/os/HtmlHelp.h"
#include "platform/win/WinTypes.h"

// The entry's answer, a window handle as an integer.
std::intptr_t HtmlHelpCall(HWND window, const std::string& fileName, UINT command, DWORD_PTR data);

// Where the binding finds the control: loading it (false when it cannot
// be) and its entries by name (nullptr for a missing one).
struct THtmlHelpLibrary {
  std::function<bool()> Load;
  std::function<THtmlHelpEntry(const std::string& name)> Entry;
};
// Puts another control in place and forgets the loaded one; an empty
// library brings back the platform's.
void SetHtmlHelpLibrary(THtmlHelpLibrary library);
