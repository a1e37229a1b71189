#pragma once
// Puts back the shared globals that showing the windows publishes, so a
// later test still sees the program's start values.

#include <string>

#include "recorder/GlobeVar.h"

struct TKeepGlobals {
  std::string subject = Subject, body = Body, appFolder = AppFolder, outputPath = OutputPath,
              convertFolder = ConvertFolder, splitFolder = SplitFolder, joinFolder = JoinFolder,
              recordedFolder = RecordedFolder;
  bool convertToSource = ConvertToSource, convertOverwrite = ConvertOverwrite;
  ~TKeepGlobals() {
    Subject = subject;
    Body = body;
    AppFolder = appFolder;
    OutputPath = outputPath;
    ConvertFolder = convertFolder;
    SplitFolder = splitFolder;
    JoinFolder = joinFolder;
    RecordedFolder = recordedFolder;
    ConvertToSource = convertToSource;
    ConvertOverwrite = convertOverwrite;
  }
};
