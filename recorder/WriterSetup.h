#pragma once
// Setting up a recording: the file writer for the chosen format with the
// format settings of the options, then the capture in the writer's format.

#include <string>

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioFile2LameEnc.h"
#include "platform/audio/AudioRecord2.h"
#include "recorder/OutputNaming.h"

// The MP3 encoder settings from MP3VBREnable, MP3MaxBitRate, MP3VBRHeader,
// MP3VBRQuality and MP3EncoderQuality, in the order the encoder takes them.
void ApplyMp3EncoderSettings(TAudioFile2LameEnc& encoder);

// WMAEnabled for the format, then its output choice from the settings.
void ChooseWriterOutput(TAudioFile2& writer, TAudioFile2LameEnc& encoder, TOutputFormat format);

// Chooses the output and creates the file. Throws EAudioFileError naming
// the file when it cannot be created (the writer's LastError is kept).
void CreateRecordingWriter(TAudioFile2& writer, TAudioFile2LameEnc& encoder, TOutputFormat format,
                           const std::string& path);

// The capture blocks' duration.
constexpr int kRecordBlockMs = 400;

// Capture in the writer's output format, in blocks of 400 ms; answers the
// block size in samples per channel.
int PrepareCapture(TAudioRecord2& recorder, const TAudioFile2& writer);

// The whole set-up of a recording, in order: the writer for the format,
// capture in its format, the noise filters, then capture starts; answers
// the block size. When capture cannot start, the file is closed (a valid,
// empty file) before the error is passed on, so no writer is left open.
int PrepareRecording(TAudioRecord2& recorder, TAudioFile2& writer, TAudioFile2LameEnc& encoder,
                     TOutputFormat format, const std::string& path, bool reduceNoise);

// The low-cut (100 Hz) and high-cut (8000 Hz) filters on or off together;
// the noise-level filter stays off (level 50).
void ApplyNoiseReduction(TAudioRecord2& recorder, bool reduce);
