// Canonical Huffman codes of deflate turned into one-lookup tables.

#include "skin/ZEL2SkinReaderInflate.h"

namespace detail {

namespace {

constexpr int kMaxCodeBits = 15;

int ExtraBitsOf(int symbol, THuffmanTree::TAlphabet alphabet) {
  if (alphabet == THuffmanTree::LiteralLength) {
    if (symbol < 265 || symbol >= 285) return 0;
    return (symbol - 261) / 4;
  }
  if (alphabet == THuffmanTree::Distance) return symbol < 4 ? 0 : (symbol - 2) / 2;
  return 0;
}

// Deflate sends codes most significant bit first, but the stream is read
// least significant bit first: tables are indexed by the reversed code.
std::uint32_t ReverseBits(std::uint32_t code, int length) {
  std::uint32_t reversed = 0;
  for (int i = 0; i < length; ++i) {
    reversed = (reversed << 1) | (code & 1);
    code >>= 1;
  }
  return reversed;
}

}  // namespace

void THuffmanTree::Build(const std::uint8_t* lengths, int count, int maxBits, TAlphabet alphabet) {
  int lengthCount[kMaxCodeBits + 1] = {};
  longest_ = 0;
  for (int s = 0; s < count; ++s) {
    if (lengths[s] > maxBits) throw TzelInflateError("code length too long");
    ++lengthCount[lengths[s]];
    if (lengths[s] > longest_) longest_ = lengths[s];
  }
  lengthCount[0] = 0;

  // First code of each length; a code space used more than once is no
  // prefix code. An incomplete one is allowed: its holes stay empty and
  // decoding them is an error.
  std::uint32_t nextCode[kMaxCodeBits + 2] = {};
  std::uint32_t code = 0;
  int left = 1;
  for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
    left = (left << 1) - lengthCount[bits];
    if (left < 0) throw TzelInflateError("over-subscribed code lengths");
    code = (code + lengthCount[bits - 1]) << 1;
    nextCode[bits] = code;
  }

  mask_ = (1u << longest_) - 1;
  table_.assign(std::size_t{1} << longest_, THuffmanEntry{});
  for (int s = 0; s < count; ++s) {
    const int length = lengths[s];
    if (length == 0) continue;
    const std::uint32_t reversed = ReverseBits(nextCode[length]++, length);
    const THuffmanEntry entry{static_cast<std::uint16_t>(s), static_cast<std::uint8_t>(length),
                              static_cast<std::uint8_t>(ExtraBitsOf(s, alphabet))};
    for (std::uint32_t index = reversed; index <= mask_; index += 1u << length) table_[index] = entry;
  }
}

}  // namespace detail
