#pragma once
// The raw deflate decoder of theme-file entries: Huffman decoding tables
// and an inflater that streams from one stream into another through a
// 64 KB window.

#include <cstdint>
#include <stdexcept>
#include <vector>

class TStream;

namespace detail {

// Raised for anything a deflate stream must not contain, and when the
// stream ends before its last block does.
class TzelInflateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raised when the stream inflates to more than the caller allowed: the
// entry is larger than it says, not damaged inside.
class TzelInflateOverflow : public TzelInflateError {
 public:
  using TzelInflateError::TzelInflateError;
};

struct THuffmanEntry {
  std::uint16_t symbol = 0;
  std::uint8_t length = 0;     // 0: no code leads here
  std::uint8_t extraBits = 0;  // for length and distance symbols
};

// One decoding table: 2^(longest code length) entries indexed by the next
// bits of the stream, least significant bit first.
class THuffmanTree {
 public:
  enum TAlphabet { LiteralLength, Distance, CodeLength };

  // Builds the table from the code length of each symbol (0 = unused).
  // Raises TzelInflateError when the lengths over-subscribe the code space
  // or exceed maxBits.
  void Build(const std::uint8_t* lengths, int count, int maxBits, TAlphabet alphabet);

  int Longest() const { return longest_; }
  const THuffmanEntry& Lookup(std::uint32_t bits) const { return table_[bits & mask_]; }

 private:
  int longest_ = 0;
  std::uint32_t mask_ = 0;
  std::vector<THuffmanEntry> table_;
};

// Inflates the raw deflate stream read from input into output. Stops and
// raises TzelInflateOverflow once more than outputLimit bytes come out.
// Returns the number of bytes written.
std::int64_t Inflate(TStream& input, TStream& output, std::int64_t outputLimit);

}  // namespace detail
