// The document commands: open, save in place, unsaved-edit counting and
// the question on close.

#include "editor/Main.h"

bool TfrmMain::ChooseFile(TOpenDialog* dialog) { return ExecuteDialog(dialog); }

void TfrmMain::OpenFile() {
  if (busy_) return;
  OD->SetFileName("");
  if (!ChooseFile(OD)) return;
  const std::string chosen = OD->FileName();
  // One document per window: a loaded one stays, the file opens in a new copy.
  if (!DocumentName.empty()) {
    HandToNewCopy(chosen);
    return;
  }
  RunCommand([&] {
    try {
      AE->OpenFile(chosen, 0);
      DocumentName = chosen;
    } catch (const std::exception& error) {
      ShowError("Cannot open " + chosen + ": " + error.what());
    }
  });
  UpdateFileInfo();
}

void TfrmMain::SaveFile() {
  // An unnamed document is saved only through Save As.
  if (DocumentName.empty() || busy_) return;
  bool saved = false;
  RunCommand([&] {
    try {
      AE->SaveFile(DocumentName, 0, 0);
      saved = true;
    } catch (const std::exception& error) {
      ShowError("Cannot save " + DocumentName + ": " + error.what());
    }
  });
  if (!saved) return;
  Modified = false;
  EditCount = 0;
  UpdateFileInfo();
}

void TfrmMain::MarkModified() {
  if (Modified) {
    ++EditCount;
  } else {
    Modified = true;
    EditCount = 1;
  }
}

void TfrmMain::UnmarkModified() {
  if (EditCount < 2) {
    Modified = false;
  } else {
    --EditCount;
    Modified = EditCount > 0;
  }
}

void TfrmMain::FormCloseQuery(TObject*, bool& canClose) {
  // An operation under way pumps messages; the window must outlive it.
  if (busy_) {
    canClose = false;
    return;
  }
  if (!Modified) return;
  const int answer = MessageBox("Audio file has changed, do you want to save the current music?",
                                MB_YESNOCANCEL | MB_ICONWARNING);
  if (answer == IDCANCEL) {
    canClose = false;
    return;
  }
  if (answer == IDYES) {
    if (DocumentName.empty()) {
      // Nowhere to save yet: ask where, and stay when that comes to nothing.
      if (!SaveFileAs()) {
        canClose = false;
        return;
      }
    } else {
      SaveFile();
      if (Modified) {
        canClose = false;
        return;
      }
    }
  }
  Modified = false;
  EditCount = 0;
}
