#include "recorder/Burner.h"

TfrmBurner* frmBurner = nullptr;

TfrmBurner::TfrmBurner(TComponent* owner) : TForm(owner) {
  SetCaption("Burner");
}
