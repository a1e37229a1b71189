#include "platform/framework/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/Exceptions.h"
#include "platform/os/Files.h"

// --- TStream ----------------------------------------------------------------

std::int64_t TStream::Size() {
  std::int64_t here = Seek(0, soCurrent);
  std::int64_t end = Seek(0, soEnd);
  Seek(here, soBeginning);
  return end;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count < 0) return 0;
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<BYTE> chunk(static_cast<size_t>(std::min<std::int64_t>(count, 1 << 20)));
  std::int64_t copied = 0;
  while (copied < count) {
    std::int64_t n = std::min<std::int64_t>(count - copied, static_cast<std::int64_t>(chunk.size()));
    source.ReadBuffer(chunk.data(), n);
    WriteBuffer(chunk.data(), n);
    copied += n;
  }
  return copied;
}

// --- TFileStream ------------------------------------------------------------

TFileStream::TFileStream(const std::string& fileName, WORD mode) : fileName_(fileName) {
  const bool create = (mode & fmCreate) == fmCreate;
  int flags = O_CLOEXEC;
  if (create) flags |= O_RDWR | O_CREAT | O_TRUNC;
  else if ((mode & 3) == fmOpenWrite) flags |= O_WRONLY;
  else if ((mode & 3) == fmOpenReadWrite) flags |= O_RDWR;
  else flags |= O_RDONLY;
  do {
    fd_ = open(fileName.c_str(), flags, 0666);
  } while (fd_ < 0 && errno == EINTR);
  int error = errno;
  struct stat info {};
  if (fd_ >= 0 && fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd_);
    fd_ = -1;
    error = EISDIR;
  }
  if (fd_ < 0) {
    std::string reason = std::strerror(error);
    if (create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
  }
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) close(fd_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  std::int64_t done = 0;
  while (done < count) {
    ssize_t n = read(fd_, static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return done > 0 ? done : -1;
    if (n == 0) break;  // end of file
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  std::int64_t done = 0;
  while (done < count) {
    ssize_t n = write(fd_, static_cast<const char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return done > 0 ? done : -1;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  int whence = origin == soCurrent ? SEEK_CUR : origin == soEnd ? SEEK_END : SEEK_SET;
  return lseek(fd_, offset, whence);
}

std::int64_t TFileStream::Size() {
  struct stat info {};
  return fstat(fd_, &info) == 0 ? info.st_size : -1;
}

void TFileStream::SetSize(std::int64_t size) {
  if (size < 0 || ftruncate(fd_, size) != 0)
    throw EWriteError("Cannot change the size of \"" + fileName_ + "\". " + std::strerror(errno));
  if (Position() > size) Seek(size, soBeginning);
}

// --- TMemoryStream ----------------------------------------------------------

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  std::int64_t available = std::max<std::int64_t>(0, Size() - position_);
  std::int64_t n = std::clamp<std::int64_t>(count, 0, available);
  if (n > 0) std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (position_ + count > Size()) SetSize(position_ + count);
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = origin == soCurrent ? position_ : origin == soEnd ? Size() : 0;
  if (base + offset < 0) return -1;
  position_ = base + offset;
  return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw EWriteError("Invalid stream size");
  try {
    data_.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EOutOfResources("Out of memory for a stream of " + std::to_string(size) + " bytes");
  } catch (const std::length_error&) {
    throw EOutOfResources("Out of memory for a stream of " + std::to_string(size) + " bytes");
  }
  if (position_ > size) position_ = size;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  std::int64_t size = stream.Size();
  SetSize(size);
  position_ = 0;
  if (size > 0) stream.ReadBuffer(data_.data(), size);
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) { stream.WriteBuffer(data_.data(), Size()); }

void TMemoryStream::SaveToFile(const std::string& fileName) {
  // All or nothing: a failed save leaves the old file as it was.
  std::string bytes(reinterpret_cast<const char*>(data_.data()), data_.size());
  if (!WriteFileAtomically(fileName, bytes)) throw EFCreateError("Cannot create file \"" + fileName + "\"");
}

// --- TStringStream ----------------------------------------------------------

TStringStream::TStringStream(const std::string& data) {
  WriteString(data);
  SetPosition(0);
}

std::string TStringStream::DataString() const {
  return std::string(Bytes().begin(), Bytes().end());
}

std::string TStringStream::ReadString(std::int64_t count) {
  std::int64_t available = std::max<std::int64_t>(0, Size() - Position());
  std::string result(static_cast<size_t>(std::clamp<std::int64_t>(count, 0, available)), '\0');
  Read(result.data(), static_cast<std::int64_t>(result.size()));
  return result;
}
