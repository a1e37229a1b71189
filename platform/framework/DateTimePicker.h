#pragma once
// The date picker: a field that shows a date in the locale's short or
// long date format, with a drop-down button that opens a month calendar.
// Left and Right choose the day, month or year, Up and Down step it (the
// day wraps within its month), digits type it; Alt+Down or F4 opens the
// calendar, Escape closes it. The user's changes are first told to the
// control itself as DTN_DATETIMECHANGE (CN_NOTIFY), then fire OnChange.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Controls.h"
#include "platform/framework/DateTimePickerDates.h"
#include "platform/framework/NativeControls.h"
#include "platform/os/Clock.h"

constexpr UINT DTM_FIRST = 0x1000;
constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;  // lParam: SYSTEMTIME*; answers GDT_VALID
constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;  // wParam: GDT_VALID, lParam: const SYSTEMTIME*;
                                                   // answers 0 for a date that does not exist
constexpr LRESULT GDT_ERROR = -1;
constexpr LRESULT GDT_VALID = 0;
constexpr LRESULT GDT_NONE = 1;

constexpr UINT DTN_FIRST = 0U - 760U;
constexpr UINT DTN_DATETIMECHANGE = DTN_FIRST + 1;
constexpr UINT DTN_DROPDOWN = DTN_FIRST + 6;
constexpr UINT DTN_CLOSEUP = DTN_FIRST + 7;

struct NMDATETIMECHANGE {
  NMHDR nmhdr;
  DWORD dwFlags = GDT_VALID;
  SYSTEMTIME st;
};

namespace detail {
class TMonthCalendarPopup;
}

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* owner);
  ~TDateTimePicker() override;
  std::string ClassName() const override { return "TDateTimePicker"; }

  // The date at midnight; setting it keeps the time of day.
  TDateTime Date() const;
  void SetDate(TDateTime value);
  TDateTime DateTime() const { return dateTime_; }
  void SetDateTime(TDateTime value);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat value);

  // The field the keys act on.
  TDateField SelectedField() const { return field_; }
  bool DroppedDown() const { return dropped_; }
  // The drop-down button, in client coordinates.
  TRect ButtonRect();
  // The calendar while it is open (nullptr otherwise).
  detail::TMonthCalendarPopup* Calendar() const { return dropped_ ? calendar_.get() : nullptr; }

  TNotifyEvent OnChange;

  // Called by the calendar: a day was clicked, or it is to close.
  void CalendarPicked(TDateTime date);
  void CloseCalendar();

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void WMGetDlgCode(TMessage& message) override;
  void WMButtonDown(TMessage& message, TMouseButton button, bool doubleClick) override;
  void WMLButtonDblClk(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  virtual void Change();

 private:
  // Keys (DateTimePickerKeys.cpp).
  bool HandleKey(WORD key);
  void TypeDigit(int digit);
  void MoveField(int direction);
  void StepField(int delta);

  void ShowCalendar(bool show);
  // A date the user chose: stored, shown and told.
  void UserDate(int year, int month, int day);
  void StoreDate(int year, int month, int day);
  void Decode(int& year, int& month, int& day) const;
  void RefreshText();
  std::vector<TDatePart> Parts() const;
  // Where each part of the text lies, left to right.
  std::vector<TRect> PartRects(TCanvas* canvas, const std::vector<TDatePart>& parts);
  std::vector<TDateField> FieldOrder() const;
  void ChooseFieldAt(TPoint point);

  TDateTime dateTime_ = 0;
  TDTDateFormat dateFormat_ = dfShort;
  TDateField field_ = dtfNone;
  std::string typed_;  // digits typed into the field so far
  bool dropped_ = false;
  std::unique_ptr<detail::TMonthCalendarPopup> calendar_;
  std::unique_ptr<TBitmap> measureBitmap_;
};
