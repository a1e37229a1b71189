#include "editor/HTMLHelp_Decl.h"

#include "platform/base/Exceptions.h"

namespace {

THtmlHelpLibrary PlatformControl() {
  return {[] { return true; },
          [](const std::string& name) -> THtmlHelpEntry { return name == "HtmlHelpA" ? &HtmlHelpA : nullptr; }};
}

THtmlHelpLibrary library = PlatformControl();
bool loaded = false;
THtmlHelpEntry entry = nullptr;
DWORD cookie = 0;

}  // namespace

void SetHtmlHelpLibrary(THtmlHelpLibrary replacement) {
  library = replacement.Load && replacement.Entry ? std::move(replacement) : PlatformControl();
  loaded = false;
  entry = nullptr;
  cookie = 0;
}

std::intptr_t HtmlHelpCall(HWND window, const std::string& fileName, UINT command, DWORD_PTR data) {
  if (!loaded) {
    if (!library.Load()) throw Exception("HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
    loaded = true;
    entry = library.Entry("HtmlHelpA");
    if (entry) entry(0, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&cookie));
  }
  // The library stays loaded; without the entry every call fails alike.
  if (!entry) throw Exception("Function HTMLHELP cannot loaded!");
  return entry(reinterpret_cast<std::intptr_t>(window), fileName.c_str(), command, data);
}
