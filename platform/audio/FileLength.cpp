#include "platform/audio/AudioFileErrors.h"
#include "platform/audio/FileReaderImpl.h"

namespace detail {

namespace {

// Packets decoded at either end of a file whose length the timestamps tell.
constexpr std::int64_t kHeadPackets = 16;
constexpr std::int64_t kTailPackets = 8;

// Decoders that hand out a packet's samples as soon as it is sent, each
// packet as long as its duration says: packet timestamps then map to
// output positions.
bool HasTimedPackets(AVCodecID id) {
  return id == AV_CODEC_ID_MP3 || id == AV_CODEC_ID_MP2 || id == AV_CODEC_ID_MP1 || id == AV_CODEC_ID_VORBIS;
}

}  // namespace

int FileReader::Impl::CountLength() {
  if (pcm) {
    CountPcmLength();
    return AUDIO_OK;
  }
  return MapFromTimestamps() ? AUDIO_OK : CountByDecoding();
}

bool FileReader::Impl::HoldsFrame(std::int64_t frame, int blockAlign) {
  AVStream* audio = format->streams[stream];
  bool holds = false;
  if (av_seek_frame(format, stream, av_rescale_q(frame, AVRational{1, rate}, audio->time_base),
                    AVSEEK_FLAG_BACKWARD) >= 0) {
    while (av_read_frame(format, packet) >= 0) {
      bool ours = packet->stream_index == stream;
      holds = ours && packet->size >= blockAlign;
      av_packet_unref(packet);
      if (ours) break;
    }
  }
  Rewind();
  return holds;
}

void FileReader::Impl::CountPcmLength() {
  AVStream* audio = format->streams[stream];
  int blockAlign = audio->codecpar->block_align;
  if (audio->duration != AV_NOPTS_VALUE && blockAlign > 0) {
    std::int64_t frames = av_rescale_q(audio->duration, audio->time_base, AVRational{1, rate});
    if (frames == 0 || (frames > 0 && HoldsFrame(frames - 1, blockAlign))) {
      length = frames;
      return;
    }
  }
  std::int64_t total = 0;
  while (av_read_frame(format, packet) >= 0) {
    if (packet->stream_index == stream && blockAlign > 0) total += packet->size / blockAlign;
    av_packet_unref(packet);
  }
  length = total;
  Rewind();
}

int FileReader::Impl::CountByDecoding() {
  samplesBefore.clear();
  std::int64_t total = 0;
  while (av_read_frame(format, packet) >= 0) {
    if (packet->stream_index == stream) {
      samplesBefore.push_back(total);
      total += DecodeCounting(packet);
    }
    av_packet_unref(packet);
  }
  total += DecodeCounting(nullptr);
  length = total;
  if (total == 0 && !samplesBefore.empty())
    return Fail(AUDIO_ERR_DECODER, "The file holds no audio that can be decoded");
  Rewind();
  return AUDIO_OK;
}

std::int64_t FileReader::Impl::DecodeCounting(const AVPacket* input) {
  std::int64_t frames = 0;
  avcodec_send_packet(decoder, input);
  while (avcodec_receive_frame(decoder, frame) >= 0) {
    frames += frame->nb_samples;
    av_frame_unref(frame);
  }
  return frames;
}

bool FileReader::Impl::MapFromTimestamps() {
  AVRational base = format->streams[stream]->time_base;
  if (!HasTimedPackets(decoder->codec_id) || base.num != 1 || base.den % rate != 0) return false;
  const std::int64_t unit = base.den / rate;
  std::vector<AVPacket*> tail(kWarmUpPackets + kTailPackets);  // the last packets, as a ring
  bool timed = true;
  for (AVPacket*& kept : tail) timed = (kept = av_packet_alloc()) != nullptr && timed;
  samplesBefore.clear();
  std::int64_t decoded = 0, origin = 0, nextPts = 0;
  while (timed && av_read_frame(format, packet) >= 0) {
    if (packet->stream_index != stream) {
      av_packet_unref(packet);
      continue;
    }
    auto ordinal = static_cast<std::int64_t>(samplesBefore.size());
    timed = packet->pts != AV_NOPTS_VALUE && packet->duration > 0 && packet->pts % unit == 0 &&
            packet->duration % unit == 0 && (ordinal == 0 || packet->pts == nextPts);
    nextPts = packet->pts + packet->duration;
    if (ordinal < kHeadPackets) {
      samplesBefore.push_back(decoded);
      decoded += DecodeCounting(packet);
      av_packet_unref(packet);
    } else {
      if (ordinal == kHeadPackets) origin = packet->pts / unit - decoded;
      samplesBefore.push_back(packet->pts / unit - origin);
      AVPacket* kept = tail[static_cast<size_t>(ordinal) % tail.size()];
      av_packet_unref(kept);
      av_packet_move_ref(kept, packet);
    }
  }
  auto count = static_cast<std::int64_t>(samplesBefore.size());
  bool mapped = timed && decoded > 0 && count >= kHeadPackets + static_cast<std::int64_t>(tail.size());
  if (mapped) {
    // The last packets, after a warm-up, as a seek to them would decode.
    avcodec_flush_buffers(decoder);
    std::int64_t first = count - static_cast<std::int64_t>(tail.size());
    std::int64_t counted = 0;
    for (std::int64_t ordinal = first; ordinal < count; ++ordinal) {
      std::int64_t frames = DecodeCounting(tail[static_cast<size_t>(ordinal) % tail.size()]);
      if (ordinal >= count - kTailPackets) counted += frames;
    }
    counted += DecodeCounting(nullptr);
    length = samplesBefore[static_cast<size_t>(count - kTailPackets)] + counted;
  }
  for (AVPacket*& kept : tail) av_packet_free(&kept);
  Rewind();
  return mapped;
}

}  // namespace detail
