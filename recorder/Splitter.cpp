#include "recorder/Splitter.h"

TfrmSplitter* frmSplitter = nullptr;

TfrmSplitter::TfrmSplitter(TComponent* owner) : TForm(owner) {
  SetCaption("Splitter");
}
