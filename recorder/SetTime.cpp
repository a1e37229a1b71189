#include "recorder/SetTime.h"

#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/DialogFrame.h"
#include "recorder/Options.h"
#include "skin/ZELForm.h"

TfrmSchedule* frmSchedule = nullptr;

namespace {

template <class T>
T* Place(TzelForm* frame, const std::string& name, int left, int top, int width, int height) {
  auto* control = new T(frame->Owner());
  if (!name.empty()) control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetParent(frame);
  return control;
}

TzelComboBox* AddList(TzelForm* frame, const std::string& name, int left, int top, int width) {
  auto* list = Place<TzelComboBox>(frame, name, left, top, width, 22);
  list->SetStyle(csDropDownList);
  return list;
}

}  // namespace

// The rows start below the frame's title bar.
TfrmSchedule::TfrmSchedule(TComponent* owner) : TForm(owner) {
  SetName("frmSchedule");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  zelForm1 = DressDialog(this, "Select time:");
  SetClientSize(400, 262);

  auto label = [this](const std::string& caption, int left, int top) {
    auto* l = Place<TLabel>(zelForm1, "", left, top, 60, 16);
    l->SetCaption(caption);
    l->SetTransparent(true);
  };
  auto spin = [this](const std::string& name, int left, int top, int max, int value) {
    TSpinBox box = MakeSpinBox(this, zelForm1, name, left, top, 44, 0, max, true);
    box.SetValue(value);
    return box;
  };
  label("Start at:", 8, 36);
  spinStartHour = spin("editStartHour", 70, 34, 23, 0);
  label("hour", 118, 36);
  spinStartMinute = spin("editStartMinute", 160, 34, 59, 0);
  label("minute", 208, 36);
  spinStartSecond = spin("editStartSecond", 260, 34, 59, 0);
  label("second", 308, 36);
  label("Stop at:", 8, 66);
  spinStopHour = spin("editStopHour", 70, 64, 23, 1);
  label("hour", 118, 66);
  spinStopMinute = spin("editStopMinute", 160, 64, 59, 0);
  label("minute", 208, 66);
  spinStopSecond = spin("editStopSecond", 260, 64, 59, 0);
  label("second", 308, 66);

  // One group: the five are the frame's only radio buttons.
  auto radio = [this](const std::string& name, const std::string& caption, int top) {
    auto* button = Place<TzelRadioButton>(zelForm1, name, 8, top, 90, 20);
    button->SetCaption(caption);
    button->SetTransparent(true);
    return button;
  };
  rbDaily = radio("rbDaily", "Daily", 96);
  rbOnce = radio("rbOnce", "Once", 120);
  rbWeekly = radio("rbWeekly", "Weekly", 144);
  rbMonthly = radio("rbMonthly", "Monthly", 168);
  rbAnnually = radio("rbAnnually", "Annually", 192);
  rbDaily->SetChecked(true);

  dtpDate = Place<TDateTimePicker>(zelForm1, "dtpDate", 120, 119, 270, 22);  // at the current date and time
  dtpDate->SetDateFormat(dfLong);
  comboWeekDay = AddList(zelForm1, "comboWeekDay", 120, 143, 120);
  for (int d = 1; d <= 7; ++d) comboWeekDay->Items()->Add(WeekDayName(d));
  comboMonthDay = AddList(zelForm1, "comboMonthDay", 120, 167, 60);
  comboMonth = AddList(zelForm1, "comboMonth", 120, 191, 120);
  for (int m = 1; m <= 12; ++m) comboMonth->Items()->Add(MonthName(m));
  comboYearDay = AddList(zelForm1, "comboYearDay", 250, 191, 60);
  for (int d = 1; d <= 31; ++d) {
    comboMonthDay->Items()->Add(IntToStr(d));
    comboYearDay->Items()->Add(IntToStr(d));
  }
  for (TComboBox* list : {comboWeekDay, comboMonthDay, comboMonth, comboYearDay}) list->SetItemIndex(0);
  RefreshDateEnabling();
  for (TzelRadioButton* rb : {rbDaily, rbOnce, rbWeekly, rbMonthly, rbAnnually})
    rb->OnClick = [this](TObject* s) { FrequencyClick(s); };

  btnConfirm = Place<TzelButton>(zelForm1, "btnConfirm", 220, 226, 80, 26);
  btnConfirm->SetCaption("Add");
  btnConfirm->SetDefault(true);
  btnConfirm->OnClick = [this](TObject* s) { btnConfirmClick(s); };
  btnCancel = Place<TzelButton>(zelForm1, "btnCancel", 308, 226, 80, 26);
  btnCancel->SetCaption("Cancel");
  btnCancel->SetCancel(true);
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
  ThemeDialogControls(this, zelForm1);
}

void TfrmSchedule::SetScheduleButtonCaption(const std::string& text) { btnConfirm->SetCaption(text); }

void TfrmSchedule::SetDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return;
  dtpDate->SetDate(EncodeDate(static_cast<WORD>(year), static_cast<WORD>(month), static_cast<WORD>(day)));
}

void TfrmSchedule::ShowScheduleEntry(int startH, int startM, int startS, int stopH, int stopM, int stopS, int day,
                                     int month, int year, int dayOfWeek) {
  spinStartHour.SetValue(startH);
  spinStartMinute.SetValue(startM);
  spinStartSecond.SetValue(startS);
  spinStopHour.SetValue(stopH);
  spinStopMinute.SetValue(stopM);
  spinStopSecond.SetValue(stopS);
  ScheduleEntry entry;
  entry.Day = static_cast<WORD>(day);
  entry.Month = static_cast<WORD>(month);
  entry.Year = static_cast<WORD>(year);
  entry.DayOfWeek = static_cast<WORD>(dayOfWeek);
  switch (KindOfEntry(entry)) {
    case ScheduleKind::Daily:
      rbDaily->SetChecked(true);
      break;
    case ScheduleKind::Once:
      rbOnce->SetChecked(true);
      SetDate(year, month, day);
      break;
    case ScheduleKind::Weekly:
      rbWeekly->SetChecked(true);
      comboWeekDay->SetItemIndex(dayOfWeek - 1);
      break;
    case ScheduleKind::Monthly:
      rbMonthly->SetChecked(true);
      comboMonthDay->SetItemIndex(day - 1);
      break;
    case ScheduleKind::Yearly:
      rbAnnually->SetChecked(true);
      comboMonth->SetItemIndex(month - 1);
      comboYearDay->SetItemIndex(day - 1);
      break;
    case ScheduleKind::None:
      break;
  }
  RefreshDateEnabling();
}

void TfrmSchedule::RefreshDateEnabling() {
  dtpDate->SetEnabled(rbOnce->Checked());
  comboWeekDay->SetEnabled(rbWeekly->Checked());
  comboMonthDay->SetEnabled(rbMonthly->Checked());
  comboMonth->SetEnabled(rbAnnually->Checked());
  comboYearDay->SetEnabled(rbAnnually->Checked());
}

void TfrmSchedule::FrequencyClick(TObject*) { RefreshDateEnabling(); }

void TfrmSchedule::btnConfirmClick(TObject*) {
  const std::string start =
      TimeOfDayText(spinStartHour.Value(), spinStartMinute.Value(), spinStartSecond.Value());
  const std::string stop = TimeOfDayText(spinStopHour.Value(), spinStopMinute.Value(), spinStopSecond.Value());
  int year = 0, month = 0, day = 0, dayOfWeek = 0;
  if (rbOnce->Checked()) {
    WORD y, m, d;
    DecodeDate(dtpDate->Date(), y, m, d);
    year = y;
    month = m;
    day = d;
  } else if (rbWeekly->Checked()) {
    dayOfWeek = comboWeekDay->ItemIndex() + 1;
  } else if (rbMonthly->Checked()) {
    day = comboMonthDay->ItemIndex() + 1;
  } else if (rbAnnually->Checked()) {
    month = comboMonth->ItemIndex() + 1;
    day = comboYearDay->ItemIndex() + 1;
  }
  if (frmOptions) {
    const auto w = [](int v) { return static_cast<WORD>(v); };
    if (btnConfirm->Caption() == "Add")
      frmOptions->AddScheduleEntry(start, stop, true, w(year), w(month), w(day), w(dayOfWeek));
    else
      frmOptions->ReplaceScheduleEntry(start, stop, w(year), w(month), w(day), w(dayOfWeek));
  }
  SetModalResult(mrOk);
  if (!IsModal()) Close();
}

void TfrmSchedule::btnCancelClick(TObject*) {
  SetModalResult(mrCancel);
  if (!IsModal()) Close();
}
