// Transport, view and edit commands, and the engine's events.

#include "editor/Main.h"
#include "editor/Options.h"

void TfrmMain::RunCommand(const std::function<void()>& command) {
  // The engine pumps messages while it works: a click meanwhile must not
  // start a second operation on the same document.
  if (busy_) return;
  busy_ = true;
  try {
    command();
  } catch (...) {
    busy_ = false;
    throw;
  }
  busy_ = false;
}

void TfrmMain::Play(int mode) {
  RunCommand([&] { AE->Play(mode); });
}

void TfrmMain::Undo() {
  RunCommand([&] {
    UnmarkModified();
    AE->Undo();
  });
}

void TfrmMain::Redo() {
  RunCommand([&] {
    AE->Redo();
    MarkModified();
  });
}

void TfrmMain::Copy() {
  RunCommand([&] { AE->Copy(); });
}

void TfrmMain::Cut() {
  RunCommand([&] {
    AE->Cut();
    MarkModified();
  });
}

void TfrmMain::Paste() {
  RunCommand([&] {
    AE->Paste();
    MarkModified();
  });
}

void TfrmMain::PasteMix() {
  RunCommand([&] {
    AE->PasteMix(50.0f, 50.0f);
    MarkModified();
  });
}

void TfrmMain::WithAudioFile(const std::function<void(const std::string& name)>& command) {
  if (busy_) return;
  // The open dialog keeps its name for the next use, whatever is chosen.
  const std::string remembered = OD->FileName();
  const bool chosen = ChooseFile(OD);
  const std::string name = OD->FileName();
  OD->SetFileName(remembered);
  if (!chosen) return;
  RunCommand([&] {
    command(name);
    MarkModified();
  });
}

void TfrmMain::PasteFromFile() {
  WithAudioFile([this](const std::string& name) { AE->PasteFromFile(name); });
}

void TfrmMain::MixFromFile() {
  WithAudioFile([this](const std::string& name) { AE->MixFromFile(name, 50.0f, 50.0f); });
}

void TfrmMain::ChannelButtonClick(TObject*) {
  IAudioEditor2Channel* channel = AE->Channel();
  channel->SetIndex(1);
  channel->SetVisible(btnLChannel->Down());
  channel->SetIndex(2);
  channel->SetVisible(btnRChannel->Down());
}

void TfrmMain::BindCommands() {
  auto bind = [](TControl* control, std::function<void()> command) {
    control->OnClick = [command = std::move(command)](TObject*) { command(); };
  };
  bind(btnNew, [this] { StartNewInstance(); });
  bind(btnOpen, [this] { OpenFile(); });
  bind(btnSave, [this] { SaveFile(); });
  bind(btnOptions, [this] { ShowOptions(-1); });
  bind(btnCopy, [this] { Copy(); });
  bind(btnCut, [this] { Cut(); });
  bind(btnPaste, [this] { Paste(); });
  bind(btnPasteMix, [this] { PasteMix(); });
  bind(btnUndo, [this] { Undo(); });
  bind(btnRedo, [this] { Redo(); });
  bind(btnZoomIn, [this] { AE->ZoomIn(); });
  bind(btnZoomOut, [this] { AE->ZoomOut(); });
  bind(btnZoomFull, [this] { AE->ZoomFull(); });
  btnLChannel->OnClick = [this](TObject* sender) { ChannelButtonClick(sender); };
  btnRChannel->OnClick = [this](TObject* sender) { ChannelButtonClick(sender); };

  bind(btnPlay, [this] { Play(TAudioEditor2::kPlaySelection); });
  bind(btnPlayEnd, [this] { Play(TAudioEditor2::kPlayToEnd); });
  bind(btnPlayLoop, [this] { Play(TAudioEditor2::kPlayLoop); });
  bind(btnStop, [this] { AE->Stop(); });
  bind(btnPause, [this] { AE->Pause(); });
  bind(btnContinue, [this] { AE->Resume(); });
  bind(btnInfo, [this] { StartTicker(); });

  AE->OnMeter = [this](TObject*, float left, float right) {
    ProgressBarL->SetPosition(static_cast<int>(left));
    ProgressBarR->SetPosition(static_cast<int>(right));
  };
  AE->OnBlockOperation = [this](TObject*, short percent) {
    ProgressBarL->SetPosition(percent);
    ProgressBarR->SetPosition(percent);
    Application->ProcessMessages();
  };
  AE->OnEndOperation = [this](TObject*) {
    ProgressBarL->SetPosition(0);
    ProgressBarR->SetPosition(0);
    Application->ProcessMessages();
  };
  AE->OnChangePosition = [this](TObject*) { UpdateSelectionInfo(); };
}

void TfrmMain::ShowOptions(int page) {
  if (busy_ || !frmOptions) return;
  if (page >= 0) frmOptions->ShowPage(page);
  frmOptions->ShowModal();
}
