#include "recorder/VoxDetector.h"

#include <cmath>
#include <cstdlib>

#include "recorder/GlobeVar.h"

std::int16_t VoxLevelDb(std::int64_t amplitude) {
  if (amplitude <= 1) return -92;
  // nearbyint rounds halves to even in the default rounding mode.
  const double db = std::nearbyint(20.0 * std::log10(static_cast<double>(amplitude)));
  return static_cast<std::int16_t>(static_cast<int>(db) - 92);
}

bool TickIsLoud(const TSampleBlock& samples, int recordVolume, std::int16_t attackLevel) {
  if (samples.empty()) return false;
  std::int64_t sum = 0;
  for (std::int16_t s : samples) sum += s;
  std::int64_t mean = sum / static_cast<std::int64_t>(samples.size());  // truncates toward zero
  // The bar's position divides; at 0 there is nothing to scale by.
  if (recordVolume > 0) mean = static_cast<std::int32_t>(mean * 65535 / recordVolume);
  for (std::int16_t s : samples)
    if (VoxLevelDb(std::llabs(s - mean)) >= attackLevel) return true;
  return false;
}

TVoxSettings VoxSettings() { return {AttackLevel, ReleaseTime, NewTrack}; }

bool TVoxDetector::TickWorks(bool recording, bool playing, bool voxChecked) {
  return recording || (!playing && voxChecked);
}

TVoxAction TVoxDetector::Tick(const TSampleBlock& lastSamples, int recordVolume, const TVoxSettings& settings,
                              bool voxChecked, bool recording, bool paused) {
  if (TickIsLoud(lastSamples, recordVolume, settings.AttackLevel)) {
    ++loudTicks_;
    quietTicks_ = 0;
  } else {
    ++quietTicks_;
    loudTicks_ = 0;
  }
  if (!voxChecked) return TVoxAction::None;
  if (loudTicks_ >= 2) {
    voiceActive_ = true;
    if (!recording) return TVoxAction::StartRecording;
    return paused ? TVoxAction::Resume : TVoxAction::None;
  }
  if (quietTicks_ >= settings.ReleaseTime / kTickMs) {
    voiceActive_ = false;
    return settings.NewTrack ? TVoxAction::Stop : TVoxAction::Pause;
  }
  return TVoxAction::None;
}

void TVoxDetector::Reset() {
  loudTicks_ = 0;
  quietTicks_ = 0;
  voiceActive_ = false;
}
