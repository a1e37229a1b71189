// The recorder's older build of the theme manager: one ".zel" file, asked
// by element number with the element names as keys.

#include "platform/gfx/Bitmap.h"
#include "skin/ZEL2SkinReader.h"
#include "skin/ZELThemeFile.h"
#include "skin/ZELThemes.h"

namespace {

// An element outside 1..48 has no name and reads as missing, even when a
// damaged file holds an entry without a name.
std::string KeyOf(int element) {
  const std::string name = BuiltInElementName(element);
  return name.empty() ? std::string(1, '\0') : name;
}

}  // namespace

bool TzelFileThemeMgr::LoadOlderFile(const std::string& fileName) {
  reader_.reset();
  olderReader_.reset();
  olderReader_ = std::make_unique<TzelThemeFileReader>(fileName);  // a damaged file raises, leaving no theme
  return true;
}

// Colours and integers alike; without a theme 0, a missing element -1.
int TzelFileThemeMgr::OlderInteger(int element) const {
  return olderReader_ ? olderReader_->GetInt(KeyOf(element)) : 0;
}

TBitmap* TzelFileThemeMgr::OlderBitmap(int element) const {
  return olderReader_ ? olderReader_->GetBitmap(KeyOf(element)) : nullptr;
}

bool TzelFileThemeMgr::OlderBool(int element) const {
  return olderReader_ && olderReader_->GetBool(KeyOf(element));
}
