#pragma once
// Reading and writing BMP files.

#include <cstdint>
#include <span>
#include <vector>

class TBitmap;

// Decodes a BMP file into target; EInvalidGraphic on anything malformed.
void DecodeBmp(std::span<const std::uint8_t> data, TBitmap& target);
// The bytes DecodeBmp would allocate for the pixels, read from the headers
// alone; EInvalidGraphic when the headers are malformed.
std::int64_t DecodedBmpSize(std::span<const std::uint8_t> data);
// 24 bits per pixel, or 32 for a 32-bit bitmap so its alpha is kept.
std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap);
