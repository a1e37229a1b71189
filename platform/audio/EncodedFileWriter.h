#pragma once
// A file being written in one output format. Samples arrive interleaved,
// 16 bit, already at the writer's rate and channel count.

#include <cstdint>
#include <string>

namespace detail {

class EncodedFileWriter {
 public:
  virtual ~EncodedFileWriter() = default;
  // False on failure; ErrorText() then says why.
  virtual bool Write(const std::int16_t* samples, int frames) = 0;
  // Writes what is still held back and completes the file.
  virtual bool Finish() = 0;
  const std::string& ErrorText() const { return errorText_; }

 protected:
  bool Fail(const std::string& text) {
    errorText_ = text;
    return false;
  }

 private:
  std::string errorText_;
};

}  // namespace detail
