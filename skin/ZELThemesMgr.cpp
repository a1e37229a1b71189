#include "platform/os/Files.h"
#include "skin/ZEL2Define.h"
#include "skin/ZEL2SkinReader.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELThemeFile.h"
#include "skin/ZELThemes.h"

namespace {

// Controls pass a group index; like the byte it once was, only its low
// seven bits count. An entry past the name table reads as missing.
std::string ItemName(int base, int index) {
  const int entry = base + (index & 0x7F);
  return entry < zelSkinItemCount ? SkinItemNames[entry] : "";
}

}  // namespace

TzelFileThemeMgr::TzelFileThemeMgr() = default;
TzelFileThemeMgr::~TzelFileThemeMgr() = default;

bool TzelFileThemeMgr::LoadFromFile(const std::string& fileName, const std::string& password) {
  if (!FileExists(fileName)) return false;
  if (SkinFlavour() == zelOlderBuild) return LoadOlderFile(fileName);
  reader_.reset();
  olderReader_.reset();
  try {
    auto reader = std::make_unique<Tsk2SkinFileReader>(fileName, password);
    if (!reader->Loaded()) return false;
    reader_ = std::move(reader);
    return true;
  } catch (const std::exception&) {
    return false;  // a damaged theme leaves no theme; the caller falls back to a built-in look
  }
}

int TzelFileThemeMgr::GetColor(int index) const {
  if (olderReader_) return OlderInteger(index);
  return reader_ ? reader_->GetInteger(ItemName(zelColorBase, index)) : 0;
}

TBitmap* TzelFileThemeMgr::GetBitmap(int index) const {
  if (olderReader_) return OlderBitmap(index);
  return reader_ ? reader_->GetBitmap(ItemName(zelBitmapBase, index)) : nullptr;
}

int TzelFileThemeMgr::GetInteger(int index) const {
  if (olderReader_) return OlderInteger(index);
  return reader_ ? reader_->GetInteger(ItemName(zelIntegerBase, index)) : 0;
}

bool TzelFileThemeMgr::GetBool(int index) const {
  if (olderReader_) return OlderBool(index);
  return reader_ ? reader_->GetBool(ItemName(zelFlagBase, index)) : false;
}
