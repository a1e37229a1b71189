// Title bars in one look: an active one with the control box, an inactive
// one whose long caption is cut, and one with a help button and the
// application icon, stacked on a headless form.

#include "platform/framework/Forms.h"
#include "platform/win/Headless.h"
#include "skin/ZELTitleBar.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

TzelTitleBar* PlaceTitleBar(TForm* form, TzelUIStyle style, const std::string& caption) {
  auto* bar = new TzelTitleBar(form);
  bar->SetParent(form);
  bar->SetAlign(alTop);
  bar->SetUIStyle(style);
  bar->SetCaption(caption);
  return bar;
}

}  // namespace

std::unique_ptr<TBitmap> PaintTitleBars(const TLookEntry& look) {
  const TzelUIStyle style = look.style;
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 420, 130);
  form->SetColor(TColor(GetBuiltInThemeColor(style, 15)));

  auto* active = PlaceTitleBar(form, style, "Recorder - Untitled");
  active->SetDrawAppIcon(false);
  auto* inactive = PlaceTitleBar(form, style, "A caption far too long for the room this title bar leaves it");
  inactive->SetDrawAppIcon(false);
  inactive->SetFormActive(false);
  auto* help = PlaceTitleBar(form, style, "Options");
  help->Buttons()->Add()->SetButtonType(zelHelp);
  help->Buttons()->Items(2)->SetVisible(false);
  help->Buttons()->Items(3)->SetVisible(false);
  help->SetTop(form->ClientHeight());  // keep the stacking order

  form->Show();
  HeadlessPumpUntilIdle();
  auto shot = std::make_unique<TBitmap>();
  shot->Assign(HeadlessPresentedSurface(form->Handle()));
  form->Release();
  HeadlessPumpUntilIdle();
  return shot;
}

}  // namespace gallery
