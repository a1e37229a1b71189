#include "recorder/Player.h"

TfrmPlayer* frmPlayer = nullptr;

TfrmPlayer::TfrmPlayer(TComponent* owner) : TForm(owner) {
  SetCaption("Player");
}
