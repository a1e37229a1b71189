#pragma once
// The device and line a recorder or player has selected, over the list the
// backend reported when last asked.

#include <vector>

#include "platform/audio/AudioDevices.h"

namespace detail {

class DeviceSelection {
 public:
  explicit DeviceSelection(bool capture) : capture_(capture) {}

  // Asks the backend for the current list.
  void Refresh(AudioBackend& backend);
  // Lists once, on first use.
  void EnsureListed(AudioBackend& backend);

  int HighestDeviceIndex() const { return static_cast<int>(devices_.size()) - 1; }
  int HighestLineIndex() const;

  int DeviceIndex() const { return device_; }
  // Also selects the device's active line.
  void SelectDevice(int index);
  int LineIndex() const { return line_; }
  void SelectLine(int index) { line_ = index; }

  // Null when the index is out of range.
  const AudioDeviceInfo* Device() const;
  const AudioLineInfo* Line() const;

 private:
  bool capture_;
  bool listed_ = false;
  std::vector<AudioDeviceInfo> devices_;
  int device_ = 0;
  int line_ = 0;
};

// Puts inputs in the order the user picks from: real inputs before the
// monitors of outputs (which record what is played), and in each group the
// server's default first; otherwise the server's order stays.
void OrderCaptureDevices(std::vector<AudioDeviceInfo>& devices);

// The exact integer rules of the components: ms x rate div 1000 and back.
int MsToFrames(int ms, int sampleRate);
int FramesToMs(int frames, int sampleRate);

// Throws Exception for a format the components cannot run.
void CheckStreamFormat(int sampleRate, int channels);

}  // namespace detail
