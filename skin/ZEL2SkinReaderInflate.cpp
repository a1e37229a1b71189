// A raw deflate decoder: stored, fixed and dynamic blocks, read through a
// 16 KB input buffer and written through a 64 KB window flushed in 32 KB
// steps, so at least 32 KB of history stay for back references.

#include "skin/ZEL2SkinReaderInflate.h"

#include <cstring>

#include "platform/framework/Streams.h"

namespace detail {

namespace {

constexpr int kInputBufferSize = 16384;
constexpr int kWindowFlushAt = 65536;
constexpr int kWindowKeep = 32768;
constexpr int kMaxMatch = 258;

constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint16_t kDistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                             33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

struct TFixedTrees {
  THuffmanTree literals;
  THuffmanTree distances;
  TFixedTrees() {
    std::uint8_t lengths[288];
    std::memset(lengths, 8, 144);
    std::memset(lengths + 144, 9, 112);
    std::memset(lengths + 256, 7, 24);
    std::memset(lengths + 280, 8, 8);
    literals.Build(lengths, 288, 15, THuffmanTree::LiteralLength);
    std::uint8_t distanceLengths[30];
    std::memset(distanceLengths, 5, 30);
    distances.Build(distanceLengths, 30, 15, THuffmanTree::Distance);
  }
};

const TFixedTrees& FixedTrees() {
  static const TFixedTrees trees;
  return trees;
}

// Bits least significant first. When the input ends inside a 32-bit word
// the word is padded with zero bytes; taking bits beyond that means the
// stream was cut short.
class TBitReader {
 public:
  explicit TBitReader(TStream& input) : input_(input), buffer_(kInputBufferSize) {}

  std::uint32_t Peek(int count) {
    while (bitCount_ < count) AppendByte();
    return static_cast<std::uint32_t>(bits_ & ((std::uint64_t{1} << count) - 1));
  }

  void Drop(int count) {
    bits_ >>= count;
    bitCount_ -= count;
    if (bitCount_ < phantomBytes_ * 8) throw TzelInflateError("the deflate stream ends too early");
  }

  std::uint32_t Get(int count) {
    if (count == 0) return 0;
    const std::uint32_t value = Peek(count);
    Drop(count);
    return value;
  }

  void AlignToByte() { Drop(bitCount_ % 8); }

 private:
  void AppendByte() {
    std::uint8_t byte = 0;
    if (position_ == filled_ && !ended_) Refill();
    if (position_ < filled_) {
      byte = buffer_[position_++];
      ++bytesTaken_;
    } else if (paddingLeft_ > 0) {
      --paddingLeft_;
    } else {
      ++phantomBytes_;
    }
    bits_ |= std::uint64_t{byte} << bitCount_;
    bitCount_ += 8;
  }

  void Refill() {
    const std::int64_t got = input_.Read(buffer_.data(), kInputBufferSize);
    position_ = 0;
    filled_ = got > 0 ? static_cast<int>(got) : 0;
    if (filled_ == 0) {
      ended_ = true;
      paddingLeft_ = static_cast<int>((4 - bytesTaken_ % 4) % 4);
    }
  }

  TStream& input_;
  std::vector<std::uint8_t> buffer_;
  int position_ = 0;
  int filled_ = 0;
  bool ended_ = false;
  std::int64_t bytesTaken_ = 0;
  int paddingLeft_ = 0;
  int phantomBytes_ = 0;
  std::uint64_t bits_ = 0;
  int bitCount_ = 0;
};

class TOutputWindow {
 public:
  TOutputWindow(TStream& output, std::int64_t limit)
      : output_(output), limit_(limit), window_(kWindowFlushAt + kMaxMatch) {}

  void Put(std::uint8_t byte) {
    window_[position_++] = byte;
    ++total_;
    if (total_ > limit_) throw TzelInflateOverflow("the entry inflates beyond its stated size");
  }

  void CopyMatch(int length, int distance) {
    if (distance > position_) throw TzelInflateError("a distance reaches before the start of the data");
    if (total_ + length > limit_) throw TzelInflateOverflow("the entry inflates beyond its stated size");
    std::uint8_t* to = window_.data() + position_;
    const std::uint8_t* from = to - distance;
    if (distance < length) {
      for (int i = 0; i < length; ++i) to[i] = from[i];  // overlapping: repeats the last bytes
    } else {
      std::memcpy(to, from, static_cast<std::size_t>(length));
    }
    position_ += length;
    total_ += length;
  }

  // Called after every symbol: once the window is full, write its first
  // half and keep the second as history.
  void FlushWhenFull() {
    if (position_ < kWindowFlushAt) return;
    output_.WriteBuffer(window_.data(), kWindowKeep);
    std::memmove(window_.data(), window_.data() + kWindowKeep, static_cast<std::size_t>(position_ - kWindowKeep));
    position_ -= kWindowKeep;
  }

  void FlushAll() {
    output_.WriteBuffer(window_.data(), position_);
    position_ = 0;
  }

  std::int64_t Total() const { return total_; }

 private:
  TStream& output_;
  std::int64_t limit_;
  std::vector<std::uint8_t> window_;
  int position_ = 0;
  std::int64_t total_ = 0;
};

const THuffmanEntry& DecodeSymbol(TBitReader& in, const THuffmanTree& tree) {
  const THuffmanEntry& entry = tree.Lookup(in.Peek(tree.Longest()));
  if (entry.length == 0) throw TzelInflateError("an invalid Huffman code");
  in.Drop(entry.length);
  return entry;
}

void CopyStoredBlock(TBitReader& in, TOutputWindow& out) {
  in.AlignToByte();
  // The one's complement of the length that follows is not checked.
  const std::uint32_t length = in.Get(16);
  in.Get(16);
  for (std::uint32_t i = 0; i < length; ++i) {
    out.Put(static_cast<std::uint8_t>(in.Get(8)));
    out.FlushWhenFull();
  }
}

void DecodeBlock(TBitReader& in, TOutputWindow& out, const THuffmanTree& literals, const THuffmanTree& distances) {
  for (;;) {
    const THuffmanEntry& lengthCode = DecodeSymbol(in, literals);
    const int symbol = lengthCode.symbol;
    if (symbol < 256) {
      out.Put(static_cast<std::uint8_t>(symbol));
    } else if (symbol == 256) {
      return;
    } else {
      if (symbol > 285) throw TzelInflateError("an invalid length symbol");
      const int length = kLengthBase[symbol - 257] + static_cast<int>(in.Get(lengthCode.extraBits));
      const THuffmanEntry& distanceCode = DecodeSymbol(in, distances);
      if (distanceCode.symbol > 29) throw TzelInflateError("an invalid distance symbol");
      const int distance = kDistanceBase[distanceCode.symbol] + static_cast<int>(in.Get(distanceCode.extraBits));
      out.CopyMatch(length, distance);
    }
    out.FlushWhenFull();
  }
}

void ReadDynamicTrees(TBitReader& in, THuffmanTree& literals, THuffmanTree& distances) {
  const int literalCount = static_cast<int>(in.Get(5)) + 257;
  const int distanceCount = static_cast<int>(in.Get(5)) + 1;
  const int codeLengthCount = static_cast<int>(in.Get(4)) + 4;
  if (literalCount > 286 || distanceCount > 30) throw TzelInflateError("too many codes in a dynamic block");

  std::uint8_t codeLengthLengths[19] = {};
  for (int i = 0; i < codeLengthCount; ++i) codeLengthLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(in.Get(3));
  THuffmanTree codeLengths;
  codeLengths.Build(codeLengthLengths, 19, 7, THuffmanTree::CodeLength);

  std::uint8_t lengths[286 + 30] = {};
  const int total = literalCount + distanceCount;
  for (int n = 0; n < total;) {
    const int symbol = DecodeSymbol(in, codeLengths).symbol;
    if (symbol < 16) {
      lengths[n++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    int repeat = 0;
    std::uint8_t value = 0;
    if (symbol == 16) {
      if (n == 0) throw TzelInflateError("a repeat with no length before it");
      value = lengths[n - 1];
      repeat = 3 + static_cast<int>(in.Get(2));
    } else if (symbol == 17) {
      repeat = 3 + static_cast<int>(in.Get(3));
    } else {
      repeat = 11 + static_cast<int>(in.Get(7));
    }
    if (n + repeat > total) throw TzelInflateError("code lengths run past their count");
    while (repeat-- > 0) lengths[n++] = value;
  }
  literals.Build(lengths, literalCount, 15, THuffmanTree::LiteralLength);
  distances.Build(lengths + literalCount, distanceCount, 15, THuffmanTree::Distance);
}

}  // namespace

std::int64_t Inflate(TStream& input, TStream& output, std::int64_t outputLimit) {
  TBitReader in(input);
  TOutputWindow out(output, outputLimit);
  bool last = false;
  while (!last) {
    last = in.Get(1) != 0;
    const std::uint32_t type = in.Get(2);
    if (type == 0) {
      CopyStoredBlock(in, out);
    } else if (type == 1) {
      DecodeBlock(in, out, FixedTrees().literals, FixedTrees().distances);
    } else if (type == 2) {
      THuffmanTree literals;
      THuffmanTree distances;
      ReadDynamicTrees(in, literals, distances);
      DecodeBlock(in, out, literals, distances);
    } else {
      throw TzelInflateError("an invalid block type");
    }
  }
  out.FlushAll();
  return out.Total();
}

}  // namespace detail
