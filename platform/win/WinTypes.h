#pragma once
// Handles and records of the window system: window and cursor handles, the
// message record, window positions, the non-client size request, paint and
// creation records, window classes and mouse tracking.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/base/Types.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Region.h"

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

using SHORT = std::int16_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ATOM = WORD;
using HINSTANCE = void*;

// Window handles are numbers that are never reused, so a handle kept after
// its window was destroyed is recognised as dead and never reaches another
// window. nullptr is "no window".
struct HWND__;
using HWND = HWND__*;

// A standard cursor (the IDC_ number inside the handle).
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

using WNDPROC = LRESULT (*)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
using TIMERPROC = void (*)(HWND hwnd, UINT message, UINT_PTR idEvent, DWORD time);

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;  // milliseconds of the window system's clock
  TPoint pt;       // cursor position in screen coordinates when queued
};

struct WINDOWPOS {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};

// WM_NCCALCSIZE with wParam TRUE: rgrc[0] is the proposed window rectangle
// (parent coordinates) and becomes the client rectangle; rgrc[1] and
// rgrc[2] are the old window and client rectangles, or the valid
// destination and source rectangles when the answer is WVR_VALIDRECTS.
struct NCCALCSIZE_PARAMS {
  TRect rgrc[3];
  WINDOWPOS* lppos = nullptr;
};

struct MINMAXINFO {
  TPoint ptReserved;
  TPoint ptMaxSize;
  TPoint ptMaxPosition;
  TPoint ptMinTrackSize;
  TPoint ptMaxTrackSize;
};

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;
  TRect rcPaint;  // client coordinates
};

// lParam of WM_NCCREATE and WM_CREATE.
struct CREATESTRUCT {
  void* lpCreateParams = nullptr;
  UINT_PTR hMenu = 0;  // the control id of a child window
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  DWORD style = 0;
  std::string lpszName;
  std::string lpszClass;
  DWORD dwExStyle = 0;
};

// lParam of WM_STYLECHANGING (styleNew may be changed) and WM_STYLECHANGED.
struct STYLESTRUCT {
  DWORD styleOld = 0;
  DWORD styleNew = 0;
};

struct WNDCLASS {
  UINT style = 0;  // CS_ bits
  WNDPROC lpfnWndProc = nullptr;
  HCURSOR hCursor = nullptr;
  // What the default WM_ERASEBKGND fills the client with; none leaves it.
  std::optional<TColor> Background;
  std::string lpszClassName;
};

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};

struct WINDOWPLACEMENT {
  UINT length = sizeof(WINDOWPLACEMENT);
  UINT flags = 0;
  UINT showCmd = 0;
  TPoint ptMinPosition;
  TPoint ptMaxPosition;
  TRect rcNormalPosition;  // screen (top-level) or parent client coordinates
};

struct LOGFONT {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = 0;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  std::string lfFaceName;
};

struct NONCLIENTMETRICS {
  UINT cbSize = sizeof(NONCLIENTMETRICS);
  int iBorderWidth = 0;
  int iScrollWidth = 0;
  int iScrollHeight = 0;
  int iCaptionWidth = 0;
  int iCaptionHeight = 0;
  LOGFONT lfCaptionFont;
  int iSmCaptionWidth = 0;
  int iSmCaptionHeight = 0;
  LOGFONT lfSmCaptionFont;
  int iMenuWidth = 0;
  int iMenuHeight = 0;
  LOGFONT lfMenuFont;
  LOGFONT lfStatusFont;
  LOGFONT lfMessageFont;
};

// lParam of WM_DEVICECHANGE for a volume (an optical disc in a drive).
struct DEV_BROADCAST_HDR {
  DWORD dbch_size = 0;
  DWORD dbch_devicetype = 0;
  DWORD dbch_reserved = 0;
};
struct DEV_BROADCAST_VOLUME {
  DEV_BROADCAST_HDR hdr;
  DWORD dbcv_unitmask = 0;  // bit 0 = drive A, as the drive letters go
  WORD dbcv_flags = 0;      // DBTF_MEDIA: the media changed
  std::string device;       // the device node, e.g. "/dev/sr0"
};
