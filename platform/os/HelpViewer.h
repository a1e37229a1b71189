#pragma once
// Showing a help file, optionally at a topic inside it.

#include <string>
#include <vector>

class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;
  // True when a viewer was started for an existing help file.
  virtual bool ShowHelp(const std::string& helpFile, const std::string& topic) = 0;
};

IHelpViewer& HelpViewer();
// Puts a replacement in place (not owned); nullptr restores the real one.
void SetHelpViewer(IHelpViewer* viewer);
