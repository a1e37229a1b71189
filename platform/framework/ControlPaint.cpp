// Painting. A windowed control erases its background in its colour,
// paints itself (PaintWindow) and then its windowless children, each on
// the same canvas with the origin moved to the child and the drawing cut
// to it. WM_PAINT with a canvas in wParam paints into that canvas instead
// of the window: that is how double buffering and a child showing its
// parent's background work.

#include <algorithm>
#include <optional>

#include "platform/framework/Controls.h"

namespace {

// Restores a canvas's device-context state when it goes out of scope.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

// Ends the painting of a window also when a Paint raised, so the window is
// not asked to paint again and again.
class TPaintScope {
 public:
  explicit TPaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
  ~TPaintScope() { EndPaint(window_, &ps_); }
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_;
  HDC dc_;
};

// Points a control's Paint at a canvas set up with the control's font,
// brush colour and a fresh pen, and marks it as painting; both are put
// back when the scope ends, also when Paint raised.
class TControlPaintScope {
 public:
  TControlPaintScope(HDC dc, TCanvas*& canvas, TControlState& state, const TFont& font, TColor color)
      : canvas_(canvas), previous_(canvas), state_(state) {
    canvas_ = dc;
    dc->SetFont(font);
    dc->Brush()->SetColor(color);
    dc->SetPen(TPen());
    state_ |= csPainting;
  }
  ~TControlPaintScope() {
    state_ &= ~csPainting;
    canvas_ = previous_;
  }

 private:
  TCanvas*& canvas_;
  TCanvas* previous_;
  TControlState& state_;
};

class TWindowDCScope {
 public:
  explicit TWindowDCScope(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~TWindowDCScope() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace

TCanvas* MeasuringCanvas(std::unique_ptr<TBitmap>& holder, const TFont& font) {
  if (!holder) holder = std::make_unique<TBitmap>(1, 1);
  holder->Canvas()->SetFont(font);
  return holder->Canvas();
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) return;
  TBrush brush;
  brush.SetColor(Color());
  FillRect(dc, ClientRect(), &brush);
  m.Result = 1;
}

void TWinControl::WMPaint(TMessage& m) {
  bool fromSystem = m.WParam == 0;
  if (fromSystem && doubleBuffered_ && handle_) {
    TPaintScope paint(handle_);
    TRect client = ClientRect();
    if (paint.Dc() && !client.IsEmpty()) {
      TBitmap buffer(client.Width(), client.Height());
      TCanvas* memory = buffer.Canvas();
      Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(memory));
      Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
      BitBlt(paint.Dc(), 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
    }
  } else {
    PaintHandler(m);
  }
  if (fromSystem && handle_ && PaintsNatively()) {
    TWindowDCScope window(handle_);
    if (window.Dc()) PaintOverNative(*window.Dc());
  }
}

void TWinControl::PaintHandler(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  std::optional<TPaintScope> paint;
  if (!dc) {
    if (!handle_) return;
    paint.emplace(handle_);
    dc = paint->Dc();
    if (!dc) return;
  }
  {
    TSavedDC saved(dc);
    // Opaque children cover their part: the control does not paint under them.
    for (TControl* c : controls_)
      if (!dynamic_cast<TWinControl*>(c) && c->Visible() && (c->ControlStyle() & csOpaque))
        ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
    PaintWindow(dc);
  }
  PaintControls(dc, nullptr);
}

// A control of our own window class has no native look of its own; the
// controls that have one draw it here.
void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto it = controls_.begin();
  if (first) it = std::find(controls_.begin(), controls_.end(), first);
  TRect clip;
  GetClipBox(dc, &clip);
  for (; it != controls_.end(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    // A child asking for the background behind itself is not painted into it.
    if (c->ControlState() & csPainting) continue;
    TRect bounds = c->BoundsRect(), visible;
    if (!IntersectRect(visible, bounds, clip)) continue;
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::WMNCPaint(TMessage& m) {
  DefaultHandler(m);
  if (!handle_) return;
  bool margin = borderWidth_ > 0;
  if (!margin && !PaintsNatively()) return;
  TWindowDCScope windowDc(handle_);
  HDC window = windowDc.Dc();
  if (!window) return;
  if (margin) {
    // The margin lies around the client area, inside the window's frame.
    TRect windowRect;
    GetWindowRect(handle_, &windowRect);
    TPoint origin = ClientOrigin();
    TRect client = ClientRect();
    OffsetRect(client, origin.X - windowRect.Left, origin.Y - windowRect.Top);
    TRect outer = client;
    InflateRect(outer, borderWidth_, borderWidth_);
    TSavedDC saved(window);
    ExcludeClipRect(window, client.Left, client.Top, client.Right, client.Bottom);
    TBrush brush;
    brush.SetColor(Color());
    FillRect(window, outer, &brush);
  }
  if (PaintsNatively()) PaintOverNative(*window);
}

// ---- TGraphicControl ------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TCanvas* TGraphicControl::Canvas() {
  if (paintCanvas_) return paintCanvas_;
  return MeasuringCanvas(measureBitmap_, *Font());
}

void TGraphicControl::Dispatch(TMessage& m) {
  if (m.Msg != WM_PAINT) {
    TControl::Dispatch(m);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) return;
  TControlPaintScope scope(dc, paintCanvas_, controlState_, *Font(), Color());
  Paint();
}

// ---- TCustomControl -------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCanvas* TCustomControl::Canvas() {
  if (paintCanvas_) return paintCanvas_;
  return MeasuringCanvas(measureBitmap_, *Font());
}

void TCustomControl::PaintWindow(HDC dc) {
  TControlPaintScope scope(dc, paintCanvas_, controlState_, *Font(), Color());
  Paint();
}
