#include "platform/audio/FileReader.h"

#include "platform/audio/AudioFileErrors.h"
#include "platform/audio/FfmpegSetup.h"
#include "platform/audio/FileReaderImpl.h"
#include "platform/audio/FormatDescription.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

extern "C" {
#include <libavutil/samplefmt.h>
}

namespace detail {

namespace {

// The most frames one Read hands out, to bound memory on absurd counts.
constexpr std::int64_t kMaxReadFrames = 1 << 24;

// The most channels a decoded frame may carry for us to take it.
constexpr int kMaxFrameChannels = 64;

bool ContainerIs(const AVInputFormat* format, const char* wanted) {
  return format && std::strcmp(format->name, wanted) == 0;
}

bool IsSupportedContainer(const AVInputFormat* format) {
  return ContainerIs(format, "wav") || ContainerIs(format, "mp3") || ContainerIs(format, "ogg") ||
         ContainerIs(format, "asf");
}

// An ID3v2 tag header: "ID3", version, flags and a size of four 7-bit bytes.
bool StartsWithId3Tag(const unsigned char* bytes) {
  return bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3' && bytes[3] != 0xFF && bytes[4] != 0xFF &&
         (bytes[6] | bytes[7] | bytes[8] | bytes[9]) < 0x80;
}

// Uncompressed samples, one whole frame per block: lengths and positions
// follow from byte counts.
bool IsPlainPcm(const AVCodecParameters* parameters) {
  AVCodecID id = parameters->codec_id;
  if (id < AV_CODEC_ID_PCM_S16LE || id >= AV_CODEC_ID_ADPCM_IMA_QT) return false;
  int bits = av_get_exact_bits_per_sample(id);
  return bits >= 8 && parameters->block_align == parameters->ch_layout.nb_channels * bits / 8;
}

std::string CodecTitle(AVCodecID id) {
  switch (id) {
    case AV_CODEC_ID_MP3: return "MPEG Layer 3";
    case AV_CODEC_ID_MP2: return "MPEG Layer 2";
    case AV_CODEC_ID_MP1: return "MPEG Layer 1";
    case AV_CODEC_ID_VORBIS: return "Ogg Vorbis";
    case AV_CODEC_ID_OPUS: return "Ogg Opus";
    case AV_CODEC_ID_FLAC: return "FLAC";
    case AV_CODEC_ID_WMAV1:
    case AV_CODEC_ID_WMAV2: return "Windows Media Audio";
    case AV_CODEC_ID_WMAPRO: return "Windows Media Audio Professional";
    case AV_CODEC_ID_WMAVOICE: return "Windows Media Audio Voice";
    default: break;
  }
  const AVCodecDescriptor* descriptor = avcodec_descriptor_get(id);
  return descriptor && descriptor->long_name ? descriptor->long_name : "Audio";
}

}  // namespace

int FileReader::Impl::Fail(int code, const std::string& text) {
  errorText = text;
  Release();
  return code;
}

void FileReader::Impl::Release() {
  avcodec_free_context(&decoder);
  avformat_close_input(&format);
  av_packet_free(&packet);
  av_frame_free(&frame);
  avio_closep(&file);
  stream = -1;
}

bool FileReader::Impl::OpenDemuxer() {
  avformat_close_input(&format);
  if (avio_seek(file, 0, SEEK_SET) < 0) return false;
  format = avformat_alloc_context();
  if (!format) return false;
  format->pb = file;
  format->flags |= AVFMT_FLAG_CUSTOM_IO;
  if (avformat_open_input(&format, path.c_str(), container, nullptr) < 0) return false;
  if (avformat_find_stream_info(format, nullptr) < 0) return false;
  stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  return stream >= 0;
}

void FileReader::Impl::ResetDecodingState() {
  packetOrdinal = 0;
  outputFrame = 0;
  warmUpUntil = 0;
  dropOutput = false;
  positionFromPts = false;
  discardBefore = 0;
  demuxEnded = false;
  decoderEnded = false;
  pending.clear();
  pendingOffset = 0;
  for (auto& plane : pendingPlanes) plane.clear();
  pendingPlaneOffset = 0;
}

void FileReader::Impl::Rewind() {
  ResetDecodingState();
  if (!OpenDemuxer()) {
    demuxEnded = decoderEnded = true;
    return;
  }
  avcodec_flush_buffers(decoder);
}

int FileReader::Impl::OpenDecoder() {
  AVStream* audio = format->streams[stream];
  const AVCodec* codec = avcodec_find_decoder(audio->codecpar->codec_id);
  if (!codec) return Fail(AUDIO_ERR_DECODER, "The audio codec of this file is not supported");
  decoder = avcodec_alloc_context3(codec);
  if (!decoder || avcodec_parameters_to_context(decoder, audio->codecpar) < 0 ||
      avcodec_open2(decoder, codec, nullptr) < 0)
    return Fail(AUDIO_ERR_DECODER, "The audio decoder could not be started");
  int sourceChannels = decoder->ch_layout.nb_channels;
  if (decoder->sample_rate <= 0 || decoder->sample_rate > 768000 || sourceChannels <= 0 ||
      sourceChannels > kMaxFrameChannels)
    return Fail(AUDIO_ERR_UNKNOWN_FORMAT, "The file declares an impossible audio format");
  rate = decoder->sample_rate;
  channels = std::min(sourceChannels, 2);
  pcm = IsPlainPcm(audio->codecpar);
  return AUDIO_OK;
}

void FileReader::Impl::DescribeFile() {
  const AVCodecParameters* parameters = format->streams[stream]->codecpar;
  int sourceChannels = parameters->ch_layout.nb_channels;
  if (pcm) {
    formatText = DescribePcm(av_get_bits_per_sample(parameters->codec_id), rate, sourceChannels);
    return;
  }
  std::int64_t bitRate = parameters->bit_rate > 0 ? parameters->bit_rate : format->bit_rate;
  if (bitRate <= 0 && length > 0) {
    std::int64_t bytes = avio_size(format->pb);
    if (bytes > 0) bitRate = bytes * 8 * rate / length;
  }
  formatText = DescribeFormat(CodecTitle(parameters->codec_id),
                              static_cast<int>((bitRate + 500) / 1000), rate, sourceChannels);
}

void FileReader::Impl::BeginPacket() {
  if (pcm) {
    if (positionFromPts && packet->pts != AV_NOPTS_VALUE)
      outputFrame = av_rescale_q(packet->pts, format->streams[stream]->time_base, AVRational{1, rate});
    positionFromPts = false;
    return;
  }
  dropOutput = packetOrdinal < warmUpUntil;
  if (warmUpUntil > 0 && packetOrdinal == warmUpUntil &&
      packetOrdinal < static_cast<std::int64_t>(samplesBefore.size()))
    outputFrame = samplesBefore[packetOrdinal];
  ++packetOrdinal;
}

void FileReader::Impl::TakeFrame() {
  int count = frame->nb_samples;
  if (count <= 0 || dropOutput) return;
  std::int64_t start = outputFrame;
  outputFrame += count;
  if (outputFrame <= discardBefore) return;
  int skip = static_cast<int>(std::max<std::int64_t>(0, discardBefore - start));
  int frameChannels = frame->ch_layout.nb_channels;
  const int outFormat = floatOutput ? Resampler::PlanarFloat() : Resampler::Interleaved16();
  if (!converter.IsConfiguredFor(frame->sample_rate, frameChannels, frame->format, outFormat) &&
      !(floatOutput ? converter.ConfigurePlanarFloat(frame->sample_rate, frameChannels, frame->format, rate, channels)
                    : converter.Configure(frame->sample_rate, frameChannels, frame->format, rate, channels)))
    return;
  auto sampleFormat = static_cast<AVSampleFormat>(frame->format);
  int bytes = av_get_bytes_per_sample(sampleFormat);
  bool planar = av_sample_fmt_is_planar(sampleFormat);
  int planes = planar ? frameChannels : 1;
  if (planes > kMaxFrameChannels) return;
  std::array<const std::uint8_t*, kMaxFrameChannels> data{};
  for (int plane = 0; plane < planes; ++plane)
    data[plane] = frame->extended_data[plane] + static_cast<size_t>(skip) * bytes * (planar ? 1 : frameChannels);
  if (floatOutput)
    TakeFloatFrame(data.data(), count - skip);
  else
    converter.Convert(data.data(), count - skip, pending);
}

void FileReader::Impl::TakeFloatFrame(const std::uint8_t* const* data, int count) {
  const int most = converter.MaxOutput(count);
  std::array<float*, 2> at{};
  if (target && PendingPlaneFrames() == 0 && targetFilled + most <= targetRoom) {
    for (int c = 0; c < channels; ++c) at[c] = target[c] + targetFilled;
    targetFilled += converter.Convert(data, count, at.data(), most);
    return;
  }
  const size_t start = pendingPlanes[0].size();
  for (int c = 0; c < channels; ++c) {
    pendingPlanes[c].resize(start + static_cast<size_t>(most));
    at[c] = pendingPlanes[c].data() + start;
  }
  const int produced = converter.Convert(data, count, at.data(), most);
  for (int c = 0; c < channels; ++c) pendingPlanes[c].resize(start + static_cast<size_t>(produced));
}

std::int64_t FileReader::Impl::PendingPlaneFrames() const {
  return static_cast<std::int64_t>(pendingPlanes[0].size() - pendingPlaneOffset);
}

std::int64_t FileReader::Impl::HandOutPendingPlanes() {
  const std::int64_t count = std::min(PendingPlaneFrames(), targetRoom - targetFilled);
  if (count <= 0) return 0;
  for (int c = 0; c < channels; ++c)
    std::memcpy(target[c] + targetFilled, pendingPlanes[c].data() + pendingPlaneOffset,
                static_cast<size_t>(count) * sizeof(float));
  pendingPlaneOffset += static_cast<size_t>(count);
  if (PendingPlaneFrames() == 0) {
    for (auto& plane : pendingPlanes) plane.clear();
    pendingPlaneOffset = 0;
  }
  return count;
}

bool FileReader::Impl::DecodeMore() {
  if (decoderEnded) return false;
  if (!demuxEnded) {
    if (av_read_frame(format, packet) < 0) {
      demuxEnded = true;
      avcodec_send_packet(decoder, nullptr);
    } else if (packet->stream_index != stream) {
      av_packet_unref(packet);
      return true;
    } else {
      BeginPacket();
      avcodec_send_packet(decoder, packet);
      av_packet_unref(packet);
    }
  }
  for (;;) {
    int result = avcodec_receive_frame(decoder, frame);
    if (result < 0) {
      if (demuxEnded) decoderEnded = true;
      break;
    }
    TakeFrame();
    av_frame_unref(frame);
  }
  return true;
}

void FileReader::Impl::SkipPacketsTo(std::int64_t ordinal) {
  while (packetOrdinal < ordinal && !demuxEnded) {
    if (av_read_frame(format, packet) < 0) {
      demuxEnded = decoderEnded = true;
      return;
    }
    if (packet->stream_index == stream) ++packetOrdinal;
    av_packet_unref(packet);
  }
}


FileReader::FileReader() : impl_(std::make_unique<Impl>()) {}
FileReader::~FileReader() = default;

int FileReader::Open(const std::string& path, bool allowWma) {
  Close();
  EnsureCodecLibrariesReady();
  Impl& d = *impl_;
  d.errorText.clear();
  d.path = path;
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
    return d.Fail(AUDIO_ERR_FILE_NOT_FOUND, "The file does not exist: " + path);
  if (info.st_size == 0) return d.Fail(AUDIO_ERR_EMPTY_FILE, "The file is empty: " + path);

  // Judge the content alone: the file name's extension must not make
  // random bytes pass for audio. Only behind a tag too long to look past
  // does the extension count.
  if (avio_open(&d.file, path.c_str(), AVIO_FLAG_READ) < 0)
    return d.Fail(AUDIO_ERR_FILE_NOT_FOUND, "The file cannot be opened: " + path);
  unsigned char start[10] = {};
  bool tagged = avio_read(d.file, start, sizeof start) == sizeof start && StartsWithId3Tag(start);
  avio_seek(d.file, 0, SEEK_SET);
  const AVInputFormat* container = nullptr;
  int score = av_probe_input_buffer2(d.file, &container, tagged ? path.c_str() : "", nullptr, 0, 0);
  if (score < AVPROBE_SCORE_RETRY || !IsSupportedContainer(container))
    return d.Fail(AUDIO_ERR_UNKNOWN_FORMAT, "Not a WAV, MP3, OGG or WMA file: " + path);
  if (ContainerIs(container, "asf") && !allowWma)
    return d.Fail(AUDIO_ERR_WMA_DISABLED, "WMA files are not enabled on this component");
  d.container = container;

  d.packet = av_packet_alloc();
  d.frame = av_frame_alloc();
  if (!d.packet || !d.frame) return d.Fail(AUDIO_ERR_DECODER, "Out of memory");
  if (!d.OpenDemuxer()) return d.Fail(AUDIO_ERR_NO_AUDIO, "The file holds no readable audio stream");
  int result = d.OpenDecoder();
  if (result != AUDIO_OK) return result;
  d.ResetDecodingState();
  d.position = 0;
  result = d.CountLength();
  if (result != AUDIO_OK) return result;
  d.DescribeFile();
  return AUDIO_OK;
}

void FileReader::Close() {
  impl_->Release();
  impl_->ResetDecodingState();
  impl_->samplesBefore.clear();
  impl_->length = 0;
  impl_->position = 0;
  impl_->rate = impl_->channels = 0;
  impl_->formatText.clear();
}

bool FileReader::IsOpen() const { return impl_->decoder != nullptr; }
int FileReader::SampleRate() const { return impl_->rate; }
int FileReader::Channels() const { return impl_->channels; }
std::int64_t FileReader::LengthFrames() const { return impl_->length; }
std::int64_t FileReader::Position() const { return impl_->position; }
const std::string& FileReader::FormatText() const { return impl_->formatText; }
const std::string& FileReader::ErrorText() const { return impl_->errorText; }

void FileReader::UseFloatOutput(bool useFloat) {
  Impl& d = *impl_;
  if (d.floatOutput == useFloat) return;
  const bool decodedAhead = d.pending.size() > d.pendingOffset || d.PendingPlaneFrames() > 0;
  d.floatOutput = useFloat;
  if (decodedAhead) Seek(d.position);
}

TSampleBlock FileReader::Read(std::int64_t frames) {
  Impl& d = *impl_;
  TSampleBlock block;
  if (!IsOpen() || frames <= 0) return block;
  UseFloatOutput(false);
  frames = std::min({frames, d.length - d.position, kMaxReadFrames});
  if (frames <= 0) return block;
  size_t wanted = static_cast<size_t>(frames) * d.channels;
  while (d.pending.size() - d.pendingOffset < wanted && d.DecodeMore()) {
  }
  size_t available = d.pending.size() - d.pendingOffset;
  size_t taken = std::min(wanted, available - available % d.channels);
  auto first = d.pending.begin() + static_cast<std::ptrdiff_t>(d.pendingOffset);
  block.assign(first, first + static_cast<std::ptrdiff_t>(taken));
  d.pendingOffset += taken;
  if (d.pendingOffset == d.pending.size()) {
    d.pending.clear();
    d.pendingOffset = 0;
  } else if (d.pendingOffset > (1u << 20)) {
    d.pending.erase(d.pending.begin(), d.pending.begin() + static_cast<std::ptrdiff_t>(d.pendingOffset));
    d.pendingOffset = 0;
  }
  d.position += static_cast<std::int64_t>(taken) / d.channels;
  return block;
}

std::int64_t FileReader::ReadFloat(std::int64_t frames, float* const* planes) {
  Impl& d = *impl_;
  if (!IsOpen() || frames <= 0) return 0;
  frames = std::min({frames, d.length - d.position, kMaxReadFrames});
  if (frames <= 0) return 0;
  UseFloatOutput(true);
  d.target = planes;
  d.targetFilled = 0;
  d.targetRoom = frames;
  for (;;) {
    d.targetFilled += d.HandOutPendingPlanes();
    if (d.targetFilled >= frames || !d.DecodeMore()) break;
  }
  const std::int64_t filled = d.targetFilled;
  d.target = nullptr;
  d.targetFilled = d.targetRoom = 0;
  d.position += filled;
  return filled;
}

std::int64_t FileReader::Seek(std::int64_t frame) {
  Impl& d = *impl_;
  if (!IsOpen()) return 0;
  frame = std::clamp<std::int64_t>(frame, 0, d.length);
  d.pending.clear();
  d.pendingOffset = 0;
  for (auto& plane : d.pendingPlanes) plane.clear();
  d.pendingPlaneOffset = 0;
  d.position = frame;
  if (!d.format) d.Rewind();
  if (!d.format) return frame;  // reads deliver nothing more
  if (d.pcm) {
    AVStream* audio = d.format->streams[d.stream];
    std::int64_t timestamp = av_rescale_q(frame, AVRational{1, d.rate}, audio->time_base);
    if (av_seek_frame(d.format, d.stream, timestamp, AVSEEK_FLAG_BACKWARD) < 0) {
      d.Rewind();
    } else {
      avcodec_flush_buffers(d.decoder);
      d.demuxEnded = d.decoderEnded = false;
      d.positionFromPts = true;
      d.outputFrame = frame;
    }
    d.discardBefore = frame;
    return frame;
  }
  auto after = std::upper_bound(d.samplesBefore.begin(), d.samplesBefore.end(), frame);
  std::int64_t target = std::max<std::int64_t>(0, (after - d.samplesBefore.begin()) - 1);
  std::int64_t warmUpStart = std::max<std::int64_t>(0, target - kWarmUpPackets);
  if (warmUpStart == 0 || d.packetOrdinal > warmUpStart || d.demuxEnded) d.Rewind();
  if (warmUpStart > 0) {
    d.SkipPacketsTo(warmUpStart);
    avcodec_flush_buffers(d.decoder);
    d.warmUpUntil = target;
  }
  d.discardBefore = frame;
  return frame;
}

}  // namespace detail
