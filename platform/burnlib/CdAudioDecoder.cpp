#include "platform/burnlib/CdAudioDecoder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace burnlib {

namespace {

constexpr int kCdRate = 44100;

std::int32_t FormatOf(AVCodecID id) {
  if (id >= AV_CODEC_ID_PCM_S16LE && id < AV_CODEC_ID_ADPCM_IMA_QT) return 1;
  if (id == AV_CODEC_ID_MP3) return 2;
  if (id == AV_CODEC_ID_VORBIS) return 3;
  return 0;
}

std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// Everything one decode holds, freed in one place.
struct Decoder {
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  SwrContext* resampler = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  int stream = -1;
  ~Decoder() {
    av_frame_free(&frame);
    av_packet_free(&packet);
    swr_free(&resampler);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
  }
};

std::string Open(Decoder& d, const std::string& source) {
  int rc = avformat_open_input(&d.format, source.c_str(), nullptr, nullptr);
  if (rc < 0) return "cannot open " + source + ": " + AvError(rc);
  if ((rc = avformat_find_stream_info(d.format, nullptr)) < 0) return "cannot read " + source + ": " + AvError(rc);
  const AVCodec* codec = nullptr;
  d.stream = av_find_best_stream(d.format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  if (d.stream < 0 || !codec) return source + " holds no audio";
  d.codec = avcodec_alloc_context3(codec);
  if (!d.codec) return "out of memory";
  avcodec_parameters_to_context(d.codec, d.format->streams[d.stream]->codecpar);
  if ((rc = avcodec_open2(d.codec, codec, nullptr)) < 0) return "cannot decode " + source + ": " + AvError(rc);
  if (d.codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
    av_channel_layout_default(&d.codec->ch_layout, d.codec->ch_layout.nb_channels);
  if (d.codec->sample_rate <= 0 || d.codec->ch_layout.nb_channels <= 0) return source + " has no usable format";
  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  rc = swr_alloc_set_opts2(&d.resampler, &stereo, AV_SAMPLE_FMT_S16, kCdRate, &d.codec->ch_layout,
                           d.codec->sample_fmt, d.codec->sample_rate, 0, nullptr);
  if (rc < 0 || swr_init(d.resampler) < 0) return "cannot convert " + source + " to CD audio";
  d.packet = av_packet_alloc();
  d.frame = av_frame_alloc();
  if (!d.packet || !d.frame) return "out of memory";
  return "";
}

// Converts one decoded frame (or drains the resampler when frame is null)
// and appends the samples to the output.
bool WriteConverted(Decoder& d, const AVFrame* frame, std::FILE* out, std::int64_t& bytes) {
  int inCount = frame ? frame->nb_samples : 0;
  int capacity = swr_get_out_samples(d.resampler, inCount);
  if (capacity <= 0) return true;
  std::vector<std::uint8_t> buffer(static_cast<size_t>(capacity) * 4);
  std::uint8_t* outPlanes[1] = {buffer.data()};
  int made = swr_convert(d.resampler, outPlanes, capacity,
                         frame ? const_cast<const std::uint8_t**>(frame->extended_data) : nullptr, inCount);
  if (made < 0) return false;
  size_t size = static_cast<size_t>(made) * 4;
  if (std::fwrite(buffer.data(), 1, size, out) != size) return false;
  bytes += static_cast<std::int64_t>(size);
  return true;
}

// Receives every frame the decoder has ready.
int DrainFrames(Decoder& d, std::FILE* out, std::int64_t& bytes, bool& writeFailed) {
  int rc;
  while ((rc = avcodec_receive_frame(d.codec, d.frame)) >= 0) {
    if (!WriteConverted(d, d.frame, out, bytes)) writeFailed = true;
    av_frame_unref(d.frame);
    if (writeFailed) return 0;
  }
  return rc == AVERROR(EAGAIN) || rc == AVERROR_EOF ? 0 : rc;
}

}  // namespace

DecodeResult DecodeToCdAudio(const std::string& source, const std::string& target,
                             const std::function<void(float, std::int32_t)>& progress) {
  DecodeResult result;
  av_log_set_level(AV_LOG_QUIET);
  Decoder d;
  result.error = Open(d, source);
  if (!result.error.empty()) return result;
  result.format = FormatOf(d.codec->codec_id);

  std::FILE* out = std::fopen(target.c_str(), "wb");
  if (!out) {
    result.error = "cannot write " + target + ": " + std::strerror(errno);
    return result;
  }
  const std::int64_t duration = d.format->duration;  // AV_TIME_BASE units, or AV_NOPTS_VALUE
  const AVRational timeBase = d.format->streams[d.stream]->time_base;
  int lastPercent = -1;
  bool writeFailed = false;
  std::string failure;
  while (!writeFailed && failure.empty()) {
    int rc = av_read_frame(d.format, d.packet);
    if (rc == AVERROR_EOF) break;
    if (rc < 0) {
      failure = "cannot read " + source + ": " + AvError(rc);
      break;
    }
    if (d.packet->stream_index == d.stream) {
      if (progress && duration > 0 && d.packet->pts != AV_NOPTS_VALUE) {
        std::int64_t at = av_rescale_q(d.packet->pts, timeBase, AV_TIME_BASE_Q);
        int percent = static_cast<int>(std::min<std::int64_t>(100, std::max<std::int64_t>(0, at * 100 / duration)));
        if (percent != lastPercent) progress(static_cast<float>(lastPercent = percent), result.format);
      }
      // A damaged packet is skipped; the decoder resynchronises on the next.
      if (avcodec_send_packet(d.codec, d.packet) >= 0) DrainFrames(d, out, result.bytes, writeFailed);
    }
    av_packet_unref(d.packet);
  }
  if (failure.empty() && !writeFailed) {
    avcodec_send_packet(d.codec, nullptr);
    DrainFrames(d, out, result.bytes, writeFailed);
    if (!writeFailed && !WriteConverted(d, nullptr, out, result.bytes)) writeFailed = true;
  }
  // Silence up to the end of the last sector.
  std::int64_t pad = (kCdSectorBytes - result.bytes % kCdSectorBytes) % kCdSectorBytes;
  if (!writeFailed && failure.empty() && pad > 0) {
    std::vector<char> zeros(static_cast<size_t>(pad), 0);
    if (std::fwrite(zeros.data(), 1, zeros.size(), out) != zeros.size()) writeFailed = true;
    result.bytes += pad;
  }
  if (std::fclose(out) != 0) writeFailed = true;
  if (writeFailed) failure = "cannot write " + target + ": the disk may be full";
  if (failure.empty() && result.bytes == 0) failure = source + " holds no audio samples";
  if (!failure.empty()) {
    std::remove(target.c_str());
    result.error = failure;
    result.bytes = 0;
    return result;
  }
  if (progress && lastPercent != 100) progress(100.0f, result.format);
  result.ok = true;
  return result;
}

}  // namespace burnlib
