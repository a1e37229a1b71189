#include "platform/os/HtmlHelp.h"

#include "platform/os/HelpViewer.h"

std::intptr_t HtmlHelpA(std::intptr_t window, const char* file, UINT command, DWORD_PTR data) {
  switch (command) {
    case HH_INITIALIZE:
      if (data != 0) *reinterpret_cast<DWORD*>(data) = 1;
      return 0;
    case HH_DISPLAY_TOPIC:
      if (file == nullptr || !HelpViewer().ShowHelp(file, "")) return 0;
      return window != 0 ? window : 1;
    default:
      return 0;
  }
}
