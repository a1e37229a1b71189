#include "resources/Resources.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "platform/base/Exceptions.h"
#include "resources/EmbeddedBitmaps.h"
#include "resources/EmbeddedData.h"
#include "skin/ZELResources.h"

namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return text;
}

// The entry of the table whose name matches, ignoring case; null when none.
template <class Entry>
const Entry* FindEntry(const Entry* table, std::size_t count, const std::string& name) {
  const std::string wanted = Upper(name);
  for (std::size_t i = 0; i < count; ++i)
    if (wanted == Upper(table[i].name)) return &table[i];
  return nullptr;
}

}  // namespace

std::unique_ptr<TBitmap> LoadResourceBitmap(const std::string& name) {
  const auto* entry = FindEntry(detail::kEmbeddedBitmaps, detail::kEmbeddedBitmapCount, name);
  if (entry == nullptr) throw EResNotFound("Resource " + name + " not found");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromBytes(std::span<const std::uint8_t>(entry->data, entry->size));
  return bitmap;
}

std::vector<std::uint8_t> LoadResourceData(const std::string& name) {
  const auto* entry = FindEntry(detail::kEmbeddedData, detail::kEmbeddedDataCount, name);
  if (entry == nullptr) throw EResNotFound("Resource " + name + " not found");
  return std::vector<std::uint8_t>(entry->data, entry->data + entry->size);
}

void RegisterSkinResources() { SetBitmapResourceLookup(LoadResourceBitmap); }
