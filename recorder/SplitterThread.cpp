#include "recorder/SplitterThread.h"

#include <algorithm>

#include "platform/win/WinApi.h"
#include "recorder/Convertor.h"
#include "recorder/OutputNaming.h"

TSplitJob PlanSplit(const TSplitPoints& points) {
  TSplitJob job;
  if (points.Count() <= 2) return job;
  for (int i = 0; i < points.Count(); ++i) {
    if (!points.Points()[i].use) continue;
    job.points.push_back(points.Points()[i].position);
    job.rows.push_back(i);
  }
  if (job.points.size() < 2) job = {};
  return job;
}

std::string SplitPartPath(const TSplitNaming& naming, int part) {
  TNamingSettings settings;
  settings.Folder = naming.folder;
  settings.Overwrite = naming.overwrite;
  return FreeOutputPath(settings, naming.base + "-Splitted" + std::to_string(part), "." + naming.extension);
}

std::int64_t FrameOfMs(std::int64_t ms, int sampleRate) { return ms * sampleRate / 1000; }

TSplitterThread::TSplitterThread(TAudioFile2& reader, TAudioFile2& writer, HWND window, TSplitJob job,
                                 TSplitNaming naming)
    : reader_(reader), writer_(writer), window_(window), job_(std::move(job)), naming_(std::move(naming)) {}

TSplitterThread::~TSplitterThread() {
  Terminate();
  WaitFor();
}

void TSplitterThread::Execute() {
  for (int part = 0; part < job_.PartCount() && !Terminated(); ++part) {
    bool written = false;
    try {
      written = WritePart(part);
    } catch (const std::exception& error) {
      errorText_ = error.what();
    }
    writer_.Close();
    if (errorText_.empty() && writer_.LastError() != 0) errorText_ = writer_.LastErrorText();
    if (!errorText_.empty()) {
      failedPart_ = part;
      return;
    }
    if (written) PostMessage(window_, WM_TOOL_PROGRESS, part, 100);
  }
}

bool TSplitterThread::WritePart(int part) {
  const std::string path = SplitPartPath(naming_, part);
  Synchronize([&] { writer_.CreateWrite(path, 0); });
  if (writer_.LastError() != 0) {
    errorText_ = "Cannot create \"" + path + "\": " + writer_.LastErrorText();
    return false;
  }
  writer_.SetInputFormat(reader_.FileSampleRate(), reader_.FileChannels());

  const int rate = reader_.FileSampleRate();
  const std::int64_t start = FrameOfMs(job_.points[part], rate);
  const bool last = part + 1 == job_.PartCount();
  const std::int64_t end = last ? reader_.LengthSamples() : FrameOfMs(job_.points[part + 1], rate);
  const std::int64_t length = std::max<std::int64_t>(0, end - start);
  // One block is as many frames as a second has samples of all channels.
  const std::int64_t block = std::max<std::int64_t>(1, std::int64_t{reader_.Channels()} * reader_.SampleRate());
  const int channels = std::max(1, reader_.FileChannels());
  reader_.Seek(start, 3);
  for (std::int64_t done = 0; done < length;) {
    if (Terminated()) return false;
    const TSampleBlock data = reader_.ReadBlock(std::min(block, length - done));
    if (data.empty()) break;  // the source is shorter than it said
    writer_.WriteBlock(data);
    PostMessage(window_, WM_TOOL_PROGRESS, part, ConversionPercent(done, length));
    done += static_cast<std::int64_t>(data.size()) / channels;
  }
  return true;
}
