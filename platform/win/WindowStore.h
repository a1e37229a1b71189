#pragma once
// The window records behind the handles, and the state the window system
// keeps beside them (GUI thread only). Internal to platform/win.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/win/Backend.h"
#include "platform/win/WinApi.h"

namespace detail {

struct TWindow {
  HWND handle = nullptr;
  WNDCLASS cls;
  DWORD style = 0;
  DWORD exStyle = 0;
  WNDPROC proc = nullptr;
  LONG_PTR userData = 0;
  UINT_PTR id = 0;
  std::string text;

  TWindow* parent = nullptr;  // WS_CHILD windows only
  TWindow* owner = nullptr;   // top-level windows only
  std::vector<TWindow*> children;  // z-order, topmost first

  TRect rect;    // parent client coordinates; screen for a top-level
  TRect client;  // window coordinates
  std::unique_ptr<TRgn> region;  // window coordinates; none: the rectangle

  // Painting, in client coordinates.
  TRgn update;
  bool erasePending = false;
  bool framePending = false;
  int beginPaintCount = 0;

  // Top-level windows.
  std::shared_ptr<TBitmap> surface;  // the whole window rectangle
  TRgn dirty;                        // window coordinates, not yet shown
  TNativeKind nativeKind = TNativeKind::Normal;
  TRect normalRect;  // placement before maximize
  bool destroying = false;

  bool IsChild() const { return parent != nullptr; }
  bool Visible() const { return (style & WS_VISIBLE) != 0; }
  bool Enabled() const { return (style & WS_DISABLED) == 0; }
  int Width() const { return rect.Width(); }
  int Height() const { return rect.Height(); }
};

// The live window of a handle, or nullptr.
TWindow* Find(HWND hwnd);
// A new record with a fresh handle, and its removal when destroyed.
TWindow* NewWindow();
void ForgetWindow(TWindow* window);
std::vector<TWindow*>& TopLevels();  // z-order, topmost first
bool IsLiveHandle(HWND hwnd);        // any thread
void ClearWindowStore();

const WNDCLASS* FindClass(const std::string& name);
void ClearClasses();

TWindow* RootOf(TWindow* window);
// Origin of the window in screen coordinates, and of its client area.
TPoint ScreenOrigin(const TWindow* window);
TPoint ClientScreenOrigin(const TWindow* window);
// Origin of the window inside its top-level surface.
TPoint SurfaceOrigin(const TWindow* window);
// Visible and all parents visible.
bool ReallyVisible(const TWindow* window);
bool IsDescendant(const TWindow* ancestor, const TWindow* window);

// The z-order list the window belongs to.
std::vector<TWindow*>& Siblings(TWindow* window);
// Puts a top-level window first among the windows of its topmost group,
// with the windows it owns (directly or not) just above it.
void BringTopLevelToFront(TWindow* top);

TWindowBackend& Backend();
bool HasBackend();

}  // namespace detail
