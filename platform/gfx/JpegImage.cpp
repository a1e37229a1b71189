#include "platform/gfx/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

// Pictures larger than 64 megapixels are refused, and so are headers that
// claim far more pixels than the file's size could encode, before any
// pixel memory is taken.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;
constexpr std::int64_t kMaxPixelsPerByte = 4096;

// libjpeg reports errors through a callback that must not return; it jumps
// back to the phase that was running. The phases keep only plain locals so
// nothing is skipped by the jump.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// A file that ends early is damaged, not merely odd.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnError(info);
}

bool StartPhase(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* data, unsigned long size) {
  if (setjmp(errors->jump)) return false;
  jpeg_mem_src(info, data, size);
  jpeg_read_header(info, TRUE);
#ifdef JCS_EXTENSIONS
  info->out_color_space = JCS_EXT_BGR;  // our rows' byte order
#else
  info->out_color_space = JCS_RGB;
#endif
  jpeg_start_decompress(info);
  return true;
}

bool RowsPhase(jpeg_decompress_struct* info, ErrorManager* errors, TBitmap* target) {
  if (setjmp(errors->jump)) return false;
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = target->ScanLine(static_cast<int>(info->output_scanline));
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  return true;
}

[[noreturn]] void Invalid(const std::string& why) { throw EInvalidGraphic("Invalid JPEG image: " + why); }

std::unique_ptr<TBitmap> Decode(std::span<const std::uint8_t> data) {
  if (data.empty()) Invalid("the file is empty");
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  jpeg_create_decompress(&info);
  struct Destroy {
    jpeg_decompress_struct* info;
    ~Destroy() { jpeg_destroy_decompress(info); }
  } destroy{&info};

  if (!StartPhase(&info, &errors, data.data(), static_cast<unsigned long>(data.size()))) Invalid(errors.message);
  const std::int64_t pixels = static_cast<std::int64_t>(info.output_width) * info.output_height;
  if (pixels > kMaxPixels || pixels > static_cast<std::int64_t>(data.size()) * kMaxPixelsPerByte)
    Invalid("the picture is too large");
  if (info.output_components != 3) Invalid("unsupported colour layout");
  auto bitmap = std::make_unique<TBitmap>(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  if (!RowsPhase(&info, &errors, bitmap.get())) Invalid(errors.message);
#ifndef JCS_EXTENSIONS
  for (int y = 0; y < bitmap->Height(); ++y) {
    std::uint8_t* p = bitmap->ScanLine(y);
    for (int x = 0; x < bitmap->Width(); ++x, p += 3) std::swap(p[0], p[2]);
  }
#endif
  return bitmap;
}

}  // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

int TJPEGImage::Width() const { return bitmap_ ? bitmap_->Width() : 0; }
int TJPEGImage::Height() const { return bitmap_ ? bitmap_->Height() : 0; }

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> data) {
  bitmap_ = Decode(data);
  encoded_.assign(data.begin(), data.end());
  Changed();
}

std::vector<std::uint8_t> TJPEGImage::SaveToBytes() const {
  if (encoded_.empty()) throw EInvalidGraphic("The JPEG image is empty");
  return encoded_;
}

const TBitmap* TJPEGImage::AsBitmap() const { return bitmap_.get(); }

void TJPEGImage::DrawOn(TCanvas& canvas, const TRect& dest) const {
  if (bitmap_) bitmap_->DrawOn(canvas, dest);
}
