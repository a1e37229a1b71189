#include "platform/audio/VirtualBackend.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <numbers>

#include "platform/audio/RealTimeClock.h"

namespace detail {
namespace {

const std::string kCaptureId = "virtual-capture";
const std::string kPlaybackId = "virtual-output";
const std::string kToneLine = "tone";
const std::string kSilenceLine = "silence";

// Mixer state of the virtual devices, shared with their running streams.
struct VirtualMixer {
  std::mutex mutex;
  int captureVolume = 65535;
  std::string captureLine = kToneLine;
  int playbackVolume = 65535;
  bool playbackMuted = false;
};

class VirtualCapture : public CaptureStream {
 public:
  VirtualCapture(std::shared_ptr<VirtualMixer> mixer, StreamFormat format, CaptureCallback callback)
      : mixer_(std::move(mixer)), format_(format), callback_(std::move(callback)),
        clock_(format.sampleRate, [this](std::int64_t due) { Produce(due); }) {}

 private:
  void Produce(std::int64_t frames) {
    double gain;
    bool tone;
    {
      std::lock_guard lock(mixer_->mutex);
      gain = mixer_->captureVolume / 65535.0;
      tone = mixer_->captureLine == kToneLine;
    }
    buffer_.assign(static_cast<std::size_t>(frames) * format_.channels, 0);
    const double step = 2 * std::numbers::pi * kVirtualToneHz / format_.sampleRate;
    for (std::int64_t i = 0; i < frames; ++i) {
      const double v = tone ? std::lround(kVirtualToneAmplitude * gain * std::sin(phase_)) : 0.0;
      phase_ = std::fmod(phase_ + step, 2 * std::numbers::pi);
      for (int c = 0; c < format_.channels; ++c)
        buffer_[i * format_.channels + c] = static_cast<std::int16_t>(v);
    }
    callback_(buffer_.data(), static_cast<std::size_t>(frames));
  }

  std::shared_ptr<VirtualMixer> mixer_;
  StreamFormat format_;
  CaptureCallback callback_;
  std::vector<std::int16_t> buffer_;
  double phase_ = 0;
  RealTimeFrameClock clock_;  // last: its thread stops before the members above go
};

class VirtualPlayback : public PlaybackStream {
 public:
  VirtualPlayback(StreamFormat format, PlaybackPull pull)
      : format_(format), pull_(std::move(pull)),
        clock_(format.sampleRate, [this](std::int64_t due) { Consume(due); }) {}

  void DataAvailable() override {}
  void Drain() override { draining_ = true; }
  bool Drained() override { return draining_ && ranDry_; }
  std::int64_t PlayedFrames() override { return played_; }

 private:
  void Consume(std::int64_t frames) {
    buffer_.resize(static_cast<std::size_t>(frames) * format_.channels);
    const std::size_t got = pull_(buffer_.data(), static_cast<std::size_t>(frames));
    played_ += static_cast<std::int64_t>(got);
    ranDry_ = got < static_cast<std::size_t>(frames);
  }

  StreamFormat format_;
  PlaybackPull pull_;
  std::vector<std::int16_t> buffer_;
  std::atomic<std::int64_t> played_ = 0;
  std::atomic<bool> draining_ = false;
  std::atomic<bool> ranDry_ = false;
  RealTimeFrameClock clock_;
};

class VirtualBackend : public AudioBackend {
 public:
  bool IsVirtual() const override { return true; }
  bool Healthy() override { return true; }

  std::vector<AudioDeviceInfo> CaptureDevices() override {
    std::lock_guard lock(mixer_->mutex);
    AudioDeviceInfo device{kCaptureId, "Virtual capture", true, {}};
    device.serverDefault = true;  // the only input
    device.lines.push_back({kToneLine, "Test tone", true, mixer_->captureLine == kToneLine});
    device.lines.push_back({kSilenceLine, "Silence", true, mixer_->captureLine == kSilenceLine});
    return {device};
  }

  std::vector<AudioDeviceInfo> PlaybackDevices() override {
    AudioDeviceInfo device{kPlaybackId, "Virtual output", true, {}};
    device.lines.push_back({"", "Wave", true, true});
    return {device};
  }

  int CaptureVolume(const std::string& device) override {
    if (device != kCaptureId) return -1;
    std::lock_guard lock(mixer_->mutex);
    return mixer_->captureVolume;
  }
  bool SetCaptureVolume(const std::string& device, int volume) override {
    if (device != kCaptureId) return false;
    std::lock_guard lock(mixer_->mutex);
    mixer_->captureVolume = std::clamp(volume, 0, 65535);
    return true;
  }
  bool SelectCaptureLine(const std::string& device, const std::string& line) override {
    if (device != kCaptureId || (line != kToneLine && line != kSilenceLine)) return false;
    std::lock_guard lock(mixer_->mutex);
    mixer_->captureLine = line;
    return true;
  }
  int PlaybackVolume(const std::string& device) override {
    if (device != kPlaybackId) return -1;
    std::lock_guard lock(mixer_->mutex);
    return mixer_->playbackVolume;
  }
  bool SetPlaybackVolume(const std::string& device, int volume) override {
    if (device != kPlaybackId) return false;
    std::lock_guard lock(mixer_->mutex);
    mixer_->playbackVolume = std::clamp(volume, 0, 65535);
    return true;
  }
  bool SetPlaybackMute(const std::string& device, bool mute) override {
    if (device != kPlaybackId) return false;
    std::lock_guard lock(mixer_->mutex);
    mixer_->playbackMuted = mute;
    return true;
  }

  // The virtual devices never go away, so the failure is never called.
  std::unique_ptr<CaptureStream> OpenCapture(const std::string& device, StreamFormat format,
                                             CaptureCallback callback, StreamFailure /*failure*/,
                                             std::string& error) override {
    if (device != kCaptureId) {
      error = "No such capture device: " + device;
      return nullptr;
    }
    return std::make_unique<VirtualCapture>(mixer_, format, std::move(callback));
  }

  std::unique_ptr<PlaybackStream> OpenPlayback(const std::string& device, StreamFormat format,
                                               PlaybackPull pull, std::string& error) override {
    if (device != kPlaybackId) {
      error = "No such output device: " + device;
      return nullptr;
    }
    return std::make_unique<VirtualPlayback>(format, std::move(pull));
  }

 private:
  std::shared_ptr<VirtualMixer> mixer_ = std::make_shared<VirtualMixer>();
};

}  // namespace

std::shared_ptr<AudioBackend> CreateVirtualBackend() { return std::make_shared<VirtualBackend>(); }

}  // namespace detail
