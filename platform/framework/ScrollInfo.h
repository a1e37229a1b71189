#pragma once
// Window scroll bars. A window with WS_VSCROLL or WS_HSCROLL has a bar in
// its non-client area along the right or bottom edge; its range, page and
// position live here, keyed by window. SB_CTL asks a scroll-bar control
// (TScrollBar) through the SBM_ messages. Values keep their documented
// numbers.
//
// TScrollingControl is the base of the controls that have such bars: its
// default handler (the control's native procedure) reserves the bars in
// WM_NCCALCSIZE, paints them in WM_NCPAINT, hit-tests them and tracks
// arrow, page and thumb clicks, sending WM_VSCROLL / WM_HSCROLL.

#include "platform/framework/Controls.h"

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINELEFT = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_LINERIGHT = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGELEFT = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_PAGERIGHT = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_LEFT = 6;
constexpr WORD SB_BOTTOM = 7;
constexpr WORD SB_RIGHT = 7;
constexpr WORD SB_ENDSCROLL = 8;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

constexpr UINT ESB_ENABLE_BOTH = 0;
constexpr UINT ESB_DISABLE_LTUP = 1;
constexpr UINT ESB_DISABLE_RTDN = 2;
constexpr UINT ESB_DISABLE_BOTH = 3;

constexpr LONG OBJID_CLIENT = -4;
constexpr LONG OBJID_VSCROLL = -5;
constexpr LONG OBJID_HSCROLL = -6;

constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr DWORD STATE_SYSTEM_OFFSCREEN = 0x00010000;

constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_ENABLE_ARROWS = 0x00E4;
constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
constexpr UINT SBM_GETSCROLLBARINFO = 0x00EB;

constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

// rgstate: 0 the bar, 1 the up/left arrow, 2 the page-up area, 3 the thumb,
// 4 the page-down area, 5 the down/right arrow. Thumb offsets are from the
// bar's top (left) edge; both 0 when the bar shows no thumb.
struct SCROLLBARINFO {
  DWORD cbSize = sizeof(SCROLLBARINFO);
  TRect rcScrollBar;  // screen coordinates
  int dxyLineButton = 0;
  int xyThumbTop = 0;
  int xyThumbBottom = 0;
  int reserved = 0;
  DWORD rgstate[6] = {};
};

// With redraw the bar is painted again. SetScrollInfo answers the new
// position. For SB_VERT / SB_HORZ, a range with nothing to scroll hides
// the bar (the style bit goes) unless SIF_DISABLENOSCROLL, which disables
// it instead; a range to scroll shows it again. A window that never had
// the bar (neither its style nor any information set) has none to ask:
// GetScrollInfo fails and GetScrollRange gives 0..0.
bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, bool redraw);
int GetScrollPos(HWND hwnd, int bar);
int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw);  // answers the old position
bool GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw);
bool ShowScrollBar(HWND hwnd, int bar, bool show);
bool EnableScrollBar(HWND hwnd, int bar, UINT arrows);
bool GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info);

// Where the parts of a bar of the given length lie (offsets along it).
struct TScrollBarLayout {
  int arrow = 0;       // the length of each arrow button
  int thumbTop = 0;    // 0 and 0: no thumb
  int thumbBottom = 0;
};
// Arrows are square (thickness long) unless the bar is too short for two,
// when they share its length; the thumb is the track length times
// nPage / (nMax - nMin + 1), at least kMinThumbLength, and shown only when
// it fits and the bar is enabled.
constexpr int kMinThumbLength = 8;
TScrollBarLayout LayoutScrollBar(const SCROLLINFO& info, int length, int thickness, bool enabled);
// The position the thumb at offset thumbTop stands for.
int ScrollPosFromThumb(const SCROLLINFO& info, const TScrollBarLayout& layout, int length, int thumbTop);

// Parts of a bar, in rgstate order.
enum TScrollBarPart { sbpNone = 0, sbpLineUp = 1, sbpPageUp = 2, sbpThumb = 3, sbpPageDown = 4, sbpLineDown = 5 };

// The classic look: arrow buttons, a dithered track, a raised thumb.
void DrawScrollBar(TCanvas& canvas, const TRect& rect, bool vertical, const SCROLLINFO& info,
                   bool enabled, TScrollBarPart pressed);
// One arrow button of that look (a combo box's drop button is one).
enum TArrowDirection { adUp, adDown, adLeft, adRight };
void DrawArrowButton(TCanvas& canvas, const TRect& rect, TArrowDirection direction, bool enabled, bool pressed);

namespace detail {
// The stored state of one bar of a window (SB_HORZ, SB_VERT or SB_CTL).
struct TBarState {
  SCROLLINFO info;
  UINT disabledArrows = 0;  // ESB_ flags
};
// The bar's state, made with the range 0..100 if it had none.
TBarState& BarState(HWND hwnd, int bar);
// The state of a bar the window has, nullptr when it has none: a window's
// bar exists once its information is set, or while the window's style
// shows it; a control's (SB_CTL) once the control publishes it.
const TBarState* ExistingBar(HWND hwnd, int bar);
void ForgetBars(HWND hwnd);

// The largest position: with a page, the last page ends at nMax.
int MaxScrollPos(const SCROLLINFO& info);
// Sets what change's fMask names, then keeps the page within the range
// (nMax - nMin + 1 at most) and the position in [nMin, MaxScrollPos].
void ApplyScrollInfo(SCROLLINFO& info, const SCROLLINFO& change);

// Clicks on a bar: press, drag and release; auto-repeat by a timer of the
// window. notify receives (code, pos) to send as WM_VSCROLL / WM_HSCROLL.
class TScrollTracker {
 public:
  static constexpr UINT_PTR kTimerId = 0x5C01;
  // rect: the bar in the window's client coordinates (may be negative,
  // for the non-client bars); point in the same coordinates.
  void Begin(HWND hwnd, int bar, bool vertical, const TRect& rect, TPoint point);
  void Move(TPoint point);
  void End();
  void Tick();  // the timer
  bool Active() const { return part_ != sbpNone; }
  int Bar() const { return bar_; }
  TScrollBarPart Pressed() const { return pressedNow_ ? part_ : sbpNone; }

 private:
  void Notify(WORD code, int pos);
  void Step();
  int Length() const { return vertical_ ? rect_.Height() : rect_.Width(); }
  int Thickness() const { return vertical_ ? rect_.Width() : rect_.Height(); }
  int Along(TPoint p) const { return vertical_ ? p.Y - rect_.Top : p.X - rect_.Left; }
  TScrollBarPart PartAt(TPoint p) const;
  void Redraw();

  HWND hwnd_ = nullptr;
  int bar_ = SB_VERT;
  bool vertical_ = true;
  TRect rect_;
  TScrollBarPart part_ = sbpNone;
  bool pressedNow_ = false;
  int grabOffset_ = 0;
  int trackPos_ = 0;
  TPoint last_;
};
}  // namespace detail

// A native control with window scroll bars.
class TScrollingControl : public TWinControl {
 public:
  explicit TScrollingControl(TComponent* owner);
  ~TScrollingControl() override;
  std::string ClassName() const override { return "TScrollingControl"; }

  void DefaultHandler(TMessage& message) override;
  // The rectangle of a window scroll bar in window coordinates (empty when
  // the style does not show it).
  TRect BarRect(int bar);

 protected:
  // Mouse messages reach the native procedure before the mouse events,
  // as a native control takes a click before the program hears of it.
  void Dispatch(TMessage& message) override;
  // Repaints the non-client bars.
  void RedrawBars();
  // Whether a click on a bar is being followed.
  bool TrackingBar() const { return tracker_.Active(); }
  // Runs set, which sets the control's bars. A bar shown or hidden there
  // resizes the client: its WM_SIZE does not set them again meanwhile, and
  // set runs once more afterwards for the new size.
  void SetBarsSettled(const std::function<void()>& set);

 private:
  void NcCalcSize(TMessage& message);
  void NcPaint();
  LRESULT NcHitTest(TMessage& message);
  void NcButtonDown(TMessage& message);
  TRect BarRectInClient(int bar);
  detail::TScrollTracker tracker_;
  bool updatingBars_ = false;
};
