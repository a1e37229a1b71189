#include "recorder/Options.h"

TfrmOptions* frmOptions = nullptr;

TfrmOptions::TfrmOptions(TComponent* owner) : TForm(owner) {
  SetCaption("Options");
}
