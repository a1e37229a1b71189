#include "platform/audio/AudioPlayer2.h"

#include <algorithm>
#include <chrono>
#include <deque>

#include "platform/audio/Equalizer.h"
#include "platform/audio/Levels.h"
#include "platform/base/Exceptions.h"

namespace {
// Period of OnTimer and of the check for the end of output.
constexpr int kTimerIntervalMs = 50;
// GetLastSamples and the meters look back into what was handed to the output.
constexpr int kHistorySeconds = 2;
constexpr int kMaxBufferCount = 100;
}  // namespace

// What the output thread and the GUI thread share.
struct TAudioPlayer2::PlaybackState {
  std::mutex mutex;
  int channels = 2;
  std::deque<TSampleBlock> queue;
  std::size_t frontOffset = 0;  // values of the front block already given out
  bool endOfData = false;
  detail::PlaybackEqualizer equalizer;
  detail::SampleHistory history;  // what was given to the output, by frame
  int generation = 0;
  std::function<void(int generation)> postBlockPlayed;

  // Output thread: hands out queued frames, equalised.
  std::size_t Pull(std::int16_t* out, std::size_t maxFrames) {
    std::lock_guard lock(mutex);
    std::size_t given = 0;
    while (given < maxFrames && !queue.empty()) {
      const TSampleBlock& front = queue.front();
      const std::size_t available = (front.size() - frontOffset) / channels;
      const std::size_t take = std::min(available, maxFrames - given);
      std::copy_n(front.begin() + static_cast<std::ptrdiff_t>(frontOffset), take * channels,
                  out + given * channels);
      given += take;
      frontOffset += take * channels;
      // Less than a frame left ends a block too (it was cut for another
      // channel count); waiting for the rest would stall the output.
      if (front.size() - frontOffset < static_cast<std::size_t>(channels)) {
        queue.pop_front();
        frontOffset = 0;
        if (!endOfData) postBlockPlayed(generation);
      }
    }
    equalizer.Process(out, given);
    history.Append(out, given);
    return given;
  }

  bool QueueEmpty() const { return queue.empty(); }
};

TAudioPlayer2::TAudioPlayer2() : state_(std::make_shared<PlaybackState>()) {
  state_->history.Reset(channels_, static_cast<std::size_t>(sampleRate_) * kHistorySeconds);
  state_->postBlockPlayed = [this](int generation) {
    PostRunEvent(generation, [this] {
      if (OnEndArrayPlay) OnEndArrayPlay(this);
    });
  };
}

TAudioPlayer2::~TAudioPlayer2() {
  StopTicker();
  stream_.reset();
  alive_.End();
}

detail::AudioBackend& TAudioPlayer2::Backend() {
  // A lost server connection is made again, between runs.
  if (!backend_ || (!stream_ && !backend_->Healthy())) backend_ = detail::AcquireAudioBackend();
  return *backend_;
}

detail::DeviceSelection& TAudioPlayer2::Selection() {
  selection_.EnsureListed(Backend());
  return selection_;
}

void TAudioPlayer2::PostRunEvent(int generation, std::function<void()> fn) {
  alive_.Post([this, generation, fn = std::move(fn)] {
    bool current;
    {
      std::lock_guard lock(state_->mutex);
      current = generation == state_->generation;
    }
    if (current) fn();
  });
}

void TAudioPlayer2::SetFormat(int sampleRate, int channels) {
  detail::CheckStreamFormat(sampleRate, channels);
  sampleRate_ = sampleRate;
  channels_ = channels;
}

int TAudioPlayer2::MsToSamples(int ms) const { return detail::MsToFrames(ms, sampleRate_); }

int TAudioPlayer2::SamplesToMs(int samples) const { return detail::FramesToMs(samples, sampleRate_); }

void TAudioPlayer2::PlayBlock(const TSampleBlock& block) {
  {
    std::lock_guard lock(state_->mutex);
    if (block.empty()) {
      state_->endOfData = true;
    } else {
      // The queue runs in the format of the current Play (or of the next one).
      const int channels = stream_ ? state_->channels : channels_;
      const std::size_t whole = block.size() / channels * channels;
      if (whole > 0) state_->queue.emplace_back(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(whole));
    }
  }
  if (stream_) stream_->DataAvailable();
}

void TAudioPlayer2::Play() {
  if (stream_) {
    lastError_ = kErrorNone;
    return;
  }
  const auto* device = Selection().Device();
  if (!device) {
    lastError_ = kErrorNoDevice;
    return;
  }
  int generation;
  std::size_t queued;
  {
    std::lock_guard lock(state_->mutex);
    auto& s = *state_;
    s.channels = channels_;
    s.equalizer.Configure(sampleRate_, channels_);
    s.equalizer.SetEnabled(eqEnabled_);
    s.history.Reset(channels_, static_cast<std::size_t>(sampleRate_) * kHistorySeconds);
    generation = ++s.generation;
    queued = s.queue.size();
  }
  std::string error;
  auto state = state_;
  stream_ = Backend().OpenPlayback(device->id, {sampleRate_, channels_},
                                   [state](std::int16_t* out, std::size_t frames) { return state->Pull(out, frames); },
                                   error);
  if (!stream_) {
    lastError_ = kErrorStreamFailed;
    return;
  }
  lastError_ = kErrorNone;
  for (std::size_t i = queued; i < static_cast<std::size_t>(bufferCount_); ++i)
    PostRunEvent(generation, [this] {
      if (OnRequestOnLoadArray) OnRequestOnLoadArray(this);
    });
  stream_->DataAvailable();
  StartTicker();
}

void TAudioPlayer2::Stop() {
  StopTicker();
  if (stream_) {
    playedAtStop_ = stream_->PlayedFrames();
    stream_.reset();
  }
  std::lock_guard lock(state_->mutex);
  state_->queue.clear();
  state_->frontOffset = 0;
  state_->endOfData = false;
  ++state_->generation;  // events of the ended run are dropped
}

int TAudioPlayer2::PlayedSamples() {
  return static_cast<int>(stream_ ? stream_->PlayedFrames() : playedAtStop_);
}

TSampleBlock TAudioPlayer2::GetLastSamples(int count) {
  if (count <= 0) return {};
  const std::int64_t played = stream_ ? stream_->PlayedFrames() : playedAtStop_;
  std::lock_guard lock(state_->mutex);
  return state_->history.LastValues(static_cast<std::size_t>(count), played);
}

void TAudioPlayer2::SetBufferCount(int count) {
  if (count < 1 || count > kMaxBufferCount) throw Exception("Invalid buffer count: " + std::to_string(count));
  bufferCount_ = count;
}

void TAudioPlayer2::SetEQ(const std::vector<float>& gainsDb) {
  if (gainsDb.size() != detail::PlaybackEqualizer::kBandCount)
    throw Exception("The equaliser takes 12 gains, not " + std::to_string(gainsDb.size()));
  std::array<float, detail::PlaybackEqualizer::kBandCount> gains{};
  std::copy(gainsDb.begin(), gainsDb.end(), gains.begin());
  std::lock_guard lock(state_->mutex);
  state_->equalizer.SetGains(gains);
}

void TAudioPlayer2::SetEQEnabled(bool enabled) {
  eqEnabled_ = enabled;
  std::lock_guard lock(state_->mutex);
  state_->equalizer.SetEnabled(enabled);
}

int TAudioPlayer2::DeviceCount() {
  selection_.Refresh(Backend());
  return selection_.HighestDeviceIndex();
}

void TAudioPlayer2::SetDevice(int index) { Selection().SelectDevice(index); }

int TAudioPlayer2::LineCount() { return Selection().HighestLineIndex(); }

void TAudioPlayer2::SetLine(int index) { Selection().SelectLine(index); }

bool TAudioPlayer2::LineIsWave() {
  const auto* l = Selection().Line();
  return l && l->active;
}

int TAudioPlayer2::LineVolume() {
  const auto* d = Selection().Device();
  return d ? std::max(0, Backend().PlaybackVolume(d->id)) : 0;
}

void TAudioPlayer2::SetLineVolume(int volume) {
  const auto* d = Selection().Device();
  if (!d) return;
  if (!Backend().SetPlaybackVolume(d->id, std::clamp(volume, 0, 65535)))
    throw Exception("Cannot set the playback volume of " + d->name);
}

void TAudioPlayer2::SetLineMute(bool mute) {
  const auto* d = Selection().Device();
  if (!d) return;
  if (!Backend().SetPlaybackMute(d->id, mute)) throw Exception("Cannot mute " + d->name);
}

void TAudioPlayer2::StartTicker() {
  int generation;
  {
    std::lock_guard lock(state_->mutex);
    generation = state_->generation;
  }
  tickerStopping_ = false;
  ticker_ = std::thread([this, generation, rate = sampleRate_] { TickerLoop(generation, rate); });
}

void TAudioPlayer2::StopTicker() {
  if (!ticker_.joinable()) return;
  {
    std::lock_guard lock(tickerMutex_);
    tickerStopping_ = true;
  }
  tickerWake_.notify_all();
  ticker_.join();
}

// Ticker thread: meters what is being heard and notices the end of output.
void TAudioPlayer2::TickerLoop(int generation, int sampleRate) {
  const std::int64_t periodFrames = detail::MsToFrames(kTimerIntervalMs, sampleRate);
  bool draining = false;
  std::unique_lock wait(tickerMutex_);
  while (!tickerWake_.wait_for(wait, std::chrono::milliseconds(kTimerIntervalMs), [this] { return tickerStopping_; })) {
    wait.unlock();
    const std::int64_t played = stream_->PlayedFrames();
    int left = 0, right = 0;
    bool allGiven;
    {
      std::lock_guard lock(state_->mutex);
      state_->history.Peaks(played - periodFrames, played, left, right);
      allGiven = state_->endOfData && state_->QueueEmpty();
    }
    const int position = static_cast<int>(played);
    const int levelLeft = detail::PeakToPercent(left), levelRight = detail::PeakToPercent(right);
    PostRunEvent(generation, [this, position, levelLeft, levelRight] {
      if (OnTimer) OnTimer(this, position, levelLeft, levelRight);
    });
    if (allGiven && !draining) {
      stream_->Drain();
      draining = true;
    }
    if (draining && stream_->Drained()) {
      PostRunEvent(generation, [this] {
        if (OnEndPlay) OnEndPlay(this);
      });
      return;
    }
    wait.lock();
  }
}
