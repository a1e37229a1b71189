#pragma once
// Reader and writer of WAV, MP3, OGG and WMA files, block by block.
// Positions and lengths count frames (samples per channel); blocks are
// interleaved 16-bit samples. One object serves one thread at a time.
//
// OpenRead and CreateWrite report failure through LastError only. Writing
// to a file that is not open, or a write that fails (a full disk), raises
// EAudioFileError besides setting LastError.

#include "platform/audio/AudioFileErrors.h"
#include "platform/audio/AudioTypes.h"
#include "platform/audio/FileReader.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <memory>
#include <string>

class TAudioFile2 : public TObject {
 public:
  TAudioFile2();
  ~TAudioFile2() override;
  TAudioFile2(const TAudioFile2&) = delete;
  TAudioFile2& operator=(const TAudioFile2&) = delete;
  std::string ClassName() const override { return "TAudioFile2"; }

  // WMA files are read and written only while this is true.
  bool WMAEnabled() const { return wmaEnabled_; }
  void SetWMAEnabled(bool value) { wmaEnabled_ = value; }

  // The trailing arguments of OpenRead, CreateWrite, Seek and SetOGGOutput
  // are accepted as callers pass them; they change nothing here.
  void OpenRead(const std::string& fileName, int mode = 0, int access = 1);
  TSampleBlock ReadBlock(std::int64_t count);
  std::int64_t Seek(std::int64_t position, int origin = 3);

  void SetWAVOutput(int sampleRate, int channels, int bitsPerSample);
  // Takes over the current TAudioFile2LameEnc settings.
  void SetMP3Output(int sampleRate, int bitRateKbps, int channels);
  // quality: 0..999, a hundredth of the encoder's 0..10 scale.
  void SetOGGOutput(int sampleRate, int channels, int quality, int minBitRate = 0,
                    int maxBitRate = 0, int nominalBitRate = 128);
  void SetWMAOutput(int profile);  // 1-based, as TWMAFile2 numbers them
  void CreateWrite(const std::string& fileName, int mode = 0);
  // Format of the blocks given to WriteBlock; the writer converts them to
  // its output format. Without it the blocks are taken to be in that format.
  void SetInputFormat(int sampleRate, int channels);
  void WriteBlock(const TSampleBlock& block);

  // Ends reading, or finishes the file being written.
  void Close();

  // Of a reader: the file's format; otherwise the output format.
  int SampleRate() const;
  int Channels() const;
  // The format of the blocks ReadBlock delivers.
  int FileSampleRate() const;
  int FileChannels() const;
  // Of a reader: the exact length; of a writer: frames written so far.
  std::int64_t LengthSamples() const;
  // Of a reader: the file's format; after a failed OpenRead "Unreadable
  // file"; otherwise the output format.
  std::string FormatText() const;
  int LastError() const { return lastError_; }
  std::string LastErrorText() const { return lastErrorText_; }

 private:
  struct Writer;
  struct Output;
  void SetError(int code, const std::string& text);
  void FinishWriter();
  [[noreturn]] void Raise(int code, const std::string& text);

  bool wmaEnabled_ = false;
  bool readFailed_ = false;  // the last OpenRead failed
  int lastError_ = 0;
  std::string lastErrorText_;
  std::unique_ptr<Output> output_;
  std::unique_ptr<Writer> writer_;
  detail::FileReader reader_;
  // Set by SetInputFormat until the next Close; 0 = the output format.
  int inputRate_ = 0;
  int inputChannels_ = 0;
};
