#pragma once
// TAudioRecord2: captures a device's input in blocks, with level metering
// and optional noise filters. Devices and lines are those of the sound
// server, or the built-in virtual ones where there is none.
//
// Events are raised on the GUI thread. Positions and block sizes count
// frames (samples per channel).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioDevices.h"
#include "platform/audio/AudioTypes.h"
#include "platform/audio/CaptureFilters.h"
#include "platform/audio/DeviceSelection.h"
#include "platform/os/Liveness.h"
#include "platform/base/Types.h"

class TAudioRecord2 : public TObject {
 public:
  TAudioRecord2();
  ~TAudioRecord2() override;
  TAudioRecord2(const TAudioRecord2&) = delete;
  TAudioRecord2& operator=(const TAudioRecord2&) = delete;
  std::string ClassName() const override { return "TAudioRecord2"; }

  // Devices: DeviceCount asks the server again and is the highest index,
  // negative when there is no device. Real inputs come before the monitors
  // of outputs, each group led by the server's default.
  int DeviceCount();
  int Device() const { return selection_.DeviceIndex(); }
  void SetDevice(int index);
  bool DeviceAvailable();
  std::string DeviceName();
  // True for the input the sound server records from by default.
  bool DeviceIsDefault();

  // Lines (inputs) of the selected device; LineCount is the highest index.
  int LineCount();
  int Line() const { return selection_.LineIndex(); }
  void SetLine(int index);
  bool LineAvailable();
  std::string LineName();
  int LineVolume();               // 0..65535
  void SetLineVolume(int volume);
  void SetLineSelected(bool selected);  // true makes the line the recording source

  void SetFormat(int sampleRate, int channels);
  int MsToSamples(int ms) const;

  int BlockSize() const { return blockSize_; }
  void SetBlockSize(int frames);
  int TimerInterval() const { return timerInterval_; }
  void SetTimerInterval(int ms);

  bool LowCutEnabled() const { return filters_.lowCutEnabled; }
  void SetLowCutEnabled(bool enabled);
  float LowCutFrequency() const { return filters_.lowCutFrequency; }
  void SetLowCutFrequency(float hz);
  bool HighCutEnabled() const { return filters_.highCutEnabled; }
  void SetHighCutEnabled(bool enabled);
  float HighCutFrequency() const { return filters_.highCutFrequency; }
  void SetHighCutFrequency(float hz);
  bool NoiseLevelEnabled() const { return filters_.noiseLevelEnabled; }
  void SetNoiseLevelEnabled(bool enabled);
  float NoiseLevel() const { return filters_.noiseLevel; }  // dB under full scale
  void SetNoiseLevel(float db);

  // Start after Stop resumes. Stop hands on the part of a block captured so
  // far (a shorter block) and every block not yet delivered, before it
  // returns, so nothing captured is lost.
  void Start();
  void Stop();
  bool Capturing() const { return stream_ != nullptr; }

  int RecordedSamples();  // frames captured since the last Start
  // The block of the OnEndArrayRecord being handled (the latest one outside).
  TSampleBlock GetBlock() const { return lastBlock_; }
  // The most recent `count` values (interleaved), ending with the latest
  // frame; zeros stand for what was not captured yet.
  TSampleBlock GetLastSamples(int count);

  std::function<void(TObject* ASender, int nBlock)> OnEndArrayRecord;
  // Position in frames and peak levels 0..100 of the last period.
  std::function<void(TObject* ASender, int CurrentSamples, int LevelLeft, int LevelRight)> OnTimer;
  // The capture ended by itself (the device went away, the sound server was
  // lost); no more blocks come until Stop and Start. Raised once a run.
  std::function<void(TObject* ASender, const std::string& Message)> OnError;

 private:
  struct CaptureState;

  detail::AudioBackend& Backend();
  // The selection over a device list fetched on first use.
  detail::DeviceSelection& Selection();
  void PushFilterSettings();
  void DeliverPendingBlocks();

  std::shared_ptr<detail::AudioBackend> backend_;
  detail::DeviceSelection selection_{true};
  int sampleRate_ = 44100;
  int channels_ = 2;
  int blockSize_ = 4410;
  int timerInterval_ = 100;
  detail::CaptureFilterSettings filters_;
  std::shared_ptr<CaptureState> state_;
  std::unique_ptr<detail::CaptureStream> stream_;
  TSampleBlock lastBlock_;
  TLiveness alive_;
};
