#pragma once
// TAudioPlayer2: plays blocks handed to it one by one, keeping a queue of
// BufferCount blocks filled by asking for the next block, with a 12-band
// equaliser, level metering and the output line's volume and mute.
//
// Events are raised on the GUI thread. Positions count frames (samples
// per channel). An empty block marks the end of the data: OnEndPlay follows
// once everything before it has been heard.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio/AudioDevices.h"
#include "platform/audio/AudioTypes.h"
#include "platform/audio/DeviceSelection.h"
#include "platform/os/Liveness.h"
#include "platform/base/Types.h"

class TAudioPlayer2 : public TObject {
 public:
  // Values of LastError after Play.
  static constexpr int kErrorNone = 0;
  static constexpr int kErrorNoDevice = 1;
  static constexpr int kErrorStreamFailed = 2;

  TAudioPlayer2();
  ~TAudioPlayer2() override;
  TAudioPlayer2(const TAudioPlayer2&) = delete;
  TAudioPlayer2& operator=(const TAudioPlayer2&) = delete;
  std::string ClassName() const override { return "TAudioPlayer2"; }

  void SetFormat(int sampleRate, int channels);
  int MsToSamples(int ms) const;
  int SamplesToMs(int samples) const;

  // Queues a copy of the block; an empty block marks the end of the data.
  void PlayBlock(const TSampleBlock& block);
  // Play after Stop starts again with the blocks given from then on.
  void Play();
  // Ends output and forgets the queued blocks.
  void Stop();
  int LastError() const { return lastError_; }
  int PlayedSamples();  // frames heard since the last Play
  // The most recently played `count` values (interleaved), ending with the
  // frame being heard now.
  TSampleBlock GetLastSamples(int count);

  int BufferCount() const { return bufferCount_; }
  void SetBufferCount(int count);

  // Twelve band gains in dB.
  void SetEQ(const std::vector<float>& gainsDb);
  bool EQEnabled() const { return eqEnabled_; }
  void SetEQEnabled(bool enabled);

  int DeviceCount();  // highest index, negative when none
  int Device() const { return selection_.DeviceIndex(); }
  void SetDevice(int index);
  int LineCount();
  int Line() const { return selection_.LineIndex(); }
  void SetLine(int index);
  bool LineIsWave();  // the line whose volume is the playback volume
  int LineVolume();   // 0..65535
  void SetLineVolume(int volume);
  void SetLineMute(bool mute);

  TNotifyEvent OnRequestOnLoadArray;
  TNotifyEvent OnEndArrayPlay;
  TNotifyEvent OnEndPlay;
  // Position in frames and peak levels 0..100 of what was heard last period.
  std::function<void(TObject* ASender, int CurrentSamples, int LevelLeft, int LevelRight)> OnTimer;

 private:
  struct PlaybackState;

  detail::AudioBackend& Backend();
  detail::DeviceSelection& Selection();
  // Posts an event of the current run; it is dropped if Stop comes first.
  void PostRunEvent(int generation, std::function<void()> fn);
  void StartTicker();
  void StopTicker();
  void TickerLoop(int generation, int sampleRate);

  std::shared_ptr<detail::AudioBackend> backend_;
  detail::DeviceSelection selection_{false};
  int sampleRate_ = 44100;
  int channels_ = 2;
  int bufferCount_ = 3;
  bool eqEnabled_ = true;
  int lastError_ = kErrorNone;
  std::int64_t playedAtStop_ = 0;
  std::shared_ptr<PlaybackState> state_;
  std::unique_ptr<detail::PlaybackStream> stream_;

  std::thread ticker_;
  std::mutex tickerMutex_;
  std::condition_variable tickerWake_;
  bool tickerStopping_ = false;

  TLiveness alive_;
};
