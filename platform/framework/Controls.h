#pragma once
// Controls: TControl (a rectangle on a parent, with font, colour, text,
// visibility and mouse events), TWinControl (a control with a window of
// its own that holds child controls and takes the keyboard focus),
// TGraphicControl (painted on its parent's canvas) and TCustomControl (a
// window with a canvas and Paint).
//
// Every message a control receives goes through WindowProc (replaceable,
// so another component can hook it and call the saved one), then WndProc
// and Dispatch, which calls the virtual handler of the message; messages
// without a handler reach DefaultHandler (the window system's default
// procedure for windowed controls).

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/Types.h"
#include "platform/framework/Component.h"
#include "platform/framework/ControlMessages.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/win/WinApi.h"

class TPopupMenu;  // the menus come with the standard controls
class TControl;
class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

using TAnchors = unsigned;
constexpr TAnchors akLeft = 1;
constexpr TAnchors akTop = 2;
constexpr TAnchors akRight = 4;
constexpr TAnchors akBottom = 8;

// Frames of forms; controls with a border use the first two.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = unsigned;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;
constexpr TShiftState ssDouble = 64;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
// The standard cursor of a TCursor value (IDC_ number; 0 for crDefault).
int CursorToIdc(TCursor cursor);

using TControlStyle = unsigned;
constexpr TControlStyle csAcceptsControls = 0x0001;
constexpr TControlStyle csCaptureMouse = 0x0002;
constexpr TControlStyle csClickEvents = 0x0004;
constexpr TControlStyle csFramed = 0x0008;
constexpr TControlStyle csSetCaption = 0x0010;
constexpr TControlStyle csOpaque = 0x0020;
constexpr TControlStyle csDoubleClicks = 0x0040;
constexpr TControlStyle csFixedWidth = 0x0080;
constexpr TControlStyle csFixedHeight = 0x0100;
constexpr TControlStyle csNoStdEvents = 0x0200;
constexpr TControlStyle csParentBackground = 0x0400;

using TControlState = unsigned;
constexpr TControlState csLButtonDown = 0x0001;
constexpr TControlState csClicked = 0x0002;
constexpr TControlState csAlignmentNeeded = 0x0004;
constexpr TControlState csFocusing = 0x0008;
constexpr TControlState csCreating = 0x0010;
constexpr TControlState csCustomPaint = 0x0020;
constexpr TControlState csDestroyingHandle = 0x0040;
constexpr TControlState csPainting = 0x0080;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TWndMethod = std::function<void(TMessage& Message)>;
using TAlignPositionEvent = std::function<void(TWinControl* Sender, TControl* Control, int& NewLeft,
                                               int& NewTop, int& NewWidth, int& NewHeight,
                                               TRect& AlignRect)>;

// The shift state of the keys and buttons as of the current message.
TShiftState KeyboardShiftState();
TShiftState KeysToShiftState(WPARAM keys);
// Whether ch is the character after "&" in caption (case-insensitive).
bool IsAccel(char32_t ch, const std::string& caption);
// Whether the system reads text right to left (from the user's locale).
bool SysLocaleMiddleEast();

class TSizeConstraints : public TObject {
 public:
  std::string ClassName() const override { return "TSizeConstraints"; }
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }  // 0: no limit
  int MaxHeight() const { return maxHeight_; }
  void SetMinWidth(int value);
  void SetMinHeight(int value);
  void SetMaxWidth(int value);
  void SetMaxHeight(int value);
  // Brings a size within the limits.
  void Apply(int& width, int& height) const;
  TNotifyEvent OnChange;

 private:
  void Changed();
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The form the control lies on (nullptr when none).
  TCustomForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Width(); }
  int ClientHeight() { return ClientRect().Height(); }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  virtual void SetClientSize(int width, int height);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(TPoint point) { TPoint o = ClientOrigin(); return {point.X + o.X, point.Y + o.Y}; }
  TPoint ScreenToClient(TPoint point) { TPoint o = ClientOrigin(); return {point.X - o.X, point.Y - o.Y}; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  // Anchored edges keep their distance to the parent's edges as the parent
  // resizes, measured from where the control lies when anchors, bounds or
  // parent are set (or when a description of the form is loaded).
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool value);
  TSizeConstraints* Constraints() { return &constraints_; }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible with every parent visible (and the top window shown).
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  std::string Caption() const { return text_; }
  void SetCaption(const std::string& value) { SetText(value); }
  std::string Text() const { return text_; }
  virtual void SetText(const std::string& value);

  std::string Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  bool UseRightToLeftReading() const;
  bool UseRightToLeftAlignment() const;

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState state) { controlState_ = state; }
  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  // Sends a message straight to WindowProc.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();
  virtual void Click();
  virtual void DblClick();

  void Loaded() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  // Fired by windowed controls only.
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  friend class TWinControl;
  // Bounds as stored, without moving a window (the window system moved it).
  void UpdateBoundsFields(int left, int top, int width, int height);
  virtual void SetZOrder(bool topMost);
  void RequestAlign();
  void UpdateAnchorRules();
  // Size checks before bounds change: OnCanResize, then the constraints.
  virtual bool CanResize(int& newWidth, int& newHeight);
  bool CheckNewSize(int& newWidth, int& newHeight);
  virtual bool CanAutoSize(int& newWidth, int& newHeight);
  virtual void AdjustSize();
  virtual void Resize();
  virtual void VisibleChanging() {}
  void InvalidateControl(bool isVisible, bool isOpaque);

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  // Message handlers.
  virtual void WMMouseMove(TMessage& message);
  virtual void WMButtonDown(TMessage& message, TMouseButton button, bool doubleClick);
  virtual void WMButtonUp(TMessage& message, TMouseButton button);
  virtual void WMLButtonDblClk(TMessage& message);
  virtual void CMEnabledChanged(TMessage& message);
  virtual void CMVisibleChanged(TMessage& message);
  virtual void CMFontChanged(TMessage& message);
  virtual void CMColorChanged(TMessage& message);
  virtual void CMTextChanged(TMessage& message);
  virtual void CMParentFontChanged(TMessage& message);
  virtual void CMParentColorChanged(TMessage& message);
  virtual void CMParentShowHintChanged(TMessage& message);
  virtual void CMParentBiDiModeChanged(TMessage& message);
  virtual void CMBiDiModeChanged(TMessage& message);
  virtual void CMMouseEnter(TMessage& message);
  virtual void CMMouseLeave(TMessage& message);
  virtual void CMHitTest(TMessage& message);
  virtual void CMCancelMode(TMessage& message);
  virtual void CMCursorChanged(TMessage&) {}

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState controlState_ = 0;

 private:
  void FontChanged();
  void PublishControlProperties();

  TAlign align_ = alNone;
  TAnchors anchors_ = akLeft | akTop;
  TPoint anchorRules_;
  TPoint originalParentSize_;
  bool autoSize_ = false;
  TSizeConstraints constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  bool changingFont_ = false;
  std::string text_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
};

// What CreateWnd hands to the window system.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  UINT ClassStyle = CS_DBLCLKS;
  std::string WinClassName;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  // The window, created on first use.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  // The owner window of a control without a parent (a top-level one).
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window) { parentWindow_ = window; }
  // Asks for a new window (CM_RECREATEWND), so style changes that only
  // creation applies take effect; hooks of WindowProc see the request.
  void RecreateWnd();
  // The control behind a window of the framework (nullptr for others).
  static TWinControl* FindControl(HWND window);

  // Children in paint order: the last one lies on top.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(TControl* control) const;
  // The topmost visible child at a client point (graphic ones only unless
  // allowWinControls).
  TControl* ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls = false);

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  int TabOrder() const;
  void SetTabOrder(int value);
  bool CanFocus();
  bool Focused() const;
  virtual void SetFocus();
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  virtual void AdjustClientRect(TRect& rect);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
  bool Showing() const override;

  TRect ClientRect() override;
  TPoint ClientOrigin() override;
  void SetText(const std::string& value) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  void Realign();
  // Sends the message to every child until one sets a result.
  void Broadcast(TMessage& message);
  void NotifyControls(UINT msg);

  // The focusable windowed descendants in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  // A handler for one message number, ahead of the built-in ones (forms use
  // it for the messages their worker threads post).
  void SetMessageHandler(UINT msg, std::function<void(TMessage&)> handler);
  // Runs the handler set for the message, if any.
  bool CallMessageHandler(TMessage& message);

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  // The entry from the window system: runs WindowProc and reports an
  // exception of a handler through the application.
  void MainWndProc(TMessage& message);
  void Loaded() override;

  TAlignPositionEvent OnAlignPosition;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  void DestroyHandle();
  void UpdateBoundsFromWindow();
  virtual void AlignControls(TControl* control, TRect& rect);
  virtual void CustomAlignPosition(TControl* control, int& newLeft, int& newTop, int& newWidth,
                                   int& newHeight, TRect& alignRect);
  void SetZOrder(bool topMost) override;

  // Painting: PaintWindow draws the control itself (the default window
  // procedure for a native control), PaintControls its graphic children.
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc, TControl* first);
  void PaintHandler(TMessage& message);
  // Called after the native painting of the client (WM_PAINT) and of the
  // non-client margin (WM_NCPAINT), with a canvas in window coordinates;
  // a subclass draws over both here.
  virtual void PaintOverNative(TCanvas& /*windowCanvas*/) {}
  // Whether PaintWindow is the default procedure's (so the hook applies).
  virtual bool PaintsNatively() const { return true; }

  // Keyboard.
  virtual bool DoKeyDown(TMessage& message);
  virtual bool DoKeyUp(TMessage& message);
  virtual bool DoKeyPress(TMessage& message);
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char32_t& key);
  virtual void DoEnter();
  virtual void DoExit();

  // Message handlers.
  virtual void WMPaint(TMessage& message);
  virtual void WMEraseBkgnd(TMessage& message);
  virtual void WMNCPaint(TMessage& message);
  virtual void WMNCCalcSize(TMessage& message);
  virtual void WMSize(TMessage& message);
  virtual void WMMove(TMessage& message);
  virtual void WMWindowPosChanged(TMessage& message);
  virtual void WMSetFocus(TMessage& message);
  virtual void WMKillFocus(TMessage& message);
  virtual void WMSetCursor(TMessage& message);
  virtual void WMSetText(TMessage& message);
  virtual void WMKeyDown(TMessage& message);
  virtual void WMKeyUp(TMessage& message);
  virtual void WMChar(TMessage& message);
  virtual void WMSysKeyDown(TMessage& message);
  virtual void WMSysChar(TMessage& message);
  // Shows the popup menu of the control or its nearest parent that has one;
  // without one the default procedure passes the request on.
  virtual void WMContextMenu(TMessage& message);
  // A child control's notification goes back to that control as CN_COMMAND.
  virtual void WMCommand(TMessage& message);
  // The menu key or Shift+F10 asks the control for its context menu
  // (WM_CONTEXTMENU without a point), also where the control's own key
  // handling would take the key; answers whether the key was that.
  bool RequestContextMenu(const TMessage& keyMessage);
  virtual void CNKeyDown(TMessage& message);
  virtual void CNKeyUp(TMessage& message);
  virtual void CNChar(TMessage& message);
  virtual void CNSysKeyDown(TMessage& message);
  virtual void CNSysChar(TMessage& message);
  virtual void CMDialogKey(TMessage& message);
  virtual void CMDialogChar(TMessage& message);
  virtual void CMFocusChanged(TMessage& message);
  virtual void CMEnter(TMessage& message);
  virtual void CMExit(TMessage& message);
  virtual void CMWantSpecialKey(TMessage& message) { message.Result = 0; }
  virtual void CMRecreateWnd(TMessage& message);
  virtual void WMGetDlgCode(TMessage& message) { message.Result = 0; }
  void CMEnabledChanged(TMessage& message) override;
  void CMVisibleChanged(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;

 private:
  friend class TControl;
  friend LRESULT ControlWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  void AttachHandle(HWND window);
  void DetachHandle();
  bool IsControlMouseMsg(TMessage& message);
  void DoAlign(TAlign align, TControl* control, TRect& rect);
  void DoPosition(TControl* control);
  std::vector<TWinControl*> TabList() const;

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int borderWidth_ = 0;
  bool doubleBuffered_ = false;
  int alignDisabled_ = 0;
  bool alignPending_ = false;
  bool aligning_ = false;
  std::unordered_map<UINT, std::function<void(TMessage&)>> messageHandlers_;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  std::string ClassName() const override { return "TGraphicControl"; }
  // The parent's canvas while painting (origin at this control), else a
  // canvas for measuring text in the control's font.
  TCanvas* Canvas();

 protected:
  virtual void Paint() {}
  void Dispatch(TMessage& message) override;

 private:
  TCanvas* paintCanvas_ = nullptr;
  std::unique_ptr<TBitmap> measureBitmap_;
};

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  std::string ClassName() const override { return "TCustomControl"; }
  // The window's canvas while painting, else a canvas for measuring text.
  TCanvas* Canvas();

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  bool PaintsNatively() const override { return false; }

 private:
  TCanvas* paintCanvas_ = nullptr;
  std::unique_ptr<TBitmap> measureBitmap_;
};

// A canvas for measuring text outside painting.
TCanvas* MeasuringCanvas(std::unique_ptr<TBitmap>& holder, const TFont& font);
