#include "EditorTestSupport.h"

#include <cstdlib>
#include <filesystem>

void EditorTest::SetUp() {
  HeadlessFormsTest::SetUp();
  char pattern[] = "/tmp/audioeditor-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
  form = ShownForm(640, 360);
  editor = new TAudioEditor2(form);
  editor->SetBounds(0, 0, 600, 300);
  editor->SetParent(form);
  editor->SetTempDirectory(folder_);
}

void EditorTest::TearDown() {
  std::filesystem::remove_all(folder_);
  HeadlessFormsTest::TearDown();
}

void EditorTest::Load(const TSampleBlock& block, int sampleRate, int channels) {
  const std::string path = PathOf("source.wav");
  ASSERT_EQ(WriteWith(path, [&](TAudioFile2& f) { f.SetWAVOutput(sampleRate, channels, 16); }, block), 0);
  editor->OpenFile(path, 0);
}

TSampleBlock EditorTest::All() {
  const std::int64_t cursor = editor->Position()->CurrentPosition();
  editor->Position()->SetCurrentPosition(0);
  TSampleBlock all = editor->ReadBlock(editor->Position()->Length());
  editor->Position()->SetCurrentPosition(cursor);
  return all;
}

void EditorTest::Select(std::int64_t from, std::int64_t to) {
  editor->Position()->SetSelectionStart(from);
  editor->Position()->SetSelectionEnd(to);
}

std::vector<double> ChannelOf(const TSampleBlock& block, int channels, int c, std::size_t from, std::size_t count) {
  std::vector<double> out;
  const std::size_t frames = block.size() / static_cast<std::size_t>(channels);
  for (std::size_t i = from; i < frames && out.size() < count; ++i)
    out.push_back(block[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)]);
  return out;
}

double ToneAmplitude(const std::vector<double>& samples, int sampleRate, double hz) {
  const double coefficient = 2 * std::cos(2 * M_PI * hz / sampleRate);
  double previous = 0, beforePrevious = 0;
  for (double x : samples) {
    const double current = x + coefficient * previous - beforePrevious;
    beforePrevious = previous;
    previous = current;
  }
  const double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
  return 2 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(samples.size());
}

double GainDb(const TSampleBlock& before, const TSampleBlock& after, int channels, int sampleRate, double hz,
              std::size_t skip) {
  const double a = ToneAmplitude(ChannelOf(before, channels, 0, skip), sampleRate, hz);
  const double b = ToneAmplitude(ChannelOf(after, channels, 0, skip), sampleRate, hz);
  return 20 * std::log10(std::max(b, 1e-9) / a);
}

int ZeroCrossings(const TSampleBlock& block, int channels) {
  int count = 0;
  for (std::size_t i = static_cast<std::size_t>(channels); i < block.size(); i += static_cast<std::size_t>(channels))
    if ((block[i] >= 0) != (block[i - static_cast<std::size_t>(channels)] >= 0)) ++count;
  return count;
}
