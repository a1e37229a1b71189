#pragma once
// The HTML help control: the entry programs call to show a topic of a
// help file, over the help viewer (HelpViewer.h). Window handles cross it
// as integers.

#include <cstdint>

#include "platform/base/Types.h"

using DWORD_PTR = std::uintptr_t;

constexpr UINT HH_DISPLAY_TOPIC = 0;  // data unused
constexpr UINT HH_INITIALIZE = 28;    // data: the address of a DWORD cookie

using THtmlHelpEntry = std::intptr_t (*)(std::intptr_t window, const char* file, UINT command, DWORD_PTR data);

// Display topic: "file" may carry its topic ("<Name>.chm::/<page>"). The
// answer is the calling window (1 without one) when the viewer was
// started, 0 when the help or its topic is missing or the command is not
// one the control knows.
std::intptr_t HtmlHelpA(std::intptr_t window, const char* file, UINT command, DWORD_PTR data);
