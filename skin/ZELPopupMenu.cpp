#include "skin/ZELPopupMenu.h"

#include <memory>

#include "platform/gfx/ImageList.h"

TzelPopupMenu::TzelPopupMenu(TComponent* owner) : TzelThemedMenu<TPopupMenu>(owner) {}

// One check mark serves every popup menu of the program. It is loaded on
// first use, once the program's bitmaps can be found, and again while it
// could not be.
TImageList* TzelPopupMenu::CheckImages() const {
  static std::unique_ptr<TImageList> shared = std::make_unique<TImageList>();
  if (shared->Count() == 0) LoadMenuCheckMark(*shared);
  return shared.get();
}
