// The default non-client area: frame sizes, hit test, frame painting.

#include "platform/gfx/Canvas.h"
#include "platform/win/Core.h"

namespace detail {
namespace {

constexpr int kSizingFrame = 4;
constexpr int kFixedFrame = 3;
constexpr int kCaptionHeight = 19;
constexpr int kSmallCaptionHeight = 15;
// How far along an edge from a corner the corner's sizing code reaches.
constexpr int kCornerReach = 16;

int CaptionHeight(DWORD style, DWORD exStyle) {
  if ((style & WS_CAPTION) != WS_CAPTION) return 0;
  return (exStyle & WS_EX_TOOLWINDOW) ? kSmallCaptionHeight : kCaptionHeight;
}

LRESULT EdgeHit(TPoint p, int width, int height) {
  bool left = p.X < kSizingFrame, right = p.X >= width - kSizingFrame;
  bool top = p.Y < kSizingFrame, bottom = p.Y >= height - kSizingFrame;
  bool nearLeft = p.X < kCornerReach, nearRight = p.X >= width - kCornerReach;
  bool nearTop = p.Y < kCornerReach, nearBottom = p.Y >= height - kCornerReach;
  if (top) return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
  if (bottom) return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
  if (left) return nearTop ? HTTOPLEFT : nearBottom ? HTBOTTOMLEFT : HTLEFT;
  if (right) return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
  return HTNOWHERE;
}

// One-pixel lines: topLeft along the top and left, bottomRight along the others.
void DrawEdgeLines(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  if (r.IsEmpty()) return;
  c.Brush()->SetColor(topLeft);
  c.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
  c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
  c.Brush()->SetColor(bottomRight);
  c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
  c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
}

}  // namespace

int FrameThickness(DWORD style, DWORD exStyle) {
  int frame = 0;
  if (style & WS_THICKFRAME) frame = kSizingFrame;
  else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) frame = kFixedFrame;
  else if (style & WS_BORDER) frame = 1;
  if (exStyle & WS_EX_CLIENTEDGE) frame += 2;
  else if (exStyle & WS_EX_STATICEDGE) frame += 1;
  return frame;
}

TRect DefaultClientRect(DWORD style, DWORD exStyle, const TRect& windowRect) {
  TRect r = windowRect;
  int frame = FrameThickness(style, exStyle);
  InflateRect(r, -frame, -frame);
  r.Top += CaptionHeight(style, exStyle);
  r.Right = std::max(r.Left, r.Right);
  r.Bottom = std::max(r.Top, r.Bottom);
  return r;
}

void RecalcClient(TWindow* w, const TRect& oldRect, const TRect& oldClient, WINDOWPOS* pos) {
  HWND h = w->handle;
  NCCALCSIZE_PARAMS params;
  params.rgrc[0] = w->rect;
  params.rgrc[1] = oldRect;
  params.rgrc[2] = oldClient;
  OffsetRect(params.rgrc[2], oldRect.Left, oldRect.Top);
  params.lppos = pos;
  Send(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  if (!(w = Find(h))) return;
  TRect c = params.rgrc[0];
  OffsetRect(c, -w->rect.Left, -w->rect.Top);
  // A client area never leaves its window.
  c.Left = std::clamp(c.Left, 0, w->Width());
  c.Top = std::clamp(c.Top, 0, w->Height());
  c.Right = std::clamp(c.Right, c.Left, w->Width());
  c.Bottom = std::clamp(c.Bottom, c.Top, w->Height());
  w->client = c;
}

LRESULT DefaultHitTest(TWindow* w, TPoint screen) {
  TPoint origin = ScreenOrigin(w);
  TPoint p{screen.X - origin.X, screen.Y - origin.Y};
  if (!Rect(0, 0, w->Width(), w->Height()).Contains(p)) return HTNOWHERE;
  if (w->client.Contains(p)) return HTCLIENT;
  if ((w->style & WS_THICKFRAME) && !(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) {
    LRESULT edge = EdgeHit(p, w->Width(), w->Height());
    if (edge != HTNOWHERE) return edge;
  }
  int frame = FrameThickness(w->style, 0);
  int caption = CaptionHeight(w->style, w->exStyle);
  if (caption && p.Y >= frame && p.Y < frame + caption) return HTCAPTION;
  return HTBORDER;
}

void DefaultNcPaint(TWindow* w) {
  int frame = FrameThickness(w->style, w->exStyle);
  int caption = CaptionHeight(w->style, w->exStyle);
  if (frame == 0 && caption == 0) return;
  HDC dc = GetWindowDC(w->handle);
  if (!dc) return;
  TCanvas& c = *dc;
  c.ExcludeClipRect(w->client);
  TRect all{0, 0, w->Width(), w->Height()};
  c.Brush()->SetColor(clBtnFace);
  c.FillRect(all);
  // Classic edges: raised outside for frames, sunken inside for client edges.
  bool clientEdge = (w->exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) != 0;
  int outer = FrameThickness(w->style, 0);
  if (outer > 1) DrawEdgeLines(c, all, cl3DLight, cl3DDkShadow);
  TRect inner = all;
  InflateRect(inner, -outer, -outer);
  if (clientEdge) DrawEdgeLines(c, inner, clBtnShadow, clBtnHighlight);
  if (caption) {
    bool active = GetActiveWindow() == w->handle;
    int inner = FrameThickness(w->style, 0);
    TRect bar{inner, inner, w->Width() - inner, inner + caption - 1};
    c.Brush()->SetColor(active ? clActiveCaption : clInactiveCaption);
    c.FillRect(bar);
    c.SetBkMode(TRANSPARENT);
    c.Font()->SetColor(active ? clCaptionText : clInactiveCaptionText);
    c.Font()->SetStyle(fsBold);
    c.TextRect(bar, bar.Left + 3, bar.Top + 2, w->text);
  }
  ReleaseDC(w->handle, dc);
}

void DefaultEraseBackground(TWindow* w, HDC dc) {
  if (!dc || !w->cls.Background) return;
  TColor previous = dc->Brush()->Color();
  TBrushStyle previousStyle = dc->Brush()->Style();
  dc->Brush()->SetColor(*w->cls.Background);
  dc->FillRect({0, 0, w->client.Width(), w->client.Height()});
  dc->Brush()->SetColor(previous);
  dc->Brush()->SetStyle(previousStyle);
}

}  // namespace detail
