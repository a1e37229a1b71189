// The frequency view: for each pixel column the loudness of each
// frequency of the audio there, low frequencies at the bottom, louder in
// brighter colour.

#include "platform/audiodisplay/FrequencyAnalysis.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/audioeditor/EditorView.h"
#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <cmath>

namespace detail {

namespace {

constexpr int kFftSize = 512;
constexpr float kFloorDb = -100;

TColor Mix(TColor from, TColor to, double share) {
  auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

}  // namespace

void EditorView::PaintSpectrogram(const TRect& lane, int channel) {
  const EditState& state = editor_.state_;
  const ChannelTrack& track = state.document.tracks[static_cast<std::size_t>(channel)];
  const double fpp = FramesPerPixel();
  const TColor quiet = ColorToRGB(editor_.colorSettings_.background);
  const TColor loud = ColorToRGB(editor_.colorSettings_.digitalWaveForm);
  // Levels run from the background colour through the waveform colour to white.
  std::array<TColor, 64> palette{};
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const double share = static_cast<double>(i) / (palette.size() - 1);
    palette[i] = share < 0.7 ? Mix(quiet, loud, share / 0.7) : Mix(loud, RGB(255, 255, 255), (share - 0.7) / 0.3);
  }
  TSpectrumAnalyzer analyzer(kFftSize);
  std::vector<float> samples(kFftSize);
  TSampleBlock block(kFftSize);
  const int height = lane.Height();
  for (int x = std::max(lane.Left, 0); x < lane.Right && x < buffer_->Width(); ++x) {
    const auto centre = static_cast<std::int64_t>(static_cast<double>(editor_.viewStart_) + (x - lane.Left + 0.5) * fpp);
    if (centre >= track.Length()) break;
    track.Read(centre - kFftSize / 2, kFftSize, samples.data());
    for (int i = 0; i < kFftSize; ++i) block[static_cast<std::size_t>(i)] = ToSample16(samples[static_cast<std::size_t>(i)]);
    const std::vector<float> levels = analyzer.BinLevels(block, 1);
    for (int row = 0; row < height; ++row) {
      const int y = lane.Bottom - 1 - row;
      if (y < 0 || y >= buffer_->Height()) continue;
      const auto bin = static_cast<std::size_t>(static_cast<double>(row) / height * (levels.size() - 1));
      const double share = std::clamp((levels[bin] - kFloorDb) / -kFloorDb, 0.0f, 1.0f);
      const TColor color = palette[static_cast<std::size_t>(share * (palette.size() - 1))];
      std::uint8_t* pixel = buffer_->ScanLine(y) + x * buffer_->BytesPerPixel();
      pixel[0] = GetBValue(color);
      pixel[1] = GetGValue(color);
      pixel[2] = GetRValue(color);
    }
  }
}

}  // namespace detail
