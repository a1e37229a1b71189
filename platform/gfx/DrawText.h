#pragma once
// The window system's DrawText on a canvas handle: formatted text in a
// rectangle with the documented DT_ flag values.

#include <string_view>

#include "platform/base/Types.h"
#include "platform/gfx/DeviceContext.h"

constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_RTLREADING = 0x00020000;

// Draws text in the canvas's font inside rect (clipped to it unless
// DT_NOCLIP) and returns the text's height; with DT_VCENTER or DT_BOTTOM
// the offset from rect.Top to the bottom of the text. DT_CALCRECT draws
// nothing and sets rect.Right and rect.Bottom to the text's extent.
// DT_VCENTER and DT_BOTTOM act on single-line text only. An empty text
// counts as one empty line: a line high, no width.
int DrawText(HDC dc, std::string_view text, TRect& rect, UINT format);
