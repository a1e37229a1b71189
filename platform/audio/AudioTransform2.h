#pragma once
// Tempo change of a running stream of blocks, without changing the pitch.
// Blocks are processed as one stream: what the stretcher holds back from
// one block comes out with the next. SetFormat tells the rate and channel
// count of the blocks (44100 Hz stereo until set); changing it, or the
// percentage, starts a new stream.

#include "platform/audio/AudioTypes.h"
#include "platform/base/Types.h"

#include <memory>

class TAudioTransform2 : public TObject {
 public:
  TAudioTransform2();
  ~TAudioTransform2() override;
  std::string ClassName() const override { return "TAudioTransform2"; }

  void SetFormat(int sampleRate, int channels);
  // percent: 50.0 plays at half speed, 150.0 at one and a half. Values
  // outside 10..1000, and a block of an odd size, leave the block as it is.
  void ChangeTempo(TSampleBlock& block, float percent);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
