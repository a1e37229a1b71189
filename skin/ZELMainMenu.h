#pragma once
// A form's main menu whose items draw themselves in the colours of the
// look. The skinned form frame shows it in its own menu bar, so the form's
// own Menu stays empty; the menu keeps the frame told of its changes.

#include <memory>

#include "platform/framework/Menus.h"
#include "skin/ZELMenuProperties.h"

// What the menu asks of the frame that shows it.
class TzelMenuFrame {
 public:
  // Makes the bar's buttons anew from the top items.
  virtual void RebuildMenuBar() = 0;
  // Gives the buttons their items' captions and enabled states.
  virtual void RefreshMenuBar() = 0;
  // Takes the bar's font from the menu again.
  virtual void RefreshMenuBarFont() = 0;

 protected:
  ~TzelMenuFrame() = default;
};

class TzelMainMenu : public TzelThemedMenu<TMainMenu> {
 public:
  explicit TzelMainMenu(TComponent* owner);
  ~TzelMainMenu() override;
  std::string ClassName() const override { return "TzelMainMenu"; }

  // The item images set by the program; none while the menu uses its own
  // list with the check mark.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);

  // The frame whose Menu this is; set and cleared by the frame.
  TzelMenuFrame* Frame() const { return frame_; }
  void SetFrame(TzelMenuFrame* frame) { frame_ = frame; }

  void SetUseSystemFont(bool value) override;
  void Loaded() override;
  void MenuChanged(TMenuItem* item) override;

 protected:
  bool TakesMenuItemHeight() const override { return true; }
  TImageList* CheckImages() const override { return ownImages_.get(); }

 private:
  bool OwnedByForm() const;

  std::unique_ptr<TImageList> ownImages_;
  TImageList* images_ = nullptr;
  TzelMenuFrame* frame_ = nullptr;
};
