#include "platform/audio/AudioRecord2.h"

#include <algorithm>
#include <deque>
#include <mutex>

#include "platform/audio/Levels.h"
#include "platform/base/Exceptions.h"

namespace {
// GetLastSamples can look this far back.
constexpr int kHistorySeconds = 2;
}  // namespace

// What the capture thread and the GUI thread share.
struct TAudioRecord2::CaptureState {
  std::mutex mutex;
  int channels = 2;
  int blockFrames = 4410;
  int timerFrames = 4410;
  int sampleRate = 44100;
  detail::CaptureFilterSettings filterSettings;
  bool filtersChanged = true;
  detail::CaptureFilterChain filters;
  detail::SampleHistory history;
  std::vector<std::int16_t> scratch;
  TSampleBlock filling;                        // the block being filled
  std::deque<std::pair<int, TSampleBlock>> completed;  // not yet delivered
  int blockNumber = 0;
  std::int64_t recordedFrames = 0;
  int framesSinceTimer = 0;
  int peakLeft = 0, peakRight = 0;
  int generation = 0;
  // Posts to the GUI thread; set by the component.
  std::function<void()> postBlocks;
  std::function<void(int generation, int position, int left, int right)> postTimer;

  // Capture thread: filters, measures and cuts the input into blocks.
  void OnCaptured(const std::int16_t* samples, std::size_t frames) {
    std::lock_guard lock(mutex);
    if (filtersChanged) {
      filters.Configure(sampleRate, channels, filterSettings);
      filtersChanged = false;
    }
    scratch.assign(samples, samples + frames * channels);
    filters.Process(scratch.data(), frames);
    history.Append(scratch.data(), frames);
    recordedFrames += static_cast<std::int64_t>(frames);

    int left, right;
    detail::BlockPeaks(scratch.data(), frames, channels, left, right);
    peakLeft = std::max(peakLeft, left);
    peakRight = std::max(peakRight, right);

    filling.insert(filling.end(), scratch.begin(), scratch.end());
    const std::size_t blockValues = static_cast<std::size_t>(blockFrames) * channels;
    bool anyCompleted = false;
    while (filling.size() >= blockValues) {
      TSampleBlock block(filling.begin(), filling.begin() + static_cast<std::ptrdiff_t>(blockValues));
      filling.erase(filling.begin(), filling.begin() + static_cast<std::ptrdiff_t>(blockValues));
      completed.emplace_back(blockNumber++, std::move(block));
      anyCompleted = true;
    }
    if (anyCompleted) postBlocks();

    framesSinceTimer += static_cast<int>(frames);
    if (framesSinceTimer >= timerFrames) {
      postTimer(generation, static_cast<int>(recordedFrames), detail::PeakToPercent(peakLeft),
                detail::PeakToPercent(peakRight));
      // Keep the remainder so the period is right on average, whatever
      // size the server's fragments have.
      framesSinceTimer %= timerFrames;
      peakLeft = peakRight = 0;
    }
  }
};

TAudioRecord2::TAudioRecord2() : state_(std::make_shared<CaptureState>()) {
  state_->history.Reset(channels_, static_cast<std::size_t>(sampleRate_) * kHistorySeconds);
  TLivenessRef alive = alive_.Ref();
  state_->postBlocks = [this, alive] { alive.Post([this] { DeliverPendingBlocks(); }); };
  state_->postTimer = [this, alive](int generation, int position, int left, int right) {
    alive.Post([=, this] {
      bool current;
      {
        std::lock_guard lock(state_->mutex);
        current = generation == state_->generation && stream_;
      }
      if (current && OnTimer) OnTimer(this, position, left, right);
    });
  };
}

TAudioRecord2::~TAudioRecord2() {
  stream_.reset();  // no capture callback runs after this
  alive_.End();   // events still queued are dropped
}

detail::AudioBackend& TAudioRecord2::Backend() {
  // A lost server connection is made again, between runs.
  if (!backend_ || (!stream_ && !backend_->Healthy())) backend_ = detail::AcquireAudioBackend();
  return *backend_;
}

detail::DeviceSelection& TAudioRecord2::Selection() {
  selection_.EnsureListed(Backend());
  return selection_;
}

int TAudioRecord2::DeviceCount() {
  selection_.Refresh(Backend());
  return selection_.HighestDeviceIndex();
}

void TAudioRecord2::SetDevice(int index) { Selection().SelectDevice(index); }

bool TAudioRecord2::DeviceAvailable() {
  const auto* d = Selection().Device();
  return d && d->available;
}

std::string TAudioRecord2::DeviceName() {
  const auto* d = Selection().Device();
  return d ? d->name : std::string();
}

bool TAudioRecord2::DeviceIsDefault() {
  const auto* d = Selection().Device();
  return d && d->serverDefault;
}

int TAudioRecord2::LineCount() { return Selection().HighestLineIndex(); }

void TAudioRecord2::SetLine(int index) { Selection().SelectLine(index); }

bool TAudioRecord2::LineAvailable() {
  const auto* l = Selection().Line();
  return l && l->available;
}

std::string TAudioRecord2::LineName() {
  const auto* l = Selection().Line();
  return l ? l->name : std::string();
}

int TAudioRecord2::LineVolume() {
  const auto* d = Selection().Device();
  return d ? std::max(0, Backend().CaptureVolume(d->id)) : 0;
}

void TAudioRecord2::SetLineVolume(int volume) {
  const auto* d = Selection().Device();
  if (!d) return;  // nothing selected: there is no level to set
  if (!Backend().SetCaptureVolume(d->id, std::clamp(volume, 0, 65535)))
    throw Exception("Cannot set the record level of " + d->name);
}

void TAudioRecord2::SetLineSelected(bool selected) {
  if (!selected) return;
  const auto* d = Selection().Device();
  const auto* l = Selection().Line();
  if (!d || !l) throw Exception("No input line is selected");
  if (!Backend().SelectCaptureLine(d->id, l->id)) throw Exception("Cannot select the input " + l->name);
}

void TAudioRecord2::SetFormat(int sampleRate, int channels) {
  detail::CheckStreamFormat(sampleRate, channels);
  sampleRate_ = sampleRate;
  channels_ = channels;
}

int TAudioRecord2::MsToSamples(int ms) const { return detail::MsToFrames(ms, sampleRate_); }

void TAudioRecord2::SetBlockSize(int frames) {
  if (frames < 1) throw Exception("Invalid block size: " + std::to_string(frames));
  blockSize_ = frames;
  std::lock_guard lock(state_->mutex);
  state_->blockFrames = frames;
}

void TAudioRecord2::SetTimerInterval(int ms) {
  if (ms < 1) throw Exception("Invalid timer interval: " + std::to_string(ms));
  timerInterval_ = ms;
  std::lock_guard lock(state_->mutex);
  state_->timerFrames = std::max(1, detail::MsToFrames(ms, state_->sampleRate));
}

void TAudioRecord2::PushFilterSettings() {
  std::lock_guard lock(state_->mutex);
  state_->filterSettings = filters_;
  state_->filtersChanged = true;
}

void TAudioRecord2::SetLowCutEnabled(bool enabled) {
  filters_.lowCutEnabled = enabled;
  PushFilterSettings();
}

void TAudioRecord2::SetLowCutFrequency(float hz) {
  if (!(hz > 0)) throw Exception("Invalid low-cut frequency");
  filters_.lowCutFrequency = hz;
  PushFilterSettings();
}

void TAudioRecord2::SetHighCutEnabled(bool enabled) {
  filters_.highCutEnabled = enabled;
  PushFilterSettings();
}

void TAudioRecord2::SetHighCutFrequency(float hz) {
  if (!(hz > 0)) throw Exception("Invalid high-cut frequency");
  filters_.highCutFrequency = hz;
  PushFilterSettings();
}

void TAudioRecord2::SetNoiseLevelEnabled(bool enabled) {
  filters_.noiseLevelEnabled = enabled;
  PushFilterSettings();
}

void TAudioRecord2::SetNoiseLevel(float db) {
  if (!(db >= 0 && db <= 120)) throw Exception("Invalid noise level");
  filters_.noiseLevel = db;
  PushFilterSettings();
}

void TAudioRecord2::Start() {
  if (stream_) return;
  const auto* device = Selection().Device();
  if (!device) throw Exception("No input device");
  {
    std::lock_guard lock(state_->mutex);
    auto& s = *state_;
    s.sampleRate = sampleRate_;
    s.channels = channels_;
    s.blockFrames = blockSize_;
    s.timerFrames = std::max(1, detail::MsToFrames(timerInterval_, sampleRate_));
    s.filterSettings = filters_;
    s.filtersChanged = true;
    s.history.Reset(channels_, static_cast<std::size_t>(sampleRate_) * kHistorySeconds);
    s.filling.clear();
    s.blockNumber = 0;
    s.recordedFrames = 0;
    s.framesSinceTimer = 0;
    s.peakLeft = s.peakRight = 0;
    ++s.generation;
  }
  std::string error;
  auto state = state_;
  const std::string deviceName = device->name;
  TLivenessRef alive = alive_.Ref();
  int generation;
  {
    std::lock_guard lock(state_->mutex);
    generation = state_->generation;
  }
  auto lost = [this, alive, generation, deviceName](const std::string& reason) {
    alive.Post([=, this] {
      bool current;
      {
        std::lock_guard lock(state_->mutex);
        current = generation == state_->generation && stream_;
      }
      if (current && OnError) OnError(this, "Recording from " + deviceName + " stopped: " + reason);
    });
  };
  stream_ = Backend().OpenCapture(device->id, {sampleRate_, channels_},
                                  [state](const std::int16_t* samples, std::size_t frames) {
                                    state->OnCaptured(samples, frames);
                                  },
                                  lost, error);
  if (!stream_) throw Exception("Cannot start recording from " + device->name + ": " + error);
}

void TAudioRecord2::Stop() {
  if (!stream_) return;
  stream_.reset();
  {
    std::lock_guard lock(state_->mutex);
    auto& s = *state_;
    if (!s.filling.empty()) s.completed.emplace_back(s.blockNumber++, std::move(s.filling));
    s.filling.clear();
    ++s.generation;
  }
  DeliverPendingBlocks();
}

void TAudioRecord2::DeliverPendingBlocks() {
  for (;;) {
    std::pair<int, TSampleBlock> next;
    {
      std::lock_guard lock(state_->mutex);
      if (state_->completed.empty()) return;
      next = std::move(state_->completed.front());
      state_->completed.pop_front();
    }
    lastBlock_ = std::move(next.second);
    if (OnEndArrayRecord) OnEndArrayRecord(this, next.first);
  }
}

int TAudioRecord2::RecordedSamples() {
  std::lock_guard lock(state_->mutex);
  return static_cast<int>(state_->recordedFrames);
}

TSampleBlock TAudioRecord2::GetLastSamples(int count) {
  if (count <= 0) return {};
  std::lock_guard lock(state_->mutex);
  return state_->history.LastValues(static_cast<std::size_t>(count), state_->history.EndFrame());
}
