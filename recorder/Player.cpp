#include "recorder/Player.h"

TfrmPlayer* frmPlayer = nullptr;

TfrmPlayer::TfrmPlayer(TComponent* owner) : TForm(owner) {
  SetCaption("Player");
}

// The folder list is not built yet, so there is no row to add.
void TfrmPlayer::AddFileToList(const std::string&, bool) {}
