#include "platform/audio/AudioFile2.h"

#include "platform/audio/FfmpegWriter.h"
#include "platform/audio/FormatDescription.h"
#include "platform/audio/Mp3Settings.h"
#include "platform/audio/Mp3Writer.h"
#include "platform/audio/Resampler.h"
#include "platform/audio/WavWriter.h"
#include "platform/audio/WmaProfiles.h"

#include <algorithm>

namespace {

enum class OutputKind { Wav, Mp3, Ogg, Wma };

bool ValidChannels(int channels) { return channels == 1 || channels == 2; }
bool ValidRate(int rate) { return rate >= 1000 && rate <= 384000; }

}  // namespace

struct TAudioFile2::Output {
  OutputKind kind = OutputKind::Wav;
  int sampleRate = 44100;
  int channels = 2;
  int bitsPerSample = 16;
  detail::Mp3EncoderSettings mp3;
  int oggQuality = 699;
  int wmaProfile = 15;
};

// The file being written, with its format fixed at creation.
struct TAudioFile2::Writer {
  std::unique_ptr<detail::EncodedFileWriter> file;
  detail::Resampler resampler;
  int outputRate = 0;
  int outputChannels = 0;
  int inputChannels = 0;
  std::string formatText;
  std::int64_t framesWritten = 0;
  TSampleBlock converted;

  bool Put(const std::int16_t* samples, int frames) {
    if (frames <= 0) return true;
    framesWritten += frames;
    return file->Write(samples, frames);
  }

  // Passes samples of the input format through the converter to the file.
  bool Convert(const std::int16_t* samples, int frames) {
    if (resampler.IsPassThrough()) return Put(samples, frames);
    converted.clear();
    auto bytes = reinterpret_cast<const std::uint8_t*>(samples);
    resampler.Convert(&bytes, frames, converted);
    return Put(converted.data(), static_cast<int>(converted.size() / outputChannels));
  }

  bool FlushConverter() {
    converted.clear();
    resampler.Flush(converted);
    return Put(converted.data(), static_cast<int>(converted.size() / outputChannels));
  }
};

TAudioFile2::TAudioFile2() : output_(std::make_unique<Output>()) {}

TAudioFile2::~TAudioFile2() { Close(); }

void TAudioFile2::SetError(int code, const std::string& text) {
  lastError_ = code;
  lastErrorText_ = text;
}

void TAudioFile2::Raise(int code, const std::string& text) {
  SetError(code, text);
  throw EAudioFileError(code, text);
}

void TAudioFile2::OpenRead(const std::string& fileName, int, int) {
  Close();
  SetError(AUDIO_OK, "");
  int result = reader_.Open(fileName, wmaEnabled_);
  readFailed_ = result != AUDIO_OK;
  if (readFailed_) SetError(result, reader_.ErrorText());
}

TSampleBlock TAudioFile2::ReadBlock(std::int64_t count) { return reader_.Read(count); }

std::int64_t TAudioFile2::Seek(std::int64_t position, int) { return reader_.Seek(position); }

void TAudioFile2::SetWAVOutput(int sampleRate, int channels, int bitsPerSample) {
  output_->kind = OutputKind::Wav;
  output_->sampleRate = sampleRate;
  output_->channels = channels;
  output_->bitsPerSample = bitsPerSample;
}

void TAudioFile2::SetMP3Output(int sampleRate, int bitRateKbps, int channels) {
  output_->kind = OutputKind::Mp3;
  output_->sampleRate = sampleRate;
  output_->channels = channels;
  output_->mp3 = detail::CurrentMp3Settings();
  output_->mp3.bitRateKbps = bitRateKbps;
}

void TAudioFile2::SetOGGOutput(int sampleRate, int channels, int quality, int, int, int) {
  output_->kind = OutputKind::Ogg;
  output_->sampleRate = sampleRate;
  output_->channels = channels;
  output_->oggQuality = quality;
}

void TAudioFile2::SetWMAOutput(int profile) {
  output_->kind = OutputKind::Wma;
  output_->wmaProfile = profile;
  const auto& profiles = detail::WmaProfiles();
  if (profile >= 1 && profile <= static_cast<int>(profiles.size())) {
    output_->sampleRate = profiles[static_cast<size_t>(profile - 1)].sampleRate;
    output_->channels = profiles[static_cast<size_t>(profile - 1)].channels;
  }
}

void TAudioFile2::CreateWrite(const std::string& fileName, int) {
  Close();
  readFailed_ = false;
  SetError(AUDIO_OK, "");
  const Output& out = *output_;
  if (!ValidRate(out.sampleRate) || !ValidChannels(out.channels))
    return SetError(AUDIO_ERR_BAD_OUTPUT_FORMAT, "The output format has an impossible rate or channel count");

  std::unique_ptr<detail::EncodedFileWriter> file;
  bool opened = false;
  switch (out.kind) {
    case OutputKind::Wav: {
      int bits = out.bitsPerSample;
      if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return SetError(AUDIO_ERR_BAD_OUTPUT_FORMAT, "WAV files are written with 8, 16, 24 or 32 bit");
      auto wav = std::make_unique<detail::WavWriter>();
      opened = wav->Open(fileName, out.sampleRate, out.channels, bits);
      file = std::move(wav);
      break;
    }
    case OutputKind::Mp3: {
      auto mp3 = std::make_unique<detail::Mp3Writer>();
      opened = mp3->Open(fileName, out.sampleRate, out.channels, out.mp3);
      file = std::move(mp3);
      break;
    }
    case OutputKind::Ogg: {
      detail::FfmpegOutput ogg{"ogg", "libvorbis", out.sampleRate, out.channels, 0,
                               std::clamp(out.oggQuality, 0, 1000) / 100.0};
      auto writer = std::make_unique<detail::FfmpegWriter>();
      opened = writer->Open(fileName, ogg);
      file = std::move(writer);
      break;
    }
    case OutputKind::Wma: {
      if (!wmaEnabled_) return SetError(AUDIO_ERR_WMA_DISABLED, "WMA files are not enabled on this component");
      const auto& profiles = detail::WmaProfiles();
      if (out.wmaProfile < 1 || out.wmaProfile > static_cast<int>(profiles.size()))
        return SetError(AUDIO_ERR_BAD_OUTPUT_FORMAT, "There is no WMA profile " + std::to_string(out.wmaProfile));
      const auto& profile = profiles[static_cast<size_t>(out.wmaProfile - 1)];
      detail::FfmpegOutput wma{"asf", "wmav2", profile.sampleRate, profile.channels,
                               detail::WmaEncoderBitRate(profile), -1, true};
      auto writer = std::make_unique<detail::FfmpegWriter>();
      opened = writer->Open(fileName, wma);
      file = std::move(writer);
      break;
    }
  }
  if (!opened) return SetError(AUDIO_ERR_CREATE, file->ErrorText());

  auto writer = std::make_unique<Writer>();
  writer->file = std::move(file);
  writer->outputRate = out.sampleRate;
  writer->outputChannels = out.channels;
  writer->formatText = FormatText();
  writer->inputChannels = inputChannels_ ? inputChannels_ : out.channels;
  int inputRate = inputRate_ ? inputRate_ : out.sampleRate;
  if (!writer->resampler.Configure(inputRate, writer->inputChannels, detail::Resampler::Interleaved16(),
                                   out.sampleRate, out.channels)) {
    writer->file->Finish();
    return SetError(AUDIO_ERR_BAD_INPUT_FORMAT, "The input format cannot be converted");
  }
  writer_ = std::move(writer);
}

void TAudioFile2::SetInputFormat(int sampleRate, int channels) {
  if (sampleRate <= 0 || sampleRate > 768000 || channels <= 0 || channels > 8)
    return SetError(AUDIO_ERR_BAD_INPUT_FORMAT,
                    "Impossible input format: " + std::to_string(sampleRate) + " Hz, " +
                        std::to_string(channels) + " channels");
  inputRate_ = sampleRate;
  inputChannels_ = channels;
  if (!writer_) return;
  // Samples of the former format still in the converter go out first.
  if (!writer_->FlushConverter()) Raise(AUDIO_ERR_WRITE, writer_->file->ErrorText());
  writer_->inputChannels = channels;
  if (!writer_->resampler.Configure(sampleRate, channels, detail::Resampler::Interleaved16(),
                                    writer_->outputRate, writer_->outputChannels))
    SetError(AUDIO_ERR_BAD_INPUT_FORMAT, "The input format cannot be converted");
}

void TAudioFile2::WriteBlock(const TSampleBlock& block) {
  if (!writer_) Raise(AUDIO_ERR_NOT_OPEN, "No file is open for writing");
  int frames = static_cast<int>(block.size() / static_cast<size_t>(writer_->inputChannels));
  if (!writer_->Convert(block.data(), frames))
    Raise(AUDIO_ERR_WRITE, writer_->file->ErrorText());
}

void TAudioFile2::FinishWriter() {
  bool ok = writer_->FlushConverter();
  ok = writer_->file->Finish() && ok;
  if (!ok) SetError(AUDIO_ERR_WRITE, writer_->file->ErrorText());
  writer_.reset();
}

void TAudioFile2::Close() {
  reader_.Close();
  if (writer_) FinishWriter();
  inputRate_ = inputChannels_ = 0;
}

int TAudioFile2::SampleRate() const {
  if (reader_.IsOpen()) return reader_.SampleRate();
  return writer_ ? writer_->outputRate : output_->sampleRate;
}

int TAudioFile2::Channels() const {
  if (reader_.IsOpen()) return reader_.Channels();
  return writer_ ? writer_->outputChannels : output_->channels;
}

int TAudioFile2::FileSampleRate() const { return reader_.IsOpen() ? reader_.SampleRate() : 0; }

int TAudioFile2::FileChannels() const { return reader_.IsOpen() ? reader_.Channels() : 0; }

std::int64_t TAudioFile2::LengthSamples() const {
  if (reader_.IsOpen()) return reader_.LengthFrames();
  return writer_ ? writer_->framesWritten : 0;
}

std::string TAudioFile2::FormatText() const {
  if (reader_.IsOpen()) return reader_.FormatText();
  if (readFailed_) return "Unreadable file";
  if (writer_) return writer_->formatText;
  const Output& out = *output_;
  switch (out.kind) {
    case OutputKind::Wav: return detail::DescribePcm(out.bitsPerSample, out.sampleRate, out.channels);
    case OutputKind::Mp3:
      if (out.mp3.constantBitRate)
        return detail::DescribeFormat("MPEG Layer 3", out.mp3.bitRateKbps, out.sampleRate, out.channels);
      return detail::DescribeFormat("MPEG Layer 3, VBR", 0, out.sampleRate, out.channels);
    case OutputKind::Ogg:
      return detail::DescribeFormat("Ogg Vorbis, quality " + std::to_string(std::clamp(out.oggQuality, 0, 1000) / 100),
                                    0, out.sampleRate, out.channels);
    case OutputKind::Wma: {
      const auto& profiles = detail::WmaProfiles();
      int kbps = 0;
      if (out.wmaProfile >= 1 && out.wmaProfile <= static_cast<int>(profiles.size()))
        kbps = profiles[static_cast<size_t>(out.wmaProfile - 1)].bitRateKbps;
      return detail::DescribeFormat("Windows Media Audio", kbps, out.sampleRate, out.channels);
    }
  }
  return "Audio";
}
