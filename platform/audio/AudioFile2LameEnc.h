#pragma once
// MP3 encoder settings. They are set before TAudioFile2::SetMP3Output, which
// takes them over; every instance edits the same process-wide settings, so
// whichever object a window holds, its writer sees them.

#include "platform/base/Types.h"

class TAudioFile2LameEnc : public TObject {
 public:
  std::string ClassName() const override { return "TAudioFile2LameEnc"; }

  bool ConstantBitRate() const;
  void SetConstantBitRate(bool value);
  int BitRate() const;  // kbps
  void SetBitRate(int kbps);
  int MaxBitRate() const;  // kbps, with variable bit rate
  void SetMaxBitRate(int kbps);
  bool VBRHeader() const;
  void SetVBRHeader(bool value);
  // 0 the encoder's default variable mode, 1 its older mode, 2 average bit rate.
  int VBRMode() const;
  void SetVBRMode(int mode);
  int VBRQuality() const;  // 0 best .. 9 smallest
  void SetVBRQuality(int quality);
  int Quality() const;  // 0 best .. 9 fastest
  void SetQuality(int quality);
};
