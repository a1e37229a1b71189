#include <cmath>
#include <cstdlib>
#include <vector>

#include "StdControlsSupport.h"
#include "platform/framework/DateTimePicker.h"
#include "platform/framework/MonthCalendar.h"
#include "platform/framework/StdCtrls.h"

namespace {

class DateTimePickerTest : public StdControlsTest {
 protected:
  // The clock at the picker's creation: 29 February 2024, 18:00.
  class TCreationClock : public IClock {
   public:
    std::uint64_t TickCount64() override { return 0; }
    SYSTEMTIME LocalTime() override {
      SYSTEMTIME t;
      t.wYear = 2024;
      t.wMonth = 2;
      t.wDay = 29;
      t.wHour = 18;
      return t;
    }
  };

  void SetUp() override {
    // Dates written as the "C" locale writes them.
    setenv("LC_ALL", "C", 1);
    StdControlsTest::SetUp();
    TCreationClock clock;
    SetClock(&clock);
    picker = new TDateTimePicker(form);
    SetClock(nullptr);
    picker->SetBounds(10, 10, 220, 22);
    picker->SetParent(form);
    picker->OnChange = [this](TObject*) { changes.push_back(Ymd()); };
    HeadlessPumpUntilIdle();
  }
  void TearDown() override {
    StdControlsTest::TearDown();
    unsetenv("LC_ALL");
  }

  struct TYmd {
    int y, m, d;
    bool operator==(const TYmd&) const = default;
  };
  TYmd Ymd() const {
    WORD y, m, d;
    DecodeDate(picker->Date(), y, m, d);
    return {y, m, d};
  }
  void Keys(std::initializer_list<int> keys) {
    for (int key : keys) HeadlessKeyPress(key);
  }
  void Type(const std::string& digits) {
    for (char c : digits) HeadlessKeyPress(c, std::string(1, c));
  }
  void ClickButton() {
    TRect button = picker->ButtonRect();
    ClickAt(picker, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
  }
  void ClickCalendar(TRect cell) {
    detail::TMonthCalendarPopup* calendar = picker->Calendar();
    ASSERT_NE(calendar, nullptr);
    HeadlessClick(calendar->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2}));
  }

  TDateTimePicker* picker = nullptr;
  std::vector<TYmd> changes;
};

TEST_F(DateTimePickerTest, StartsAtTheCurrentDateAndWritesItInTheLocalesFormats) {
  EXPECT_EQ(Ymd(), (TYmd{2024, 2, 29}));
  EXPECT_NEAR(picker->DateTime() - picker->Date(), 0.75, 1e-6);  // 18:00
  EXPECT_EQ(picker->Text(), "02/29/24");
  picker->SetDateFormat(dfLong);
  EXPECT_EQ(picker->Text(), "Thursday, February 29, 2024");
  picker->SetDate(EncodeDate(2026, 12, 9) + 0.25);
  EXPECT_EQ(picker->Text(), "Wednesday, December 9, 2026");
  // The date changes, the time of day stays.
  EXPECT_NEAR(picker->DateTime() - picker->Date(), 0.75, 1e-6);
  EXPECT_TRUE(changes.empty());  // only the user's changes are told
}

TEST_F(DateTimePickerTest, ArrowsChooseAndStepTheFields) {
  picker->SetDateFormat(dfLong);  // month, day, year
  picker->SetDate(EncodeDate(2024, 1, 31));
  picker->SetFocus();
  EXPECT_EQ(picker->SelectedField(), dtfMonth);
  Keys({VK_RIGHT, VK_UP});  // the day wraps within its month
  EXPECT_EQ(Ymd(), (TYmd{2024, 1, 1}));
  Keys({VK_DOWN});
  EXPECT_EQ(Ymd(), (TYmd{2024, 1, 31}));
  Keys({VK_LEFT, VK_UP});  // February has no 31st
  EXPECT_EQ(Ymd(), (TYmd{2024, 2, 29}));
  Keys({VK_LEFT, VK_UP});  // from the first field Left goes round to the year
  EXPECT_EQ(picker->SelectedField(), dtfYear);
  EXPECT_EQ(Ymd(), (TYmd{2025, 2, 28}));
  Keys({VK_RIGHT, VK_DOWN});  // the month wraps too
  EXPECT_EQ(Ymd(), (TYmd{2025, 1, 28}));
  Keys({VK_DOWN});
  EXPECT_EQ(Ymd(), (TYmd{2025, 12, 28}));
  EXPECT_EQ(changes.size(), 6u);
  EXPECT_EQ(picker->Text(), "Sunday, December 28, 2025");
  EXPECT_TRUE(picker->Focused());
}

TEST_F(DateTimePickerTest, DigitsTypeTheField) {
  picker->SetDateFormat(dfShort);
  picker->SetDate(EncodeDate(2024, 3, 10));
  picker->SetFocus();
  Type("4");  // no month starts with 4 and goes on: April at once
  EXPECT_EQ(Ymd(), (TYmd{2024, 4, 10}));
  Type("12");
  EXPECT_EQ(Ymd(), (TYmd{2024, 12, 10}));
  Keys({VK_RIGHT});
  Type("05");
  EXPECT_EQ(Ymd(), (TYmd{2024, 12, 5}));
  Type("31");
  EXPECT_EQ(Ymd(), (TYmd{2024, 12, 31}));
  Type("39");  // no 39th: the 9 starts the day anew
  EXPECT_EQ(Ymd(), (TYmd{2024, 12, 9}));
  Keys({VK_RIGHT});
  Type("203");  // a year waits for its four digits
  EXPECT_EQ(Ymd(), (TYmd{2024, 12, 9}));
  Type("0");
  EXPECT_EQ(Ymd(), (TYmd{2030, 12, 9}));
  Type("abc");
  EXPECT_EQ(Ymd(), (TYmd{2030, 12, 9}));
}

TEST_F(DateTimePickerTest, TheCalendarTurnsMonthsAndPicksADay) {
  picker->SetDate(EncodeDate(2026, 12, 9));
  ClickButton();
  ASSERT_TRUE(picker->DroppedDown());
  detail::TMonthCalendarPopup* calendar = picker->Calendar();
  EXPECT_EQ(calendar->Title(), "December 2026");
  // Six weeks from the Sunday before the first: 29 November first.
  EXPECT_EQ(calendar->CellDate(0, 0), EncodeDate(2026, 11, 29));
  TRect window;
  GetWindowRect(calendar->Handle(), &window);
  EXPECT_GE(window.Top, picker->ClientToScreen({0, 0}).Y + picker->ClientHeight());

  ClickCalendar(calendar->NextRect());
  EXPECT_EQ(calendar->Title(), "January 2027");
  EXPECT_TRUE(picker->DroppedDown());
  ClickCalendar(calendar->DayRect(EncodeDate(2027, 1, 15)));
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(Ymd(), (TYmd{2027, 1, 15}));
  EXPECT_EQ(changes, (std::vector<TYmd>{{2027, 1, 15}}));
}

TEST_F(DateTimePickerTest, CalendarDaysBeyondTheFirstAndLastYearPickNothing) {
  for (TDateTime edge : {EncodeDate(9999, 12, 31), EncodeDate(1, 1, 1)}) {
    picker->SetDate(edge);
    const TYmd before = Ymd();
    ClickButton();
    ASSERT_TRUE(picker->DroppedDown());
    // The last cell lies in the next month, the first (year 1 began on a
    // Monday) in the month before.
    ClickCalendar(picker->Calendar()->CellRect(edge > 0 ? 5 : 0, edge > 0 ? 6 : 0));
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(Ymd(), before);
  }
  EXPECT_TRUE(changes.empty());
}

TEST_F(DateTimePickerTest, EscapeAndAClickOutsideCloseTheCalendarWithoutAChoice) {
  auto* cancel = Place<TButton>(300, 250, 80, 24);
  cancel->SetCancel(true);
  int cancels = 0;
  cancel->OnClick = [&](TObject*) { ++cancels; };
  picker->SetDate(EncodeDate(2026, 12, 9));
  picker->SetFocus();
  Keys({VK_F4});
  ASSERT_TRUE(picker->DroppedDown());
  HeadlessKeyPress(VK_ESCAPE);  // closes the calendar, not the dialog
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(cancels, 0);

  ClickButton();
  ASSERT_TRUE(picker->DroppedDown());
  ClickCalendar(picker->Calendar()->PreviousRect());
  HeadlessClick(ScreenPointOf(form, 390, 290));  // outside the calendar
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(Ymd(), (TYmd{2026, 12, 9}));
  EXPECT_TRUE(changes.empty());
}

TEST_F(DateTimePickerTest, SystemTimeMessagesRefuseDatesThatDoNotExist) {
  picker->SetDateTime(EncodeDate(2025, 7, 4) + 0.5);
  SYSTEMTIME st;
  EXPECT_EQ(picker->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_VALID);
  EXPECT_EQ(st.wYear, 2025);
  EXPECT_EQ(st.wMonth, 7);
  EXPECT_EQ(st.wDay, 4);
  EXPECT_EQ(st.wDayOfWeek, 5);  // a Friday
  EXPECT_EQ(st.wHour, 12);

  st.wMonth = 2;
  st.wDay = 30;
  EXPECT_EQ(picker->Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)), 0);
  EXPECT_EQ(picker->Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0), 0);
  EXPECT_EQ(picker->Perform(DTM_SETSYSTEMTIME, GDT_VALID, 0), 0);
  EXPECT_EQ(Ymd(), (TYmd{2025, 7, 4}));
  st.wDay = 28;
  EXPECT_EQ(picker->Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)), 1);
  EXPECT_EQ(Ymd(), (TYmd{2025, 2, 28}));
  EXPECT_TRUE(changes.empty());
}

TEST_F(DateTimePickerTest, ADisabledPickerLooksGreyAndNeitherOpensNorSteps) {
  TColor enabledBack = PixelOf(picker, picker->ButtonRect().Left - 4, picker->ClientHeight() / 2);
  picker->SetEnabled(false);
  TColor disabledBack = PixelOf(picker, picker->ButtonRect().Left - 4, picker->ClientHeight() / 2);
  EXPECT_NE(enabledBack, disabledBack);
  ClickButton();
  EXPECT_FALSE(picker->DroppedDown());

  // Disabling while open closes the calendar.
  picker->SetEnabled(true);
  ClickButton();
  ASSERT_TRUE(picker->DroppedDown());
  picker->SetEnabled(false);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST(DateParts, EncodingRoundTripsAndKnowsTheCalendar) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  WORD y, m, d;
  DecodeDate(EncodeDate(2024, 2, 29) + 0.9, y, m, d);
  EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{2024, 2, 29}));
  DecodeDate(EncodeDate(1, 1, 1), y, m, d);
  EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(DayOfWeekOf(2026, 12, 9), 3);
  EXPECT_TRUE(IsValidDate(2000, 2, 29));
  EXPECT_FALSE(IsValidDate(1900, 2, 29));
  EXPECT_FALSE(IsValidDate(2024, 13, 1));
  EXPECT_EQ(DaysInAMonth(2024, 0), 0);
}

std::string Written(const std::vector<TDatePart>& parts, std::string* fields = nullptr) {
  std::string text;
  for (const TDatePart& part : parts) {
    text += part.Text;
    if (fields && part.Field != dtfNone) *fields += "dmy"[part.Field];
  }
  return text;
}

TEST(DateParts, ShortFormatsOfEveryKindGiveTheThreeFields) {
  setenv("LC_ALL", "C", 1);
  std::string fields;
  EXPECT_EQ(Written(detail::WriteDateInPattern("%d.%m.%Y", 2026, 3, 7, dfShort), &fields), "07.03.2026");
  EXPECT_EQ(fields, "dmy");
  EXPECT_EQ(Written(detail::WriteDateInPattern("%d.%m.%Y", 2026, 3, 7, dfLong)), "Saturday, 7 March 2026");
  EXPECT_EQ(Written(detail::WriteDateInPattern("%F", 2026, 3, 7, dfShort)), "2026-03-07");
  EXPECT_EQ(Written(detail::WriteDateInPattern("%Y-%m-%d", 2026, 3, 7, dfLong)), "2026 March 7, Saturday");
  // glibc's flags and the composite conversions.
  fields.clear();
  Written(detail::WriteDateInPattern("%-d/%-m/%Ey", 2026, 3, 7, dfShort), &fields);
  EXPECT_EQ(fields, "dmy");
  EXPECT_EQ(Written(detail::WriteDateInPattern("%D", 2026, 3, 7, dfShort)), "03/07/26");
  // A format without the three fields falls back to one that has them.
  fields.clear();
  EXPECT_EQ(Written(detail::WriteDateInPattern("%H:%M", 2026, 3, 7, dfShort), &fields), "03/07/2026");
  EXPECT_EQ(fields, "mdy");
  fields.clear();
  Written(detail::WriteDateInPattern("", 2026, 3, 7, dfLong), &fields);
  EXPECT_EQ(fields, "mdy");
  unsetenv("LC_ALL");
}

}  // namespace
