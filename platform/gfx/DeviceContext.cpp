#include "platform/gfx/DeviceContext.h"

#include <array>
#include <vector>

#include "platform/gfx/Canvas.h"

int SaveDC(HDC dc) { return dc ? dc->SaveDC() : 0; }
bool RestoreDC(HDC dc, int savedState) { return dc && dc->RestoreDC(savedState); }
int SelectClipRgn(HDC dc, HRGN region) { return dc ? dc->SelectClipRgn(region) : ERROR; }
int ExtSelectClipRgn(HDC dc, HRGN region, int mode) { return dc ? dc->ExtSelectClipRgn(region, mode) : ERROR; }
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  return dc ? dc->IntersectClipRect({left, top, right, bottom}) : ERROR;
}
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  return dc ? dc->ExcludeClipRect({left, top, right, bottom}) : ERROR;
}
int GetClipBox(HDC dc, TRect* box) { return dc ? dc->GetClipBox(box) : ERROR; }

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous) {
  if (!dc) return false;
  if (previous) *previous = dc->ViewportOrg();
  dc->SetViewportOrg({x, y});
  return true;
}
bool GetViewportOrgEx(HDC dc, TPoint* origin) {
  if (!dc || !origin) return false;
  *origin = dc->ViewportOrg();
  return true;
}
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* previous) {
  if (!dc) return false;
  const TPoint old = dc->ViewportOrg();
  if (previous) *previous = old;
  dc->SetViewportOrg({old.X + dx, old.Y + dy});
  return true;
}

int SetBkMode(HDC dc, int mode) {
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int old = dc->BkMode();
  dc->SetBkMode(mode);
  return old;
}
int GetBkMode(HDC dc) { return dc ? dc->BkMode() : 0; }
TColor SetBkColor(HDC dc, TColor color) {
  if (!dc) return CLR_INVALID;
  const TColor old = dc->BkColor();
  dc->SetBkColor(color);
  return old;
}
TColor GetBkColor(HDC dc) { return dc ? dc->BkColor() : CLR_INVALID; }
TColor SetTextColor(HDC dc, TColor color) {
  if (!dc) return CLR_INVALID;
  const TColor old = dc->TextColor();
  dc->SetTextColor(color);
  return old;
}
TColor GetTextColor(HDC dc) { return dc ? dc->TextColor() : CLR_INVALID; }
int SetStretchBltMode(HDC dc, int mode) {
  if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  const int old = dc->StretchBltMode();
  dc->SetStretchBltMode(mode);
  return old;
}
int GetStretchBltMode(HDC dc) { return dc ? dc->StretchBltMode() : 0; }

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
  return dest && dest->BitBlt(x, y, width, height, source, sx, sy, rop);
}
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop) {
  return dest && dest->StretchBlt(x, y, width, height, source, sx, sy, sw, sh, rop);
}
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  return dc && dc->PatBlt(x, y, width, height, rop);
}
bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                    UINT keyColor) {
  return dest && dest->TransparentBlt(x, y, width, height, source, sx, sy, sw, sh, keyColor);
}

namespace {

// The shared system-colour brushes, made once.
std::array<TBrush, 31>& SystemBrushes() {
  static std::array<TBrush, 31> brushes = [] {
    std::array<TBrush, 31> made;
    for (int i = 0; i < static_cast<int>(made.size()); ++i) made[static_cast<std::size_t>(i)].SetColor(GetSysColor(i));
    return made;
  }();
  return brushes;
}

bool IsSystemBrush(HBRUSH brush) {
  auto& all = SystemBrushes();
  return brush >= all.data() && brush < all.data() + all.size();
}

// Runs fn with the canvas's brush temporarily replaced by brush.
template <typename Fn>
void WithBrush(HDC dc, HBRUSH brush, Fn fn) {
  if (brush == dc->Brush()) {
    fn();
    return;
  }
  // Keep the background state: swapping brushes must not change it.
  const int bkMode = dc->BkMode();
  const TColor bkColor = dc->BkColor();
  TBrush saved;
  saved.Assign(*dc->Brush());
  dc->Brush()->Assign(*brush);
  fn();
  dc->Brush()->Assign(saved);
  dc->SetBkMode(bkMode);
  dc->SetBkColor(bkColor);
}

}  // namespace

HBRUSH CreateSolidBrush(TColor color) {
  auto* brush = new TBrush;
  brush->SetColor(color);
  return brush;
}
HBRUSH GetSysColorBrush(int index) {
  if (index < 0 || index >= static_cast<int>(SystemBrushes().size())) return nullptr;
  return &SystemBrushes()[static_cast<std::size_t>(index)];
}
bool DeleteObject(HBRUSH brush) {
  if (!brush) return false;
  if (!IsSystemBrush(brush)) delete brush;
  return true;
}

int FillRect(HDC dc, const TRect& rect, HBRUSH brush) {
  if (!dc || !brush) return 0;
  WithBrush(dc, brush, [&] { dc->FillRect(rect); });
  return 1;
}
int FrameRect(HDC dc, const TRect& rect, HBRUSH brush) {
  if (!dc || !brush) return 0;
  WithBrush(dc, brush, [&] { dc->FrameRect(rect); });
  return 1;
}
bool InvertRect(HDC dc, const TRect& rect) {
  return dc && dc->PatBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), DSTINVERT);
}
bool DrawFocusRect(HDC dc, const TRect& rect) {
  if (!dc) return false;
  dc->DrawFocusRect(rect);
  return true;
}
bool FillRgn(HDC dc, HRGN region, HBRUSH brush) {
  if (!dc || !region || !brush) return false;
  // The region is in logical coordinates; clip to it and fill its box.
  TRgn device = *region;
  const TPoint origin = dc->ViewportOrg();
  device.Offset(origin.X, origin.Y);
  dc->SaveDC();
  dc->ExtSelectClipRgn(&device, RGN_AND);
  WithBrush(dc, brush, [&] { dc->FillRect(region->BoundingBox()); });
  dc->RestoreDC(-1);
  return true;
}
bool PaintRgn(HDC dc, HRGN region) { return dc && FillRgn(dc, region, dc->Brush()); }

TColor GetPixel(HDC dc, int x, int y) { return dc ? dc->Pixels(x, y) : CLR_INVALID; }
TColor SetPixel(HDC dc, int x, int y, TColor color) {
  if (!dc) return CLR_INVALID;
  dc->SetPixels(x, y, color);
  return ColorToRGB(color);
}
bool MoveToEx(HDC dc, int x, int y, TPoint* previous) {
  if (!dc) return false;
  if (previous) *previous = dc->PenPos();
  dc->MoveTo(x, y);
  return true;
}
bool LineTo(HDC dc, int x, int y) {
  if (!dc) return false;
  dc->LineTo(x, y);
  return true;
}
bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  dc->Rectangle(left, top, right, bottom);
  return true;
}
bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  dc->Ellipse(left, top, right, bottom);
  return true;
}
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height) {
  if (!dc) return false;
  dc->RoundRect(left, top, right, bottom, width, height);
  return true;
}
bool Polygon(HDC dc, const TPoint* points, int count) {
  if (!dc || !points || count < 2) return false;
  dc->Polygon(std::span<const TPoint>(points, static_cast<std::size_t>(count)));
  return true;
}
bool Polyline(HDC dc, const TPoint* points, int count) {
  if (!dc || !points || count < 2) return false;
  dc->Polyline(std::span<const TPoint>(points, static_cast<std::size_t>(count)));
  return true;
}
bool TextOut(HDC dc, int x, int y, std::string_view text) {
  if (!dc) return false;
  dc->TextOut(x, y, text);
  return true;
}
bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size) {
  if (!dc || !size) return false;
  *size = dc->TextExtent(text);
  return true;
}
