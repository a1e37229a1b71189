#include "platform/framework/MonthCalendar.h"

#include <cmath>

#include "platform/framework/DateTimePicker.h"
#include "platform/framework/ScrollInfo.h"
#include "platform/gfx/DrawText.h"

namespace detail {

namespace {

constexpr int kWeekRowTop = TMonthCalendarPopup::kMargin + TMonthCalendarPopup::kTitleHeight;
constexpr int kGridTop = kWeekRowTop + TMonthCalendarPopup::kCellHeight;
constexpr int kArrowBox = 20;

}  // namespace

TMonthCalendarPopup::TMonthCalendarPopup(TDateTimePicker* picker) : TCustomControl(nullptr), picker_(picker) {
  SetVisible(false);
  SetColor(clWindow);
  TSize size = PreferredSize();
  SetBounds(0, 0, size.cx, size.cy);
}

void TMonthCalendarPopup::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  // A pop-up above everything, with a thin frame, owned by the picker.
  params.Style = (params.Style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP | WS_BORDER;
  params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  params.WndParent = picker_->HandleAllocated() ? picker_->Handle() : nullptr;
}

TSize TMonthCalendarPopup::PreferredSize() {
  // The frame takes a pixel on every side.
  return {7 * kCellWidth + 2 * kMargin + 2, kGridTop + 6 * kCellHeight + kMargin + 2};
}

// ---- The month shown ---------------------------------------------------------------

void TMonthCalendarPopup::ShowDate(TDateTime date) {
  marked_ = std::floor(date);
  WORD y, m, d;
  DecodeDate(marked_, y, m, d);
  year_ = y;
  month_ = m;
  Invalidate();
}

void TMonthCalendarPopup::TurnMonth(int months) {
  int index = year_ * 12 + (month_ - 1) + months;
  int year = index / 12;
  if (year < 1 || year > 9999) return;
  year_ = year;
  month_ = index % 12 + 1;
  Invalidate();
}

std::string TMonthCalendarPopup::Title() const { return LocaleMonthName(month_) + " " + std::to_string(year_); }

TDateTime TMonthCalendarPopup::FirstCellDate() const {
  return EncodeDate(static_cast<WORD>(year_), static_cast<WORD>(month_), 1) - DayOfWeekOf(year_, month_, 1);
}

TDateTime TMonthCalendarPopup::CellDate(int row, int column) const { return FirstCellDate() + row * 7 + column; }

// ---- Geometry ------------------------------------------------------------------------

TRect TMonthCalendarPopup::PreviousRect() const {
  return Rect(kMargin + 2, kMargin + 2, kMargin + 2 + kArrowBox, kMargin + 2 + kArrowBox);
}

TRect TMonthCalendarPopup::NextRect() const {
  int right = kMargin + 7 * kCellWidth - 2;
  return Rect(right - kArrowBox, kMargin + 2, right, kMargin + 2 + kArrowBox);
}

TRect TMonthCalendarPopup::CellRect(int row, int column) const {
  int left = kMargin + column * kCellWidth, top = kGridTop + row * kCellHeight;
  return Rect(left, top, left + kCellWidth, top + kCellHeight);
}

TRect TMonthCalendarPopup::DayRect(TDateTime date) const {
  long long index = static_cast<long long>(std::floor(date) - FirstCellDate());
  if (index < 0 || index >= 42) return {};
  return CellRect(static_cast<int>(index / 7), static_cast<int>(index % 7));
}

// ---- Painting ------------------------------------------------------------------------

void TMonthCalendarPopup::Paint() {
  TCanvas* canvas = Canvas();
  TRect client = ClientRect();
  canvas->Brush()->SetColor(clWindow);
  canvas->FillRect(client);

  TRect title = Rect(kMargin, kMargin, client.Right - kMargin, kMargin + kTitleHeight);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(title);
  DrawArrowButton(*canvas, PreviousRect(), adLeft, true, false);
  DrawArrowButton(*canvas, NextRect(), adRight, true, false);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(clBtnText);
  DrawText(canvas, Title(), title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  canvas->Font()->SetColor(clWindowText);
  for (int column = 0; column < 7; ++column) {
    TRect cell = CellRect(0, column);
    cell.Top = kWeekRowTop;
    cell.Bottom = kGridTop;
    DrawText(canvas, LocaleShortDayName(column), cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->MoveTo(kMargin, kGridTop - 1);
  canvas->LineTo(kMargin + 7 * kCellWidth, kGridTop - 1);

  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column) {
      TDateTime date = CellDate(row, column);
      WORD y, m, d;
      DecodeDate(date, y, m, d);
      TRect cell = CellRect(row, column);
      bool marked = date == marked_;
      if (marked) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(clHighlight);
        canvas->FillRect(cell);
        canvas->Brush()->SetStyle(bsClear);
      }
      canvas->Font()->SetColor(marked ? clHighlightText : m == month_ ? clWindowText : clGrayText);
      DrawText(canvas, std::to_string(d), cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  }
  canvas->Brush()->SetStyle(bsSolid);
}

// ---- The pointer -----------------------------------------------------------------------

void TMonthCalendarPopup::Dispatch(TMessage& m) {
  if (!PopupMouse(m)) TCustomControl::Dispatch(m);
  // The pop-up keeps the pointer while it is shown.
  if (picker_->DroppedDown() && HandleAllocated() && IsWindowVisible(Handle()) && GetCapture() != Handle())
    SetCapture(Handle());
}

bool TMonthCalendarPopup::PopupMouse(TMessage& m) {
  if (!HandleAllocated()) return false;
  TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
      if (!ClientRect().Contains(p)) {
        picker_->CloseCalendar();
        return true;
      }
      if (m.Msg == WM_RBUTTONDOWN) return true;
      if (PreviousRect().Contains(p)) TurnMonth(-1);
      else if (NextRect().Contains(p)) TurnMonth(1);
      return true;
    }
    case WM_LBUTTONUP:
      for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column)
          if (CellRect(row, column).Contains(p)) {
            picker_->CalendarPicked(CellDate(row, column));
            return true;
          }
      return true;
    case WM_MOUSEMOVE:
    case WM_RBUTTONUP:
    case WM_CAPTURECHANGED: return true;
    default: return false;
  }
}

}  // namespace detail
