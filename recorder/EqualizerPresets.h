#pragma once
// The player's equalizer settings: twelve slider positions, a thousandth
// of a dB each, upside down (a position of -1000 lifts the band by 1 dB).

#include <array>
#include <vector>

constexpr int kEqBandCount = 12;
constexpr int kEqPositionLimit = 15000;
using TEqPositions = std::array<int, kEqBandCount>;

// The choices of the mode box, in order.
constexpr const char* kEqModeNames[] = {"Pop", "Disco", "Background", "Movie", "News", "Flat", "Custom"};
constexpr int kEqModeFlat = 5;
constexpr int kEqModeCustom = 6;

// The positions of a preset, Pop (0) .. News (4), Flat (5).
TEqPositions EqPresetPositions(int mode);

// The band gains in dB that the positions stand for.
std::vector<float> EqGainsOf(const TEqPositions& positions);
