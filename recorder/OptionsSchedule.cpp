// The "Schedule" page of the options window: the list of scheduled
// recordings, the entry dialog, and schedule files.

#include "recorder/Options.h"
#include "recorder/SetTime.h"

void TfrmOptions::RefreshScheduleList() {
  const int selected = listSchedule->ItemIndex();
  listSchedule->Items()->Clear();
  for (int i = 0; i < schedule_.Count(); ++i) {
    const ScheduleRow& row = schedule_.Row(i);
    listSchedule->Items()->Add(std::string(row.Entry.Use ? "[x] " : "[ ] ") + row.StartText + "  " + row.StopText +
                               "  " + row.FrequencyText);
  }
  if (selected < schedule_.Count()) listSchedule->SetItemIndex(selected);
}

int TfrmOptions::SelectedScheduleRow() {
  const int index = listSchedule->ItemIndex();
  return index >= 0 && index < schedule_.Count() ? index : -1;
}

void TfrmOptions::SetScheduleRowChecked(int row, bool checked) {
  if (row < 0 || row >= schedule_.Count()) return;
  schedule_.SetChecked(row, checked);
  RefreshScheduleList();
}

// A row's "[x]" mark is its check box: a click on it turns the row on or off.
void TfrmOptions::listScheduleMouseDown(TObject*, TMouseButton button, TShiftState, int x, int y) {
  if (button != mbLeft || x >= 24) return;
  const int row = listSchedule->ItemAtPos({x, y}, true);
  if (row >= 0 && row < schedule_.Count()) SetScheduleRowChecked(row, !schedule_.Row(row).Entry.Use);
}

void TfrmOptions::AddScheduleEntry(const std::string& startText, const std::string& stopText, bool use, WORD year,
                                   WORD month, WORD day, WORD dayOfWeek) {
  schedule_.Add(startText, stopText, use, year, month, day, dayOfWeek);
  RefreshScheduleList();
}

void TfrmOptions::ReplaceScheduleEntry(const std::string& startText, const std::string& stopText, WORD year,
                                       WORD month, WORD day, WORD dayOfWeek) {
  schedule_.Replace(SelectedScheduleRow(), startText, stopText, year, month, day, dayOfWeek);
  RefreshScheduleList();
}

void TfrmOptions::SaveScheduleFile(const std::string& fileName) { schedule_.SaveToFile(fileName); }

void TfrmOptions::LoadScheduleFile(const std::string& fileName) {
  if (schedule_.LoadFromFile(fileName)) RefreshScheduleList();
}

void TfrmOptions::btnAddClick(TObject*) {
  if (!frmSchedule) return;
  frmSchedule->SetScheduleButtonCaption("Add");
  frmSchedule->ShowModal();
}

void TfrmOptions::btnEditClick(TObject*) {
  const int row = SelectedScheduleRow();
  if (row < 0 || !frmSchedule) return;
  const ScheduleEntry& e = schedule_.Row(row).Entry;
  frmSchedule->SetScheduleButtonCaption("Edit");
  frmSchedule->ShowScheduleEntry(e.StartH, e.StartM, e.StartS, e.StopH, e.StopM, e.StopS, e.Day, e.Month, e.Year,
                                 e.DayOfWeek);
  frmSchedule->ShowModal();
}

void TfrmOptions::btnDeleteClick(TObject*) {
  const int row = SelectedScheduleRow();
  if (row < 0) return;
  schedule_.Delete(row);
  RefreshScheduleList();
}

void TfrmOptions::btnClearClick(TObject*) {
  schedule_.Clear();
  RefreshScheduleList();
}

void TfrmOptions::btnSaveClick(TObject*) {
  std::string fileName;
  if (schedule_.Count() > 0 && ChooseScheduleFileToSave && ChooseScheduleFileToSave(fileName))
    SaveScheduleFile(fileName);
}

void TfrmOptions::btnLoadClick(TObject*) {
  std::string fileName;
  if (ChooseScheduleFileToLoad && ChooseScheduleFileToLoad(fileName)) LoadScheduleFile(fileName);
}

void TfrmOptions::ScheduleHeaderClick(TObject* sender) {
  for (int column = 0; column < 4; ++column)
    if (scheduleHeaders[column] == sender) sortColumn_ = column;
  schedule_.SortByColumn(sortColumn_);
  RefreshScheduleList();
}
