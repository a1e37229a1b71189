// The bar of a form's main menu: a flat tool bar with one button per top
// item, aligned at the top of the form.

#include "platform/framework/ToolBar.h"
#include "platform/gfx/Color.h"

TMenuBar::TMenuBar(TComponent* owner, TMainMenu* menu) : TToolBar(owner), mainMenu_(menu) {
  SetFlat(true);
  SetShowCaptions(true);
  SetEdgeBorders(0);
  SetWrapable(true);
  SetAutoSize(true);
  SetColor(clMenuBar);
  SetAlign(alTop);
  SetButtonHeight(20);
}

void TMenuBar::RebuildButtons() { SetMenu(mainMenu_); }

void TMenuBar::RefreshButtons() {
  // Items added or removed change the buttons themselves.
  if (!mainMenu_ || ButtonCount() != mainMenu_->Items()->Count()) {
    RebuildButtons();
    return;
  }
  for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->UpdateFromMenuItem();
  Invalidate();
}

void TMenuBar::TrackKeyboard() {
  for (int i = 0; i < ButtonCount(); ++i) {
    TToolButton* b = Buttons(i);
    if (b->Visible() && b->Enabled() && b->HasMenu()) {
      TrackMenu(b, true);
      return;
    }
  }
}
