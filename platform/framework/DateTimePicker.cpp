// The date picker: its value, the text, the messages, the calendar it
// drops down, the pointer and its plain look.

#include "platform/framework/DateTimePicker.h"

#include <algorithm>
#include <cmath>

#include "platform/framework/MonthCalendar.h"
#include "platform/framework/ScrollInfo.h"
#include "platform/gfx/DrawText.h"

namespace {

constexpr int kButtonWidth = 16;
constexpr int kTextIndent = 2;

SYSTEMTIME ToSystemTime(TDateTime value) {
  SYSTEMTIME st;
  WORD y, m, d;
  DecodeDate(value, y, m, d);
  st.wYear = y;
  st.wMonth = m;
  st.wDay = d;
  st.wDayOfWeek = static_cast<WORD>(DayOfWeekOf(y, m, d));
  double seconds = std::round((value - std::floor(value)) * 86400.0 * 1000.0) / 1000.0;
  int whole = std::min(86399, static_cast<int>(seconds));
  st.wHour = static_cast<WORD>(whole / 3600);
  st.wMinute = static_cast<WORD>(whole / 60 % 60);
  st.wSecond = static_cast<WORD>(whole % 60);
  st.wMilliseconds = static_cast<WORD>(std::clamp(static_cast<int>(std::lround((seconds - whole) * 1000)), 0, 999));
  return st;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = csCaptureMouse | csSetCaption | csFixedHeight | csOpaque;
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  SetColor(clWindow);
  calendar_ = std::make_unique<detail::TMonthCalendarPopup>(this);
  SYSTEMTIME now;
  GetLocalTime(now);
  dateTime_ = EncodeDate(now.wYear, now.wMonth, now.wDay) +
              (now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond) / 86400.0;
  field_ = FieldOrder().front();
  RefreshText();
  Publish("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat);
}

TDateTimePicker::~TDateTimePicker() {
  dropped_ = false;
  calendar_.reset();
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- The value ---------------------------------------------------------------------

TDateTime TDateTimePicker::Date() const { return std::floor(dateTime_); }

void TDateTimePicker::SetDate(TDateTime value) { SetDateTime(std::floor(value) + (dateTime_ - std::floor(dateTime_))); }

void TDateTimePicker::SetDateTime(TDateTime value) {
  if (!std::isfinite(value)) return;
  // Only dates of the years 1 to 9999 can be shown.
  value = std::clamp(value, EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31) + 0.99999);
  dateTime_ = value;
  typed_.clear();
  RefreshText();
  if (dropped_) calendar_->ShowDate(dateTime_);
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value) {
  if (value == dateFormat_) return;
  dateFormat_ = value;
  std::vector<TDateField> order = FieldOrder();
  if (std::find(order.begin(), order.end(), field_) == order.end()) field_ = order.front();
  RefreshText();
}

void TDateTimePicker::Decode(int& year, int& month, int& day) const {
  WORD y, m, d;
  DecodeDate(dateTime_, y, m, d);
  year = y;
  month = m;
  day = d;
}

void TDateTimePicker::StoreDate(int year, int month, int day) {
  double time = dateTime_ - std::floor(dateTime_);
  dateTime_ = EncodeDate(static_cast<WORD>(year), static_cast<WORD>(month), static_cast<WORD>(day)) + time;
  RefreshText();
  if (dropped_) calendar_->ShowDate(dateTime_);
}

void TDateTimePicker::UserDate(int year, int month, int day) {
  // The calendar's first and last weeks reach into years 0 and 10000.
  if (!IsValidDate(year, month, day)) return;
  int y, m, d;
  Decode(y, m, d);
  if (y == year && m == month && d == day) return;
  StoreDate(year, month, day);
  NMDATETIMECHANGE change;
  change.st = ToSystemTime(dateTime_);
  if (HandleAllocated()) {
    change.nmhdr.hwndFrom = Handle();
    change.nmhdr.code = DTN_DATETIMECHANGE;
    NotifyOwnControl(Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  } else {
    Change();
  }
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

// ---- The text --------------------------------------------------------------------------

std::vector<TDatePart> TDateTimePicker::Parts() const {
  int y, m, d;
  Decode(y, m, d);
  return WriteDate(y, m, d, dateFormat_);
}

std::vector<TDateField> TDateTimePicker::FieldOrder() const {
  std::vector<TDateField> order;
  for (const TDatePart& part : Parts())
    if (part.Field != dtfNone && std::find(order.begin(), order.end(), part.Field) == order.end())
      order.push_back(part.Field);
  if (order.empty()) order = {dtfMonth, dtfDay, dtfYear};
  return order;
}

void TDateTimePicker::RefreshText() {
  std::string text;
  for (const TDatePart& part : Parts()) text += part.Text;
  SetText(text);
  Invalidate();
}

std::vector<TRect> TDateTimePicker::PartRects(TCanvas* canvas, const std::vector<TDatePart>& parts) {
  std::vector<TRect> rects;
  int x = kTextIndent;
  int height = ClientHeight();
  for (const TDatePart& part : parts) {
    int width = canvas->TextWidth(part.Text);
    rects.push_back(Rect(x, 1, x + width, height - 1));
    x += width;
  }
  return rects;
}

TRect TDateTimePicker::ButtonRect() {
  TRect client = ClientRect();
  return Rect(std::max(0, client.Right - kButtonWidth), 0, client.Right, client.Bottom);
}

// ---- Messages ---------------------------------------------------------------------------

void TDateTimePicker::Dispatch(TMessage& m) {
  if (m.Msg == CN_NOTIFY && m.LParam && reinterpret_cast<const NMHDR*>(m.LParam)->code == DTN_DATETIMECHANGE) {
    Change();
    return;
  }
  TWinControl::Dispatch(m);
}

void TDateTimePicker::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case DTM_GETSYSTEMTIME:
      if (m.LParam) *reinterpret_cast<SYSTEMTIME*>(m.LParam) = ToSystemTime(dateTime_);
      m.Result = m.LParam ? GDT_VALID : GDT_ERROR;
      return;
    case DTM_SETSYSTEMTIME: {
      const auto* st = reinterpret_cast<const SYSTEMTIME*>(m.LParam);
      // A picker without check box always holds a date: GDT_NONE and
      // dates that do not exist are refused.
      if (static_cast<LRESULT>(m.WParam) != GDT_VALID || !st || !IsValidDate(st->wYear, st->wMonth, st->wDay) ||
          st->wHour > 23 || st->wMinute > 59 || st->wSecond > 59) {
        m.Result = 0;
        return;
      }
      SetDateTime(EncodeDate(st->wYear, st->wMonth, st->wDay) +
                  (st->wHour * 3600.0 + st->wMinute * 60.0 + st->wSecond) / 86400.0);
      m.Result = 1;
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (HandleKey(static_cast<WORD>(m.WParam))) return;
      break;
    case WM_CHAR:
      if (m.WParam >= '0' && m.WParam <= '9') {
        TypeDigit(static_cast<int>(m.WParam - '0'));
        return;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      typed_.clear();
      if (m.Msg == WM_KILLFOCUS) ShowCalendar(false);
      Invalidate();
      break;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}

void TDateTimePicker::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
  // Escape and Enter close the open calendar rather than the dialog.
  if (dropped_) m.Result |= DLGC_WANTALLKEYS;
}

void TDateTimePicker::CMEnabledChanged(TMessage& m) {
  if (!Enabled()) ShowCalendar(false);
  TWinControl::CMEnabledChanged(m);
  Invalidate();
}

void TDateTimePicker::CMFontChanged(TMessage& m) {
  TWinControl::CMFontChanged(m);
  Invalidate();
}

// ---- The calendar ----------------------------------------------------------------------

void TDateTimePicker::ShowCalendar(bool show) {
  if (show == dropped_ || !HandleAllocated()) return;
  if (show) {
    NMHDR header{Handle(), 0, DTN_DROPDOWN};
    NotifyOwnControl(Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    calendar_->ShowDate(dateTime_);
    TSize size = detail::TMonthCalendarPopup::PreferredSize();
    TRect window;
    GetWindowRect(Handle(), &window);
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    int left = std::clamp(window.Left, work.Left, std::max(work.Left, work.Right - size.cx));
    int top = window.Bottom;
    if (top + size.cy > work.Bottom && window.Top - size.cy >= work.Top) top = window.Top - size.cy;
    dropped_ = true;
    HWND popup = calendar_->Handle();
    SetWindowPos(popup, nullptr, left, top, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOZORDER);
    SetCapture(popup);
  } else {
    dropped_ = false;
    if (calendar_->HandleAllocated()) {
      if (GetCapture() == calendar_->Handle()) ReleaseCapture();
      ShowWindow(calendar_->Handle(), SW_HIDE);
    }
    NMHDR header{Handle(), 0, DTN_CLOSEUP};
    NotifyOwnControl(Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }
  Invalidate();
}

void TDateTimePicker::CalendarPicked(TDateTime date) {
  ShowCalendar(false);
  WORD y, m, d;
  DecodeDate(date, y, m, d);
  UserDate(y, m, d);
}

void TDateTimePicker::CloseCalendar() { ShowCalendar(false); }

// ---- The pointer --------------------------------------------------------------------------

void TDateTimePicker::WMButtonDown(TMessage& m, TMouseButton button, bool doubleClick) {
  if (button == mbLeft && Enabled()) {
    if (!Focused() && CanFocus()) SetFocus();
    TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (ButtonRect().Contains(p)) {
      ShowCalendar(!dropped_);
      return;  // the calendar holds the pointer now
    }
    ChooseFieldAt(p);
  }
  TWinControl::WMButtonDown(m, button, doubleClick);
}

void TDateTimePicker::WMLButtonDblClk(TMessage& m) { WMButtonDown(m, mbLeft, false); }

void TDateTimePicker::ChooseFieldAt(TPoint point) {
  std::vector<TDatePart> parts = Parts();
  std::vector<TRect> rects = PartRects(MeasuringCanvas(measureBitmap_, *Font()), parts);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i].Field == dtfNone || point.X < rects[i].Left || point.X >= rects[i].Right) continue;
    if (field_ != parts[i].Field) typed_.clear();
    field_ = parts[i].Field;
    Invalidate();
    return;
  }
}

// ---- Painting ---------------------------------------------------------------------------

void TDateTimePicker::PaintWindow(HDC dc) {
  TCanvas* canvas = dc;
  TRect client = ClientRect();
  canvas->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  canvas->FillRect(client);
  canvas->Font()->Assign(*Font());

  std::vector<TDatePart> parts = Parts();
  std::vector<TRect> rects = PartRects(canvas, parts);
  TRect button = ButtonRect();
  for (std::size_t i = 0; i < parts.size(); ++i) {
    TRect r = rects[i];
    r.Right = std::min(r.Right, button.Left);
    if (r.Right <= r.Left) break;
    bool selected = Focused() && Enabled() && parts[i].Field != dtfNone && parts[i].Field == field_;
    canvas->Brush()->SetColor(selected ? clHighlight : Enabled() ? Color() : clBtnFace);
    canvas->FillRect(r);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(!Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color());
    DrawText(canvas, parts[i].Text, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas->Brush()->SetStyle(bsSolid);
  }

  DrawArrowButton(*canvas, button, adDown, Enabled(), dropped_);
}
