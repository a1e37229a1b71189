#pragma once
// The merge thread: reads the joined files one after the other into one
// created writer, posting each file's progress to a window. Inputs of
// another rate or channel count are converted to the writer's format.

#include <string>
#include <vector>

#include "platform/audio/AudioFile2.h"
#include "platform/framework/Thread.h"
#include "platform/win/WinTypes.h"
#include "recorder/OutputNaming.h"
#include "recorder/SplitterThread.h"  // WM_TOOL_PROGRESS

class TJoinerThread : public TThread {
 public:
  // The writer is created; both files stay the caller's, and the thread
  // closes them when it ends (closing finishes the output).
  TJoinerThread(TAudioFile2& reader, std::vector<std::string> files, HWND window, TAudioFile2& writer);
  ~TJoinerThread() override;
  std::string ClassName() const override { return "TJoinerThread"; }

  // After the end: why the output is not whole (a write that failed, a
  // full disk); empty when it was written or the merge was cancelled.
  const std::string& ErrorText() const { return errorText_; }

 protected:
  void Execute() override;

 private:
  void AppendFile(int index);

  TAudioFile2& reader_;
  std::vector<std::string> files_;
  HWND window_;
  TAudioFile2& writer_;
  std::string errorText_;
};

// The merged file's path, named as FreeOutputPath names it but never one of
// the inputs: " New" is added while it would be, overwriting or not.
std::string MergeOutputPath(const TNamingSettings& naming, std::string name, const std::string& extension,
                            const std::vector<std::string>& inputs);
