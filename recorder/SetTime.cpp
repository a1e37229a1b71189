#include "recorder/SetTime.h"

#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/Options.h"

TfrmSchedule* frmSchedule = nullptr;

namespace {

TRadioButton* AddRadio(TWinControl* parent, TComponent* owner, const std::string& name, const std::string& caption,
                       int left, int top) {
  auto* button = new TRadioButton(owner);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetBounds(left, top, 90, 20);
  button->SetParent(parent);
  return button;
}

TComboBox* AddList(TWinControl* parent, TComponent* owner, const std::string& name, int left, int top, int width) {
  auto* list = new TComboBox(owner);
  list->SetName(name);
  list->SetStyle(csDropDownList);
  list->SetBounds(left, top, width, 22);
  list->SetParent(parent);
  return list;
}

}  // namespace

TfrmSchedule::TfrmSchedule(TComponent* owner) : TForm(owner) {
  SetName("frmSchedule");
  SetCaption("Select time:");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(400, 230);

  auto spin = [this](const std::string& name, int left, int top, int max, int value) {
    TSpinBox box = MakeSpinBox(this, this, name, left, top, 40, 0, max, true);
    box.SetValue(value);
    return box;
  };
  auto label = [this](const std::string& caption, int left, int top) {
    auto* l = new TLabel(this);
    l->SetCaption(caption);
    l->SetBounds(left, top, 60, 16);
    l->SetParent(this);
  };
  label("Start at:", 8, 12);
  spinStartHour = spin("editStartHour", 70, 10, 23, 0);
  label("hour", 112, 12);
  spinStartMinute = spin("editStartMinute", 150, 10, 59, 0);
  label("minute", 192, 12);
  spinStartSecond = spin("editStartSecond", 240, 10, 59, 0);
  label("second", 282, 12);
  label("Stop at:", 8, 42);
  spinStopHour = spin("editStopHour", 70, 40, 23, 1);
  label("hour", 112, 42);
  spinStopMinute = spin("editStopMinute", 150, 40, 59, 0);
  label("minute", 192, 42);
  spinStopSecond = spin("editStopSecond", 240, 40, 59, 0);
  label("second", 282, 42);

  auto* kinds = new TPanel(this);
  kinds->SetBounds(8, 70, 100, 120);
  kinds->SetCaption("");
  kinds->SetBevelOuter(bvNone);
  kinds->SetParent(this);
  rbDaily = AddRadio(kinds, this, "rbDaily", "Daily", 0, 0);
  rbOnce = AddRadio(kinds, this, "rbOnce", "Once", 0, 24);
  rbWeekly = AddRadio(kinds, this, "rbWeekly", "Weekly", 0, 48);
  rbMonthly = AddRadio(kinds, this, "rbMonthly", "Monthly", 0, 72);
  rbAnnually = AddRadio(kinds, this, "rbAnnually", "Annually", 0, 96);
  rbDaily->SetChecked(true);
  for (TRadioButton* rb : {rbDaily, rbOnce, rbWeekly, rbMonthly, rbAnnually})
    rb->OnClick = [this](TObject* s) { FrequencyClick(s); };

  dtpDate = new TDateTimePicker(this);  // at the current date and time
  dtpDate->SetName("dtpDate");
  dtpDate->SetDateFormat(dfLong);
  dtpDate->SetBounds(120, 94, 270, 22);
  dtpDate->SetParent(this);
  comboWeekDay = AddList(this, this, "comboWeekDay", 120, 118, 120);
  for (int d = 1; d <= 7; ++d) comboWeekDay->Items()->Add(WeekDayName(d));
  comboMonthDay = AddList(this, this, "comboMonthDay", 120, 142, 60);
  comboMonth = AddList(this, this, "comboMonth", 120, 166, 120);
  for (int m = 1; m <= 12; ++m) comboMonth->Items()->Add(MonthName(m));
  comboYearDay = AddList(this, this, "comboYearDay", 250, 166, 60);
  for (int d = 1; d <= 31; ++d) {
    comboMonthDay->Items()->Add(IntToStr(d));
    comboYearDay->Items()->Add(IntToStr(d));
  }
  for (TComboBox* list : {comboWeekDay, comboMonthDay, comboMonth, comboYearDay}) list->SetItemIndex(0);
  RefreshDateEnabling();

  btnConfirm = new TButton(this);
  btnConfirm->SetName("btnConfirm");
  btnConfirm->SetCaption("Add");
  btnConfirm->SetBounds(220, 198, 80, 26);
  btnConfirm->SetDefault(true);
  btnConfirm->SetParent(this);
  btnConfirm->OnClick = [this](TObject* s) { btnConfirmClick(s); };
  btnCancel = new TButton(this);
  btnCancel->SetName("btnCancel");
  btnCancel->SetCaption("Cancel");
  btnCancel->SetBounds(308, 198, 80, 26);
  btnCancel->SetCancel(true);
  btnCancel->SetParent(this);
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
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
