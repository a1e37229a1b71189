#pragma once
// The cue list, file information and conversion windows over a real
// editor engine on a headless window system, in a scratch folder; the
// modified marks and the messages they give are counted.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editor/Convert.h"
#include "editor/CueList.h"
#include "editor/Info.h"
#include "platform/audio/AudioFile2.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/os/MainThread.h"
#include "platform/win/Headless.h"

class DocumentWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitWindowSystem(TBackendKind::Headless);
    HeadlessSetScreen(Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 740));
    std::string pattern = std::filesystem::temp_directory_path().string() + "/olwick-windows-XXXXXX";
    scratch_ = mkdtemp(pattern.data());
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
  void TearDown() override {
    Application->DestroyForms();
    ShutdownWindowSystem();
    std::filesystem::remove_all(scratch_);
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

  // A WAV file of a sine tone.
  std::string WriteTone(const std::string& name, int frames, int rate = 44100, int channels = 2,
                        double frequency = 440.0) {
    const std::string path = Path(name);
    TAudioFile2 file;
    file.SetWAVOutput(rate, channels, 16);
    file.CreateWrite(path, 0);
    TSampleBlock block;
    for (int i = 0; i < frames; ++i)
      block.insert(block.end(), channels,
                   static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * frequency * i / rate)));
    file.WriteBlock(block);
    file.Close();
    return path;
  }

  std::string Path(const std::string& name) const { return scratch_ + "/" + name; }

  TForm* host = nullptr;
  TAudioEditor2* editor = nullptr;
  int modifiedMarks = 0;
  std::vector<std::string> messages;

 private:
  std::string scratch_;
};
