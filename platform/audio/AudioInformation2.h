#pragma once
// Duration and format of an audio file. Open reads the file; the other
// properties then describe it (all 0 and a note in FormatText when it
// could not be read).

#include "platform/base/Types.h"

#include <cstdint>
#include <string>

class TAudioInformation2 : public TObject {
 public:
  std::string ClassName() const override { return "TAudioInformation2"; }

  bool WMAEnabled() const { return wmaEnabled_; }
  void SetWMAEnabled(bool value) { wmaEnabled_ = value; }

  void Open(const std::string& fileName);

  int SampleRate() const { return sampleRate_; }
  int Channels() const { return channels_; }
  std::int64_t DurationMs() const;
  std::int64_t LengthSamples() const { return lengthSamples_; }
  std::string FormatText() const { return formatText_; }
  int LastError() const { return lastError_; }

 private:
  bool wmaEnabled_ = false;
  int sampleRate_ = 0;
  int channels_ = 0;
  std::int64_t lengthSamples_ = 0;
  std::string formatText_ = "No file";
  int lastError_ = 0;
};
