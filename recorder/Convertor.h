#pragma once
// The conversion thread: copies an opened reader into a created writer
// block by block, posting the progress to a window. The writer turns the
// samples into its own format.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/audio/AudioFile2.h"
#include "platform/framework/Thread.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinTypes.h"

// wParam 1, lParam the percentage done (0..100).
constexpr UINT WM_CONVERT_PROGRESS = WM_USER + 1;

class TConvertor : public TThread {
 public:
  // Both files stay the caller's; the thread closes them when it ends.
  TConvertor(TAudioFile2& reader, HWND window, TAudioFile2& writer);
  // Stops and waits: the copy must not outlive this object's parts.
  ~TConvertor() override;
  std::string ClassName() const override { return "TConvertor"; }

  // Why the copy stopped early (a write that failed, a full disk); empty
  // when it ran to the end or was asked to stop. Read after the end.
  const std::string& ErrorText() const { return errorText_; }

 protected:
  void Execute() override;

 private:
  void Copy();

  TAudioFile2& reader_;
  TAudioFile2& writer_;
  HWND window_;
  std::string errorText_;
};

// The share of a file copied so far, 0..100, for any length.
int ConversionPercent(std::int64_t done, std::int64_t length);

// Copies the rest of an opened reader into the writer (its input format
// set), a second's samples of all channels per block, telling the share
// done after each block and 100 at the end. Asks `stop` after each block;
// answers false when it stopped early.
bool CopyAudio(TAudioFile2& reader, TAudioFile2& writer, const std::function<bool()>& stop,
               const std::function<void(int percent)>& progress);
