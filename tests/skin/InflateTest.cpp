#include <gtest/gtest.h>
#include <zlib.h>

#include "SkinFixtures.h"
#include "platform/framework/Streams.h"
#include "skin/ZEL2SkinReaderInflate.h"

using detail::TzelInflateError;

namespace {

TBytesVec InflateBytes(const TBytesVec& compressed, std::int64_t limit = 1 << 30) {
  TMemoryStream input;
  input.WriteBuffer(compressed.data(), static_cast<std::int64_t>(compressed.size()));
  input.SetPosition(0);
  TMemoryStream output;
  const std::int64_t written = detail::Inflate(input, output, limit);
  TBytesVec out(static_cast<std::size_t>(output.Size()));
  output.SetPosition(0);
  if (!out.empty()) output.ReadBuffer(out.data(), static_cast<std::int64_t>(out.size()));
  EXPECT_EQ(written, static_cast<std::int64_t>(out.size()));
  return out;
}

// Writes deflate bits least significant first; Huffman codes go most
// significant bit first, as deflate sends them.
class TBitWriter {
 public:
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }
  void FixedHeader(bool last) {
    Bits(last ? 1 : 0, 1);
    Bits(1, 2);
  }
  void FixedSymbol(int symbol) {
    if (symbol < 144) Code(0x30 + symbol, 8);
    else if (symbol < 256) Code(0x190 + symbol - 144, 9);
    else if (symbol < 280) Code(symbol - 256, 7);
    else Code(0xC0 + symbol - 280, 8);
  }
  void FixedDistance(int symbol) { Code(symbol, 5); }
  TBytesVec Bytes() const { return bytes_; }

 private:
  void Bit(int bit) {
    if (used_ % 8 == 0) bytes_.push_back(0);
    if (bit) bytes_.back() |= static_cast<std::uint8_t>(1 << (used_ % 8));
    ++used_;
  }
  TBytesVec bytes_;
  int used_ = 0;
};

}  // namespace

TEST(Inflate, ZlibStreamsOfEveryBlockTypeComeBackWhole) {
  const TBytesVec small = BytesOf("The quick brown fox jumps over the lazy dog, the quick brown fox.");
  // 200 KB of repeats and noise: back references cross every 32 KB flush of the window.
  const TBytesVec large = CompressibleNoise(200000, 7);
  for (const TBytesVec* data : {&small, &large}) {
    EXPECT_EQ(InflateBytes(RawDeflate(*data, 0)), *data) << "stored";
    EXPECT_EQ(InflateBytes(RawDeflate(*data, 9, Z_FIXED)), *data) << "fixed";
    EXPECT_EQ(InflateBytes(RawDeflate(*data, 9)), *data) << "dynamic";
    EXPECT_EQ(InflateBytes(RawDeflate(*data, 1, Z_HUFFMAN_ONLY)), *data) << "literals only";
    EXPECT_EQ(InflateBytes(RawDeflate(*data, 6, Z_RLE)), *data) << "distance one";
  }
}

TEST(Inflate, LongRunsAndMatchesAtTheWindowEdge) {
  // One byte repeated: matches of 258 at distance 1 land on every flush boundary.
  const TBytesVec run(300000, 'x');
  EXPECT_EQ(InflateBytes(RawDeflate(run)), run);
  // Exactly 65536 bytes: the window is full when the last block ends.
  const TBytesVec exact = CompressibleNoise(65536, 3);
  EXPECT_EQ(InflateBytes(RawDeflate(exact)), exact);
  EXPECT_EQ(InflateBytes(RawDeflate(exact, 0)), exact);
}

TEST(Inflate, HandMadeBlocks) {
  // A final stored block of three bytes; the complement of the length is not checked.
  EXPECT_EQ(InflateBytes({0x01, 0x03, 0x00, 0x00, 0x00, 'a', 'b', 'c'}), BytesOf("abc"));
  // An empty stored block, then a final fixed block holding "a".
  TBitWriter w;
  w.Bits(0, 3);
  w.Bits(0, 5);
  w.Bits(0, 16);
  w.Bits(0xFFFF, 16);
  w.FixedHeader(true);
  w.FixedSymbol('a');
  w.FixedSymbol(256);
  EXPECT_EQ(InflateBytes(w.Bytes()), BytesOf("a"));
  // An overlapping copy: "ab" then length 7 at distance 2.
  TBitWriter overlap;
  overlap.FixedHeader(true);
  overlap.FixedSymbol('a');
  overlap.FixedSymbol('b');
  overlap.FixedSymbol(261);  // length 7
  overlap.FixedDistance(1);  // distance 2
  overlap.FixedSymbol(256);
  EXPECT_EQ(InflateBytes(overlap.Bytes()), BytesOf("ababababa"));
  // Length 258 (symbol 285) at the largest distance of code 29 with its 13 extra bits.
  TBitWriter longest;
  longest.FixedHeader(true);
  longest.FixedSymbol('z');
  longest.FixedSymbol(285);
  longest.FixedDistance(0);
  longest.FixedSymbol(256);
  EXPECT_EQ(InflateBytes(longest.Bytes()), TBytesVec(259, 'z'));
}

TEST(Inflate, TheLastWordIsPaddedButNothingBeyondIt) {
  // Three bits of header and the seven-bit end code do not fit one byte.
  EXPECT_TRUE(InflateBytes({0x03}).empty());
  // A stored block that promises five bytes and has none.
  EXPECT_THROW(InflateBytes({0x01, 0x05, 0x00, 0xFA, 0xFF}), TzelInflateError);
  // An empty input.
  EXPECT_THROW(InflateBytes({}), TzelInflateError);
}

TEST(Inflate, DamagedStreamsAreRefused) {
  // Block type 3.
  EXPECT_THROW(InflateBytes({0x07, 0x00}), TzelInflateError);
  // A dynamic block with HLIT 287.
  EXPECT_THROW(InflateBytes({0xF5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), TzelInflateError);
  // A distance reaching before the first byte.
  TBitWriter before;
  before.FixedHeader(true);
  before.FixedSymbol('a');
  before.FixedSymbol(257);
  before.FixedDistance(2);  // distance 3, one byte written
  before.FixedSymbol(256);
  EXPECT_THROW(InflateBytes(before.Bytes()), TzelInflateError);
  // Distance symbols 30 and 31 and length symbols 286 and 287 do not exist.
  for (int symbol : {30, 31}) {
    TBitWriter w;
    w.FixedHeader(true);
    w.FixedSymbol('a');
    w.FixedSymbol(257);
    w.FixedDistance(symbol);
    w.FixedSymbol(256);
    EXPECT_THROW(InflateBytes(w.Bytes()), TzelInflateError) << symbol;
  }
  for (int symbol : {286, 287}) {
    TBitWriter w;
    w.FixedHeader(true);
    w.FixedSymbol(symbol);
    w.FixedSymbol(256);
    EXPECT_THROW(InflateBytes(w.Bytes()), TzelInflateError) << symbol;
  }
  // A non-final block with nothing after it.
  TBitWriter notLast;
  notLast.FixedHeader(false);
  notLast.FixedSymbol(256);
  EXPECT_THROW(InflateBytes(notLast.Bytes()), TzelInflateError);
}

TEST(Inflate, NoTruncationOfAStreamGivesTheWholeData) {
  // The zero bytes that pad the last word may read as an end-of-block
  // code, so a cut stream can end quietly; it must never give all the
  // data (the caller compares the size with the archive's).
  const TBytesVec data = CompressibleNoise(5000, 11);
  for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED, Z_RLE}) {
    const TBytesVec full = RawDeflate(data, 9, strategy);
    int refused = 0;
    // Bytes holding only the end code and padding may go; four may not.
    for (std::size_t cut = 0; cut + 4 <= full.size(); ++cut) {
      const TBytesVec part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
      try {
        EXPECT_LT(InflateBytes(part).size(), data.size()) << cut;
      } catch (const TzelInflateError&) {
        ++refused;
      }
    }
    EXPECT_GT(refused, static_cast<int>(full.size()) / 4);
  }
  // A block cut after its first literal ends at once in the padding.
  TBitWriter open;
  open.FixedHeader(true);
  open.FixedSymbol('a');
  EXPECT_EQ(InflateBytes(open.Bytes()), BytesOf("a"));
}

TEST(Inflate, StopsOnceTheOutputPassesItsLimit) {
  const TBytesVec run(100000, 'y');
  const TBytesVec compressed = RawDeflate(run);
  EXPECT_THROW(InflateBytes(compressed, 99999), TzelInflateError);
  EXPECT_EQ(InflateBytes(compressed, 100000).size(), 100000u);
  EXPECT_THROW(InflateBytes(RawDeflate(run, 0), 10), TzelInflateError);
}

TEST(HuffmanTree, BuildsLookupTablesAndRefusesBadLengths) {
  detail::THuffmanTree tree;
  // Lengths 1, 2, 3, 3: codes 0, 10, 110, 111.
  const std::uint8_t lengths[] = {1, 2, 3, 3};
  tree.Build(lengths, 4, 15, detail::THuffmanTree::CodeLength);
  EXPECT_EQ(tree.Longest(), 3);
  EXPECT_EQ(tree.Lookup(0b000).symbol, 0);  // bits are reversed codes
  EXPECT_EQ(tree.Lookup(0b001).symbol, 1);
  EXPECT_EQ(tree.Lookup(0b011).symbol, 2);
  EXPECT_EQ(tree.Lookup(0b111).symbol, 3);
  EXPECT_EQ(tree.Lookup(0b111).length, 3);

  const std::uint8_t oversubscribed[] = {1, 1, 1};
  EXPECT_THROW(tree.Build(oversubscribed, 3, 15, detail::THuffmanTree::CodeLength), TzelInflateError);
  const std::uint8_t tooLong[] = {8, 8};
  EXPECT_THROW(tree.Build(tooLong, 2, 7, detail::THuffmanTree::CodeLength), TzelInflateError);

  // An incomplete code leaves holes that decode as no symbol.
  const std::uint8_t incomplete[] = {2, 0, 0};
  tree.Build(incomplete, 3, 15, detail::THuffmanTree::CodeLength);
  EXPECT_EQ(tree.Lookup(0).length, 2);
  EXPECT_EQ(tree.Lookup(1).length, 0);
}
