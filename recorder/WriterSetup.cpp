#include "recorder/WriterSetup.h"

#include <cstdint>

#include "recorder/GlobeVar.h"

void ApplyMp3EncoderSettings(TAudioFile2LameEnc& encoder) {
  if (MP3VBREnable) {
    encoder.SetConstantBitRate(false);
    encoder.SetMaxBitRate(MP3MaxBitRate);
    encoder.SetVBRHeader(MP3VBRHeader);
    encoder.SetVBRMode(0);
    encoder.SetVBRQuality(static_cast<std::int16_t>(MP3VBRQuality));
  } else {
    encoder.SetConstantBitRate(true);
  }
  encoder.SetQuality(static_cast<std::int16_t>(MP3EncoderQuality));
}

void ChooseWriterOutput(TAudioFile2& writer, TAudioFile2LameEnc& encoder, TOutputFormat format) {
  writer.SetWMAEnabled(format == TOutputFormat::Wma);
  switch (format) {
    case TOutputFormat::Wav: writer.SetWAVOutput(WavFreq, WavChannels, WavSampleRate); break;
    case TOutputFormat::Mp3:
      ApplyMp3EncoderSettings(encoder);
      writer.SetMP3Output(MP3Freq, MP3BitRate, MP3Channels);
      break;
    case TOutputFormat::Ogg:
      writer.SetOGGOutput(OggFreq, OggChannels, static_cast<std::int16_t>(OggBitRate), 0, 0, 128);
      break;
    case TOutputFormat::Wma: writer.SetWMAOutput(WmaFormat); break;
  }
}

void CreateRecordingWriter(TAudioFile2& writer, TAudioFile2LameEnc& encoder, TOutputFormat format,
                           const std::string& path) {
  ChooseWriterOutput(writer, encoder, format);
  writer.CreateWrite(path, 0);
  if (writer.LastError() != 0) {
    // The writer's own text already names the file and the reason.
    const std::string reason = writer.LastErrorText();
    throw EAudioFileError(writer.LastError(), reason.empty() ? "Cannot create \"" + path + "\"" : reason);
  }
}

int PrepareCapture(TAudioRecord2& recorder, const TAudioFile2& writer) {
  recorder.SetFormat(writer.SampleRate(), writer.Channels());
  const int blockSamples = recorder.MsToSamples(kRecordBlockMs);
  recorder.SetBlockSize(blockSamples);
  return blockSamples;
}

int PrepareRecording(TAudioRecord2& recorder, TAudioFile2& writer, TAudioFile2LameEnc& encoder,
                     TOutputFormat format, const std::string& path, bool reduceNoise) {
  CreateRecordingWriter(writer, encoder, format, path);
  try {
    const int blockSamples = PrepareCapture(recorder, writer);
    ApplyNoiseReduction(recorder, reduceNoise);
    recorder.Start();
    return blockSamples;
  } catch (...) {
    writer.Close();
    throw;
  }
}

void ApplyNoiseReduction(TAudioRecord2& recorder, bool reduce) {
  recorder.SetLowCutEnabled(reduce);
  recorder.SetLowCutFrequency(100.0f);
  recorder.SetHighCutEnabled(reduce);
  recorder.SetHighCutFrequency(8000.0f);
  recorder.SetNoiseLevelEnabled(false);
  recorder.SetNoiseLevel(50.0f);
}
