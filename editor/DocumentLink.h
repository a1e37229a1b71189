#pragma once
// What a window that works on the open document needs of the main window:
// the engine that holds the document, the modified mark for changes the
// engine keeps outside its undo steps, and a way to tell the user.

#include <functional>
#include <string>

class TAudioEditor2;

struct TDocumentLink {
  TAudioEditor2* Editor = nullptr;
  std::function<void()> MarkModified;
  // An information box with OK; the plain message box when not set.
  std::function<void(const std::string& text)> ShowMessage;

  void Modified() const {
    if (MarkModified) MarkModified();
  }
  void Tell(const std::string& text) const;
};
