#include "resources/Resources.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "platform/base/Exceptions.h"
#include "resources/EmbeddedBitmaps.h"
#include "skin/ZELResources.h"

namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return text;
}

}  // namespace

std::unique_ptr<TBitmap> LoadResourceBitmap(const std::string& name) {
  const std::string wanted = Upper(name);
  for (std::size_t i = 0; i < detail::kEmbeddedBitmapCount; ++i) {
    const detail::EmbeddedBitmap& entry = detail::kEmbeddedBitmaps[i];
    if (wanted != Upper(entry.name)) continue;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromBytes(std::span<const std::uint8_t>(entry.data, entry.size));
    return bitmap;
  }
  throw EResNotFound("Resource " + name + " not found");
}

void RegisterSkinResources() { SetBitmapResourceLookup(LoadResourceBitmap); }
