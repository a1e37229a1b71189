#pragma once
// Byte streams with 64-bit positions: an abstract stream, files and
// memory. Read and Write move as many bytes as they can and say how many;
// ReadBuffer and WriteBuffer insist on all of them.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/Types.h"

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

class TStream : public TObject {
 public:
  // Bytes read or written; -1 when the system reports an error.
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  // The new position; -1 when it cannot be reached.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, soBeginning); }
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t size) = 0;

  // Throw EReadError / EWriteError unless every byte moved.
  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);

  // Copies count bytes from the source's position; count 0 copies the
  // whole source from its start. Returns the bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);

  std::string ClassName() const override { return "TStream"; }
};

// Open modes: one access mode, optionally or-ed with a share mode. Share
// modes are accepted for compatibility; the system has no mandatory locks.
constexpr WORD fmOpenRead = 0x0000;
constexpr WORD fmOpenWrite = 0x0001;
constexpr WORD fmOpenReadWrite = 0x0002;
constexpr WORD fmShareCompat = 0x0000;
constexpr WORD fmShareExclusive = 0x0010;
constexpr WORD fmShareDenyWrite = 0x0020;
constexpr WORD fmShareDenyRead = 0x0030;
constexpr WORD fmShareDenyNone = 0x0040;
// Creates the file, or empties an existing one; opened for reading and writing.
constexpr WORD fmCreate = 0xFF00;

class TFileStream : public TStream {
 public:
  // Throws EFCreateError or EFOpenError with the system's reason.
  TFileStream(const std::string& fileName, WORD mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override;
  void SetSize(std::int64_t size) override;

  const std::string& FileName() const { return fileName_; }
  std::string ClassName() const override { return "TFileStream"; }

 private:
  std::string fileName_;
  int fd_ = -1;
};

class TMemoryStream : public TStream {
 public:
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
  void SetSize(std::int64_t size) override;

  void Clear();
  BYTE* Memory() { return data_.data(); }
  const BYTE* Memory() const { return data_.data(); }

  // Replace the contents with a whole file or stream; the position goes to 0.
  void LoadFromFile(const std::string& fileName);
  void LoadFromStream(TStream& stream);
  // Write the whole contents, whatever the position.
  void SaveToFile(const std::string& fileName);
  void SaveToStream(TStream& stream);

  std::string ClassName() const override { return "TMemoryStream"; }

 protected:
  const std::vector<BYTE>& Bytes() const { return data_; }

 private:
  std::vector<BYTE> data_;
  std::int64_t position_ = 0;
};

// A memory stream that starts from, and hands out, a string.
class TStringStream : public TMemoryStream {
 public:
  explicit TStringStream(const std::string& data = {});
  std::string DataString() const;
  void WriteString(const std::string& s) { WriteBuffer(s.data(), static_cast<std::int64_t>(s.size())); }
  // Up to count bytes from the position.
  std::string ReadString(std::int64_t count);
  std::string ClassName() const override { return "TStringStream"; }
};
