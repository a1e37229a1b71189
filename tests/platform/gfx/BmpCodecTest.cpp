#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "PixelTestUtil.h"
#include "platform/base/Exceptions.h"
#include "platform/gfx/Bitmap.h"

using pixeltest::At;

namespace {

// Writes a BMP file field by field, so each test states its bytes.
struct BmpLayout {
  int headerSize = 40;
  int width = 3;
  int height = 2;  // negative: rows stored top-down
  int bitCount = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> masks;  // after a 40-byte header, else inside it
  std::vector<std::array<std::uint8_t, 3>> palette;  // B, G, R
  std::uint32_t colorsUsed = 0;
  std::vector<std::vector<std::uint8_t>> rows;  // in stored order, unpadded
};

void Put(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + i] = (value >> (8 * i)) & 0xFF;
}

std::vector<std::uint8_t> MakeBmp(const BmpLayout& s) {
  const bool core = s.headerSize == 12;
  const std::size_t entry = core ? 3 : 4;
  const std::size_t masksAfter = s.headerSize == 40 ? s.masks.size() * 4 : 0;
  const std::size_t offBits = 14 + s.headerSize + masksAfter + s.palette.size() * entry;
  std::vector<std::uint8_t> out(offBits);
  out[0] = 'B';
  out[1] = 'M';
  Put(out, 10, static_cast<std::uint32_t>(offBits), 4);
  Put(out, 14, s.headerSize, 4);
  if (core) {
    Put(out, 18, s.width, 2);
    Put(out, 20, s.height, 2);
    Put(out, 22, 1, 2);
    Put(out, 24, s.bitCount, 2);
  } else {
    Put(out, 18, static_cast<std::uint32_t>(s.width), 4);
    Put(out, 22, static_cast<std::uint32_t>(s.height), 4);
    Put(out, 26, 1, 2);
    Put(out, 28, s.bitCount, 2);
    Put(out, 30, s.compression, 4);
    Put(out, 46, s.colorsUsed, 4);
    for (std::size_t i = 0; i < s.masks.size(); ++i) Put(out, 54 + i * 4, s.masks[i], 4);
  }
  std::size_t at = 14 + s.headerSize + masksAfter;
  for (const auto& c : s.palette) {
    for (std::size_t i = 0; i < 3; ++i) out[at + i] = c[i];
    at += entry;
  }
  for (const auto& row : s.rows) {
    std::vector<std::uint8_t> padded = row;
    padded.resize((row.size() + 3) & ~std::size_t{3}, 0);
    out.insert(out.end(), padded.begin(), padded.end());
  }
  Put(out, 2, static_cast<std::uint32_t>(out.size()), 4);
  return out;
}

void ExpectRows(const TBitmap& b, const std::vector<std::vector<TColor>>& rows) {
  ASSERT_EQ(b.Height(), static_cast<int>(rows.size()));
  for (int y = 0; y < b.Height(); ++y) {
    ASSERT_EQ(b.Width(), static_cast<int>(rows[y].size()));
    for (int x = 0; x < b.Width(); ++x) EXPECT_EQ(At(b, x, y), rows[y][x]) << "pixel " << x << "," << y;
  }
}

// Loads, checks, writes, loads the written file and checks again.
void ExpectDecodesAndRoundTrips(const BmpLayout& layout, const std::vector<std::vector<TColor>>& rows,
                                TPixelFormat format = pf24bit) {
  TBitmap b;
  b.LoadFromBytes(MakeBmp(layout));
  EXPECT_EQ(b.PixelFormat(), format);
  ExpectRows(b, rows);
  TBitmap again;
  again.LoadFromBytes(b.SaveToBytes());
  EXPECT_EQ(again.PixelFormat(), format);
  ExpectRows(again, rows);
}

constexpr TColor kGrey = RGB(132, 132, 132);

}  // namespace

TEST(BmpCodec, PalettedDepths) {
  BmpLayout one;
  one.bitCount = 1;
  one.palette = {{{0, 0, 0}}, {{255, 255, 255}}};
  one.rows = {{0xA0}, {0x40}};  // bottom row first: 1 0 1, then 0 1 0
  ExpectDecodesAndRoundTrips(one, {{clBlack, clWhite, clBlack}, {clWhite, clBlack, clWhite}});

  BmpLayout four;
  four.bitCount = 4;
  four.colorsUsed = 3;
  four.palette = {{{0, 0, 255}}, {{0, 255, 0}}, {{255, 0, 0}}};
  four.rows = {{0x22, 0x10}, {0x01, 0x20}};
  ExpectDecodesAndRoundTrips(four, {{clRed, clLime, clBlue}, {clBlue, clBlue, clLime}});

  BmpLayout eight = four;
  eight.bitCount = 8;
  eight.rows = {{2, 0, 1}, {0, 1, 200}};  // index 200 lies past the palette: black
  ExpectDecodesAndRoundTrips(eight, {{clRed, clLime, clBlack}, {clBlue, clRed, clLime}});

  BmpLayout old = eight;  // the old core header with three-byte palette entries
  old.headerSize = 12;
  old.colorsUsed = 0;
  old.palette.resize(256);
  old.rows = {{2, 0, 1}, {0, 1, 2}};
  ExpectDecodesAndRoundTrips(old, {{clRed, clLime, clBlue}, {clBlue, clRed, clLime}});
}

TEST(BmpCodec, SixteenBitDepths) {
  BmpLayout rgb555;
  rgb555.bitCount = 16;
  rgb555.rows = {{0x10, 0x42, 0x00, 0x00, 0xFF, 0x7F}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00}};
  ExpectDecodesAndRoundTrips(rgb555, {{clRed, clLime, clBlue}, {kGrey, clBlack, clWhite}});

  BmpLayout rgb565;
  rgb565.bitCount = 16;
  rgb565.compression = 3;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.rows = {{0x10, 0x84, 0x00, 0x00, 0xFF, 0xFF}, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}};
  ExpectDecodesAndRoundTrips(rgb565, {{clRed, clLime, clBlue}, {RGB(132, 130, 132), clBlack, clWhite}});
}

TEST(BmpCodec, TrueColourDepthsAndRowOrder) {
  BmpLayout topDown;
  topDown.height = -2;
  topDown.rows = {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}};
  ExpectDecodesAndRoundTrips(topDown, {{clRed, clLime, clBlue}, {RGB(3, 2, 1), RGB(6, 5, 4), RGB(9, 8, 7)}});

  BmpLayout bgra;
  bgra.bitCount = 32;
  bgra.rows = {{1, 2, 3, 0x80, 4, 5, 6, 0, 7, 8, 9, 0xFF}, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0}};
  ExpectDecodesAndRoundTrips(bgra, {{clRed, clLime, clBlue}, {RGB(3, 2, 1), RGB(6, 5, 4), RGB(9, 8, 7)}}, pf32bit);
  TBitmap b;
  b.LoadFromBytes(MakeBmp(bgra));
  TBitmap again;
  again.LoadFromBytes(b.SaveToBytes());
  EXPECT_EQ(again.ScanLine(1)[3], 0x80) << "a 32-bit bitmap keeps its alpha";

  BmpLayout v5;  // masks inside a version 5 header
  v5.headerSize = 124;
  v5.bitCount = 32;
  v5.compression = 3;
  v5.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};  // R, G, B, A swapped around
  v5.height = -1;
  v5.rows = {{0x00, 0x11, 0x22, 0x33, 0xFF, 0, 0, 0, 0, 0, 0, 0}};
  ExpectDecodesAndRoundTrips(v5, {{RGB(0x11, 0x22, 0x33), clBlack, clBlack}}, pf32bit);
}

TEST(BmpCodec, BadDataRaisesAndKeepsThePicture) {
  BmpLayout good;
  good.rows = {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}};
  const std::vector<std::uint8_t> valid = MakeBmp(good);

  std::vector<std::vector<std::uint8_t>> bad;
  bad.push_back({});
  bad.push_back({'B', 'M'});
  bad.push_back(std::vector<std::uint8_t>(valid.begin(), valid.end() - 1));  // truncated pixels
  auto edited = [&](auto change) {
    BmpLayout s = good;
    change(s);
    bad.push_back(MakeBmp(s));
  };
  edited([](BmpLayout& s) { s.width = 0; });
  edited([](BmpLayout& s) { s.height = 0; });
  edited([](BmpLayout& s) { s.width = 30000; s.height = 30000; });  // claims 2.7 GB, holds 24 bytes
  edited([](BmpLayout& s) { s.width = 1 << 30; });
  edited([](BmpLayout& s) { s.height = -2147483647 - 1; });
  edited([](BmpLayout& s) { s.bitCount = 7; });
  edited([](BmpLayout& s) { s.compression = 1; });  // run-length encoded
  edited([](BmpLayout& s) { s.compression = 3; });  // bit fields on 24 bits
  std::vector<std::uint8_t> oddHeader = valid;
  Put(oddHeader, 14, 20, 4);
  bad.push_back(oddHeader);
  std::vector<std::uint8_t> wrongSignature = valid;
  wrongSignature[0] = 'X';
  bad.push_back(wrongSignature);
  std::vector<std::uint8_t> farPixels = valid;
  Put(farPixels, 10, 0xFFFFFFF0u, 4);
  bad.push_back(farPixels);
  std::vector<std::uint8_t> hugePalette = MakeBmp([&] {
    BmpLayout s = good;
    s.bitCount = 8;
    s.colorsUsed = 0xFFFFFFFFu;
    s.rows = {{0, 0, 0}, {0, 0, 0}};
    return s;
  }());
  TBitmap survivor(2, 2);
  survivor.Canvas()->SetPixels(1, 1, clRed);
  EXPECT_NO_THROW(survivor.LoadFromBytes(hugePalette));  // a short palette is read as far as it goes
  survivor.SetSize(2, 2);
  survivor.Canvas()->SetPixels(1, 1, clRed);

  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_THROW(survivor.LoadFromBytes(bad[i]), EInvalidGraphic) << "case " << i;
    EXPECT_EQ(survivor.Width(), 2);
    EXPECT_EQ(At(survivor, 1, 1), clRed);
  }
}

TEST(BmpCodec, FilesOnDisk) {
  const std::string path = (std::filesystem::temp_directory_path() / "gfx-bmp-test.bmp").string();
  TBitmap b(5, 3);
  b.Canvas()->SetPixels(4, 2, clTeal);
  b.SaveToFile(path);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(At(loaded, 4, 2), clTeal);
  std::filesystem::remove(path);
  EXPECT_THROW(loaded.LoadFromFile(path), EInvalidGraphic);
  EXPECT_EQ(loaded.Width(), 5);
}

// Random damage to the header and palette of valid files: every result is
// either a picture or EInvalidGraphic.
TEST(BmpCodec, RandomlyDamagedHeadersNeverCrash) {
  BmpLayout paletted;
  paletted.bitCount = 8;
  paletted.colorsUsed = 2;
  paletted.palette = {{{1, 2, 3}}, {{4, 5, 6}}};
  paletted.rows = {{0, 1, 0}, {1, 0, 1}};
  BmpLayout fields;
  fields.bitCount = 16;
  fields.compression = 3;
  fields.masks = {0xF800, 0x07E0, 0x001F};
  fields.rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (const BmpLayout& layout : {paletted, fields}) {
    const std::vector<std::uint8_t> valid = MakeBmp(layout);
    for (int round = 0; round < 3000; ++round) {
      std::vector<std::uint8_t> damaged = valid;
      for (int hits = 1 + next() % 4; hits > 0; --hits)
        damaged[next() % std::min<std::size_t>(damaged.size(), 70)] = static_cast<std::uint8_t>(next() >> 24);
      if (next() % 5 == 0) damaged.resize(next() % damaged.size());
      TBitmap b;
      try {
        b.LoadFromBytes(damaged);
      } catch (const EInvalidGraphic&) {
      }
    }
  }
}
