// Device contexts, update regions, WM_PAINT and showing the surfaces.

#include <unordered_map>
#include <unordered_set>

#include "platform/gfx/Canvas.h"
#include "platform/os/MainThread.h"
#include "platform/win/Core.h"

namespace detail {
namespace {

struct TDeviceContext {
  HWND top = nullptr;
  std::shared_ptr<TBitmap> surface;  // kept alive while the DC is out
  TRgn area;                         // surface coordinates
  std::unique_ptr<TCanvas> canvas;
};

std::unordered_map<HDC, TDeviceContext> contexts;
std::unordered_set<TWindow*> paintPending;
std::unordered_set<HWND> dirtyTops;

void UpdatePending(TWindow* w) {
  if (w->update.Empty() && !w->framePending) paintPending.erase(w);
  else paintPending.insert(w);
}

HDC MakeDC(TWindow* w, const TRgn& area, TPoint origin) {
  TWindow* top = RootOf(w);
  TDeviceContext dc;
  dc.top = top->handle;
  dc.surface = top->surface;
  dc.area = area;
  // The canvas takes its clip relative to its device origin.
  TRgn clip = area;
  clip.Offset(-origin.X, -origin.Y);
  dc.canvas = std::make_unique<TCanvas>(dc.surface.get(), origin, &clip);
  HDC handle = dc.canvas.get();
  contexts.emplace(handle, std::move(dc));
  return handle;
}

TPoint ClientSurfaceOrigin(const TWindow* w) {
  TPoint o = SurfaceOrigin(w);
  return {o.X + w->client.Left, o.Y + w->client.Top};
}

TWindow* FindPaintable(TWindow* w, HWND filter, bool inFilter) {
  if (!w->Visible() || (w->style & WS_MINIMIZE)) return nullptr;
  inFilter = inFilter || !filter || w->handle == filter;
  if (inFilter && paintPending.count(w)) {
    if (w->update.Empty()) {
      PaintFramePending(w);  // a frame alone needs no WM_PAINT
    } else {
      return w;
    }
  }
  // Bottom child first, so that overlapping siblings end up in z-order.
  for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
    if (TWindow* found = FindPaintable(*it, filter, inFilter)) return found;
  return nullptr;
}

void InvalidateFrameOf(TWindow* c) {
  if (c->client == Rect(0, 0, c->Width(), c->Height())) return;
  c->framePending = true;
  UpdatePending(c);
}

}  // namespace

void InvalidateClient(TWindow* w, const TRgn* clientArea, bool erase, TChildren children) {
  if (!ReallyVisible(w)) return;
  TRgn whole(Rect(0, 0, w->client.Width(), w->client.Height()));
  TRgn area = clientArea ? RgnIntersect(*clientArea, whole) : whole;
  if (area.Empty()) return;
  w->update = RgnUnion(w->update, area);
  if (erase) w->erasePending = true;
  UpdatePending(w);
  bool reach = children == TChildren::All || (children == TChildren::ByStyle && !(w->style & WS_CLIPCHILDREN));
  if (!reach) return;
  for (TWindow* c : w->children) {
    if (!c->Visible()) continue;
    TRgn inParent = RgnIntersect(area, TRgn(c->rect));
    if (inParent.Empty()) continue;
    InvalidateFrameOf(c);
    inParent.Offset(-c->rect.Left - c->client.Left, -c->rect.Top - c->client.Top);
    InvalidateClient(c, &inParent, erase, children);
  }
}

void InvalidateWhole(TWindow* w) {
  if (!ReallyVisible(w)) return;
  w->framePending = true;
  InvalidateClient(w, nullptr, true, TChildren::None);
  UpdatePending(w);
  for (TWindow* c : w->children) InvalidateWhole(c);
}

void InvalidateParentArea(TWindow* child, const TRect& rectInParent) {
  TWindow* p = child->parent;
  if (!p) return;
  TRgn area(rectInParent);
  InvalidateClient(p, &area, true, TChildren::None);
  // Siblings the child covered show again.
  for (TWindow* s : p->children) {
    if (s == child || !s->Visible()) continue;
    TRgn part = RgnIntersect(area, TRgn(s->rect));
    if (part.Empty()) continue;
    InvalidateFrameOf(s);
    part.Offset(-s->rect.Left - s->client.Left, -s->rect.Top - s->client.Top);
    InvalidateClient(s, &part, true, TChildren::All);
  }
}

TWindow* NextWindowToPaint(HWND filter) {
  // Hidden windows may keep their update regions: no need to search then.
  if (!PaintPending()) return nullptr;
  std::vector<TWindow*> tops = TopLevels();
  for (TWindow* top : tops)
    if (TWindow* found = FindPaintable(top, filter, false)) return found;
  return nullptr;
}

bool PaintPending() {
  for (TWindow* w : paintPending)
    if (ReallyVisible(w) && !(RootOf(w)->style & WS_MINIMIZE)) return true;
  return false;
}

void PaintFramePending(TWindow* w) {
  if (!w->framePending) return;
  w->framePending = false;
  UpdatePending(w);
  Send(w, WM_NCPAINT, 1, 0);
}

void MarkDirty(TWindow* top, const TRgn& windowArea) {
  if (windowArea.Empty()) return;
  top->dirty = RgnUnion(top->dirty, windowArea);
  dirtyTops.insert(top->handle);
}

void PresentDirty() {
  if (dirtyTops.empty()) return;
  std::vector<HWND> tops(dirtyTops.begin(), dirtyTops.end());
  dirtyTops.clear();
  for (HWND h : tops) {
    TWindow* top = Find(h);
    if (!top || top->dirty.Empty()) continue;
    TRgn dirty = RgnIntersect(top->dirty, TRgn(Rect(0, 0, top->Width(), top->Height())));
    top->dirty = TRgn();
    if (top->Visible() && !dirty.Empty()) Backend().PresentNative(h, *top->surface, dirty);
  }
}

void ResizeSurface(TWindow* top) {
  int width = std::max(1, top->Width()), height = std::max(1, top->Height());
  if (top->surface->Width() != width || top->surface->Height() != height)
    top->surface->SetSize(width, height);
}

void ForgetPaintState(TWindow* w) {
  paintPending.erase(w);
  dirtyTops.erase(w->handle);
}

}  // namespace detail

using namespace detail;

HDC GetWindowDC(HWND hwnd) {
  TWindow* w = Find(hwnd);
  if (!w) return nullptr;
  TRgn area = ReallyVisible(w) ? VisibleWindowArea(w) : TRgn();
  return MakeDC(w, area, SurfaceOrigin(w));
}

HDC GetDC(HWND hwnd) {
  CheckGuiThread("GetDC");
  if (!hwnd) {
    // The screen: good for measuring; what is drawn goes nowhere.
    static auto scratch = std::make_shared<TBitmap>(1, 1);
    TDeviceContext dc;
    dc.surface = scratch;
    dc.canvas = std::make_unique<TCanvas>(scratch.get());
    HDC handle = dc.canvas.get();
    contexts.emplace(handle, std::move(dc));
    return handle;
  }
  TWindow* w = Find(hwnd);
  if (!w) return nullptr;
  TRgn area = ReallyVisible(w) ? VisibleClientArea(w) : TRgn();
  return MakeDC(w, area, ClientSurfaceOrigin(w));
}

int ReleaseDC(HWND, HDC dc) {
  auto it = contexts.find(dc);
  if (it == contexts.end()) return 0;
  if (TWindow* top = Find(it->second.top); top && top->surface == it->second.surface)
    MarkDirty(top, it->second.area);
  contexts.erase(it);
  return 1;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
  CheckGuiThread("BeginPaint");
  TWindow* w = Find(hwnd);
  if (!w || !paint) return nullptr;
  ++w->beginPaintCount;
  PaintFramePending(w);
  if (!(w = Find(hwnd))) return nullptr;
  TRgn update = w->update;
  bool erase = w->erasePending;
  w->update = TRgn();
  w->erasePending = false;
  UpdatePending(w);
  paint->rcPaint = update.BoundingBox();
  TPoint origin = ClientSurfaceOrigin(w);
  update.Offset(origin.X, origin.Y);
  TRgn area = ReallyVisible(w) ? RgnIntersect(VisibleClientArea(w), update) : TRgn();
  paint->hdc = MakeDC(w, area, origin);
  paint->fErase = FALSE;
  if (erase) paint->fErase = Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) ? FALSE : TRUE;
  return paint->hdc;
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
  return paint && ReleaseDC(hwnd, paint->hdc) != 0;
}

bool InvalidateRgn(HWND hwnd, HRGN region, bool erase) {
  if (!hwnd) {
    for (TWindow* top : TopLevels()) InvalidateWhole(top);
    return true;
  }
  TWindow* w = Find(hwnd);
  if (!w) return false;
  InvalidateClient(w, region, erase, TChildren::ByStyle);
  return true;
}

bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase) {
  CheckGuiThread("InvalidateRect");
  if (!rect) return InvalidateRgn(hwnd, nullptr, erase);
  TRgn area(*rect);
  return InvalidateRgn(hwnd, &area, erase);
}

bool ValidateRgn(HWND hwnd, HRGN region) {
  TWindow* w = Find(hwnd);
  if (!w) return false;
  if (region) {
    w->update = RgnSubtract(w->update, *region);
  } else {
    w->update = TRgn();
    w->erasePending = false;
  }
  UpdatePending(w);
  return true;
}

bool ValidateRect(HWND hwnd, const TRect* rect) {
  if (!rect) return ValidateRgn(hwnd, nullptr);
  TRgn area(*rect);
  return ValidateRgn(hwnd, &area);
}

bool GetUpdateRect(HWND hwnd, TRect* rect, bool) {
  TWindow* w = Find(hwnd);
  if (!w) return false;
  if (rect) *rect = w->update.BoundingBox();
  return !w->update.Empty();
}

int GetUpdateRgn(HWND hwnd, HRGN region, bool) {
  TWindow* w = Find(hwnd);
  if (!w || !region) return ERROR;
  *region = w->update;
  return RegionKind(w->update);
}

bool UpdateWindow(HWND hwnd) {
  TWindow* w = Find(hwnd);
  if (!w) return false;
  PaintFramePending(w);
  if ((w = Find(hwnd)) && !w->update.Empty() && ReallyVisible(w)) {
    MSG paint = MakeMsg(hwnd, WM_PAINT, 0, 0);
    DispatchMessage(&paint);
  }
  return true;
}

namespace {

void UpdateTree(HWND hwnd) {
  UpdateWindow(hwnd);
  for (HWND c : GetChildWindows(hwnd)) UpdateTree(c);
}

}  // namespace

bool RedrawWindow(HWND hwnd, const TRect* rect, HRGN region, UINT flags) {
  if (!hwnd) {
    for (HWND top : GetTopLevelWindows()) RedrawWindow(top, rect, region, flags);
    return true;
  }
  TWindow* w = Find(hwnd);
  if (!w) return false;
  TRgn area;
  const TRgn* areaPtr = nullptr;
  if (region) areaPtr = region;
  else if (rect) areaPtr = &(area = TRgn(*rect));
  TChildren children = (flags & RDW_ALLCHILDREN) ? TChildren::All
                       : (flags & RDW_NOCHILDREN) ? TChildren::None
                                                  : TChildren::ByStyle;
  if (flags & RDW_INVALIDATE) {
    if ((flags & RDW_FRAME) && ReallyVisible(w)) {
      w->framePending = true;
      UpdatePending(w);
    }
    InvalidateClient(w, areaPtr, (flags & RDW_ERASE) != 0, children);
  }
  if (flags & RDW_VALIDATE) {
    ValidateRgn(hwnd, const_cast<TRgn*>(areaPtr));
    if ((flags & RDW_NOFRAME) && (w = Find(hwnd))) {
      w->framePending = false;
      UpdatePending(w);
    }
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
    if (flags & RDW_ALLCHILDREN) UpdateTree(hwnd);
    else UpdateWindow(hwnd);
  }
  return true;
}
