#pragma once
// The inside of FileReader, shared by the files that implement it: opening
// and decoding (FileReader.cpp), and learning the length (FileLength.cpp).

#include "platform/audio/AudioTypes.h"
#include "platform/audio/FileReader.h"
#include "platform/audio/Resampler.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace detail {

// Packets decoded ahead of a seek target so that overlap windows and the
// MP3 bit reservoir hold the same data as in a decode from the start.
constexpr std::int64_t kWarmUpPackets = 16;

struct FileReader::Impl {
  std::string path;
  // The file stays open for the reader's life; the demuxer is started anew
  // on it to go back to the start.
  AVIOContext* file = nullptr;
  const AVInputFormat* container = nullptr;
  AVFormatContext* format = nullptr;
  AVCodecContext* decoder = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  int stream = -1;
  Resampler converter;
  int rate = 0;
  int channels = 0;
  std::int64_t length = 0;
  bool pcm = false;
  std::string formatText;
  std::string errorText;
  // Decoded frames that came out before each packet of the stream was
  // sent, from opening; the map from frame to packet for seeking.
  std::vector<std::int64_t> samplesBefore;

  std::int64_t packetOrdinal = 0;   // ordinal of the next packet of the stream
  std::int64_t outputFrame = 0;     // file position of the next decoded frame
  std::int64_t warmUpUntil = 0;     // output of earlier packets is dropped
  bool dropOutput = false;
  bool positionFromPts = false;     // take outputFrame from the next packet
  std::int64_t discardBefore = 0;   // decoded frames before this are dropped
  bool demuxEnded = false;
  bool decoderEnded = false;
  TSampleBlock pending;             // decoded, not yet handed out
  size_t pendingOffset = 0;
  std::int64_t position = 0;

  // ReadFloat's output: decoded frames go straight to the caller's planes
  // while they fit; the rest of a decoded frame waits in pendingPlanes.
  bool floatOutput = false;
  float* const* target = nullptr;
  std::int64_t targetFilled = 0, targetRoom = 0;
  std::vector<float> pendingPlanes[2];
  size_t pendingPlaneOffset = 0;

  ~Impl() { Release(); }

  int Fail(int code, const std::string& text);
  void Release();
  bool OpenDemuxer();
  void ResetDecodingState();
  // Back to the first packet with the decoder as fresh as after opening.
  void Rewind();
  int OpenDecoder();
  void DescribeFile();

  // Sets length and, for compressed data, samplesBefore; AUDIO_OK or an
  // error code.
  int CountLength();
  // Whether the file really holds frame number frame, in full.
  bool HoldsFrame(std::int64_t frame, int blockAlign);
  // Uncompressed data: the header's count when the file really holds it,
  // otherwise the frames that are there.
  void CountPcmLength();
  // Compressed data the container's timestamps do not describe exactly:
  // decode everything once.
  int CountByDecoding();
  // Sends packet (the end, when null) and counts the frames that come out.
  std::int64_t DecodeCounting(const AVPacket* input);
  // One pass over the packets, decoding only the first and the last few.
  // The first show where the decoder's output starts (encoder delay, a
  // priming packet); from there each packet's timestamp tells its place.
  // The last show where the output really ends (padding, a damaged last
  // frame). False when a packet's timestamp is missing, not a whole
  // sample, or leaves a gap: then only decoding everything tells.
  bool MapFromTimestamps();

  void BeginPacket();
  void TakeFrame();
  void TakeFloatFrame(const std::uint8_t* const* data, int count);
  std::int64_t PendingPlaneFrames() const;
  // Moves waiting float frames to the target; returns how many.
  std::int64_t HandOutPendingPlanes();
  // Decodes one more packet; false once nothing more will come.
  bool DecodeMore();
  void SkipPacketsTo(std::int64_t ordinal);
};

}  // namespace detail
