#include "platform/audio/DeviceSelection.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/base/Exceptions.h"

namespace detail {

void DeviceSelection::Refresh(AudioBackend& backend) {
  devices_ = capture_ ? backend.CaptureDevices() : backend.PlaybackDevices();
  if (capture_) OrderCaptureDevices(devices_);
  listed_ = true;
}

void DeviceSelection::EnsureListed(AudioBackend& backend) {
  if (!listed_) Refresh(backend);
}

int DeviceSelection::HighestLineIndex() const {
  const AudioDeviceInfo* d = Device();
  return d ? static_cast<int>(d->lines.size()) - 1 : -1;
}

void DeviceSelection::SelectDevice(int index) {
  device_ = index;
  line_ = 0;
  if (const AudioDeviceInfo* d = Device())
    for (std::size_t i = 0; i < d->lines.size(); ++i)
      if (d->lines[i].active) line_ = static_cast<int>(i);
}

const AudioDeviceInfo* DeviceSelection::Device() const {
  if (device_ < 0 || device_ >= static_cast<int>(devices_.size())) return nullptr;
  return &devices_[device_];
}

const AudioLineInfo* DeviceSelection::Line() const {
  const AudioDeviceInfo* d = Device();
  if (!d || line_ < 0 || line_ >= static_cast<int>(d->lines.size())) return nullptr;
  return &d->lines[line_];
}

void OrderCaptureDevices(std::vector<AudioDeviceInfo>& devices) {
  const auto rank = [](const AudioDeviceInfo& d) { return (d.monitor ? 2 : 0) + (d.serverDefault ? 0 : 1); };
  std::stable_sort(devices.begin(), devices.end(),
                   [&](const AudioDeviceInfo& a, const AudioDeviceInfo& b) { return rank(a) < rank(b); });
}

int MsToFrames(int ms, int sampleRate) {
  return static_cast<int>(static_cast<std::int64_t>(ms) * sampleRate / 1000);
}

int FramesToMs(int frames, int sampleRate) {
  if (sampleRate <= 0) return 0;
  return static_cast<int>(static_cast<std::int64_t>(frames) * 1000 / sampleRate);
}

void CheckStreamFormat(int sampleRate, int channels) {
  if (sampleRate < 8000 || sampleRate > 192000)
    throw Exception("Unsupported sample rate: " + std::to_string(sampleRate) + " Hz");
  if (channels < 1 || channels > 2)
    throw Exception("Unsupported channel count: " + std::to_string(channels));
}

}  // namespace detail
