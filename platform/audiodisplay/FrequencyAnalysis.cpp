#include "platform/audiodisplay/FrequencyAnalysis.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "platform/base/Exceptions.h"

struct TSpectrumAnalyzer::Plan {
  float* input = nullptr;
  fftwf_complex* output = nullptr;
  fftwf_plan plan = nullptr;

  explicit Plan(int size) {
    input = fftwf_alloc_real(size);
    output = fftwf_alloc_complex(size / 2 + 1);
    if (input && output) plan = fftwf_plan_dft_r2c_1d(size, input, output, FFTW_ESTIMATE);
    if (!plan) {
      Release();
      throw EOutOfResources("Cannot prepare a spectrum transform of " + std::to_string(size) + " points");
    }
  }
  ~Plan() { Release(); }
  void Release() {
    if (plan) fftwf_destroy_plan(plan);
    fftwf_free(input);
    fftwf_free(output);
    plan = nullptr;
    input = nullptr;
    output = nullptr;
  }
};

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

float ToDb(double amplitude) {
  if (amplitude <= 0.0) return kSpectrumFloorDb;
  return std::max(kSpectrumFloorDb, static_cast<float>(20.0 * std::log10(amplitude)));
}

}  // namespace

TSpectrumAnalyzer::TSpectrumAnalyzer(int fftSize) : size_(fftSize) {
  if (!IsPowerOfTwo(fftSize) || fftSize < kMinSize || fftSize > kMaxSize)
    throw EInvalidOperation("Spectrum size " + std::to_string(fftSize) + " is not a power of two from " +
                            std::to_string(kMinSize) + " to " + std::to_string(kMaxSize));
  plan_ = std::make_unique<Plan>(fftSize);
}

TSpectrumAnalyzer::~TSpectrumAnalyzer() = default;

std::vector<float> TSpectrumAnalyzer::BinLevels(const TSampleBlock& block, int channels) {
  std::vector<float> levels(BinCount(), kSpectrumFloorDb);
  if (channels < 1) return levels;
  const std::size_t totalFrames = block.size() / static_cast<std::size_t>(channels);
  const int frames = static_cast<int>(std::min<std::size_t>(totalFrames, size_));
  if (frames == 0) return levels;

  // Hann window over the frames actually given; its sum is the gain a
  // steady sine sees, so the scale below holds for any frame count.
  const std::int16_t* first = block.data() + (totalFrames - frames) * channels;
  double windowSum = 0.0;
  for (int i = 0; i < frames; ++i) {
    const double w = frames == 1 ? 1.0 : 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / (frames - 1));
    int mixed = 0;
    for (int c = 0; c < channels; ++c) mixed += first[i * channels + c];
    plan_->input[i] = static_cast<float>(w * mixed / channels);
    windowSum += w;
  }
  std::fill(plan_->input + frames, plan_->input + size_, 0.0f);
  fftwf_execute(plan_->plan);

  const double scale = 2.0 / (windowSum * 32768.0);
  for (int k = 0; k < BinCount(); ++k) {
    const double re = plan_->output[k][0];
    const double im = plan_->output[k][1];
    levels[k] = ToDb(std::sqrt(re * re + im * im) * scale);
  }
  return levels;
}

std::vector<float> LogBandEdges(int bandCount, float lowHz, float highHz, int sampleRate) {
  bandCount = std::max(1, bandCount);
  lowHz = std::max(1.0f, lowHz);
  highHz = std::min(highHz, sampleRate / 2.0f);
  if (highHz <= lowHz) highHz = lowHz * 2.0f;
  std::vector<float> edges(bandCount + 1);
  const double ratio = std::log(highHz / lowHz);
  for (int i = 0; i <= bandCount; ++i)
    edges[i] = static_cast<float>(lowHz * std::exp(ratio * i / bandCount));
  return edges;
}

std::vector<float> BandLevels(const std::vector<float>& binLevels, int sampleRate, int fftSize,
                              const std::vector<float>& edges) {
  const int bands = edges.empty() ? 0 : static_cast<int>(edges.size()) - 1;
  std::vector<float> levels(bands, kSpectrumFloorDb);
  if (binLevels.empty() || sampleRate <= 0 || fftSize <= 0) return levels;
  const double binHz = static_cast<double>(sampleRate) / fftSize;
  const int lastBin = static_cast<int>(binLevels.size()) - 1;
  auto binOf = [&](double hz) { return std::clamp(static_cast<int>(std::floor(hz / binHz + 0.5)), 0, lastBin); };
  for (int b = 0; b < bands; ++b) {
    int from = static_cast<int>(std::ceil(edges[b] / binHz));
    int to = static_cast<int>(std::ceil(edges[b + 1] / binHz)) - 1;  // bins with centre below the upper edge
    if (to < from) from = to = binOf(std::sqrt(static_cast<double>(edges[b]) * edges[b + 1]));
    from = std::clamp(from, 0, lastBin);
    to = std::clamp(to, 0, lastBin);
    levels[b] = *std::max_element(binLevels.begin() + from, binLevels.begin() + to + 1);
  }
  return levels;
}

int BandOfFrequency(const std::vector<float>& edges, float hz) {
  if (edges.size() < 2 || hz < edges.front() || hz >= edges.back()) return -1;
  auto it = std::upper_bound(edges.begin(), edges.end(), hz);
  return static_cast<int>(it - edges.begin()) - 1;
}
