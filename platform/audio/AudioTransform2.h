#pragma once
// Tempo change of a running stream of blocks, without changing the pitch.
// Blocks are processed as one stream: what the stretcher holds back from
// one block comes out with the next, and Flush hands out the rest at the
// end. SetFormat tells the rate and channel count of the blocks (44100 Hz
// stereo until set); changing it, or the percentage, starts a new stream.

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
  // Ends the stream: block becomes what the stretcher still holds, so that
  // the stream comes out whole (its length divided by the tempo). The next
  // ChangeTempo starts a new stream; a second Flush gives nothing.
  void Flush(TSampleBlock& block);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
