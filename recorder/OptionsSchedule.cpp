// The "Schedule" page of the options window: the list of scheduled
// recordings, the entry dialog, and schedule files.

#include "recorder/Options.h"
#include "recorder/SetTime.h"

void TfrmOptions::RefreshScheduleList() {
  const int selected = SelectedScheduleRow();
  fillingList_ = true;
  listSchedule->Items()->BeginUpdate();
  listSchedule->Items()->Clear();
  for (int i = 0; i < schedule_.Count(); ++i) {
    const ScheduleRow& row = schedule_.Row(i);
    TListItem* item = listSchedule->Items()->Add();
    item->SetChecked(row.Entry.Use);
    item->SubItems()->Add(row.StartText);
    item->SubItems()->Add(row.StopText);
    item->SubItems()->Add(row.FrequencyText);
  }
  listSchedule->Items()->EndUpdate();
  if (selected >= 0 && selected < schedule_.Count()) listSchedule->SetSelected(listSchedule->Items()->Item(selected));
  fillingList_ = false;
}

int TfrmOptions::SelectedScheduleRow() {
  TListItem* item = listSchedule->Selected();
  const int index = item ? item->Index() : -1;
  return index >= 0 && index < schedule_.Count() ? index : -1;
}

void TfrmOptions::SetScheduleRowChecked(int row, bool checked) {
  if (row < 0 || row >= schedule_.Count()) return;
  schedule_.SetChecked(row, checked);
  listSchedule->Items()->Item(row)->SetChecked(checked);
}

// A row's check box is its entry's Use.
void TfrmOptions::listScheduleChange(TObject*, TListItem* item, TItemChange change) {
  if (fillingList_ || change != ctState || !item) return;
  const int row = item->Index();
  if (row >= 0 && row < schedule_.Count() && schedule_.Row(row).Entry.Use != item->Checked())
    schedule_.SetChecked(row, item->Checked());
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

void TfrmOptions::listScheduleColumnClick(TObject*, TListColumn* column) {
  sortColumn_ = column ? column->Index() : 0;
  schedule_.SortByColumn(sortColumn_);
  RefreshScheduleList();
}
