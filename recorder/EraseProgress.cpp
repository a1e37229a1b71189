#include "recorder/EraseProgress.h"

TfrmEraseProgress* frmEraseProgress = nullptr;

TfrmEraseProgress::TfrmEraseProgress(TComponent* owner) : TForm(owner) {
  SetCaption("Erase");
}
