#pragma once
// The clock of one recording: when it started, and how long it was paused,
// in tick-count milliseconds (GetTickCount64, replaceable in tests).

#include <cstdint>

class TRecordingTimes {
 public:
  void Start(std::uint64_t now);
  // Pause when paused and Resume when running do nothing.
  void Pause(std::uint64_t now);
  void Resume(std::uint64_t now);

  // Time since the start, pauses included (what the automatic split counts).
  std::uint64_t Elapsed(std::uint64_t now) const;
  // Time recorded: pauses before the current one left out (the duration
  // cell, which is not updated while capture is paused).
  std::uint64_t Duration(std::uint64_t now) const;

  std::uint64_t StartTick() const { return startTick_; }
  std::uint64_t PausedTotal() const { return pausedTotal_; }
  bool Paused() const { return paused_; }

 private:
  std::uint64_t startTick_ = 0;
  std::uint64_t pausedTotal_ = 0;
  std::uint64_t pauseStartTick_ = 0;
  bool paused_ = false;
};
