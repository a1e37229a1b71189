#pragma once
// The entry dialog of the recording schedule: start and stop time of day
// and how often the recording repeats. Its confirm button adds the entry
// to the options window's schedule, or replaces the selected one.

#include <string>

#include "platform/framework/DateTimePicker.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/StdCtrls.h"
#include "recorder/OptionsSpinBox.h"

class TfrmSchedule : public TForm {
 public:
  explicit TfrmSchedule(TComponent* owner);
  std::string ClassName() const override { return "TfrmSchedule"; }

  void SetScheduleButtonCaption(const std::string& text);
  void ShowScheduleEntry(int startH, int startM, int startS, int stopH, int stopM, int stopS, int day, int month,
                         int year, int dayOfWeek);

  // The date of "Once"; a date that does not exist leaves it as it is.
  void SetDate(int year, int month, int day);

  TSpinBox spinStartHour, spinStartMinute, spinStartSecond;
  TSpinBox spinStopHour, spinStopMinute, spinStopSecond;
  TRadioButton* rbDaily;
  TRadioButton* rbOnce;
  TRadioButton* rbWeekly;
  TRadioButton* rbMonthly;
  TRadioButton* rbAnnually;
  TDateTimePicker* dtpDate;
  TComboBox* comboWeekDay;
  TComboBox* comboMonthDay;
  TComboBox* comboMonth;
  TComboBox* comboYearDay;
  TButton* btnConfirm;
  TButton* btnCancel;

  void FrequencyClick(TObject* sender);
  void btnConfirmClick(TObject* sender);
  void btnCancelClick(TObject* sender);

 private:
  void RefreshDateEnabling();
};

extern TfrmSchedule* frmSchedule;
