#include "OptionsTestFixture.h"
#include "platform/framework/MonthCalendar.h"
#include "platform/os/MainThread.h"
#include "recorder/ScheduleFile.h"

namespace {

class ScheduleWindow : public OptionsWindowTest {
 protected:
  void SetUp() override {
    OptionsWindowTest::SetUp();
    options = CreateOptions();
    dialog = frmSchedule;
  }
  // Presses a schedule button whose dialog `fill` then answers.
  void PressWithDialog(TzelButton* button, std::function<void()> fill) {
    PostToMainThread(std::move(fill));
    button->Click();
    HeadlessPumpUntilIdle();
  }
  void AddSundayEvening() {
    PressWithDialog(options->btnAdd, [this] {
      dialog->spinStartHour.SetValue(22);
      dialog->spinStopHour.SetValue(23);
      dialog->spinStopMinute.SetValue(30);
      dialog->rbWeekly->SetChecked(true);
      dialog->comboWeekDay->SetItemIndex(6);
      dialog->btnConfirm->Click();
    });
  }

  TfrmOptions* options = nullptr;
  TfrmSchedule* dialog = nullptr;
};

TEST_F(ScheduleWindow, AWeeklyEntryIsAddedSavedLoadedAndEditedBack) {
  AddSundayEvening();
  ASSERT_EQ(options->Schedule().Count(), 1);
  const ScheduleRow& row = options->Schedule().Row(0);
  EXPECT_EQ(row.StartText, "22:00:00");
  EXPECT_EQ(row.StopText, "23:30:00");
  EXPECT_EQ(row.FrequencyText, "Weekly: Sunday");
  EXPECT_EQ(row.Entry.DayOfWeek, 7);
  EXPECT_TRUE(row.Entry.Use);

  const std::string file = Scratch() + "evening.vsk";
  options->SaveScheduleFile(file);
  options->btnClearClick(nullptr);
  options->LoadScheduleFile(file);
  ASSERT_EQ(options->Schedule().Count(), 1);
  EXPECT_EQ(options->Schedule().Row(0).FrequencyText, "Every week: Sunday");

  // Edit opens the dialog on the row's entry.
  dialog->rbDaily->SetChecked(true);
  options->listSchedule->SetSelected(options->listSchedule->Items()->Item(0));
  bool weekly = false;
  int weekDay = -1;
  std::string caption;
  PressWithDialog(options->btnEdit, [&] {
    weekly = dialog->rbWeekly->Checked();
    weekDay = dialog->comboWeekDay->ItemIndex();
    caption = dialog->btnConfirm->Caption();
    EXPECT_TRUE(dialog->comboWeekDay->Enabled());
    EXPECT_FALSE(dialog->dtpDate->Enabled());
    dialog->rbMonthly->SetChecked(true);
    dialog->comboMonthDay->SetItemIndex(14);
    dialog->btnConfirm->Click();
  });
  EXPECT_TRUE(weekly);
  EXPECT_EQ(weekDay, 6);
  EXPECT_EQ(caption, "Edit");
  EXPECT_EQ(options->Schedule().Row(0).FrequencyText, "Every month: 15");
  EXPECT_EQ(options->Schedule().Row(0).Entry.Day, 15);
}

TEST_F(ScheduleWindow, AddTwiceStartsFromTheValuesChosenTheFirstTime) {
  AddSundayEvening();
  int startHour = -1;
  bool weekly = false;
  PressWithDialog(options->btnAdd, [&] {
    startHour = dialog->spinStartHour.Value();
    weekly = dialog->rbWeekly->Checked();
    dialog->btnCancel->Click();
  });
  EXPECT_EQ(startHour, 22);
  EXPECT_TRUE(weekly);
  EXPECT_EQ(options->Schedule().Count(), 1);
}

TEST_F(ScheduleWindow, DatesOfOnceAndAnnuallyEntries) {
  PressWithDialog(options->btnAdd, [this] {
    dialog->rbAnnually->SetChecked(true);
    dialog->comboMonth->SetItemIndex(1);
    dialog->comboYearDay->SetItemIndex(28);
    dialog->btnConfirm->Click();
  });
  ASSERT_EQ(options->Schedule().Count(), 1);
  const ScheduleEntry yearly = options->Schedule().Row(0).Entry;
  EXPECT_EQ(yearly.Month, 2);
  EXPECT_EQ(yearly.Day, 29);
  EXPECT_EQ(yearly.Year, 0);

  PressWithDialog(options->btnAdd, [this] {
    dialog->rbOnce->SetChecked(true);
    dialog->SetDate(2027, 3, 5);
    dialog->btnConfirm->Click();
  });
  ASSERT_EQ(options->Schedule().Count(), 2);
  EXPECT_EQ(options->Schedule().Row(1).Entry.Year, 2027);
  EXPECT_EQ(options->Schedule().Row(1).Entry.Month, 3);
  EXPECT_EQ(options->Schedule().Row(1).Entry.Day, 5);

  // The picker takes no date that does not exist: it keeps its own.
  PressWithDialog(options->btnAdd, [&] {
    dialog->rbOnce->SetChecked(true);
    dialog->SetDate(2027, 2, 30);
    SYSTEMTIME st;
    st.wYear = 2027;
    st.wMonth = 2;
    st.wDay = 30;
    EXPECT_EQ(dialog->dtpDate->Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)), 0);
    dialog->btnConfirm->Click();
  });
  ASSERT_EQ(options->Schedule().Count(), 3);
  EXPECT_EQ(options->Schedule().Row(2).Entry.Month, 3);
  EXPECT_EQ(options->Schedule().Row(2).Entry.Day, 5);
}

TEST_F(ScheduleWindow, TheOnceDateIsPickedWithTheKeysOrTheCalendar) {
  SYSTEMTIME now;
  GetLocalTime(now);
  EXPECT_EQ(dialog->dtpDate->Date(), EncodeDate(now.wYear, now.wMonth, now.wDay));
  EXPECT_EQ(dialog->dtpDate->DateFormat(), dfLong);
  EXPECT_FALSE(dialog->dtpDate->Enabled());

  PressWithDialog(options->btnAdd, [this] {
    HeadlessClick(dialog->rbOnce->ClientToScreen({5, 5}));
    EXPECT_TRUE(dialog->dtpDate->Enabled());
    dialog->SetDate(2027, 3, 31);
    dialog->dtpDate->SetFocus();
    for (int i = 0; i < 3 && dialog->dtpDate->SelectedField() != dtfDay; ++i) HeadlessKeyPress(VK_RIGHT);
    HeadlessKeyPress(VK_UP);  // the day wraps within March
    dialog->btnConfirm->Click();
  });
  ASSERT_EQ(options->Schedule().Count(), 1);
  ScheduleEntry once = options->Schedule().Row(0).Entry;
  EXPECT_EQ(once.Year, 2027);
  EXPECT_EQ(once.Month, 3);
  EXPECT_EQ(once.Day, 1);

  // Editing the row shows its date; the calendar picks another.
  options->listSchedule->SetSelected(options->listSchedule->Items()->Item(0));
  TDateTime shown = 0;
  PressWithDialog(options->btnEdit, [&] {
    shown = dialog->dtpDate->Date();
    TRect button = dialog->dtpDate->ButtonRect();
    HeadlessClick(dialog->dtpDate->ClientToScreen({(button.Left + button.Right) / 2, button.Bottom / 2}));
    detail::TMonthCalendarPopup* calendar = dialog->dtpDate->Calendar();
    ASSERT_NE(calendar, nullptr);
    TRect day = calendar->DayRect(EncodeDate(2027, 3, 20));
    HeadlessClick(calendar->ClientToScreen({(day.Left + day.Right) / 2, (day.Top + day.Bottom) / 2}));
    dialog->btnConfirm->Click();
  });
  EXPECT_EQ(shown, EncodeDate(2027, 3, 1));
  EXPECT_EQ(options->Schedule().Row(0).Entry.Day, 20);
}

TEST_F(ScheduleWindow, OkPublishesTheRowsCheckBoxesAndSavesThem) {
  AddSundayEvening();
  AddSundayEvening();
  options->Show();
  options->ShowPage(2);
  HeadlessPumpUntilIdle();
  const TRect firstRow = options->listSchedule->Items()->Item(0)->DisplayRect();
  HeadlessClick(options->listSchedule->ClientToScreen({firstRow.Left + 8, (firstRow.Top + firstRow.Bottom) / 2}));
  EXPECT_FALSE(options->listSchedule->Items()->Item(0)->Checked());
  EXPECT_FALSE(options->Schedule().Row(0).Entry.Use);
  options->btnOk->Click();
  ASSERT_EQ(ScheduleEntries.size(), 2u);
  EXPECT_FALSE(ScheduleEntries[0].Use);
  EXPECT_TRUE(ScheduleEntries[1].Use);
  TIniFile stored(SchedulePath());
  EXPECT_EQ(stored.ReadString("Schedule", "Number", ""), "2");
  EXPECT_EQ(stored.ReadString("Schedule", "Use0", ""), "0");
  EXPECT_EQ(stored.ReadString("Schedule", "DayOfWeek1", ""), "7");

  options->Show();
  HeadlessPumpUntilIdle();
  options->btnClearClick(nullptr);
  options->btnOk->Click();
  EXPECT_TRUE(ScheduleEntries.empty());
}

TEST_F(ScheduleWindow, CancelRebuildsTheListFromTheEntriesShownAtOpening) {
  AddSundayEvening();
  options->btnOk->Click();
  options->Show();
  HeadlessPumpUntilIdle();
  options->listSchedule->SetSelected(options->listSchedule->Items()->Item(0));
  options->btnDeleteClick(nullptr);
  AddSundayEvening();
  AddSundayEvening();
  options->btnCancel->Click();
  ASSERT_EQ(options->Schedule().Count(), 1);
  EXPECT_EQ(options->Schedule().Row(0).FrequencyText, "Every week: Sunday");
  EXPECT_EQ(ScheduleEntries.size(), 1u);
}

TEST_F(ScheduleWindow, LoadingAnEmptyScheduleKeepsTheList) {
  AddSundayEvening();
  const std::string file = Scratch() + "empty.vsk";
  WriteFile(file, "[Schedule]\nNumber=0\n");
  options->LoadScheduleFile(file);
  EXPECT_EQ(options->Schedule().Count(), 1);
  WriteFile(file, "[Other]\nx=1\n");
  options->LoadScheduleFile(file);
  EXPECT_EQ(options->Schedule().Count(), 1);
}

TEST_F(ScheduleWindow, SortingByAColumnKeepsEntriesWithTheirRows) {
  PressWithDialog(options->btnAdd, [this] {
    dialog->spinStartHour.SetValue(9);
    dialog->rbDaily->SetChecked(true);
    dialog->btnConfirm->Click();
  });
  AddSundayEvening();
  options->Show();
  options->ShowPage(2);
  HeadlessPumpUntilIdle();
  TRect header;
  GetWindowRect(options->listSchedule->HeaderHandle(), &header);
  const auto clickHeader = [&](int x) { HeadlessClick({header.Left + x, (header.Top + header.Bottom) / 2}); };
  clickHeader(32 + 80 + 80 + 90);  // "Frequency": "Daily" < "Weekly: Sunday"
  EXPECT_EQ(options->Schedule().Row(0).FrequencyText, "Daily");
  clickHeader(32 + 40);  // "Start time": 09 before 22
  EXPECT_EQ(options->Schedule().Row(0).Entry.StartH, 9);
  EXPECT_EQ(options->Schedule().Row(1).Entry.DayOfWeek, 7);
  EXPECT_EQ(options->listSchedule->Items()->Item(0)->SubItems()->Strings(0), "09:00:00");
  EXPECT_EQ(options->listSchedule->Items()->Item(1)->SubItems()->Strings(2), "Weekly: Sunday");
}

TEST_F(ScheduleWindow, TheListShowsEveryEntryWithItsCheckBox) {
  TListView* list = options->listSchedule;
  options->AddScheduleEntry("01:00:00", "02:00:00", false, 0, 0, 0, 0);
  AddSundayEvening();
  ASSERT_EQ(list->Items()->Count(), 2);
  EXPECT_FALSE(list->Items()->Item(0)->Checked());
  EXPECT_TRUE(list->Items()->Item(1)->Checked());
  EXPECT_EQ(list->Items()->Item(1)->SubItems()->Strings(1), "23:30:00");
  // Checking a row's box turns its entry on; deleting keeps the rest in step.
  list->Items()->Item(0)->SetChecked(true);
  EXPECT_TRUE(options->Schedule().Row(0).Entry.Use);
  list->SetSelected(list->Items()->Item(0));
  options->btnDelete->Click();
  ASSERT_EQ(list->Items()->Count(), 1);
  EXPECT_EQ(list->Items()->Item(0)->SubItems()->Strings(2), "Weekly: Sunday");
}

}  // namespace
