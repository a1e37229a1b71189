#include "platform/gfx/BmpCodec.h"

#include <bit>
#include <cstring>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Bitmap.h"

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::int64_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;  // 64 megapixels

[[noreturn]] void Invalid(const std::string& why) { throw EInvalidGraphic("Invalid bitmap image: " + why); }

// Bounds-checked little-endian reads.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
  std::uint32_t U32(std::size_t at) const {
    Need(at, 4);
    return data_[at] | (data_[at + 1] << 8) | (data_[at + 2] << 16) | (std::uint32_t{data_[at + 3]} << 24);
  }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::uint16_t U16(std::size_t at) const {
    Need(at, 2);
    return static_cast<std::uint16_t>(data_[at] | (data_[at + 1] << 8));
  }
  void Need(std::size_t at, std::size_t count) const {
    if (at > data_.size() || count > data_.size() - at) Invalid("the file is truncated");
  }
  const std::uint8_t* At(std::size_t at) const { return data_.data() + at; }

 private:
  std::span<const std::uint8_t> data_;
};

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;
  explicit Channel(std::uint32_t m) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    max = m >> shift;
  }
  std::uint8_t Of(std::uint32_t pixel) const {
    if (!mask) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + max / 2) / max);
  }
};

struct Header {
  std::int64_t width = 0, height = 0;  // height < 0: rows top-down
  int bitCount = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::size_t paletteAt = 0, paletteEntries = 0, paletteEntrySize = 4;
  std::size_t pixelsAt = 0;
};

Header ReadHeader(const Reader& in) {
  if (in.U16(0) != 0x4D42) Invalid("missing \"BM\" signature");
  Header h;
  h.pixelsAt = in.U32(10);
  const std::uint32_t infoSize = in.U32(14);
  std::size_t afterInfo = 14 + static_cast<std::size_t>(infoSize);
  if (infoSize == 12) {  // the old core header
    h.width = in.U16(18);
    h.height = in.U16(20);
    h.bitCount = in.U16(24);
    h.paletteEntrySize = 3;
  } else if (infoSize >= 40 && infoSize <= 124) {
    h.width = in.I32(18);
    h.height = in.I32(22);
    h.bitCount = in.U16(28);
    h.compression = in.U32(30);
    const std::uint32_t used = in.U32(46);
    if (h.bitCount <= 8) h.paletteEntries = used;
    if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
      const int count = h.compression == kBiAlphaBitfields ? 4 : 3;
      std::size_t masksAt = 54;
      if (infoSize == 40) afterInfo += static_cast<std::size_t>(count) * 4;  // masks follow the header
      for (int i = 0; i < count; ++i) h.masks[i] = in.U32(masksAt + static_cast<std::size_t>(i) * 4);
      if (infoSize >= 56 && count == 3) h.masks[3] = in.U32(66);
    } else if (h.compression != kBiRgb) {
      Invalid("compressed bitmaps are not supported");
    }
  } else {
    Invalid("unknown header size " + std::to_string(infoSize));
  }
  switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Invalid("unsupported colour depth " + std::to_string(h.bitCount));
  }
  if (h.compression != kBiRgb && h.bitCount != 16 && h.bitCount != 32) Invalid("bit fields need 16 or 32 bits");
  if (h.width <= 0 || h.height == 0 || h.width > kMaxSide || h.height > kMaxSide || h.height < -kMaxSide)
    Invalid("bad dimensions");
  if (h.width * (h.height < 0 ? -h.height : h.height) > kMaxPixels) Invalid("the picture is too large");
  if (h.bitCount <= 8) {
    const std::size_t full = std::size_t{1} << h.bitCount;
    if (h.paletteEntries == 0 || h.paletteEntries > full) h.paletteEntries = full;
    h.paletteAt = afterInfo;
    // A short palette is allowed as long as it lies before the pixels.
    const std::size_t room = h.pixelsAt > afterInfo ? (h.pixelsAt - afterInfo) / h.paletteEntrySize : 0;
    h.paletteEntries = std::min(h.paletteEntries, room);
    in.Need(h.paletteAt, h.paletteEntries * h.paletteEntrySize);
  }
  if (h.pixelsAt < afterInfo) Invalid("pixel data overlaps the header");
  return h;
}

void DecodeRows(const Reader& in, const Header& h, TBitmap& target) {
  const int width = static_cast<int>(h.width);
  const int height = static_cast<int>(h.height < 0 ? -h.height : h.height);
  const std::size_t stride = ((static_cast<std::size_t>(width) * h.bitCount + 31) / 32) * 4;
  in.Need(h.pixelsAt, stride * height);  // before any allocation

  std::uint8_t palette[256][3] = {};
  for (std::size_t i = 0; i < h.paletteEntries; ++i)
    std::memcpy(palette[i], in.At(h.paletteAt + i * h.paletteEntrySize), 3);

  std::uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
  if (h.compression == kBiRgb && h.bitCount == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  }
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

  target.SetPixelFormat(h.bitCount == 32 ? pf32bit : pf24bit);
  target.SetSize(width, height);
  const int bpp = target.BytesPerPixel();
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* src = in.At(h.pixelsAt + stride * row);
    std::uint8_t* dst = target.ScanLine(h.height < 0 ? row : height - 1 - row);
    if (h.compression == kBiRgb && (h.bitCount == 24 || h.bitCount == 32)) {
      std::memcpy(dst, src, static_cast<std::size_t>(width) * bpp);
      continue;
    }
    for (int x = 0; x < width; ++x, dst += bpp) {
      if (h.bitCount <= 8) {
        const int perByte = 8 / h.bitCount;
        const int shift = 8 - h.bitCount * (x % perByte + 1);
        const unsigned index = (src[x / perByte] >> shift) & ((1u << h.bitCount) - 1);
        if (index < h.paletteEntries) std::memcpy(dst, palette[index], 3);
        else std::memset(dst, 0, 3);
        continue;
      }
      const std::uint32_t value = h.bitCount == 16 ? std::uint32_t(src[x * 2] | (src[x * 2 + 1] << 8))
                                                   : in.U32(h.pixelsAt + stride * row + x * 4u);
      dst[0] = blue.Of(value);
      dst[1] = green.Of(value);
      dst[2] = red.Of(value);
      if (bpp == 4) dst[3] = alpha.Of(value);
    }
  }
}

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = v & 0xFF;
  out[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

}  // namespace

void DecodeBmp(std::span<const std::uint8_t> data, TBitmap& target) {
  const Reader in(data);
  DecodeRows(in, ReadHeader(in), target);
}

std::int64_t DecodedBmpSize(std::span<const std::uint8_t> data) {
  const Header h = ReadHeader(Reader(data));
  const std::int64_t rows = h.height < 0 ? -h.height : h.height;
  return h.width * rows * (h.bitCount == 32 ? 4 : 3);
}

std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap) {
  const int bpp = bitmap.BytesPerPixel();
  const std::size_t rowBytes = static_cast<std::size_t>(bitmap.Width()) * bpp;
  const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
  const std::size_t headers = 14 + 40;
  std::vector<std::uint8_t> out(headers + stride * bitmap.Height(), 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, headers);
  Put32(out, 14, 40);
  Put32(out, 18, static_cast<std::uint32_t>(bitmap.Width()));
  Put32(out, 22, static_cast<std::uint32_t>(bitmap.Height()));  // bottom-up
  Put16(out, 26, 1);
  Put16(out, 28, static_cast<std::uint32_t>(bpp * 8));
  Put32(out, 34, static_cast<std::uint32_t>(stride * bitmap.Height()));
  Put32(out, 38, 3780);  // 96 dots per inch
  Put32(out, 42, 3780);
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(out.data() + headers + stride * (bitmap.Height() - 1 - y), bitmap.ScanLine(y), rowBytes);
  return out;
}
