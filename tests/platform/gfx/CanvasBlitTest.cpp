#include <gtest/gtest.h>

#include <cstdlib>

#include "PixelTestUtil.h"
#include "platform/gfx/Canvas.h"

using pixeltest::At;
using pixeltest::Fill;
using pixeltest::Picture;
using Rows = std::vector<std::string>;

namespace {

// Colours that exercise every bit pattern of the raster operations.
constexpr TColor kSource = RGB(0xF0, 0x0F, 0x55);
constexpr TColor kDest = RGB(0xCC, 0x33, 0xAA);
constexpr TColor kBrush = RGB(0x81, 0x7E, 0x18);

TColor BlitOne(DWORD rop, TPixelFormat destFormat = pf24bit, TPixelFormat sourceFormat = pf24bit) {
  TBitmap source(1, 1, sourceFormat), dest(1, 1, destFormat);
  Fill(source, kSource);
  Fill(dest, kDest);
  dest.Canvas()->Brush()->SetColor(kBrush);
  dest.Canvas()->BitBlt(0, 0, 1, 1, source.Canvas(), 0, 0, rop);
  return At(dest, 0, 0);
}

}  // namespace

TEST(CanvasBlit, RasterOperations) {
  constexpr TColor S = kSource, D = kDest, P = kBrush;
  EXPECT_EQ(BlitOne(SRCCOPY), S);
  EXPECT_EQ(BlitOne(SRCAND), S & D);
  EXPECT_EQ(BlitOne(SRCPAINT), S | D);
  EXPECT_EQ(BlitOne(SRCINVERT), S ^ D);
  EXPECT_EQ(BlitOne(SRCERASE), S & (~D & 0xFFFFFF));
  EXPECT_EQ(BlitOne(NOTSRCCOPY), ~S & 0xFFFFFF);
  EXPECT_EQ(BlitOne(NOTSRCERASE), ~(S | D) & 0xFFFFFF);
  EXPECT_EQ(BlitOne(MERGECOPY), S & P);
  EXPECT_EQ(BlitOne(MERGEPAINT), (~S & 0xFFFFFF) | D);
  EXPECT_EQ(BlitOne(DSTINVERT), ~D & 0xFFFFFF);
  EXPECT_EQ(BlitOne(PATCOPY), P);
  EXPECT_EQ(BlitOne(PATINVERT), P ^ D);
  EXPECT_EQ(BlitOne(PATPAINT), P | (~S & 0xFFFFFF) | D);
  EXPECT_EQ(BlitOne(BLACKNESS), clBlack);
  EXPECT_EQ(BlitOne(WHITENESS), clWhite);
  // Between pixel formats.
  EXPECT_EQ(BlitOne(SRCCOPY, pf32bit, pf24bit), S);
  EXPECT_EQ(BlitOne(SRCCOPY, pf24bit, pf32bit), S);
  EXPECT_EQ(BlitOne(SRCCOPY, pf32bit, pf32bit), S);
  EXPECT_EQ(BlitOne(SRCINVERT, pf32bit, pf24bit), S ^ D);
}

TEST(CanvasBlit, BitBltCopiesTheRightAreaAndClipsToTheTarget) {
  TBitmap source(4, 4), dest(6, 6);
  Fill(source, clWhite);
  source.Canvas()->SetPixels(1, 1, clRed);
  source.Canvas()->SetPixels(3, 3, clBlue);
  Fill(dest, clBlack);
  dest.Canvas()->BitBlt(4, 4, 3, 3, source.Canvas(), 1, 1, SRCCOPY);  // partly off the target
  EXPECT_EQ(At(dest, 4, 4), clRed);
  EXPECT_EQ(At(dest, 5, 5), clWhite);
  EXPECT_EQ(At(dest, 3, 3), clBlack);
  // Source area beyond the source bitmap copies nothing for those pixels.
  Fill(dest, clBlack);
  dest.Canvas()->BitBlt(0, 0, 6, 6, source.Canvas(), 2, 2, SRCCOPY);
  EXPECT_EQ(At(dest, 1, 1), clBlue);
  EXPECT_EQ(At(dest, 2, 2), clBlack);
  EXPECT_FALSE(dest.Canvas()->BitBlt(0, 0, 0, 3, source.Canvas(), 0, 0, SRCCOPY));
  EXPECT_FALSE(dest.Canvas()->BitBlt(0, 0, 3, 3, nullptr, 0, 0, SRCCOPY));
}

TEST(CanvasBlit, OverlappingCopyWithinOneBitmap) {
  TBitmap b(6, 1);
  for (int x = 0; x < 6; ++x) b.Canvas()->SetPixels(x, 0, RGB(x, 0, 0));
  b.Canvas()->BitBlt(1, 0, 5, 1, b.Canvas(), 0, 0, SRCCOPY);
  for (int x = 1; x < 6; ++x) EXPECT_EQ(GetRValue(At(b, x, 0)), x - 1);
  b.Canvas()->BitBlt(0, 0, 5, 1, b.Canvas(), 1, 0, SRCCOPY);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(GetRValue(At(b, x, 0)), x);
}

TEST(CanvasBlit, StretchColorOnColorPicksNearestPixels) {
  TBitmap source(2, 2), dest(4, 4);
  source.Canvas()->SetPixels(0, 0, clRed);
  source.Canvas()->SetPixels(1, 0, clGreen);
  source.Canvas()->SetPixels(0, 1, clBlue);
  source.Canvas()->SetPixels(1, 1, clWhite);
  dest.Canvas()->StretchBlt(0, 0, 4, 4, source.Canvas(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(Picture(dest, clRed), (Rows{"##..", "##..", "....", "...."}));
  EXPECT_EQ(Picture(dest, clWhite), (Rows{"....", "....", "..##", "..##"}));
  // Shrinking keeps one of every two source pixels.
  TBitmap small(1, 1);
  small.Canvas()->SetStretchBltMode(COLORONCOLOR);
  small.Canvas()->StretchBlt(0, 0, 1, 1, dest.Canvas(), 0, 0, 4, 4, SRCCOPY);
  const TColor picked = At(small, 0, 0);
  EXPECT_TRUE(picked == clRed || picked == clGreen || picked == clBlue || picked == clWhite);
}

TEST(CanvasBlit, DefaultStretchModeAndsWhatAShrinkLeavesOut) {
  TBitmap source(4, 1), dest(2, 1);
  source.Canvas()->SetPixels(0, 0, RGB(0xF0, 0xFF, 0x0F));
  source.Canvas()->SetPixels(1, 0, RGB(0x3C, 0x0F, 0xFF));
  source.Canvas()->SetPixels(2, 0, clBlack);
  source.Canvas()->SetPixels(3, 0, RGB(1, 2, 4));
  dest.Canvas()->StretchBlt(0, 0, 2, 1, source.Canvas(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(At(dest, 0, 0), RGB(0x30, 0x0F, 0x0F));
  EXPECT_EQ(At(dest, 1, 0), clBlack);
  dest.Canvas()->SetStretchBltMode(WHITEONBLACK);
  dest.Canvas()->StretchBlt(0, 0, 2, 1, source.Canvas(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(At(dest, 0, 0), RGB(0xFC, 0xFF, 0xFF));
  EXPECT_EQ(At(dest, 1, 0), RGB(1, 2, 4));
  // Drawing a picture switches a non-halftone canvas to plain pixel picking.
  TBitmap picture(4, 1);
  picture.Canvas()->CopyRect(Rect(0, 0, 4, 1), source.Canvas(), Rect(0, 0, 4, 1));
  dest.Canvas()->StretchDraw(Rect(0, 0, 2, 1), &picture);
  EXPECT_EQ(dest.Canvas()->StretchBltMode(), COLORONCOLOR);
  EXPECT_EQ(At(dest, 1, 0), RGB(1, 2, 4));  // the right one of the pair
  dest.Canvas()->SetStretchBltMode(HALFTONE);
  dest.Canvas()->StretchDraw(Rect(0, 0, 2, 1), &picture);
  EXPECT_EQ(dest.Canvas()->StretchBltMode(), HALFTONE);
}

TEST(CanvasBlit, StretchHalftoneAveragesTheCoveredArea) {
  TBitmap source(4, 2), dest(2, 1);
  Fill(source, clBlack);
  source.Canvas()->Brush()->SetColor(clWhite);
  source.Canvas()->FillRect(Rect(0, 0, 1, 2));  // column 0 of the left pair is white
  dest.Canvas()->SetStretchBltMode(HALFTONE);
  dest.Canvas()->StretchBlt(0, 0, 2, 1, source.Canvas(), 0, 0, 4, 2, SRCCOPY);
  EXPECT_NEAR(GetRValue(At(dest, 0, 0)), 128, 1);  // half white, half black
  EXPECT_EQ(At(dest, 1, 0), clBlack);
  // Enlarging a flat colour keeps it exactly.
  TBitmap flat(3, 3), big(10, 7);
  Fill(flat, RGB(200, 100, 50));
  big.Canvas()->SetStretchBltMode(HALFTONE);
  big.Canvas()->StretchBlt(0, 0, 10, 7, flat.Canvas(), 0, 0, 3, 3, SRCCOPY);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(At(big, x, y), RGB(200, 100, 50)) << x << "," << y;
  // Three to one: the average of the three.
  TBitmap strip(3, 1), one(1, 1);
  strip.Canvas()->SetPixels(0, 0, RGB(0, 30, 90));
  strip.Canvas()->SetPixels(1, 0, RGB(30, 60, 90));
  strip.Canvas()->SetPixels(2, 0, RGB(60, 90, 90));
  one.Canvas()->SetStretchBltMode(HALFTONE);
  one.Canvas()->StretchBlt(0, 0, 1, 1, strip.Canvas(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_NEAR(GetRValue(At(one, 0, 0)), 30, 1);
  EXPECT_NEAR(GetGValue(At(one, 0, 0)), 60, 1);
  EXPECT_EQ(GetBValue(At(one, 0, 0)), 90);
}

TEST(CanvasBlit, TransparentBltSkipsTheKeyColour) {
  TBitmap sprite(3, 1), dest(6, 2);
  sprite.Canvas()->SetPixels(0, 0, clFuchsia);
  sprite.Canvas()->SetPixels(1, 0, clRed);
  sprite.Canvas()->SetPixels(2, 0, clFuchsia);
  Fill(dest, clBlue);
  dest.Canvas()->TransparentBlt(0, 0, 6, 2, sprite.Canvas(), 0, 0, 3, 1, clFuchsia);
  EXPECT_EQ(Picture(dest, clRed), (Rows{"..##..", "..##.."}));
  EXPECT_EQ(Picture(dest, clBlue), (Rows{"##..##", "##..##"}));
}

TEST(CanvasBlit, DrawHonoursTransparencyAndCopyMode) {
  TBitmap glyph(2, 2), dest(4, 4);
  Fill(glyph, clRed);
  glyph.Canvas()->SetPixels(0, 1, clLime);  // bottom-left: the automatic key
  Fill(dest, clBlue);
  glyph.SetTransparent(true);
  EXPECT_EQ(glyph.TransparentColor(), clLime);
  dest.Canvas()->Draw(1, 1, &glyph);
  EXPECT_EQ(Picture(dest, clRed), (Rows{"....", ".##.", "..#.", "...."}));
  EXPECT_EQ(At(dest, 1, 2), clBlue);

  glyph.SetTransparent(false);
  dest.Canvas()->SetCopyMode(cmSrcInvert);
  dest.Canvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(At(dest, 0, 0), clRed ^ clBlue);
  dest.Canvas()->SetCopyMode(cmSrcCopy);
  dest.Canvas()->StretchDraw(Rect(0, 0, 4, 4), &glyph);
  EXPECT_EQ(Picture(dest, clLime), (Rows{"....", "....", "##..", "##.."}));
  dest.Canvas()->Draw(0, 0, nullptr);  // nothing to draw: nothing happens
}

TEST(CanvasBlit, PatBltAndCopyRect) {
  TBitmap b(4, 2);
  Fill(b, clWhite);
  b.Canvas()->Brush()->SetColor(clNavy);
  b.Canvas()->PatBlt(1, 0, 2, 2, PATCOPY);
  EXPECT_EQ(Picture(b, clNavy), (Rows{".##.", ".##."}));
  b.Canvas()->PatBlt(0, 0, 4, 1, DSTINVERT);
  EXPECT_EQ(At(b, 0, 0), clBlack);
  EXPECT_FALSE(b.Canvas()->PatBlt(0, 0, 4, 1, SRCCOPY));  // needs a source

  TBitmap target(4, 2);
  Fill(target, clBlack);
  target.Canvas()->CopyRect(Rect(2, 0, 4, 2), b.Canvas(), Rect(1, 0, 3, 2));
  EXPECT_EQ(At(target, 2, 1), clNavy);
  EXPECT_EQ(At(target, 1, 1), clBlack);
}

TEST(CanvasBlit, ExtremeSizesAndPositionsStayCheap) {
  TBitmap source(4, 4), dest(8, 8);
  Fill(source, clRed);
  Fill(dest, clWhite);
  const int huge = 2147483647;
  TCanvas& c = *dest.Canvas();
  c.StretchBlt(0, 0, huge, huge, source.Canvas(), 0, 0, 4, 4, SRCCOPY);
  EXPECT_EQ(Picture(dest, clRed), Rows(8, "########"));
  Fill(dest, clWhite);
  c.SetStretchBltMode(HALFTONE);
  c.StretchBlt(-huge, -huge, huge, huge, source.Canvas(), 0, 0, 4, 4, SRCCOPY);
  c.BitBlt(huge, huge, huge, huge, source.Canvas(), 0, 0, SRCCOPY);
  c.StretchBlt(2, 2, 4, 4, source.Canvas(), -huge, -huge, huge, huge, SRCCOPY);
  c.TransparentBlt(0, 0, huge, huge, source.Canvas(), 0, 0, 4, 4, clBlue);
  c.Brush()->SetColor(clBlue);
  c.FillRect(Rect(-huge - 1, -huge - 1, huge, huge));
  EXPECT_EQ(Picture(dest, clBlue), Rows(8, "########"));
}
