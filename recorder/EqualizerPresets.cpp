#include "recorder/EqualizerPresets.h"

#include <cmath>

namespace {

// Band gains in dB of Pop, Disco, Background, Movie and News.
constexpr double kPresetGains[5][kEqBandCount] = {
    {0.273, 4.091, 4.636, 3.545, 1.909, 0, 0, 1.909, 1.909, 4.091, 3.545, 3.000},
    {-13.364, -0.273, 9.545, 7.909, 4.091, 0, 3.000, 5.182, 5.182, 4.636, 2.455, 0},
    {-13.364, -6.273, -1.364, 0, 0, 3.545, 2.455, 0.818, 0.818, 4.636, 6.273, 7.909},
    {0, 3.545, 6.273, 3.545, 1.909, 3.545, 1.909, 0.818, 0.818, -1.909, -4.636, -2.455},
    {0, -3.000, -6.818, -3.545, 1.909, 6.273, 5.182, 3.545, 3.545, -1.909, -4.091, -6.818},
};

}  // namespace

TEqPositions EqPresetPositions(int mode) {
  TEqPositions positions{};
  if (mode < 0 || mode >= kEqModeFlat) return positions;
  for (int band = 0; band < kEqBandCount; ++band)
    positions[band] = -static_cast<int>(std::lround(kPresetGains[mode][band] * 1000));
  return positions;
}

std::vector<float> EqGainsOf(const TEqPositions& positions) {
  std::vector<float> gains;
  for (int position : positions) gains.push_back(static_cast<float>(-position / 1000.0));
  return gains;
}
