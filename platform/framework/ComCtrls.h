#pragma once
// The common controls of this layer: track bar, progress bar and status
// bar, each with its window messages at their documented values.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Controls.h"

// ---- Track bar ----------------------------------------------------------------

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_GETTIC = WM_USER + 3;
constexpr UINT TBM_SETTIC = WM_USER + 4;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;
constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr UINT TBM_CLEARTICS = WM_USER + 9;
constexpr UINT TBM_GETNUMTICS = WM_USER + 16;
constexpr UINT TBM_SETTICFREQ = WM_USER + 20;
constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;
constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
constexpr UINT TBM_SETLINESIZE = WM_USER + 23;
constexpr UINT TBM_GETLINESIZE = WM_USER + 24;
constexpr UINT TBM_GETTHUMBRECT = WM_USER + 25;    // lParam: TRect*
constexpr UINT TBM_GETCHANNELRECT = WM_USER + 26;  // lParam: TRect*
constexpr UINT TBM_SETTHUMBLENGTH = WM_USER + 27;
constexpr UINT TBM_GETTHUMBLENGTH = WM_USER + 28;

// What the parent's WM_HSCROLL / WM_VSCROLL says happened (low word of wParam).
constexpr WORD TB_LINEUP = 0;
constexpr WORD TB_LINEDOWN = 1;
constexpr WORD TB_PAGEUP = 2;
constexpr WORD TB_PAGEDOWN = 3;
constexpr WORD TB_THUMBPOSITION = 4;
constexpr WORD TB_THUMBTRACK = 5;
constexpr WORD TB_TOP = 6;
constexpr WORD TB_BOTTOM = 7;
constexpr WORD TB_ENDTRACK = 8;

constexpr DWORD TBS_AUTOTICKS = 0x0001;
constexpr DWORD TBS_VERT = 0x0002;
constexpr DWORD TBS_HORZ = 0x0000;
constexpr DWORD TBS_TOP = 0x0004;
constexpr DWORD TBS_LEFT = 0x0004;
constexpr DWORD TBS_BOTH = 0x0008;
constexpr DWORD TBS_NOTICKS = 0x0010;

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

// A slider: the thumb moves along a channel between Min and Max, by the
// arrow keys (LineSize), Page Up and Page Down (PageSize), Home and End,
// dragging, and clicks on the channel (a page towards the pointer,
// repeated while the button is held). Every change of Position fires
// OnChange; the user's changes are also reported to the parent window as
// WM_HSCROLL or WM_VSCROLL with a TB_ code.
class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* owner);
  std::string ClassName() const override { return "TTrackBar"; }

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  void SetRange(int min, int max);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value) { lineSize_ = std::max(1, value); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value) { pageSize_ = std::max(1, value); }
  int ThumbLength() const { return thumbLength_; }
  void SetThumbLength(int value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  // A tick of its own (tsManual); Min and Max always have one.
  void SetTick(int value);
  // The positions that have a tick, in order.
  std::vector<int> Ticks() const;

  // Geometry, in client coordinates.
  TRect ThumbRect();
  TRect ChannelRect();
  // The position whose thumb centre lies nearest to a point along the axis.
  int PositionAt(int along);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void DefaultHandler(TMessage& message) override;
  void WMGetDlgCode(TMessage& message) override { message.Result = DLGC_WANTARROWS; }
  void WMButtonDown(TMessage& message, TMouseButton button, bool doubleClick) override;
  void WMButtonUp(TMessage& message, TMouseButton button) override;
  void WMMouseMove(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  virtual void Changed();

 private:
  // Moves by the user: clamps, stores, tells the parent and fires OnChange.
  void UserMove(int position, WORD code);
  void Notify(WORD code);
  void PageTowards(int along);
  int Along(LPARAM point) const;
  int Length() const { return orientation_ == trHorizontal ? Width() : Height(); }
  int PixelOf(int position);
  void StopPaging();

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int lineSize_ = 1;
  int pageSize_ = 2;
  int thumbLength_ = 20;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickMark tickMarks_ = tmBottomRight;
  TTickStyle tickStyle_ = tsAuto;
  std::vector<int> manualTicks_;
  bool dragging_ = false;
  int grabOffset_ = 0;
  bool paging_ = false;
  int pageTarget_ = 0;
};

// ---- Progress bar ---------------------------------------------------------------

constexpr UINT PBM_SETRANGE = WM_USER + 1;  // lParam: MAKELPARAM(min, max), 16-bit
constexpr UINT PBM_SETPOS = WM_USER + 2;    // answers the previous position
constexpr UINT PBM_DELTAPOS = WM_USER + 3;
constexpr UINT PBM_SETSTEP = WM_USER + 4;
constexpr UINT PBM_STEPIT = WM_USER + 5;
constexpr UINT PBM_SETRANGE32 = WM_USER + 6;  // wParam: min, lParam: max
constexpr UINT PBM_GETRANGE = WM_USER + 7;    // wParam: whether the low end; lParam: PBRANGE* or null
constexpr UINT PBM_GETPOS = WM_USER + 8;
constexpr DWORD PBS_SMOOTH = 0x01;
constexpr DWORD PBS_VERTICAL = 0x04;

struct PBRANGE {
  int iLow;
  int iHigh;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// Shows Position between Min and Max as a row of blocks (or one smooth bar).
class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* owner);
  std::string ClassName() const override { return "TProgressBar"; }

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value) { step_ = value; }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);
  // Position + Step; past Max it starts again from Min.
  void StepIt() { Perform(PBM_STEPIT, 0, 0); }
  void StepBy(int delta) { Perform(PBM_DELTAPOS, static_cast<WPARAM>(delta), 0); }

  // The filled part, in client coordinates.
  TRect BarRect();

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void DefaultHandler(TMessage& message) override;

 private:
  int Store(int position);
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  bool smooth_ = false;
  TProgressBarOrientation orientation_ = pbHorizontal;
};

// ---- Status bar -------------------------------------------------------------------

constexpr UINT SB_SETTEXT = WM_USER + 1;  // wParam: part (| SBT_ flags), lParam: const char*
constexpr UINT SB_GETTEXT = WM_USER + 2;  // wParam: part, lParam: char* (large enough)
constexpr UINT SB_GETTEXTLENGTH = WM_USER + 3;
constexpr UINT SB_SETPARTS = WM_USER + 4;  // wParam: count, lParam: int* right edges (-1: to the end)
constexpr UINT SB_GETPARTS = WM_USER + 6;
constexpr UINT SB_SIMPLE = WM_USER + 9;
constexpr UINT SB_GETRECT = WM_USER + 10;  // wParam: part, lParam: TRect*
constexpr WPARAM SB_SIMPLEID = 0xFF;
constexpr WPARAM SBT_NOBORDERS = 0x0100;
constexpr WPARAM SBT_POPOUT = 0x0200;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusBar;

class TStatusPanel : public TObject {
 public:
  explicit TStatusPanel(TStatusBar* owner) : owner_(owner) {}
  std::string ClassName() const override { return "TStatusPanel"; }
  std::string Text() const { return text_; }
  void SetText(const std::string& value);
  // The last panel reaches the bar's right edge whatever its width.
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);

 private:
  TStatusBar* owner_;
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
};

class TStatusPanels {
 public:
  explicit TStatusPanels(TStatusBar* owner) : owner_(owner) {}
  int Count() const { return static_cast<int>(items_.size()); }
  TStatusPanel* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
  TStatusPanel* operator[](int index) const { return Items(index); }
  TStatusPanel* Add();
  void Delete(int index);
  void Clear();

 private:
  TStatusBar* owner_;
  std::vector<std::unique_ptr<TStatusPanel>> items_;
};

// A bar along the bottom of a form: panels of text side by side, or one
// simple text across the whole bar (SimplePanel), with a size grip.
class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  std::string ClassName() const override { return "TStatusBar"; }

  TStatusPanels* Panels() { return &panels_; }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  std::string SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& value);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  // A panel's rectangle in client coordinates (empty when out of range).
  TRect PanelRect(int index);

  // Called by the panels when they change.
  void PanelsChanged();

 protected:
  void PaintWindow(HDC dc) override;
  void DefaultHandler(TMessage& message) override;

 private:
  void PaintPanel(TCanvas* canvas, TRect r, const std::string& text, TAlignment alignment, TStatusPanelBevel bevel);
  TStatusPanels panels_{this};
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
};
