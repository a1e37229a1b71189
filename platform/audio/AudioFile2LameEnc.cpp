#include "platform/audio/AudioFile2LameEnc.h"

#include "platform/audio/Mp3Settings.h"

#include <mutex>

namespace detail {

namespace {
std::mutex settingsMutex;
Mp3EncoderSettings settings;
}  // namespace

Mp3EncoderSettings CurrentMp3Settings() {
  std::lock_guard<std::mutex> lock(settingsMutex);
  return settings;
}

void ChangeMp3Settings(const std::function<void(Mp3EncoderSettings&)>& change) {
  std::lock_guard<std::mutex> lock(settingsMutex);
  change(settings);
}

}  // namespace detail

using detail::CurrentMp3Settings;
using detail::ChangeMp3Settings;
using detail::Mp3EncoderSettings;

bool TAudioFile2LameEnc::ConstantBitRate() const { return CurrentMp3Settings().constantBitRate; }
void TAudioFile2LameEnc::SetConstantBitRate(bool value) {
  ChangeMp3Settings([&](Mp3EncoderSettings& s) { s.constantBitRate = value; });
}
int TAudioFile2LameEnc::BitRate() const { return CurrentMp3Settings().bitRateKbps; }
void TAudioFile2LameEnc::SetBitRate(int kbps) {
  ChangeMp3Settings([&](Mp3EncoderSettings& s) { s.bitRateKbps = kbps; });
}
int TAudioFile2LameEnc::MaxBitRate() const { return CurrentMp3Settings().maxBitRateKbps; }
void TAudioFile2LameEnc::SetMaxBitRate(int kbps) {
  ChangeMp3Settings([&](Mp3EncoderSettings& s) { s.maxBitRateKbps = kbps; });
}
bool TAudioFile2LameEnc::VBRHeader() const { return CurrentMp3Settings().vbrHeader; }
void TAudioFile2LameEnc::SetVBRHeader(bool value) {
  ChangeMp3Settings([&](Mp3EncoderSettings& s) { s.vbrHeader = value; });
}
int TAudioFile2LameEnc::VBRMode() const { return CurrentMp3Settings().vbrMode; }
void TAudioFile2LameEnc::SetVBRMode(int mode) {
  ChangeMp3Settings([&](Mp3EncoderSettings& s) { s.vbrMode = mode; });
}
int TAudioFile2LameEnc::VBRQuality() const { return CurrentMp3Settings().vbrQuality; }
void TAudioFile2LameEnc::SetVBRQuality(int quality) {
  ChangeMp3Settings([&](Mp3EncoderSettings& s) { s.vbrQuality = quality; });
}
int TAudioFile2LameEnc::Quality() const { return CurrentMp3Settings().encoderQuality; }
void TAudioFile2LameEnc::SetQuality(int quality) {
  ChangeMp3Settings([&](Mp3EncoderSettings& s) { s.encoderQuality = quality; });
}
