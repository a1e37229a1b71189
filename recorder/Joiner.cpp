#include "recorder/Joiner.h"

TfrmJoiner* frmJoiner = nullptr;

TfrmJoiner::TfrmJoiner(TComponent* owner) : TForm(owner) {
  SetCaption("Joiner");
}
