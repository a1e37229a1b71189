#pragma once
// Splitting a file at its kept split points: which parts are written, how
// they are named, and the thread that copies each part into a file of its
// own in the source's format, posting its progress to a window.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio/AudioFile2.h"
#include "platform/framework/Thread.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinTypes.h"
#include "recorder/SplitPoints.h"

// wParam the job index, lParam the percentage of that part (0..100).
constexpr UINT WM_TOOL_PROGRESS = WM_USER + 2;

// Every kept point, in order, with its section row. Each but the last
// starts a part that runs to the next kept point, so an unticked section
// after a ticked one belongs to that one's part. Empty when nothing is to
// be written (only the start and the end, or fewer than two kept points).
struct TSplitJob {
  std::vector<std::int64_t> points;  // ms
  std::vector<int> rows;
  int PartCount() const { return points.empty() ? 0 : static_cast<int>(points.size()) - 1; }
};
TSplitJob PlanSplit(const TSplitPoints& points);

// Where the parts go and how they are called; copied when a split starts,
// so changing the options meanwhile changes nothing.
struct TSplitNaming {
  std::string folder;     // ends with "/"
  std::string base;       // the source's name without extension
  std::string extension;  // "mp3": the source's format in lower case
  bool overwrite = false;
};
// folder + base + "-Splitted" + part + "." + extension, with " New" added
// to the name while such a file exists, unless overwriting.
std::string SplitPartPath(const TSplitNaming& naming, int part);

// The frame a millisecond position starts at.
std::int64_t FrameOfMs(std::int64_t ms, int sampleRate);

class TSplitterThread : public TThread {
 public:
  // The reader is open on the source and the writer has its output format;
  // both stay the caller's. Parts are created through Synchronize, on the
  // GUI thread. The last part runs to the end of the source, so the parts
  // of a file kept whole add up to it frame for frame.
  TSplitterThread(TAudioFile2& reader, TAudioFile2& writer, HWND window, TSplitJob job, TSplitNaming naming);
  ~TSplitterThread() override;
  std::string ClassName() const override { return "TSplitterThread"; }

  // After the end: why the run stopped early (a part that could not be
  // created or written), and the job index it stopped at; -1 when none.
  const std::string& ErrorText() const { return errorText_; }
  int FailedPart() const { return failedPart_; }

 protected:
  void Execute() override;

 private:
  bool WritePart(int part);

  TAudioFile2& reader_;
  TAudioFile2& writer_;
  HWND window_;
  TSplitJob job_;
  TSplitNaming naming_;
  std::string errorText_;
  int failedPart_ = -1;
};
