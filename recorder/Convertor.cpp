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
  writer_.SetInputFormat(reader_.FileSampleRate(), reader_.FileChannels());
  CopyAudio(reader_, writer_, [this] { return Terminated(); },
            [this](int percent) { PostMessage(window_, WM_CONVERT_PROGRESS, 1, percent); });
}

bool CopyAudio(TAudioFile2& reader, TAudioFile2& writer, const std::function<bool()>& stop,
               const std::function<void(int percent)>& progress) {
  const std::int64_t block = std::max<std::int64_t>(1, std::int64_t{reader.Channels()} * reader.SampleRate());
  const int channels = std::max(1, reader.FileChannels());
  const std::int64_t length = reader.LengthSamples();
  std::int64_t done = 0;
  do {
    const TSampleBlock data = reader.ReadBlock(block);
    if (data.empty()) {
      progress(100);
      return true;
    }
    writer.WriteBlock(data);
    done = std::min<std::int64_t>(done + static_cast<std::int64_t>(data.size()) / channels, length);
    progress(ConversionPercent(done, length));
  } while (!stop());
  return false;
}
