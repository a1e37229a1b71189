#pragma once
// An editor component on a headless form, with a document made from a
// test signal, and helpers to read its audio back.

#include "AudioTestSupport.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "tests/platform/framework/FormTestSupport.h"

#include <cmath>
#include <memory>

class EditorTest : public HeadlessFormsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new document holding the block (interleaved, 16 bit).
  void Load(const TSampleBlock& block, int sampleRate = 44100, int channels = 2);
  // The whole document as 16-bit frames.
  TSampleBlock All();
  void Select(std::int64_t from, std::int64_t to);
  std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }

  TForm* form = nullptr;
  TAudioEditor2* editor = nullptr;
  std::string folder_;
};

// Samples of channel c of an interleaved block.
std::vector<double> ChannelOf(const TSampleBlock& block, int channels, int c, std::size_t from = 0,
                              std::size_t count = SIZE_MAX);
// Gain in dB of the tone at hz between two blocks of one channel
// (Goertzel power, after the filter has settled).
double GainDb(const TSampleBlock& before, const TSampleBlock& after, int channels, int sampleRate, double hz,
              std::size_t skip);
// Level of the tone at hz in a stretch of one channel: its amplitude.
double ToneAmplitude(const std::vector<double>& samples, int sampleRate, double hz);
// Sign changes of channel 0.
int ZeroCrossings(const TSampleBlock& block, int channels);
