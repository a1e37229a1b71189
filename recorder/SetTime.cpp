#include "recorder/SetTime.h"

TfrmSchedule* frmSchedule = nullptr;

TfrmSchedule::TfrmSchedule(TComponent* owner) : TForm(owner) {
  SetCaption("Schedule");
}
