#include "platform/audio/Mp3Writer.h"

#include <lame/lame.h>

#include <cerrno>
#include <cstring>
#include <mutex>

namespace detail {

namespace {

// The encoder's set-up fills shared tables; keep it to one thread at a time.
std::mutex& EncoderSetupMutex() {
  static std::mutex mutex;
  return mutex;
}

vbr_mode VbrModeFor(int mode) {
  switch (mode) {
    case 1: return vbr_rh;
    case 2: return vbr_abr;
    default: return vbr_default;
  }
}

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

}  // namespace

Mp3Writer::~Mp3Writer() {
  if (file_) Finish();
  Release();
}

void Mp3Writer::Release() {
  if (encoder_) lame_close(static_cast<lame_global_flags*>(encoder_));
  encoder_ = nullptr;
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

bool Mp3Writer::Open(const std::string& path, int sampleRate, int channels,
                     const Mp3EncoderSettings& settings) {
  channels_ = channels;
  writeTag_ = !settings.constantBitRate && settings.vbrHeader;
  {
    std::lock_guard<std::mutex> lock(EncoderSetupMutex());
    lame_global_flags* flags = lame_init();
    if (!flags) return Fail("The MP3 encoder could not be started");
    encoder_ = flags;
    lame_set_in_samplerate(flags, sampleRate);
    lame_set_out_samplerate(flags, sampleRate);
    lame_set_num_channels(flags, channels);
    lame_set_mode(flags, channels == 1 ? MONO : JOINT_STEREO);
    lame_set_quality(flags, Clamp(settings.encoderQuality, 0, 9));
    if (settings.constantBitRate) {
      lame_set_VBR(flags, vbr_off);
      lame_set_brate(flags, settings.bitRateKbps);
    } else {
      lame_set_VBR(flags, VbrModeFor(settings.vbrMode));
      lame_set_VBR_q(flags, Clamp(settings.vbrQuality, 0, 9));
      lame_set_VBR_max_bitrate_kbps(flags, settings.maxBitRateKbps);
      if (settings.vbrMode == 2) lame_set_VBR_mean_bitrate_kbps(flags, settings.bitRateKbps);
    }
    lame_set_bWriteVbrTag(flags, writeTag_ ? 1 : 0);
    // The encoder would quietly resample a rate MP3 does not have.
    if (lame_init_params(flags) < 0 || lame_get_out_samplerate(flags) != sampleRate) {
      Release();
      return Fail("The MP3 encoder does not accept " + std::to_string(sampleRate) + " Hz, " +
                  std::to_string(channels) + " channels at these settings");
    }
  }
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) {
    std::string reason = std::strerror(errno);
    Release();
    return Fail("The file cannot be created: " + path + " (" + reason + ")");
  }
  return true;
}

bool Mp3Writer::WriteEncoded(int bytes) {
  if (bytes < 0) return Fail("The MP3 encoder failed (" + std::to_string(bytes) + ")");
  if (bytes > 0 && std::fwrite(encoded_.data(), 1, static_cast<size_t>(bytes), file_) != static_cast<size_t>(bytes))
    return Fail(std::string("Writing the MP3 file failed: ") + std::strerror(errno));
  return true;
}

bool Mp3Writer::Write(const std::int16_t* samples, int frames) {
  if (!file_ || !encoder_) return Fail("The MP3 file is not open");
  auto flags = static_cast<lame_global_flags*>(encoder_);
  // The encoder's own bound for the largest output of one call.
  encoded_.resize(static_cast<size_t>(frames) * 5 / 4 + 7200);
  int bytes;
  if (channels_ == 1)
    bytes = lame_encode_buffer(flags, const_cast<short*>(samples), nullptr, frames, encoded_.data(),
                               static_cast<int>(encoded_.size()));
  else
    bytes = lame_encode_buffer_interleaved(flags, const_cast<short*>(samples), frames, encoded_.data(),
                                           static_cast<int>(encoded_.size()));
  return WriteEncoded(bytes);
}

bool Mp3Writer::Finish() {
  if (!file_ || !encoder_) return true;
  auto flags = static_cast<lame_global_flags*>(encoder_);
  encoded_.resize(7200);
  bool ok = WriteEncoded(lame_encode_flush(flags, encoded_.data(), static_cast<int>(encoded_.size())));
  if (ok && writeTag_) {
    // The first frame was kept free for the VBR header, now that the
    // frame count and the seek table are known.
    encoded_.resize(8192);
    size_t tagBytes = lame_get_lametag_frame(flags, encoded_.data(), encoded_.size());
    if (tagBytes > 0 && tagBytes <= encoded_.size()) {
      off_t end = ftello(file_);
      ok = fseeko(file_, 0, SEEK_SET) == 0 &&
           std::fwrite(encoded_.data(), 1, tagBytes, file_) == tagBytes &&
           fseeko(file_, end, SEEK_SET) == 0;
      if (!ok) Fail("The VBR header cannot be written");
    }
  }
  if (std::fclose(file_) != 0 && ok) ok = Fail(std::string("Closing the MP3 file failed: ") + std::strerror(errno));
  file_ = nullptr;
  Release();
  return ok;
}

}  // namespace detail
