// Drawing throughput on a full-HD bitmap, with memcpy over the same bytes
// as the yardstick. Each result is reported in megapixels per second.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::int64_t kPixels = std::int64_t{kWidth} * kHeight;

// The reporter below turns this into a rate.
void ReportPixels(benchmark::State& state, std::int64_t pixelsPerIteration) {
  state.counters["pixels"] = static_cast<double>(pixelsPerIteration);
}

// Prints megapixels per second after each result, and at the end how the
// bitmap copy compares with memcpy and the fill with memset.
class MegapixelReporter : public benchmark::ConsoleReporter {
 public:
  MegapixelReporter() : ConsoleReporter(OO_Tabular) {}  // plain text: our lines go in between
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto pixels = run.counters.find("pixels");
      if (pixels == run.counters.end() || run.iterations == 0 || run.real_accumulated_time <= 0) continue;
      const double rate = pixels->second.value * static_cast<double>(run.iterations) / run.real_accumulated_time / 1e6;
      rates_[run.benchmark_name()] = rate;
      std::printf("  %-26s %10.1f megapixels per second\n", run.benchmark_name().c_str(), rate);
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* depth : {"24", "32"}) {
      const double copy = rates_["Memcpy/" + std::string(depth)];
      const double blit = rates_["BitBltSrcCopy/" + std::string(depth)];
      if (copy > 0 && blit > 0) std::printf("BitBlt SRCCOPY at %s bits: %.0f%% of memcpy's rate\n", depth, 100 * blit / copy);
      const double set = rates_["Memset/" + std::string(depth)];
      const double fill = rates_["FillRect/" + std::string(depth)];
      if (set > 0 && fill > 0) std::printf("FillRect at %s bits: %.0f%% of memset's rate\n", depth, 100 * fill / set);
    }
  }

 private:
  std::map<std::string, double> rates_;
};

TPixelFormat FormatOf(const benchmark::State& state) { return state.range(0) == 32 ? pf32bit : pf24bit; }

void Memcpy(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(kPixels) * (state.range(0) / 8);
  std::vector<std::uint8_t> from(bytes, 1), to(bytes, 2);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  ReportPixels(state, kPixels);
}

void Memset(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(kPixels) * (state.range(0) / 8);
  std::vector<std::uint8_t> to(bytes, 2);
  int value = 0;
  for (auto _ : state) {
    std::memset(to.data(), value++ & 0xFF, bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  ReportPixels(state, kPixels);
}

void FillRect(benchmark::State& state) {
  TBitmap target(kWidth, kHeight, FormatOf(state));
  TCanvas& canvas = *target.Canvas();
  int colour = 0;
  for (auto _ : state) {
    canvas.Brush()->SetColor(RGB(colour++ & 0xFF, 40, 80));
    canvas.FillRect(Rect(0, 0, kWidth, kHeight));
    benchmark::ClobberMemory();
  }
  ReportPixels(state, kPixels);
}

void BitBltSrcCopy(benchmark::State& state) {
  TBitmap source(kWidth, kHeight, FormatOf(state)), target(kWidth, kHeight, FormatOf(state));
  for (auto _ : state) {
    target.Canvas()->BitBlt(0, 0, kWidth, kHeight, source.Canvas(), 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  ReportPixels(state, kPixels);
}

// A quarter-size picture enlarged to the whole bitmap.
void StretchDrawHalftone(benchmark::State& state) {
  TBitmap source(kWidth / 2, kHeight / 2), target(kWidth, kHeight);
  source.Canvas()->Brush()->SetColor(clTeal);
  source.Canvas()->Ellipse(0, 0, kWidth / 2, kHeight / 2);
  target.Canvas()->SetStretchBltMode(HALFTONE);
  for (auto _ : state) {
    target.Canvas()->StretchDraw(Rect(0, 0, kWidth, kHeight), &source);
    benchmark::ClobberMemory();
  }
  ReportPixels(state, kPixels);
}

// Lines of text over the whole bitmap; the rate counts the pixels covered.
void TextOut(benchmark::State& state) {
  TBitmap target(kWidth, kHeight);
  TCanvas& canvas = *target.Canvas();
  canvas.Brush()->SetStyle(bsClear);
  const std::string line(200, 'W');
  const TSize extent = canvas.TextExtent(line);
  const int lines = kHeight / std::max(extent.cy, 1);
  for (auto _ : state) {
    for (int i = 0; i < lines; ++i) canvas.TextOut(0, i * extent.cy, line);
    benchmark::ClobberMemory();
  }
  ReportPixels(state, std::int64_t{std::min(extent.cx, kWidth)} * extent.cy * lines);
}

}  // namespace

BENCHMARK(Memcpy)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(Memset)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(FillRect)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BitBltSrcCopy)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(StretchDrawHalftone)->Unit(benchmark::kMillisecond);
BENCHMARK(TextOut)->Unit(benchmark::kMillisecond);
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MegapixelReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
