// Copying pixels between bitmaps with raster operations, stretching and a
// colour key.

#include <cstring>
#include <optional>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/StretchSampler.h"

using detail::ReadPixel;
using detail::WritePixel;

namespace {

// A blit after its rectangles were placed in bitmap coordinates and the
// source rectangle was cut to the source bitmap.
struct BlitJob {
  TRect dest;      // in the target bitmap
  TRect source;    // in the source bitmap (unused without a source)
  const TBitmap* from = nullptr;
};

// Cuts the source rectangle to its bitmap and the destination with it, in
// proportion; false when nothing is left.
bool FitSource(BlitJob& job) {
  const TRect bounds{0, 0, job.from->Width(), job.from->Height()};
  TRect cut;
  if (!IntersectRect(cut, job.source, bounds)) return false;
  if (cut == job.source) return true;
  const TRect d = job.dest, s = job.source;
  auto mapX = [&](int x) { return d.Left + static_cast<int>((std::int64_t(x - s.Left) * d.Width()) / s.Width()); };
  auto mapY = [&](int y) { return d.Top + static_cast<int>((std::int64_t(y - s.Top) * d.Height()) / s.Height()); };
  job.dest = {mapX(cut.Left), mapY(cut.Top), mapX(cut.Right), mapY(cut.Bottom)};
  job.source = cut;
  return !job.dest.IsEmpty();
}

detail::StretchKind StretchKindOf(int mode) {
  switch (mode) {
    case HALFTONE: return detail::StretchKind::Average;
    case BLACKONWHITE: return detail::StretchKind::AndScans;
    case WHITEONBLACK: return detail::StretchKind::OrScans;
    default: return detail::StretchKind::Nearest;
  }
}

}  // namespace

bool TCanvas::StretchBltBitmap(int x, int y, int width, int height, const TBitmap& source, int sx, int sy,
                               int sw, int sh, DWORD rop) {
  if (!target_ || width <= 0 || height <= 0) return false;
  const std::uint8_t code = detail::RopCode(rop);
  const bool usesSource = detail::RopUsesSource(code), usesPattern = detail::RopUsesPattern(code);
  if (usesPattern && brush_.Style() == bsClear) return true;  // a hollow pattern paints nothing
  const TPoint o = LogicalToBitmap({x, y});
  BlitJob job{detail::SafeBounds(o.X, o.Y, width, height), detail::SafeBounds(sx, sy, sw, sh), &source};
  std::optional<TBitmap> copy;
  if (usesSource) {
    if (sw <= 0 || sh <= 0) return false;
    if (!FitSource(job)) return true;
    if (&source == target_) {  // overlapping copies read from a snapshot
      copy.emplace(job.source.Width(), job.source.Height(), source.PixelFormat());
      for (int row = 0; row < job.source.Height(); ++row)
        std::memcpy(copy->ScanLine(row), source.ScanLine(job.source.Top + row) + job.source.Left * source.BytesPerPixel(),
                    static_cast<std::size_t>(copy->BytesPerLine()));
      job.from = &*copy;
      job.source = {0, 0, copy->Width(), copy->Height()};
    }
  }
  const int bpp = target_->BytesPerPixel();
  const std::uint32_t pattern = detail::ToPixel(ColorToRGB(brush_.Color()));
  const bool sameSize = job.dest.Width() == job.source.Width() && job.dest.Height() == job.source.Height();
  TRect visible;
  if (!IntersectRect(visible, job.dest, BitmapClip().BoundingBox())) return true;
  OffsetRect(visible, -job.dest.Left, -job.dest.Top);
  std::optional<detail::StretchSampler> sampler;
  if (usesSource && !sameSize)
    sampler.emplace(*job.from, job.source, job.dest.Width(), job.dest.Height(), visible, StretchKindOf(state_.stretchMode));
  std::vector<std::uint32_t> samples;

  for (const TRect& clip : BitmapClip().Rects()) {
    TRect part;
    if (!IntersectRect(part, job.dest, clip)) continue;
    for (int row = part.Top; row < part.Bottom; ++row) {
      std::uint8_t* out = target_->ScanLine(row) + part.Left * bpp;
      if (!usesSource) {
        if (code == 0xF0 || code == 0x00 || code == 0xFF) {
          detail::FillRow(*target_, row, part.Left, part.Right, code == 0xF0 ? pattern : code ? 0xFFFFFF : 0);
          continue;
        }
        for (int px = part.Left; px < part.Right; ++px, out += bpp)
          WritePixel(out, detail::Rop3(code, pattern, 0, ReadPixel(out)), bpp);
        continue;
      }
      if (sameSize) {
        const int sbpp = job.from->BytesPerPixel();
        const std::uint8_t* in = job.from->ScanLine(job.source.Top + row - job.dest.Top) +
                                 (job.source.Left + part.Left - job.dest.Left) * sbpp;
        if (code == 0xCC && sbpp == bpp) {
          std::memcpy(out, in, static_cast<std::size_t>(part.Width()) * bpp);
          continue;
        }
        for (int px = part.Left; px < part.Right; ++px, out += bpp, in += sbpp)
          WritePixel(out, detail::Rop3(code, pattern, ReadPixel(in), ReadPixel(out)), bpp);
        continue;
      }
      samples.resize(static_cast<std::size_t>(part.Width()));
      sampler->Row(row - job.dest.Top, part.Left - job.dest.Left, part.Right - job.dest.Left, samples.data());
      for (int i = 0; i < part.Width(); ++i, out += bpp)
        WritePixel(out, code == 0xCC ? samples[i] : detail::Rop3(code, pattern, samples[i], ReadPixel(out)), bpp);
    }
  }
  Changed();
  return true;
}

bool TCanvas::TransparentBltBitmap(int x, int y, int width, int height, const TBitmap& source, int sx, int sy,
                                   int sw, int sh, TColor keyColor) {
  if (!target_ || width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return false;
  const TPoint o = LogicalToBitmap({x, y});
  BlitJob job{detail::SafeBounds(o.X, o.Y, width, height), detail::SafeBounds(sx, sy, sw, sh), &source};
  if (!FitSource(job)) return true;
  std::optional<TBitmap> copy;
  if (&source == target_) {
    copy.emplace();
    copy->Assign(&source);
    job.from = &*copy;
  }
  TRect visible;
  if (!IntersectRect(visible, job.dest, BitmapClip().BoundingBox())) return true;
  OffsetRect(visible, -job.dest.Left, -job.dest.Top);
  const std::uint32_t key = detail::ToPixel(ColorToRGB(keyColor));
  const int bpp = target_->BytesPerPixel();
  detail::StretchSampler sampler(*job.from, job.source, job.dest.Width(), job.dest.Height(), visible,
                                 detail::StretchKind::Nearest);
  std::vector<std::uint32_t> samples;
  for (const TRect& clip : BitmapClip().Rects()) {
    TRect part;
    if (!IntersectRect(part, job.dest, clip)) continue;
    samples.resize(static_cast<std::size_t>(part.Width()));
    for (int row = part.Top; row < part.Bottom; ++row) {
      sampler.Row(row - job.dest.Top, part.Left - job.dest.Left, part.Right - job.dest.Left, samples.data());
      std::uint8_t* out = target_->ScanLine(row) + part.Left * bpp;
      for (int i = 0; i < part.Width(); ++i, out += bpp)
        if (samples[i] != key) WritePixel(out, samples[i], bpp);
    }
  }
  Changed();
  return true;
}

bool TCanvas::BitBlt(int x, int y, int width, int height, const TCanvas* source, int sx, int sy, DWORD rop) {
  return StretchBlt(x, y, width, height, source, sx, sy, width, height, rop);
}

bool TCanvas::StretchBlt(int x, int y, int width, int height, const TCanvas* source, int sx, int sy, int sw,
                         int sh, DWORD rop) {
  if (!detail::RopUsesSource(detail::RopCode(rop))) return PatBlt(x, y, width, height, rop);
  if (!source || !source->target_) return false;
  const TPoint s = source->LogicalToBitmap({sx, sy});
  return StretchBltBitmap(x, y, width, height, *source->target_, s.X, s.Y, sw, sh, rop);
}

bool TCanvas::PatBlt(int x, int y, int width, int height, DWORD rop) {
  if (detail::RopUsesSource(detail::RopCode(rop))) return false;
  static const TBitmap none;
  return StretchBltBitmap(x, y, width, height, none, 0, 0, 0, 0, rop);
}

bool TCanvas::TransparentBlt(int x, int y, int width, int height, const TCanvas* source, int sx, int sy, int sw,
                             int sh, TColor keyColor) {
  if (!source || !source->target_) return false;
  const TPoint s = source->LogicalToBitmap({sx, sy});
  return TransparentBltBitmap(x, y, width, height, *source->target_, s.X, s.Y, sw, sh, keyColor);
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->DrawOn(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->DrawOn(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  StretchBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top,
             sourceRect.Width(), sourceRect.Height(), copyMode_);
}
