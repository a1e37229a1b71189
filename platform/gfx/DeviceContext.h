#pragma once
// The window system's drawing functions on device-context handles. A
// handle is the canvas itself (TCanvas::Handle()); each function forwards
// to the canvas.

#include <string_view>

#include "platform/base/Types.h"
#include "platform/gfx/Region.h"

class TCanvas;
class TBrush;
using HDC = TCanvas*;
using HBRUSH = TBrush*;

int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int savedState);
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, TRect* box);
bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous);
bool GetViewportOrgEx(HDC dc, TPoint* origin);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* previous);
int SetBkMode(HDC dc, int mode);  // returns the previous mode
int GetBkMode(HDC dc);
TColor SetBkColor(HDC dc, TColor color);  // returns the previous colour
TColor GetBkColor(HDC dc);
TColor SetTextColor(HDC dc, TColor color);  // returns the previous colour
TColor GetTextColor(HDC dc);
int SetStretchBltMode(HDC dc, int mode);  // returns the previous mode
int GetStretchBltMode(HDC dc);

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw,
                int sh, DWORD rop);
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw,
                    int sh, UINT keyColor);

// Brushes: the canvas's own (TBrush::Handle()) or created ones.
HBRUSH CreateSolidBrush(TColor color);
HBRUSH GetSysColorBrush(int index);  // shared; deleting it does nothing
bool DeleteObject(HBRUSH brush);
int FillRect(HDC dc, const TRect& rect, HBRUSH brush);
int FrameRect(HDC dc, const TRect& rect, HBRUSH brush);
bool InvertRect(HDC dc, const TRect& rect);
bool DrawFocusRect(HDC dc, const TRect& rect);
bool PaintRgn(HDC dc, HRGN region);  // with the canvas's brush
bool FillRgn(HDC dc, HRGN region, HBRUSH brush);

TColor GetPixel(HDC dc, int x, int y);
TColor SetPixel(HDC dc, int x, int y, TColor color);
bool MoveToEx(HDC dc, int x, int y, TPoint* previous);
bool LineTo(HDC dc, int x, int y);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
bool Polygon(HDC dc, const TPoint* points, int count);
bool Polyline(HDC dc, const TPoint* points, int count);
bool TextOut(HDC dc, int x, int y, std::string_view text);
bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size);
