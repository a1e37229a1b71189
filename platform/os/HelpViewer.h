#pragma once
// Showing a help file, optionally at a topic inside it.
//
// Help is shipped as HTML pages. A help file named "<folder>/<Name>.chm"
// stands for the pages in "<folder>/<Name>/": the topic (a page, a page
// with an "#anchor", or an anchor of the start page) picks the page, and
// "index.html" is the start page. The name may carry its topic itself,
// as "<Name>.chm::/<page>". A help file without such a folder is opened
// as it is.

#include <string>
#include <vector>

#include "platform/os/Process.h"

class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;
  // True when a viewer was started for existing help; when the desktop
  // then finds no program to show it, onFailed runs on the GUI thread.
  virtual bool ShowHelp(const std::string& helpFile, const std::string& topic, TLaunchFailed onFailed = {}) = 0;
};

IHelpViewer& HelpViewer();
// Puts a replacement in place (not owned); nullptr restores the real one.
void SetHelpViewer(IHelpViewer* viewer);

// What the real viewer opens for a help file and topic: a "file://"
// address of the page (with its anchor) or the file itself; empty when
// neither exists.
std::string HelpTarget(const std::string& helpFile, const std::string& topic);
