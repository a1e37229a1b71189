#pragma once
// Voice activation: every tick of the level monitor (50 ms) looks at the
// last 20 captured samples, counts loud and quiet ticks in a row, and
// decides whether a recording starts, resumes, stops or pauses.

#include <cstdint>

#include "platform/audio/AudioTypes.h"

// Level in dB of an amplitude: -92 for 0 and 1, else round(20 log10 x) - 92
// (halves to even); full scale 32767 gives -2.
std::int16_t VoxLevelDb(std::int64_t amplitude);

// True when any of the samples, taken from their mean scaled by the record
// volume (0..65535), reaches the attack level. At volume 0 the mean is
// used unscaled. No samples count as quiet.
bool TickIsLoud(const TSampleBlock& samples, int recordVolume, std::int16_t attackLevel);

enum class TVoxAction { None, StartRecording, Resume, Stop, Pause };

struct TVoxSettings {
  std::int16_t AttackLevel = -46;  // dB
  std::int16_t ReleaseTime = 600;  // ms of silence before reacting
  bool NewTrack = false;           // silence stops instead of pausing
};

// VoxSettings() reads AttackLevel, ReleaseTime and NewTrack of the globals.
TVoxSettings VoxSettings();

class TVoxDetector {
 public:
  static constexpr int kSamplesPerTick = 20;
  static constexpr int kTickMs = 50;

  // Whether a monitor tick does anything (a recording runs, or VOX is on
  // while no file plays); otherwise the window clears its meters.
  static bool TickWorks(bool recording, bool playing, bool voxChecked);

  // Counts one tick of the given samples and, when VOX is checked, answers
  // what the window does. The action repeats on every tick while its
  // condition holds; the window's operations ignore what is already so.
  TVoxAction Tick(const TSampleBlock& lastSamples, int recordVolume, const TVoxSettings& settings,
                  bool voxChecked, bool recording, bool paused);

  // Back to the state at show: no ticks counted.
  void Reset();

  int LoudTicks() const { return loudTicks_; }
  int QuietTicks() const { return quietTicks_; }
  bool VoiceActive() const { return voiceActive_; }

 private:
  int loudTicks_ = 0;
  int quietTicks_ = 0;
  bool voiceActive_ = false;
};
