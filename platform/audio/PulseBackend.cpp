#include "platform/audio/PulseBackend.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace detail {
namespace {

// Every server request gives up after this long, so a stuck server can
// never hang the program.
constexpr int kRequestTimeoutMs = 3000;

// Holds the threaded main loop's lock for a scope.
class LoopLock {
 public:
  explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
  LoopLock(const LoopLock&) = delete;
  LoopLock& operator=(const LoopLock&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

// Wakes a thread waiting in WaitLocked; the callbacks of everything
// waited for call it, on the loop's thread.
void SignalLoop(pa_threaded_mainloop* loop) { pa_threaded_mainloop_signal(loop, 0); }
void OnContextState(pa_context*, void* loop) { SignalLoop(static_cast<pa_threaded_mainloop*>(loop)); }
void OnStreamState(pa_stream*, void* loop) { SignalLoop(static_cast<pa_threaded_mainloop*>(loop)); }
void OnOperationState(pa_operation*, void* loop) { SignalLoop(static_cast<pa_threaded_mainloop*>(loop)); }

struct Deadline {
  pa_threaded_mainloop* loop;
  bool passed = false;
};

void OnDeadline(pa_mainloop_api*, pa_time_event*, const timeval*, void* userdata) {
  auto* deadline = static_cast<Deadline*>(userdata);
  deadline->passed = true;
  SignalLoop(deadline->loop);
}

// Waits, with the loop locked, until `done` holds or the time is up. The
// wait lets the lock go; what is waited for wakes it through its state
// callback, a timer on the loop at the deadline.
template <typename Done>
bool WaitLocked(pa_threaded_mainloop* loop, int timeoutMs, Done done) {
  if (done()) return true;
  Deadline deadline{loop};
  timeval when{};
  pa_timeval_add(pa_gettimeofday(&when), static_cast<pa_usec_t>(timeoutMs) * PA_USEC_PER_MSEC);
  pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
  pa_time_event* timer = api->time_new(api, &when, OnDeadline, &deadline);
  while (!done() && !deadline.passed) pa_threaded_mainloop_wait(loop);
  api->time_free(timer);
  return done();
}

// Runs one request to its end (loop locked); false when it failed or timed out.
bool Complete(pa_threaded_mainloop* loop, pa_operation* op) {
  if (!op) return false;
  pa_operation_set_state_callback(op, OnOperationState, loop);
  const bool finished = WaitLocked(loop, kRequestTimeoutMs,
                                   [op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; });
  if (!finished) pa_operation_cancel(op);
  const bool ok = finished && pa_operation_get_state(op) == PA_OPERATION_DONE;
  pa_operation_unref(op);
  return ok;
}

struct DeviceQuery {
  std::vector<AudioDeviceInfo> devices;
  std::vector<pa_cvolume> volumes;
};

template <typename Info>
void AddDevice(DeviceQuery& query, const Info* info) {
  AudioDeviceInfo device;
  device.id = info->name ? info->name : "";
  device.name = info->description ? info->description : device.id;
  for (std::uint32_t p = 0; p < info->n_ports; ++p) {
    const auto* port = info->ports[p];
    AudioLineInfo line;
    line.id = port->name ? port->name : "";
    line.name = port->description ? port->description : line.id;
    line.available = port->available != PA_PORT_AVAILABLE_NO;
    line.active = port == info->active_port;
    device.lines.push_back(line);
  }
  if (device.lines.empty()) device.lines.push_back({"", device.name, true, true});
  query.devices.push_back(std::move(device));
  query.volumes.push_back(info->volume);
}

void OnSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
  if (eol != 0 || !info) return;
  auto& query = *static_cast<DeviceQuery*>(userdata);
  AddDevice(query, info);
  query.devices.back().monitor = info->monitor_of_sink != PA_INVALID_INDEX;
}

void OnSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
  if (eol == 0 && info) AddDevice(*static_cast<DeviceQuery*>(userdata), info);
}

void OnServerInfo(pa_context*, const pa_server_info* info, void* userdata) {
  if (info && info->default_source_name) *static_cast<std::string*>(userdata) = info->default_source_name;
}

pa_sample_spec SampleSpec(StreamFormat format) {
  pa_sample_spec spec{};
  spec.format = PA_SAMPLE_S16NE;
  spec.rate = static_cast<std::uint32_t>(format.sampleRate);
  spec.channels = static_cast<std::uint8_t>(format.channels);
  return spec;
}

void DisconnectStream(pa_stream* stream) {
  pa_stream_set_state_callback(stream, nullptr, nullptr);
  pa_stream_set_read_callback(stream, nullptr, nullptr);
  pa_stream_set_write_callback(stream, nullptr, nullptr);
  pa_stream_disconnect(stream);
  pa_stream_unref(stream);
}

// Connects a new stream and waits until it is ready; null on failure.
template <typename Connect>
pa_stream* ConnectStream(pa_threaded_mainloop* loop, pa_context* context, const char* name,
                         StreamFormat format, Connect connect, std::string& error) {
  const pa_sample_spec spec = SampleSpec(format);
  if (!pa_sample_spec_valid(&spec)) {
    error = "Unsupported sample format";
    return nullptr;
  }
  pa_stream* stream = pa_stream_new(context, name, &spec, nullptr);
  if (!stream) {
    error = pa_strerror(pa_context_errno(context));
    return nullptr;
  }
  pa_stream_set_state_callback(stream, OnStreamState, loop);
  bool ready = connect(stream) == 0 &&
               WaitLocked(loop, kRequestTimeoutMs, [stream] {
                 const auto s = pa_stream_get_state(stream);
                 return s == PA_STREAM_READY || s == PA_STREAM_FAILED || s == PA_STREAM_TERMINATED;
               }) &&
               pa_stream_get_state(stream) == PA_STREAM_READY;
  if (!ready) {
    error = std::string("The sound server refused the stream: ") + pa_strerror(pa_context_errno(context));
    DisconnectStream(stream);
    return nullptr;
  }
  return stream;
}

std::uint32_t BytesFor(StreamFormat format, int ms) {
  return static_cast<std::uint32_t>(format.sampleRate * ms / 1000 * format.channels * 2);
}

class PulseCapture : public CaptureStream {
 public:
  PulseCapture(pa_threaded_mainloop* loop, CaptureCallback callback, StreamFailure failure, StreamFormat format)
      : loop_(loop), callback_(std::move(callback)), failure_(std::move(failure)), frameBytes_(format.channels * 2) {}

  bool Connect(pa_context* context, const std::string& device, StreamFormat format, std::string& error) {
    LoopLock lock(loop_);
    stream_ = ConnectStream(loop_, context, "Recording", format, [&](pa_stream* s) {
      pa_stream_set_read_callback(s, &PulseCapture::OnRead, this);
      pa_buffer_attr attr{};
      attr.maxlength = static_cast<std::uint32_t>(-1);
      // Fragments as long as a meter tick: lively meters, few wake-ups.
      attr.fragsize = BytesFor(format, 50);
      return pa_stream_connect_record(s, device.c_str(), &attr, PA_STREAM_ADJUST_LATENCY);
    }, error);
    if (stream_) pa_stream_set_state_callback(stream_, &PulseCapture::OnState, this);
    return stream_ != nullptr;
  }

  ~PulseCapture() override {
    if (!stream_) return;
    LoopLock lock(loop_);
    DisconnectStream(stream_);
  }

 private:
  static void OnRead(pa_stream* s, std::size_t, void* userdata) {
    auto* self = static_cast<PulseCapture*>(userdata);
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_readable_size(s) > 0 && pa_stream_peek(s, &data, &bytes) == 0) {
      if (bytes == 0) break;
      // A hole (data == null) is a gap the server could not fill; skip it.
      if (data) self->Deliver(static_cast<const std::uint8_t*>(data), bytes);
      pa_stream_drop(s);
    }
  }

  // A stream that fails or ends while we still hold it was taken away:
  // its source was removed or the server connection broke.
  static void OnState(pa_stream* s, void* userdata) {
    auto* self = static_cast<PulseCapture*>(userdata);
    const auto state = pa_stream_get_state(s);
    if (state != PA_STREAM_FAILED && state != PA_STREAM_TERMINATED) return;
    if (self->failed_ || !self->failure_) return;
    self->failed_ = true;
    const int code = pa_context_errno(pa_stream_get_context(s));
    self->failure_(code ? pa_strerror(code) : "the input device went away");
  }

  // Hands on whole frames; a split frame waits for its rest.
  void Deliver(const std::uint8_t* data, std::size_t bytes) {
    pending_.insert(pending_.end(), data, data + bytes);
    const std::size_t frames = pending_.size() / frameBytes_;
    if (frames == 0) return;
    aligned_.resize(frames * frameBytes_ / 2);
    std::memcpy(aligned_.data(), pending_.data(), frames * frameBytes_);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(frames * frameBytes_));
    callback_(aligned_.data(), frames);
  }

  pa_threaded_mainloop* loop_;
  CaptureCallback callback_;
  StreamFailure failure_;
  bool failed_ = false;  // touched on the loop thread only
  std::size_t frameBytes_;
  std::vector<std::uint8_t> pending_;
  std::vector<std::int16_t> aligned_;
  pa_stream* stream_ = nullptr;
};

class PulsePlayback : public PlaybackStream {
 public:
  PulsePlayback(pa_threaded_mainloop* loop, PlaybackPull pull, StreamFormat format)
      : loop_(loop), pull_(std::move(pull)), format_(format) {}

  bool Connect(pa_context* context, const std::string& device, std::string& error) {
    LoopLock lock(loop_);
    stream_ = ConnectStream(loop_, context, "Playback", format_, [&](pa_stream* s) {
      stream_ = s;  // the first request for data may come while connecting
      pa_stream_set_write_callback(s, &PulsePlayback::OnWrite, this);
      pa_buffer_attr attr{};
      attr.maxlength = static_cast<std::uint32_t>(-1);
      attr.tlength = BytesFor(format_, 150);
      attr.prebuf = static_cast<std::uint32_t>(-1);
      attr.minreq = static_cast<std::uint32_t>(-1);
      attr.fragsize = static_cast<std::uint32_t>(-1);
      const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING |
                                                        PA_STREAM_AUTO_TIMING_UPDATE);
      return pa_stream_connect_playback(s, device.c_str(), &attr, flags, nullptr, nullptr);
    }, error);
    return stream_ != nullptr;
  }

  ~PulsePlayback() override {
    if (!stream_) return;
    LoopLock lock(loop_);
    DisconnectStream(stream_);
  }

  void DataAvailable() override {
    LoopLock lock(loop_);
    const std::size_t writable = pa_stream_writable_size(stream_);
    if (writable == static_cast<std::size_t>(-1) || writable == 0) return;
    // Start at once rather than wait for a full prebuffer: the data arrives
    // block by block from the GUI thread and may stop short of it.
    if (Fill(writable) > 0) {
      if (pa_operation* op = pa_stream_trigger(stream_, nullptr, nullptr)) pa_operation_unref(op);
    }
  }

  void Drain() override {
    LoopLock lock(loop_);
    if (drainRequested_) return;
    drainRequested_ = true;
    // Draining also starts a stream whose data never reached the prebuffer.
    pa_operation* op = pa_stream_drain(stream_, &PulsePlayback::OnDrained, this);
    if (op) pa_operation_unref(op);
    else drained_ = true;
  }

  bool Drained() override { return drained_; }

  std::int64_t PlayedFrames() override {
    LoopLock lock(loop_);
    if (drained_) return written_;
    pa_usec_t usec = 0;
    if (pa_stream_get_time(stream_, &usec) == 0) {
      const auto frames = static_cast<std::int64_t>(usec * static_cast<std::uint64_t>(format_.sampleRate) / 1000000);
      played_ = std::clamp(frames, played_, written_);
    }
    return played_;
  }

 private:
  static void OnWrite(pa_stream*, std::size_t bytes, void* userdata) {
    static_cast<PulsePlayback*>(userdata)->Fill(bytes);
  }

  static void OnDrained(pa_stream*, int, void* userdata) {
    static_cast<PulsePlayback*>(userdata)->drained_ = true;
  }

  // Loop locked: writes up to `bytes` of queued data; returns the frames written.
  std::size_t Fill(std::size_t bytes) {
    const std::size_t frameBytes = static_cast<std::size_t>(format_.channels) * 2;
    std::size_t frames = bytes / frameBytes;
    std::size_t total = 0;
    while (frames > 0) {
      buffer_.resize(frames * format_.channels);
      const std::size_t got = pull_(buffer_.data(), frames);
      if (got == 0) break;
      pa_stream_write(stream_, buffer_.data(), got * frameBytes, nullptr, 0, PA_SEEK_RELATIVE);
      written_ += static_cast<std::int64_t>(got);
      frames -= got;
      total += got;
    }
    return total;
  }

  pa_threaded_mainloop* loop_;
  PlaybackPull pull_;
  StreamFormat format_;
  std::vector<std::int16_t> buffer_;
  pa_stream* stream_ = nullptr;
  std::int64_t written_ = 0;
  std::int64_t played_ = 0;
  bool drainRequested_ = false;
  std::atomic<bool> drained_ = false;
};

class PulseBackend : public AudioBackend {
 public:
  PulseBackend() : loop_(pa_threaded_mainloop_new()) {}

  ~PulseBackend() override {
    if (!loop_) return;
    pa_threaded_mainloop_stop(loop_);
    if (context_) {
      pa_context_disconnect(context_);
      pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
  }

  bool Connect(int timeoutMs) {
    if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) return false;
    LoopLock lock(loop_);
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Velmora");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Velmora", props);
    pa_proplist_free(props);
    if (!context_) return false;
    pa_context_set_state_callback(context_, OnContextState, loop_);
    // Never start a server of our own: an absent server means virtual devices.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
    WaitLocked(loop_, timeoutMs, [this] {
      const auto s = pa_context_get_state(context_);
      return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
    });
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
  }

  bool IsVirtual() const override { return false; }

  bool Healthy() override {
    LoopLock lock(loop_);
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
  }

  std::vector<AudioDeviceInfo> CaptureDevices() override { return QuerySources().devices; }
  std::vector<AudioDeviceInfo> PlaybackDevices() override { return QuerySinks().devices; }

  int CaptureVolume(const std::string& device) override { return Volume(true, device); }
  bool SetCaptureVolume(const std::string& device, int volume) override {
    return SetVolume(true, device, volume);
  }

  bool SelectCaptureLine(const std::string& device, const std::string& line) override {
    if (line.empty()) return true;  // a device without ports has nothing to switch
    LoopLock lock(loop_);
    return Complete(loop_, pa_context_set_source_port_by_name(context_, device.c_str(), line.c_str(), nullptr, nullptr));
  }

  int PlaybackVolume(const std::string& device) override { return Volume(false, device); }
  bool SetPlaybackVolume(const std::string& device, int volume) override {
    return SetVolume(false, device, volume);
  }

  bool SetPlaybackMute(const std::string& device, bool mute) override {
    LoopLock lock(loop_);
    return Complete(loop_, pa_context_set_sink_mute_by_name(context_, device.c_str(), mute, nullptr, nullptr));
  }

  std::unique_ptr<CaptureStream> OpenCapture(const std::string& device, StreamFormat format,
                                             CaptureCallback callback, StreamFailure failure,
                                             std::string& error) override {
    auto stream = std::make_unique<PulseCapture>(loop_, std::move(callback), std::move(failure), format);
    if (!stream->Connect(context_, device, format, error)) return nullptr;
    return stream;
  }

  std::unique_ptr<PlaybackStream> OpenPlayback(const std::string& device, StreamFormat format,
                                               PlaybackPull pull, std::string& error) override {
    auto stream = std::make_unique<PulsePlayback>(loop_, std::move(pull), format);
    if (!stream->Connect(context_, device, error)) return nullptr;
    return stream;
  }

 private:
  DeviceQuery QuerySources() {
    LoopLock lock(loop_);
    DeviceQuery q;
    if (!Complete(loop_, pa_context_get_source_info_list(context_, OnSourceInfo, &q))) return {};
    // Without an answer no input is marked as the default.
    std::string defaultSource;
    Complete(loop_, pa_context_get_server_info(context_, OnServerInfo, &defaultSource));
    for (AudioDeviceInfo& device : q.devices)
      device.serverDefault = !defaultSource.empty() && device.id == defaultSource;
    return q;
  }

  DeviceQuery QuerySinks() {
    LoopLock lock(loop_);
    DeviceQuery q;
    if (!Complete(loop_, pa_context_get_sink_info_list(context_, OnSinkInfo, &q))) return {};
    return q;
  }

  // Loop locked: the volume of one source or sink; false when unknown.
  bool QueryVolume(bool source, const std::string& device, pa_cvolume& volume) {
    DeviceQuery q;
    pa_operation* op = source ? pa_context_get_source_info_by_name(context_, device.c_str(), OnSourceInfo, &q)
                              : pa_context_get_sink_info_by_name(context_, device.c_str(), OnSinkInfo, &q);
    if (!Complete(loop_, op) || q.volumes.empty()) return false;
    volume = q.volumes[0];
    return true;
  }

  int Volume(bool source, const std::string& device) {
    LoopLock lock(loop_);
    pa_cvolume cv;
    if (!QueryVolume(source, device, cv)) return -1;
    return ServerVolumeToComponent(pa_cvolume_avg(&cv), PA_VOLUME_NORM);
  }

  bool SetVolume(bool source, const std::string& device, int volume) {
    LoopLock lock(loop_);
    pa_cvolume cv;
    if (!QueryVolume(source, device, cv)) return false;
    pa_cvolume_set(&cv, cv.channels, ComponentVolumeToServer(volume, PA_VOLUME_NORM));
    pa_operation* op = source ? pa_context_set_source_volume_by_name(context_, device.c_str(), &cv, nullptr, nullptr)
                              : pa_context_set_sink_volume_by_name(context_, device.c_str(), &cv, nullptr, nullptr);
    return Complete(loop_, op);
  }

  pa_threaded_mainloop* loop_;
  pa_context* context_ = nullptr;
};

}  // namespace

std::shared_ptr<AudioBackend> ConnectPulseBackend(int timeoutMs) {
  auto backend = std::make_shared<PulseBackend>();
  if (!backend->Connect(timeoutMs)) return nullptr;
  return backend;
}

}  // namespace detail
