#pragma once
// The month calendar the date picker drops down: a pop-up with the month
// name and year between previous and next arrows, the short day names,
// and six weeks of days from Sunday. While shown it holds the pointer: a
// click on a day picks it and closes the calendar, the arrows turn the
// month, and a press anywhere outside closes it without a choice.

#include "platform/framework/Controls.h"
#include "platform/framework/DateTimePickerDates.h"

class TDateTimePicker;

namespace detail {

class TMonthCalendarPopup : public TCustomControl {
 public:
  static constexpr int kCellWidth = 24;
  static constexpr int kCellHeight = 16;
  static constexpr int kTitleHeight = 24;
  static constexpr int kMargin = 2;

  explicit TMonthCalendarPopup(TDateTimePicker* picker);
  std::string ClassName() const override { return "TMonthCalendarPopup"; }

  // Shows the month of a date with that date marked.
  void ShowDate(TDateTime date);
  int ShownYear() const { return year_; }
  int ShownMonth() const { return month_; }
  // Turns the shown month by a number of months.
  void TurnMonth(int months);
  std::string Title() const;

  // Geometry, in client coordinates.
  static TSize PreferredSize();
  TRect PreviousRect() const;
  TRect NextRect() const;
  TRect CellRect(int row, int column) const;
  // The date of a cell (6 rows x 7 columns from Sunday).
  TDateTime CellDate(int row, int column) const;
  // The cell showing a date; an empty rectangle when the date is not shown.
  TRect DayRect(TDateTime date) const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void Dispatch(TMessage& message) override;

 private:
  bool PopupMouse(TMessage& message);
  TDateTime FirstCellDate() const;

  TDateTimePicker* picker_;
  int year_ = 2000;
  int month_ = 1;
  TDateTime marked_ = 0;
};

}  // namespace detail
