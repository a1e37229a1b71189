#include "recorder/Burning.h"

TfrmBurningProgress* frmBurningProgress = nullptr;

TfrmBurningProgress::TfrmBurningProgress(TComponent* owner) : TForm(owner) {
  SetCaption("Burning");
}
