#pragma once
// The device model behind the recorder and player components, and the
// backends that serve it: the sound server, or the built-in virtual devices
// where no server answers (or VELMORA_AUDIO=virtual is set).
//
// Capture devices are the server's sources (monitors of outputs included)
// and their lines its ports; playback devices are its sinks. Volumes are
// on the 0..65535 scale of the components.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace detail {

struct AudioLineInfo {
  std::string id;    // port name; empty for a device without ports
  std::string name;  // shown to the user
  bool available = true;
  bool active = false;
};

struct AudioDeviceInfo {
  std::string id;  // the server's name of the device
  std::string name;
  bool available = true;
  std::vector<AudioLineInfo> lines;  // never empty: a device without ports has one line
  bool monitor = false;        // a capture device that hears an output, not an input
  bool serverDefault = false;  // the server's default input or output
};

// Called on the backend's audio thread with interleaved 16-bit frames.
using CaptureCallback = std::function<void(const std::int16_t* samples, std::size_t frames)>;
// Called once on the backend's audio thread when a capture stream ends by
// itself (the device went away, the server was lost), with the reason.
using StreamFailure = std::function<void(const std::string& reason)>;
// Called on the backend's audio thread; fills up to maxFrames and returns
// how many it gave (0 when nothing is queued).
using PlaybackPull = std::function<std::size_t(std::int16_t* out, std::size_t maxFrames)>;

// Destroying a stream stops it; no callback runs after the destructor returns.
class CaptureStream {
 public:
  virtual ~CaptureStream() = default;
};

class PlaybackStream {
 public:
  virtual ~PlaybackStream() = default;
  // New data is queued: pull again if the stream had run dry.
  virtual void DataAvailable() = 0;
  // No more data will come: play out what is buffered.
  virtual void Drain() = 0;
  // True once everything given has been played after Drain.
  virtual bool Drained() = 0;
  // Frames really played so far, from the output's clock.
  virtual std::int64_t PlayedFrames() = 0;
};

struct StreamFormat {
  int sampleRate = 44100;
  int channels = 2;
};

class AudioBackend {
 public:
  virtual ~AudioBackend() = default;
  virtual bool IsVirtual() const = 0;
  // False once the connection to the server is lost.
  virtual bool Healthy() = 0;

  virtual std::vector<AudioDeviceInfo> CaptureDevices() = 0;
  virtual std::vector<AudioDeviceInfo> PlaybackDevices() = 0;

  // Volumes are -1 when the device is unknown; setters return false then.
  virtual int CaptureVolume(const std::string& device) = 0;
  virtual bool SetCaptureVolume(const std::string& device, int volume) = 0;
  virtual bool SelectCaptureLine(const std::string& device, const std::string& line) = 0;
  virtual int PlaybackVolume(const std::string& device) = 0;
  virtual bool SetPlaybackVolume(const std::string& device, int volume) = 0;
  virtual bool SetPlaybackMute(const std::string& device, bool mute) = 0;

  // Return null and set `error` when the stream cannot be opened.
  virtual std::unique_ptr<CaptureStream> OpenCapture(const std::string& device, StreamFormat format,
                                                     CaptureCallback callback, StreamFailure failure,
                                                     std::string& error) = 0;
  virtual std::unique_ptr<PlaybackStream> OpenPlayback(const std::string& device, StreamFormat format,
                                                       PlaybackPull pull, std::string& error) = 0;
};

// The backend for the current environment, shared by every component that
// asks while it lives. Never blocks for more than a short connection timeout.
std::shared_ptr<AudioBackend> AcquireAudioBackend();

// Volume scale conversions between the components and the server.
int ServerVolumeToComponent(std::uint32_t serverVolume, std::uint32_t serverNorm);
std::uint32_t ComponentVolumeToServer(int volume, std::uint32_t serverNorm);

}  // namespace detail
