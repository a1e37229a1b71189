#pragma once
// What the audio benchmarks share: a source file of music-like sound, and
// the timing of our work against a peer command line in the same run. CPU
// time is compared, as other work on the machine disturbs wall time; both
// are printed, each the best of a few rounds run in turn.

#include <functional>
#include <string>

struct Cost {
  double wallSeconds = 0;
  double cpuSeconds = 0;
};

struct Pair {
  Cost ours;
  Cost theirs;  // of the child processes
};

// Writes seconds of 44.1 kHz stereo WAV: a few tones that move, and some noise.
void WriteSourceWav(const std::string& path, int seconds);

// Runs ours and theirs in turn, rounds times, keeping the cheapest of each.
Pair BestOf(int rounds, const std::function<void()>& ours, const std::function<void()>& theirs);

// Runs a shell command, saying so when it fails.
void Run(const std::string& command);

// Prints both costs and their ratio against the target.
void Report(const char* what, const Pair& pair, const char* tool, double targetRatio);
