#include "platform/gfx/StretchSampler.h"

#include <algorithm>

#include "platform/gfx/PixelOps.h"

namespace detail {

namespace {
constexpr std::uint32_t kOne = 4096;  // weight of a whole pixel; 255 * kOne * kOne fits 32 bits
}

StretchSampler::StretchSampler(const TBitmap& source, const TRect& sourceRect, int destWidth, int destHeight,
                               const TRect& visible, StretchKind kind)
    : source_(source), rect_(sourceRect), visible_(visible), kind_(kind), bpp_(source.BytesPerPixel()) {
  if (kind_ == StretchKind::AndScans || kind_ == StretchKind::OrScans) {
    ScanRanges(destWidth, rect_.Width(), visible.Left, visible.Right, columns_, columnCount_);
    ScanRanges(destHeight, rect_.Height(), visible.Top, visible.Bottom, rows_, rowCount_);
  } else if (kind_ == StretchKind::Average) {
    columnTaps_ = AreaTaps(destWidth, rect_.Width(), visible.Left, visible.Right);
    rowTaps_ = AreaTaps(destHeight, rect_.Height(), visible.Top, visible.Bottom);
    blended_.resize(static_cast<std::size_t>(rect_.Width()) * 3);
  } else {
    columns_ = NearestMap(destWidth, rect_.Width(), visible.Left, visible.Right);
    rows_ = NearestMap(destHeight, rect_.Height(), visible.Top, visible.Bottom);
  }
}

// Source index whose span holds the destination pixel's centre.
std::vector<int> StretchSampler::NearestMap(int destLength, int sourceLength, int from, int to) {
  std::vector<int> map(static_cast<std::size_t>(to - from));
  for (int i = from; i < to; ++i)
    map[static_cast<std::size_t>(i - from)] =
        static_cast<int>((static_cast<std::int64_t>(2 * i + 1) * sourceLength) / (2 * std::int64_t{destLength}));
  return map;
}

void StretchSampler::ScanRanges(int destLength, int sourceLength, int from, int to, std::vector<int>& first,
                                std::vector<int>& count) {
  if (sourceLength <= destLength) {  // nothing is left out: plain nearest pixels
    first = NearestMap(destLength, sourceLength, from, to);
    count.assign(first.size(), 1);
    return;
  }
  for (std::int64_t i = from; i < to; ++i) {
    const auto begin = static_cast<int>(i * sourceLength / destLength);
    const auto end = static_cast<int>((i + 1) * sourceLength / destLength);
    first.push_back(begin);
    count.push_back(end - begin);
  }
}

// Destination pixel i covers source [i * s / d, (i + 1) * s / d); each source
// pixel weighs by how much of that span it covers.
StretchSampler::Taps StretchSampler::AreaTaps(int destLength, int sourceLength, int from, int to) {
  Taps taps;
  const std::int64_t d = destLength, s = sourceLength;
  for (std::int64_t i = from; i < to; ++i) {
    const std::int64_t from = i * s, to = (i + 1) * s;  // in 1/d source pixels
    const int first = static_cast<int>(from / d), last = static_cast<int>((to - 1) / d);
    taps.first.push_back(first);
    taps.start.push_back(static_cast<int>(taps.weights.size()));
    taps.count.push_back(last - first + 1);
    std::uint32_t sum = 0;
    std::size_t heaviest = taps.weights.size();
    for (int k = first; k <= last; ++k) {
      const std::int64_t overlap = std::min(to, (k + 1) * d) - std::max(from, k * d);
      const auto weight = static_cast<std::uint32_t>((overlap * kOne + s / 2) / s);
      taps.weights.push_back(weight);
      if (weight > taps.weights[heaviest]) heaviest = taps.weights.size() - 1;
      sum += weight;
    }
    taps.weights[heaviest] += kOne - sum;  // rounding never loses brightness
  }
  return taps;
}

void StretchSampler::CombinedRow(int y, int from, int to, std::uint32_t* out) const {
  const bool isAnd = kind_ == StretchKind::AndScans;
  const auto yi = static_cast<std::size_t>(y - visible_.Top);
  for (int x = from; x < to; ++x) {
    const auto xi = static_cast<std::size_t>(x - visible_.Left);
    std::uint32_t value = isAnd ? 0xFFFFFF : 0;
    for (int r = 0; r < rowCount_[yi]; ++r) {
      const std::uint8_t* p = source_.ScanLine(rect_.Top + rows_[yi] + r) + (rect_.Left + columns_[xi]) * bpp_;
      for (int c = 0; c < columnCount_[xi]; ++c, p += bpp_) value = isAnd ? value & ReadPixel(p) : value | ReadPixel(p);
    }
    *out++ = value;
  }
}

void StretchSampler::Row(int y, int from, int to, std::uint32_t* out) {
  if (kind_ == StretchKind::AndScans || kind_ == StretchKind::OrScans) {
    CombinedRow(y, from, to, out);
    return;
  }
  if (kind_ == StretchKind::Nearest) {
    const std::uint8_t* row =
        source_.ScanLine(rect_.Top + rows_[static_cast<std::size_t>(y - visible_.Top)]) + rect_.Left * bpp_;
    for (int x = from; x < to; ++x)
      *out++ = ReadPixel(row + columns_[static_cast<std::size_t>(x - visible_.Left)] * bpp_);
    return;
  }
  if (blendedRow_ != y) {
    std::fill(blended_.begin(), blended_.end(), 0);
    const auto yi = static_cast<std::size_t>(y - visible_.Top);
    for (int k = 0; k < rowTaps_.count[yi]; ++k) {
      const std::uint32_t weight = rowTaps_.weights[static_cast<std::size_t>(rowTaps_.start[yi] + k)];
      const std::uint8_t* p = source_.ScanLine(rect_.Top + rowTaps_.first[yi] + k) + rect_.Left * bpp_;
      std::uint32_t* acc = blended_.data();
      for (int x = 0; x < rect_.Width(); ++x, p += bpp_, acc += 3) {
        acc[0] += p[0] * weight;
        acc[1] += p[1] * weight;
        acc[2] += p[2] * weight;
      }
    }
    blendedRow_ = y;
  }
  for (int x = from; x < to; ++x) {
    const auto xi = static_cast<std::size_t>(x - visible_.Left);
    std::uint32_t b = 0, g = 0, r = 0;
    const std::uint32_t* acc = blended_.data() + static_cast<std::size_t>(columnTaps_.first[xi]) * 3;
    const std::uint32_t* weight = columnTaps_.weights.data() + columnTaps_.start[xi];
    for (int k = 0; k < columnTaps_.count[xi]; ++k, acc += 3) {
      b += acc[0] * weight[k];
      g += acc[1] * weight[k];
      r += acc[2] * weight[k];
    }
    constexpr std::uint32_t half = kOne * kOne / 2;
    // The sums stay below 255 * kOne * kOne + half, inside 32 bits.
    *out++ = ((b + half) >> 24) | (((g + half) >> 24) << 8) | (((r + half) >> 24) << 16);
  }
}

}  // namespace detail
