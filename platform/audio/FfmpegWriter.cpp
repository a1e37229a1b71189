#include "platform/audio/FfmpegWriter.h"

#include "platform/audio/FfmpegSetup.h"

#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

namespace detail {

struct FfmpegWriter::Impl {
  AVFormatContext* format = nullptr;
  AVCodecContext* encoder = nullptr;
  AVStream* stream = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  bool headerWritten = false;
  int channels = 0;
  int frameSize = 0;
  bool silentFrameAtEachEnd = false;
  std::int64_t nextPts = 0;
  std::vector<std::vector<float>> planes;  // samples waiting for a full frame
  size_t consumed = 0;                      // of planes, already encoded

  ~Impl() { Release(); }

  void Release() {
    avcodec_free_context(&encoder);
    av_frame_free(&frame);
    av_packet_free(&packet);
    if (format) {
      if (format->pb) avio_closep(&format->pb);
      avformat_free_context(format);
      format = nullptr;
    }
    headerWritten = false;
  }

  // Hands frame (or the end, when null) to the encoder and writes what comes out.
  bool Encode(AVFrame* input) {
    if (avcodec_send_frame(encoder, input) < 0) return false;
    for (;;) {
      int result = avcodec_receive_packet(encoder, packet);
      if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
      if (result < 0) return false;
      av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
      packet->stream_index = stream->index;
      result = av_write_frame(format, packet);
      av_packet_unref(packet);
      if (result < 0) return false;
    }
  }

  // Encodes count waiting samples from the front of the planes.
  bool EncodePending(int count) {
    frame->nb_samples = frameSize;
    if (av_frame_make_writable(frame) < 0) return false;
    frame->nb_samples = count;
    for (int channel = 0; channel < channels; ++channel) {
      const float* source = planes[channel].data() + consumed;
      std::copy(source, source + count, reinterpret_cast<float*>(frame->extended_data[channel]));
    }
    consumed += static_cast<size_t>(count);
    frame->pts = nextPts;
    nextPts += count;
    return Encode(frame);
  }

  void AppendSilence(size_t frames) {
    for (auto& plane : planes) plane.resize(plane.size() + frames, 0.0f);
  }

  void DropConsumed() {
    for (auto& plane : planes) plane.erase(plane.begin(), plane.begin() + static_cast<std::ptrdiff_t>(consumed));
    consumed = 0;
  }
};

FfmpegWriter::FfmpegWriter() : impl_(std::make_unique<Impl>()) {}

FfmpegWriter::~FfmpegWriter() {
  if (impl_->headerWritten) Finish();
}

bool FfmpegWriter::Open(const std::string& path, const FfmpegOutput& output) {
  EnsureCodecLibrariesReady();
  Impl& d = *impl_;
  const AVCodec* codec = avcodec_find_encoder_by_name(output.encoder.c_str());
  if (!codec) return Fail("The " + output.encoder + " encoder is not available");
  if (avformat_alloc_output_context2(&d.format, nullptr, output.container.c_str(), path.c_str()) < 0)
    return Fail("The " + output.container + " container is not available");
  d.encoder = avcodec_alloc_context3(codec);
  d.frame = av_frame_alloc();
  d.packet = av_packet_alloc();
  if (!d.encoder || !d.frame || !d.packet) return Fail("Out of memory");

  // Both encoders take planar float samples.
  d.encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
  d.encoder->sample_rate = output.sampleRate;
  av_channel_layout_default(&d.encoder->ch_layout, output.channels);
  d.encoder->time_base = AVRational{1, output.sampleRate};
  if (output.quality >= 0) {
    d.encoder->flags |= AV_CODEC_FLAG_QSCALE;
    d.encoder->global_quality = static_cast<int>(output.quality * FF_QP2LAMBDA);
  } else {
    d.encoder->bit_rate = output.bitRate;
  }
  if (d.format->oformat->flags & AVFMT_GLOBALHEADER) d.encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (avcodec_open2(d.encoder, codec, nullptr) < 0) {
    d.Release();
    return Fail("The " + output.encoder + " encoder does not accept " +
                std::to_string(output.sampleRate) + " Hz, " + std::to_string(output.channels) +
                " channels at this setting");
  }
  d.stream = avformat_new_stream(d.format, nullptr);
  if (!d.stream || avcodec_parameters_from_context(d.stream->codecpar, d.encoder) < 0) {
    d.Release();
    return Fail("The output stream cannot be set up");
  }
  d.stream->time_base = d.encoder->time_base;
  if (avio_open(&d.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) {
    d.Release();
    return Fail("The file cannot be created: " + path);
  }
  if (avformat_write_header(d.format, nullptr) < 0) {
    d.Release();
    return Fail("The file header cannot be written: " + path);
  }
  d.headerWritten = true;
  d.channels = output.channels;
  d.frameSize = d.encoder->frame_size > 0 ? d.encoder->frame_size : 1024;
  d.planes.assign(static_cast<size_t>(d.channels), {});
  d.silentFrameAtEachEnd = output.silentFrameAtEachEnd;
  if (d.silentFrameAtEachEnd) d.AppendSilence(static_cast<size_t>(d.frameSize));
  d.frame->format = d.encoder->sample_fmt;
  av_channel_layout_copy(&d.frame->ch_layout, &d.encoder->ch_layout);
  d.frame->sample_rate = d.encoder->sample_rate;
  d.frame->nb_samples = d.frameSize;
  if (av_frame_get_buffer(d.frame, 0) < 0) {
    d.Release();
    return Fail("Out of memory");
  }
  return true;
}

bool FfmpegWriter::Write(const std::int16_t* samples, int frames) {
  Impl& d = *impl_;
  if (!d.headerWritten) return Fail("The file is not open");
  for (int channel = 0; channel < d.channels; ++channel) {
    std::vector<float>& plane = d.planes[channel];
    plane.reserve(plane.size() + static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
      plane.push_back(samples[static_cast<size_t>(i) * d.channels + channel] * (1.0f / 32768.0f));
  }
  bool ok = true;
  while (ok && d.planes[0].size() - d.consumed >= static_cast<size_t>(d.frameSize)) ok = d.EncodePending(d.frameSize);
  d.DropConsumed();
  return ok || Fail("Encoding or writing the file failed");
}

bool FfmpegWriter::Finish() {
  Impl& d = *impl_;
  if (!d.headerWritten) return true;
  bool ok = true;
  if (d.silentFrameAtEachEnd) {
    // Silence to the end of the frame in hand, then one whole frame more.
    size_t rest = d.planes[0].size() - d.consumed;
    size_t size = static_cast<size_t>(d.frameSize);
    d.AppendSilence((size - rest % size) % size + size);
  }
  while (ok && d.planes[0].size() - d.consumed >= static_cast<size_t>(d.frameSize)) ok = d.EncodePending(d.frameSize);
  int rest = static_cast<int>(d.planes[0].size() - d.consumed);
  if (ok && rest > 0) ok = d.EncodePending(rest);
  // Whatever the encoder still holds goes out before the trailer.
  ok = d.Encode(nullptr) && ok;
  ok = av_write_trailer(d.format) == 0 && ok;
  ok = avio_closep(&d.format->pb) == 0 && ok;
  d.Release();
  return ok || Fail("Completing the file failed");
}

}  // namespace detail
