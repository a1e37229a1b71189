#pragma once
// The player window beside the main window, on a folder of its own in the
// scratch home, with its messages and questions answered by the test.

#include <deque>
#include <filesystem>
#include <fstream>
#include <string>

#include "MainWindowFixture.h"
#include "ToneFiles.h"
#include "recorder/PlayerRows.h"

class PlayerWindowFixture : public MainWindowFixture {
 protected:
  // Shows the main window, then the player on `Folder()` holding the
  // files made by `fill`.
  void ShowPlayer(const std::function<void()>& fill = {}) {
    ShowMain();
    std::filesystem::create_directories(Folder());
    ::OutputPath = Folder();
    if (fill) fill();
    frmPlayer->ShowMessage = [this](const std::string& text) { messages.push_back(text); };
    frmPlayer->AskQuestion = [this](const std::string& text) {
      questions.push_back(text);
      if (answers.empty()) return static_cast<int>(mrNo);
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    };
    frmPlayer->Show();
  }

  std::string Folder() { return Canonical(Scratch()) + "music/"; }
  static std::string Canonical(const std::string& folder) {
    std::string path = std::filesystem::weakly_canonical(folder).string();
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path + "/";
  }

  static TListItem* Row(int index) { return frmPlayer->lvPlayList->Items()->Item(index); }
  static int RowCount() { return frmPlayer->lvPlayList->Items()->Count(); }
  static std::string Cell(int index, int column) {
    return column == 0 ? Row(index)->Caption() : Row(index)->SubItems()->Strings(column - 1);
  }
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < RowCount(); ++i) names.push_back(Row(i)->Caption());
    return names;
  }
  static int IndexOf(const std::string& name) {
    for (int i = 0; i < RowCount(); ++i)
      if (Row(i)->Caption() == name) return i;
    return -1;
  }
  static void Select(const std::string& name) {
    frmPlayer->lvPlayList->SetSelected(IndexOf(name) < 0 ? nullptr : Row(IndexOf(name)));
  }
  static void Play(const std::string& name) {
    Select(name);
    frmPlayer->btnPlay->Click();
  }

  std::vector<std::string> questions;
  std::deque<int> answers;
};
