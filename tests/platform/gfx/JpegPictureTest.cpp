#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>

#include "PixelTestUtil.h"
#include "platform/base/Exceptions.h"
#include "platform/gfx/JpegImage.h"
#include "platform/gfx/Picture.h"

using pixeltest::At;

namespace {

// A 16 × 8 JPEG: the left half one colour, the right half another.
std::vector<std::uint8_t> EncodeTwoColourJpeg(TColor left, TColor right) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = 16;
  info.image_height = 8;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(16 * 3);
  for (int x = 0; x < 16; ++x) {
    const TColor c = x < 8 ? left : right;
    row[x * 3] = GetRValue(c);
    row[x * 3 + 1] = GetGValue(c);
    row[x * 3 + 2] = GetBValue(c);
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW line = row.data();
    jpeg_write_scanlines(&info, &line, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

void ExpectNear(TColor actual, TColor expected, int tolerance) {
  EXPECT_NEAR(GetRValue(actual), GetRValue(expected), tolerance);
  EXPECT_NEAR(GetGValue(actual), GetGValue(expected), tolerance);
  EXPECT_NEAR(GetBValue(actual), GetBValue(expected), tolerance);
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

constexpr TColor kOrange = RGB(230, 120, 20);
constexpr TColor kTeal = RGB(20, 110, 160);

}  // namespace

TEST(JpegImage, DecodesToTheEncodedColours) {
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(EncodeTwoColourJpeg(kOrange, kTeal));
  ASSERT_EQ(jpeg.Width(), 16);
  ASSERT_EQ(jpeg.Height(), 8);
  ExpectNear(At(*jpeg.AsBitmap(), 2, 4), kOrange, 10);
  ExpectNear(At(*jpeg.AsBitmap(), 13, 4), kTeal, 10);
  // Drawn onto a canvas like any graphic.
  TBitmap canvasBitmap(16, 8);
  canvasBitmap.Canvas()->Draw(0, 0, &jpeg);
  ExpectNear(At(canvasBitmap, 13, 1), kTeal, 10);
  // A bitmap takes a copy of the pixels.
  TBitmap copy;
  copy.Assign(&jpeg);
  EXPECT_EQ(copy.Width(), 16);
  ExpectNear(At(copy, 1, 1), kOrange, 10);
}

TEST(JpegImage, DamagedDataRaisesAndKeepsTheImage) {
  const std::vector<std::uint8_t> good = EncodeTwoColourJpeg(kOrange, kTeal);
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(good);
  const std::vector<std::uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  EXPECT_THROW(jpeg.LoadFromBytes(truncated), EInvalidGraphic);
  EXPECT_THROW(jpeg.LoadFromBytes({}), EInvalidGraphic);
  const std::vector<std::uint8_t> garbage(300, 0x5A);
  EXPECT_THROW(jpeg.LoadFromBytes(garbage), EInvalidGraphic);
  std::vector<std::uint8_t> headerOnly(good.begin(), good.begin() + 20);
  EXPECT_THROW(jpeg.LoadFromBytes(headerOnly), EInvalidGraphic);
  EXPECT_EQ(jpeg.Width(), 16);
  EXPECT_EQ(jpeg.SaveToBytes(), good);
}

TEST(Picture, PicksTheGraphicByExtension) {
  const std::string jpegPath = TempPath("gfx-picture-test.JPG");
  const std::string bmpPath = TempPath("gfx-picture-test.bmp");
  WriteFile(jpegPath, EncodeTwoColourJpeg(kOrange, kTeal));
  TBitmap source(3, 2);
  source.Canvas()->SetPixels(0, 0, clMaroon);
  source.SaveToFile(bmpPath);

  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(jpegPath);
  EXPECT_EQ(picture.Graphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(picture.Width(), 16);
  picture.LoadFromFile(bmpPath);
  EXPECT_EQ(picture.Graphic()->ClassName(), "TBitmap");
  EXPECT_EQ(At(*picture.Bitmap(), 0, 0), clMaroon);
  EXPECT_EQ(changes, 2);
  // Changes to the held graphic reach the picture.
  picture.Bitmap()->SetSize(5, 5);
  EXPECT_EQ(changes, 3);

  EXPECT_THROW(picture.LoadFromFile(TempPath("gfx-picture-test.gif")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(TempPath("missing-picture.bmp")), EInvalidGraphic);
  EXPECT_EQ(picture.Width(), 5);  // failed loads keep the picture

  TPicture copy;
  copy.Assign(&picture);
  EXPECT_EQ(copy.Width(), 5);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  copy.SetGraphic(nullptr);
  EXPECT_EQ(copy.Graphic(), nullptr);
  EXPECT_EQ(copy.Width(), 0);
  std::filesystem::remove(jpegPath);
  std::filesystem::remove(bmpPath);
}

TEST(Bitmap, SizeFormatAndTransparency) {
  TBitmap b(2, 2);
  b.Canvas()->SetPixels(0, 0, clRed);
  b.Canvas()->SetPixels(0, 1, clLime);
  b.SetSize(3, 3);  // keeps the old pixels, new ones are white
  EXPECT_EQ(At(b, 0, 0), clRed);
  EXPECT_EQ(At(b, 2, 2), clWhite);
  EXPECT_EQ(b.TransparentColor(), clWhite);  // bottom-left pixel
  b.SetTransparentColor(clRed);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_EQ(b.TransparentColor(), clRed);

  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(b.BytesPerPixel(), 4);
  EXPECT_EQ(At(b, 0, 1), clLime);
  b.SetPixelFormat(pfDevice);
  EXPECT_EQ(b.BytesPerPixel(), 3);
  EXPECT_EQ(At(b, 0, 0), clRed);

  EXPECT_THROW(b.ScanLine(3), EInvalidGraphic);
  EXPECT_THROW(b.ScanLine(-1), EInvalidGraphic);
  b.SetSize(-5, 4);
  EXPECT_EQ(b.Width(), 0);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, AssignCopiesOrEmpties) {
  TBitmap source(2, 1, pf32bit);
  source.Canvas()->SetPixels(1, 0, clNavy);
  source.SetTransparent(true);
  TBitmap copy;
  int changes = 0;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.PixelFormat(), pf32bit);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(At(copy, 1, 0), clNavy);
  source.Canvas()->SetPixels(1, 0, clRed);  // a copy, not a share
  EXPECT_EQ(At(copy, 1, 0), clNavy);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_FALSE(copy.Transparent());
}

TEST(Color, SystemColoursAndConversion) {
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(1000), 0u);
  EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
  EXPECT_EQ(GetBValue(0x030201), 3);
}

TEST(Font, DefaultsAndSizeConversion) {
  TFont font;
  EXPECT_EQ(font.Name(), "Tahoma");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Color(), clWindowText);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  int changes = 0;
  TFont other;
  other.OnChange = [&](TObject*) { ++changes; };
  other.Assign(font);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(other.Height(), -12);
  other.SetStyle(fsBold | fsUnderline);
  EXPECT_EQ(changes, 2);
  other.SetStyle(fsBold | fsUnderline);  // unchanged: no event
  EXPECT_EQ(changes, 2);

  // A copy never tells the original's owner about its own changes.
  TFont copy = other;
  copy.SetHeight(-20);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(copy.Style(), fsBold | fsUnderline);
  // Assigning by value keeps the target's handler and fires it once.
  other = copy;
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(other.Height(), -20);
}

TEST(JpegImage, RandomlyDamagedFilesNeverCrash) {
  const std::vector<std::uint8_t> valid = EncodeTwoColourJpeg(kOrange, kTeal);
  std::uint32_t seed = 777;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (int round = 0; round < 500; ++round) {
    std::vector<std::uint8_t> damaged = valid;
    for (int hits = 1 + next() % 6; hits > 0; --hits)
      damaged[next() % damaged.size()] = static_cast<std::uint8_t>(next() >> 24);
    TJPEGImage jpeg;
    try {
      jpeg.LoadFromBytes(damaged);
      EXPECT_EQ(jpeg.AsBitmap()->Width(), jpeg.Width());
    } catch (const EInvalidGraphic&) {
    }
  }
}

// A header claiming 60000 × 60000 pixels in a few hundred bytes is refused
// before any pixel memory is taken.
TEST(JpegImage, HeaderClaimingHugeSizeIsRefused) {
  std::vector<std::uint8_t> bytes = EncodeTwoColourJpeg(kOrange, kTeal);
  bool patched = false;
  for (std::size_t i = 0; i + 8 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {  // start of frame
      bytes[i + 5] = 0xEA;  // height 60000
      bytes[i + 6] = 0x60;
      bytes[i + 7] = 0xEA;  // width 60000
      bytes[i + 8] = 0x60;
      patched = true;
      break;
    }
  ASSERT_TRUE(patched);
  TJPEGImage jpeg;
  try {
    jpeg.LoadFromBytes(bytes);
    ADD_FAILURE() << "loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message().find("too large"), std::string::npos) << e.Message();
  }
}
