#include "recorder/RecordingTimes.h"

void TRecordingTimes::Start(std::uint64_t now) {
  startTick_ = now;
  pausedTotal_ = 0;
  paused_ = false;
}

void TRecordingTimes::Pause(std::uint64_t now) {
  if (paused_) return;
  paused_ = true;
  pauseStartTick_ = now;
}

void TRecordingTimes::Resume(std::uint64_t now) {
  if (!paused_) return;
  paused_ = false;
  if (now > pauseStartTick_) pausedTotal_ += now - pauseStartTick_;
}

std::uint64_t TRecordingTimes::Elapsed(std::uint64_t now) const { return now > startTick_ ? now - startTick_ : 0; }

std::uint64_t TRecordingTimes::Duration(std::uint64_t now) const {
  const std::uint64_t elapsed = Elapsed(now);
  return elapsed > pausedTotal_ ? elapsed - pausedTotal_ : 0;
}
