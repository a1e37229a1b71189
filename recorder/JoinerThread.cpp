#include "recorder/JoinerThread.h"

#include <algorithm>

#include "platform/win/WinApi.h"
#include "recorder/Convertor.h"

TJoinerThread::TJoinerThread(TAudioFile2& reader, std::vector<std::string> files, HWND window, TAudioFile2& writer)
    : reader_(reader), files_(std::move(files)), window_(window), writer_(writer) {}

TJoinerThread::~TJoinerThread() {
  Terminate();
  WaitFor();
}

void TJoinerThread::Execute() {
  try {
    for (int i = 0; i < static_cast<int>(files_.size()) && !Terminated(); ++i) AppendFile(i);
  } catch (const std::exception& error) {
    errorText_ = error.what();
  }
  reader_.Close();
  writer_.Close();  // finishes the file
  if (errorText_.empty() && writer_.LastError() != 0) errorText_ = writer_.LastErrorText();
}

void TJoinerThread::AppendFile(int index) {
  const auto post = [this, index](int percent) { PostMessage(window_, WM_TOOL_PROGRESS, index, percent); };
  reader_.OpenRead(files_[index], 0, 1);
  if (reader_.LastError() == 0) {
    writer_.SetInputFormat(reader_.FileSampleRate(), reader_.FileChannels());
    CopyAudio(reader_, writer_, [this] { return Terminated(); }, post);
  } else {
    post(100);  // an input that cannot be read adds nothing; the others still join
  }
  reader_.Close();
}

std::string MergeOutputPath(const TNamingSettings& naming, std::string name, const std::string& extension,
                            const std::vector<std::string>& inputs) {
  for (;;) {
    const std::string path = FreeOutputPath(naming, name, extension);
    if (std::find(inputs.begin(), inputs.end(), path) == inputs.end()) return path;
    name = path.substr(naming.Folder.size(), path.size() - naming.Folder.size() - extension.size()) + " New";
  }
}
