#include "platform/audiodisplay/AudioDisplay2.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "platform/audio/Levels.h"
#include "platform/audiodisplay/AudioVisualization2.h"
#include "platform/audiodisplay/FrequencyAnalysis.h"
#include "platform/base/Exceptions.h"

namespace {

constexpr float kLowestHz = 40.0f;
constexpr float kHighestHz = 16000.0f;
// Blocks a peak mark stays put before it starts to fall.
constexpr int kPeakHoldBlocks = 8;

float AmplitudeToDb(int peak) {
  if (peak <= 0) return kSpectrumFloorDb;
  return static_cast<float>(20.0 * std::log10(peak / 32768.0));
}

// Bars want room for a few pixels each, the line a point every few pixels.
int BandCountFor(int mode, int width) {
  if (mode == TAudioDisplay2::kModeLine) return std::clamp(width / 3, 8, 160);
  return std::clamp(width / 6, 4, 64);
}

}  // namespace

void TAudioDisplay2::TLevelSet::Reset(std::size_t count, float floor) {
  levels.assign(count, floor);
  peaks.assign(count, floor);
  holds.assign(count, 0);
}

void TAudioDisplay2::TLevelSet::Follow(const std::vector<float>& targets, float floor, float ceiling,
                                       int attack, int release) {
  const std::size_t count = std::min(targets.size(), levels.size());
  for (std::size_t i = 0; i < count; ++i) {
    const float target = std::clamp(targets[i], floor, ceiling);
    float& level = levels[i];
    level += (target - level) * (target > level ? attack : release) / 100.0f;
    if (level >= peaks[i]) {
      peaks[i] = level;
      holds[i] = kPeakHoldBlocks;
    } else if (holds[i] > 0) {
      --holds[i];
    } else {
      peaks[i] = std::max(level, peaks[i] + (level - peaks[i]) * release / 100.0f);
    }
  }
}

TAudioDisplay2::TAudioDisplay2(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csOpaque;
  SetBounds(0, 0, 200, 80);
  SetColor(clBlack);
  analyzer_ = std::make_unique<TSpectrumAnalyzer>(fftWindowsSize_);
  LayoutBands();
  meters_.Reset(2, Floor());
  Publish("TypeDisplay", &TAudioDisplay2::TypeDisplay, &TAudioDisplay2::SetTypeDisplay);
  Publish("FFTWindowsSize", &TAudioDisplay2::FFTWindowsSize, &TAudioDisplay2::SetFFTWindowsSize);
  Publish("LowColor", &TAudioDisplay2::LowColor, &TAudioDisplay2::SetLowColor);
  Publish("HighColor", &TAudioDisplay2::HighColor, &TAudioDisplay2::SetHighColor);
  Publish("PeakColor", &TAudioDisplay2::PeakColor, &TAudioDisplay2::SetPeakColor);
  Publish("BorderStyle", &TAudioDisplay2::BorderStyle, &TAudioDisplay2::SetBorderStyle);
  Publish("BorderColor", &TAudioDisplay2::BorderColor, &TAudioDisplay2::SetBorderColor);
  Publish("MinLevel", &TAudioDisplay2::MinLevel, &TAudioDisplay2::SetMinLevel);
  Publish("MaxLevel", &TAudioDisplay2::MaxLevel, &TAudioDisplay2::SetMaxLevel);
  Publish("Attack", &TAudioDisplay2::Attack, &TAudioDisplay2::SetAttack);
  Publish("Release", &TAudioDisplay2::Release, &TAudioDisplay2::SetRelease);
}

TAudioDisplay2::~TAudioDisplay2() = default;

void TAudioDisplay2::PutData(const TSampleBlock& data) {
  if (data.empty()) {
    Clear();
  } else {
    // Only whole frames count; a stray value at the end is dropped.
    lastBlock_.assign(data.begin(), data.end() - data.size() % channels_);
    AnalyseSpectrum(lastBlock_);
    AnalyseMeters(lastBlock_);
  }
  Invalidate();
}

void TAudioDisplay2::SetFormat(int sampleRate, int channels) {
  detail::CheckDisplayFormat(sampleRate, channels);
  sampleRate_ = sampleRate;
  channels_ = channels;
  LayoutBands();
  Clear();
  Invalidate();
}

void TAudioDisplay2::SetTypeDisplay(int mode) {
  if (mode < kModeBars || mode > kModeScope)
    throw EInvalidOperation("Display mode " + std::to_string(mode) + " is not one of 0 to 4");
  if (mode == typeDisplay_) return;
  typeDisplay_ = mode;
  LayoutBands();
  Invalidate();
}

void TAudioDisplay2::SetFFTWindowsSize(int size) {
  if (size == fftWindowsSize_) return;
  analyzer_ = std::make_unique<TSpectrumAnalyzer>(size);  // refuses a bad size before anything changes
  fftWindowsSize_ = size;
}

void TAudioDisplay2::SetLowColor(TColor value) { lowColor_ = value; Invalidate(); }
void TAudioDisplay2::SetHighColor(TColor value) { highColor_ = value; Invalidate(); }
void TAudioDisplay2::SetPeakColor(TColor value) { peakColor_ = value; Invalidate(); }
void TAudioDisplay2::SetBorderColor(TColor value) { borderColor_ = value; Invalidate(); }

void TAudioDisplay2::SetBorderStyle(TBorderStyle value) {
  borderStyle_ = value == bsNone ? bsNone : bsSingle;
  LayoutBands();
  Invalidate();
}

void TAudioDisplay2::SetMinLevel(int db) { minLevel_ = db; Invalidate(); }
void TAudioDisplay2::SetMaxLevel(int db) { maxLevel_ = db; Invalidate(); }
void TAudioDisplay2::SetAttack(int percent) { attack_ = std::clamp(percent, 1, 100); }
void TAudioDisplay2::SetRelease(int percent) { release_ = std::clamp(percent, 1, 100); }

float TAudioDisplay2::Range() const { return std::max(1.0f, static_cast<float>(maxLevel_ - minLevel_)); }

int TAudioDisplay2::LevelToPixels(float db, int pixels) const {
  const float share = std::clamp((db - Floor()) / Range(), 0.0f, 1.0f);
  return static_cast<int>(std::lround(share * pixels));
}

void TAudioDisplay2::Resize() {
  TCustomControl::Resize();
  LayoutBands();
}

void TAudioDisplay2::LayoutBands() {
  const int border = borderStyle_ == bsNone ? 0 : 2;
  const int count = BandCountFor(typeDisplay_, std::max(0, Width() - border));
  std::vector<float> edges = LogBandEdges(count, kLowestHz, kHighestHz, sampleRate_);
  if (edges == bandEdges_) return;
  bandEdges_ = std::move(edges);
  bands_.Reset(count, Floor());
}

void TAudioDisplay2::Clear() {
  bands_.Reset(bands_.levels.size(), Floor());
  meters_.Reset(2, Floor());
  lastBlock_.clear();
}

void TAudioDisplay2::AnalyseSpectrum(const TSampleBlock& data) {
  const std::vector<float> bins = analyzer_->BinLevels(data, channels_);
  bands_.Follow(::BandLevels(bins, sampleRate_, analyzer_->FFTSize(), bandEdges_), Floor(),
                Floor() + Range(), attack_, release_);
}

void TAudioDisplay2::AnalyseMeters(const TSampleBlock& data) {
  int left = 0, right = 0;
  detail::BlockPeaks(data.data(), data.size() / channels_, channels_, left, right);
  meters_.Follow({AmplitudeToDb(left), AmplitudeToDb(right)}, Floor(), Floor() + Range(), attack_,
                 release_);
}
