#include "platform/audio/WavWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace detail {

namespace {

constexpr size_t kHeaderBytes = 44;
constexpr size_t kBufferBytes = 1 << 16;
// RIFF sizes are 32 bit; the data may not grow past this.
constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFull - 36 - 1;
constexpr auto kSyncInterval = std::chrono::seconds(2);

void PutLe(std::uint8_t* target, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) target[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool WriteAll(int fd, const std::uint8_t* data, size_t size, size_t& written) {
  written = 0;
  while (written < size) {
    ssize_t result = ::write(fd, data + written, size - written);
    if (result < 0 && errno == EINTR) continue;
    if (result <= 0) return false;
    written += static_cast<size_t>(result);
  }
  return true;
}

}  // namespace

WavWriter::~WavWriter() {
  if (fd_ >= 0) Finish();
}

bool WavWriter::Open(const std::string& path, int sampleRate, int channels, int bitsPerSample) {
  sampleRate_ = sampleRate;
  channels_ = channels;
  bytesPerSample_ = bitsPerSample / 8;
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) return Fail("The file cannot be created: " + path + " (" + std::strerror(errno) + ")");
  lastSync_ = std::chrono::steady_clock::now();
  // The header goes in by position; the audio follows it.
  if (!WriteHeader()) return false;
  if (::lseek(fd_, static_cast<off_t>(kHeaderBytes), SEEK_SET) < 0)
    return Fail(std::string("The WAV file cannot be written: ") + std::strerror(errno));
  return true;
}

bool WavWriter::WriteHeader() {
  std::uint8_t header[kHeaderBytes];
  std::uint32_t blockAlign = static_cast<std::uint32_t>(channels_ * bytesPerSample_);
  std::uint32_t dataSize = static_cast<std::uint32_t>(dataBytes_);
  std::memcpy(header, "RIFF", 4);
  PutLe(header + 4, 36 + dataSize + (dataSize & 1), 4);
  std::memcpy(header + 8, "WAVEfmt ", 8);
  PutLe(header + 16, 16, 4);
  PutLe(header + 20, 1, 2);  // integer PCM
  PutLe(header + 22, static_cast<std::uint32_t>(channels_), 2);
  PutLe(header + 24, static_cast<std::uint32_t>(sampleRate_), 4);
  PutLe(header + 28, static_cast<std::uint32_t>(sampleRate_) * blockAlign, 4);
  PutLe(header + 32, blockAlign, 2);
  PutLe(header + 34, static_cast<std::uint32_t>(bytesPerSample_ * 8), 2);
  std::memcpy(header + 36, "data", 4);
  PutLe(header + 40, dataSize, 4);
  if (::pwrite(fd_, header, kHeaderBytes, 0) != static_cast<ssize_t>(kHeaderBytes))
    return Fail(std::string("The WAV header cannot be written: ") + std::strerror(errno));
  bytesAtHeader_ = dataBytes_;
  return true;
}

bool WavWriter::FlushBuffer() {
  if (buffer_.empty()) return true;
  size_t written = 0;
  bool complete = WriteAll(fd_, buffer_.data(), buffer_.size(), written);
  int error = errno;
  dataBytes_ += written;
  buffer_.clear();
  if (complete) return true;
  // Keep the header true to what reached the disk, whole frames only.
  std::uint64_t blockAlign = static_cast<std::uint64_t>(channels_ * bytesPerSample_);
  dataBytes_ -= dataBytes_ % blockAlign;
  // The header describes whole frames only, whatever the tail holds.
  if (::ftruncate(fd_, static_cast<off_t>(kHeaderBytes + dataBytes_)) == 0)
    ::lseek(fd_, static_cast<off_t>(kHeaderBytes + dataBytes_), SEEK_SET);
  WriteHeader();
  return Fail(std::string("Writing the WAV file failed: ") + std::strerror(error ? error : ENOSPC));
}

void WavWriter::SyncToDiskNowAndThen() {
  auto now = std::chrono::steady_clock::now();
  if (now - lastSync_ < kSyncInterval) return;
  lastSync_ = now;
  ::fdatasync(fd_);
}

bool WavWriter::Write(const std::int16_t* samples, int frames) {
  if (fd_ < 0) return Fail("The WAV file is not open");
  if (frames <= 0) return true;
  size_t count = static_cast<size_t>(frames) * channels_;
  size_t bytes = count * bytesPerSample_;
  if (dataBytes_ + buffer_.size() + bytes > kMaxDataBytes)
    return Fail("The WAV file has reached its largest possible size of 4 GB");
  size_t start = buffer_.size();
  buffer_.resize(start + bytes);
  std::uint8_t* out = buffer_.data() + start;
  for (size_t i = 0; i < count; ++i) {
    std::int32_t value = samples[i];
    switch (bytesPerSample_) {
      case 1: *out++ = static_cast<std::uint8_t>((value >> 8) + 128); break;
      case 2: PutLe(out, static_cast<std::uint32_t>(value), 2); out += 2; break;
      case 3: PutLe(out, static_cast<std::uint32_t>(value) << 8, 3); out += 3; break;
      default: PutLe(out, static_cast<std::uint32_t>(value) << 16, 4); out += 4; break;
    }
  }
  std::uint64_t secondOfAudio = static_cast<std::uint64_t>(sampleRate_) * channels_ * bytesPerSample_;
  bool headerDue = dataBytes_ + buffer_.size() - bytesAtHeader_ >= secondOfAudio;
  if (buffer_.size() >= kBufferBytes || headerDue) {
    if (!FlushBuffer()) return false;
  }
  if (headerDue) {
    if (!WriteHeader()) return false;
    SyncToDiskNowAndThen();
  }
  return true;
}

bool WavWriter::Finish() {
  if (fd_ < 0) return true;
  bool ok = FlushBuffer();
  if (ok && (dataBytes_ & 1)) {
    const std::uint8_t pad = 0;
    size_t written = 0;
    ok = WriteAll(fd_, &pad, 1, written) || Fail("The WAV file cannot be completed");
  }
  ok = WriteHeader() && ok;
  if (::close(fd_) != 0 && ok) ok = Fail(std::string("Closing the WAV file failed: ") + std::strerror(errno));
  fd_ = -1;
  return ok;
}

}  // namespace detail
