#include "recorder/Convertor.h"

#include <algorithm>

#include "platform/win/WinApi.h"

TConvertor::TConvertor(TAudioFile2& reader, HWND window, TAudioFile2& writer)
    : reader_(reader), writer_(writer), window_(window) {}

TConvertor::~TConvertor() {
  Terminate();
  WaitFor();
}

int ConversionPercent(std::int64_t done, std::int64_t length) {
  if (length <= 0) return 100;
  return static_cast<int>(std::clamp<std::int64_t>(done * 100 / length, 0, 100));
}

void TConvertor::Execute() {
  try {
    Copy();
  } catch (const std::exception& error) {
    errorText_ = error.what();
  }
  writer_.Close();  // finishes the file
  if (errorText_.empty() && writer_.LastError() != 0) errorText_ = writer_.LastErrorText();
  reader_.Close();
}

void TConvertor::Copy() {
  // One second of the file per block.
  const std::int64_t block = static_cast<std::int64_t>(reader_.Channels()) * reader_.SampleRate();
  const int channels = std::max(1, reader_.FileChannels());
  const std::int64_t length = reader_.LengthSamples();
  writer_.SetInputFormat(reader_.FileSampleRate(), reader_.FileChannels());
  std::int64_t done = 0;
  do {
    const TSampleBlock data = reader_.ReadBlock(block);
    if (data.empty()) {
      PostMessage(window_, WM_CONVERT_PROGRESS, 1, 100);
      break;
    }
    writer_.WriteBlock(data);
    done = std::min<std::int64_t>(done + static_cast<std::int64_t>(data.size()) / channels, length);
    PostMessage(window_, WM_CONVERT_PROGRESS, 1, ConversionPercent(done, length));
  } while (!Terminated());
}
