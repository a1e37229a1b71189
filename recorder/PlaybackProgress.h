#pragma once
// Where playback of a record-list file stands, on the progress bar's
// 0..1000 scale, and the file position a place on the bar stands for.

#include <cstdint>

constexpr int kProgressMax = 1000;

// The player's timer reports the position and the two levels; the largest
// of the three is taken as the position.
std::int64_t PlayerTimerPosition(int currentSamples, int levelLeft, int levelRight);

// position / total on 0..1000, rounded; 0 for a file of no length.
int ProgressOf(std::int64_t position, std::int64_t total);

// The sample a place on the bar stands for, rounded; the place is held
// to 0..1000.
std::int64_t SeekTarget(int progress, std::int64_t length);
