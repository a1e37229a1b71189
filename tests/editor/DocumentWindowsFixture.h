#pragma once
// The cue list, file information and conversion windows linked to a real
// editor engine of their own (no main window); the modified marks and the
// messages they give are counted.

#include <functional>

#include "EditorMainFixture.h"
#include "editor/Convert.h"
#include "editor/CueList.h"
#include "editor/Info.h"

// Where a user clicks a control, in screen coordinates.
inline TPoint CentreOf(TControl* control) {
  return control->ClientToScreen({control->Width() / 2, control->Height() / 2});
}

class DocumentWindowsTest : public EditorMainTest {
 protected:
  void SetUp() override {
    EditorMainTest::SetUp();
    Application->CreateForm(host);
    host->SetBounds(0, 0, 640, 360);
    editor = new TAudioEditor2(host);
    editor->SetBounds(0, 0, 600, 300);
    editor->SetParent(host);
    host->Show();
    TDocumentLink link;
    link.Editor = editor;
    link.MarkModified = [this] { ++modifiedMarks; };
    link.ShowMessage = [this](const std::string& text) { messages.push_back(text); };
    Application->CreateForm(frmCueList, link);
    Application->CreateForm(frmInfo, link);
    Application->CreateForm(frmConvert, link);
  }

  // Shows the window modally, runs `act` once it shows, closes it unless
  // `act` did, and gives back the modal result.
  static int ShowAndDo(TForm* window, const std::function<void()>& act) {
    PostToMainThread([&] {
      HeadlessPumpUntilIdle();
      act();
      if (window->ModalResult() == mrNone) window->SetModalResult(mrCancel);
    });
    return window->ShowModal();
  }

  TForm* host = nullptr;
  TAudioEditor2* editor = nullptr;
  int modifiedMarks = 0;
};
