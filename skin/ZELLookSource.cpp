#include "skin/ZELLookSource.h"

#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"

TzelLookSource::TzelLookSource(const TzelFileTheme* fileTheme, TzelUIStyle uiStyle) {
  if (UsingFileTheme(fileTheme, uiStyle, look_)) file_ = fileTheme;
}

bool TzelLookSource::ByItem() const { return file_ && SkinFlavour() == zelCurrentBuild; }

TColor TzelLookSource::ElementColor(int element) const {
  return TColor(file_ ? file_->GetColor(element) : GetBuiltInThemeColor(look_, element));
}

int TzelLookSource::ElementInteger(int element) const {
  return file_ ? file_->GetInteger(element) : GetBuiltInThemeInteger(look_, element);
}

bool TzelLookSource::ElementBool(int element) const {
  return file_ ? file_->GetBool(element) : GetBuiltInThemeBool(look_, element) != 0;
}

void TzelLookSource::ElementBitmap(int element, TBitmap& dest, int count, int part) const {
  if (file_)
    file_->GetBitmapFrame(element, &dest, count, part);
  else
    GetBuiltInThemeBitmap(look_, element, &dest, count, part);
}

TColor TzelLookSource::Color(int element, int item) const {
  return ByItem() ? TColor(file_->GetColor(item)) : ElementColor(element);
}
