// Drawing throughput on a full-HD bitmap, with memcpy over the same bytes
// as the yardstick. Each result is reported in megapixels per second.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::int64_t kPixels = std::int64_t{kWidth} * kHeight;

void ReportPixels(benchmark::State& state, std::int64_t pixelsPerIteration) {
  state.counters["MP/s"] = benchmark::Counter(static_cast<double>(state.iterations() * pixelsPerIteration) / 1e6,
                                              benchmark::Counter::kIsRate);
}

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
BENCHMARK(FillRect)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BitBltSrcCopy)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(StretchDrawHalftone)->Unit(benchmark::kMillisecond);
BENCHMARK(TextOut)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
