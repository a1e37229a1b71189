#pragma once
// A popup menu whose items draw themselves in the colours of the look.

#include "platform/framework/Menus.h"
#include "skin/ZELMenuProperties.h"

class TzelPopupMenu : public TzelThemedMenu<TPopupMenu> {
 public:
  explicit TzelPopupMenu(TComponent* owner);
  std::string ClassName() const override { return "TzelPopupMenu"; }

 protected:
  // The MacOS look keeps its own item height.
  bool TakesMenuItemHeight() const override { return look_.uiStyle != MacOS; }
  TImageList* CheckImages() const override;
};
