#pragma once
// The entry dialog of the recording schedule: start and stop time of day
// and how often the recording repeats. Its confirm button adds the entry
// to the options window's schedule, or replaces the selected one.

#include <string>

#include "platform/framework/DateTimePicker.h"
#include "platform/framework/Forms.h"
#include "recorder/OptionsSpinBox.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"

class TzelForm;

class TfrmSchedule : public TForm {
 public:
  explicit TfrmSchedule(TComponent* owner);
  std::string ClassName() const override { return "TfrmSchedule"; }

  void SetScheduleButtonCaption(const std::string& text);
  void ShowScheduleEntry(int startH, int startM, int startS, int stopH, int stopM, int stopS, int day, int month,
                         int year, int dayOfWeek);

  // The date of "Once"; a date that does not exist leaves it as it is.
  void SetDate(int year, int month, int day);

  TzelForm* zelForm1;
  TSpinBox spinStartHour, spinStartMinute, spinStartSecond;
  TSpinBox spinStopHour, spinStopMinute, spinStopSecond;
  TzelRadioButton* rbDaily;
  TzelRadioButton* rbOnce;
  TzelRadioButton* rbWeekly;
  TzelRadioButton* rbMonthly;
  TzelRadioButton* rbAnnually;
  TDateTimePicker* dtpDate;
  TzelComboBox* comboWeekDay;
  TzelComboBox* comboMonthDay;
  TzelComboBox* comboMonth;
  TzelComboBox* comboYearDay;
  TzelButton* btnConfirm;
  TzelButton* btnCancel;

  void FrequencyClick(TObject* sender);
  void btnConfirmClick(TObject* sender);
  void btnCancelClick(TObject* sender);

 private:
  void RefreshDateEnabling();
};

extern TfrmSchedule* frmSchedule;
