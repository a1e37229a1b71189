// Which pixels of a window can be seen, and which window is under a point.

#include "platform/win/Core.h"

namespace detail {
namespace {

TRgn SurfaceRect(const TWindow* w) {
  TPoint o = SurfaceOrigin(w);
  TRgn area(Bounds(o.X, o.Y, w->Width(), w->Height()));
  if (w->region) {
    TRgn shape = *w->region;
    shape.Offset(o.X, o.Y);
    area = RgnIntersect(area, shape);
  }
  return area;
}

TRgn SurfaceClientRect(const TWindow* w) {
  TPoint o = SurfaceOrigin(w);
  TRect c = w->client;
  OffsetRect(c, o.X, o.Y);
  return TRgn(c);
}

}  // namespace

TRgn VisibleWindowArea(const TWindow* w) {
  TRgn area = SurfaceRect(w);
  for (const TWindow* a = w->parent; a && !area.Empty(); a = a->parent)
    area = RgnIntersect(area, RgnIntersect(SurfaceClientRect(a), SurfaceRect(a)));
  for (const TWindow* x = w; x->parent && !area.Empty(); x = x->parent) {
    if (!(x->style & WS_CLIPSIBLINGS)) continue;
    for (const TWindow* sibling : x->parent->children) {
      if (sibling == x) break;
      if (sibling->Visible()) area = RgnSubtract(area, SurfaceRect(sibling));
    }
  }
  if (w->style & WS_CLIPCHILDREN)
    for (const TWindow* c : w->children)
      if (c->Visible()) area = RgnSubtract(area, SurfaceRect(c));
  return area;
}

TRgn VisibleClientArea(const TWindow* w) {
  return RgnIntersect(VisibleWindowArea(w), SurfaceClientRect(w));
}

bool WindowContainsScreenPoint(const TWindow* w, TPoint screen) {
  TPoint o = ScreenOrigin(w);
  TPoint p{screen.X - o.X, screen.Y - o.Y};
  if (!Rect(0, 0, w->Width(), w->Height()).Contains(p)) return false;
  return !w->region || w->region->Contains(p.X, p.Y);
}

TWindow* WindowUnder(TWindow* top, TPoint screen, LRESULT* hit) {
  if (!top || !WindowContainsScreenPoint(top, screen)) return nullptr;
  TWindow* w = top;
  for (;;) {
    TPoint co = ClientScreenOrigin(w);
    TRect client = w->client;
    OffsetRect(client, co.X - w->client.Left, co.Y - w->client.Top);
    if (!client.Contains(screen)) break;
    TWindow* next = nullptr;
    for (TWindow* c : w->children)
      if (c->Visible() && WindowContainsScreenPoint(c, screen)) {
        next = c;
        break;
      }
    // A disabled window takes no input; its parent gets it.
    if (!next || !next->Enabled()) break;
    w = next;
  }
  HWND h = w->handle;
  LRESULT code = Send(w, WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y));
  while ((w = Find(h)) && code == HTTRANSPARENT && w->parent) {
    w = w->parent;
    h = w->handle;
    code = Send(w, WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y));
  }
  if (hit) *hit = code;
  return Find(h);
}

TWindow* TopLevelUnder(TPoint screen) {
  for (TWindow* w : TopLevels()) {
    if (!w->Visible() || (w->style & WS_MINIMIZE) || w->nativeKind == TNativeKind::Hint) continue;
    if (WindowContainsScreenPoint(w, screen)) return w;
  }
  return nullptr;
}

}  // namespace detail

HWND WindowFromPoint(TPoint screenPoint) {
  using namespace detail;
  EnsureStarted();
  TWindow* w = WindowUnder(TopLevelUnder(screenPoint), screenPoint, nullptr);
  return w ? w->handle : nullptr;
}

HWND ChildWindowFromPoint(HWND parent, TPoint clientPoint) {
  using namespace detail;
  TWindow* p = Find(parent);
  if (!p) return nullptr;
  if (!Rect(0, 0, p->client.Width(), p->client.Height()).Contains(clientPoint)) return nullptr;
  for (TWindow* c : p->children) {
    TPoint q{clientPoint.X - c->rect.Left, clientPoint.Y - c->rect.Top};
    bool inside = Rect(0, 0, c->Width(), c->Height()).Contains(q) && (!c->region || c->region->Contains(q.X, q.Y));
    if (inside) return c->handle;
  }
  return parent;
}
