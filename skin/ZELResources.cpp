#include "skin/ZELResources.h"

#include <mutex>

#include "platform/base/Exceptions.h"

namespace {
std::mutex lookupMutex;
TzelBitmapResourceLookup installedLookup;

TzelBitmapResourceLookup CurrentLookup() {
  std::lock_guard<std::mutex> lock(lookupMutex);
  return installedLookup;
}
}  // namespace

void SetBitmapResourceLookup(TzelBitmapResourceLookup lookup) {
  std::lock_guard<std::mutex> lock(lookupMutex);
  installedLookup = std::move(lookup);
}

void LoadBitmapResource(const std::string& name, TBitmap& dest) {
  TzelBitmapResourceLookup lookup = CurrentLookup();
  if (name.empty() || !lookup) throw EResNotFound("Resource " + name + " not found");
  std::unique_ptr<TBitmap> found = lookup(name);
  if (!found) throw EResNotFound("Resource " + name + " not found");
  dest.Assign(found.get());
}
