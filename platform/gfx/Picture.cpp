#include "platform/gfx/Picture.h"

#include <algorithm>
#include <cctype>

#include "platform/base/Exceptions.h"
#include "platform/gfx/JpegImage.h"

namespace {

std::string LowerExtension(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

std::unique_ptr<TGraphic> NewGraphicFor(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == ".bmp") return std::make_unique<TBitmap>();
  if (ext == ".jpg" || ext == ".jpeg") return std::make_unique<TJPEGImage>();
  throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
}

std::unique_ptr<TGraphic> CopyOf(const TGraphic& graphic) {
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&graphic)) {
    auto copy = std::make_unique<TJPEGImage>();
    copy->LoadFromBytes(jpeg->SaveToBytes());
    copy->SetTransparent(jpeg->Transparent());
    return copy;
  }
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(&graphic);
  return copy;
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (graphic == graphic_.get()) return;
  Adopt(graphic && !graphic->Empty() ? CopyOf(*graphic) : nullptr);
}

TBitmap* TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) return bitmap;
  Adopt(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(graphic_.get());
}

void TPicture::LoadFromFile(const std::string& path) {
  std::unique_ptr<TGraphic> fresh = NewGraphicFor(path);
  fresh->LoadFromFile(path);  // throws before the current picture is touched
  Adopt(std::move(fresh));
}

void TPicture::SaveToFile(const std::string& path) const {
  if (!graphic_) throw EInvalidGraphic("The picture is empty");
  graphic_->SaveToFile(path);
}

void TPicture::Assign(const TPicture* source) {
  if (source == this) return;
  SetGraphic(source ? source->Graphic() : nullptr);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}
