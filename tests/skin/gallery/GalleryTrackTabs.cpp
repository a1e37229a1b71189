// Track bars (horizontal and vertical, with and without ticks) and page
// controls (tabs on top, tabs at the bottom, more tabs than fit) in one
// look, on a headless form whose surface is copied out once painted.

#include "tests/skin/gallery/GalleryTrackTabs.h"

#include <initializer_list>

#include "platform/framework/Forms.h"
#include "platform/win/Headless.h"
#include "skin/ZELButton.h"
#include "skin/ZELPageControl.h"
#include "skin/ZELTrackBar.h"

namespace gallery {

namespace {

TzelTrackBar* PlaceTrackBar(TForm* form, TzelUIStyle style, TzelProgressBarOrientation orientation, int left,
                            int top, int length, int position, bool ticks) {
  auto* bar = new TzelTrackBar(form);
  bar->SetParent(form);
  bar->SetOrientation(orientation);
  if (orientation == zelHorizontal) bar->SetBounds(left, top, length, bar->Height());
  else bar->SetBounds(left, top, bar->Width(), length);
  bar->SetUIStyle(style);
  bar->SetPosition(position);
  bar->SetShowTick(ticks);
  return bar;
}

TzelPageControl* PlacePages(TForm* form, TzelUIStyle style, int left, int top, int width, int height,
                            TzelTabPosition position, std::initializer_list<const char*> captions, int active) {
  auto* pages = new TzelPageControl(form);
  pages->SetBounds(left, top, width, height);
  pages->SetParent(form);
  pages->SetUIStyle(style);
  pages->SetTabPosition(position);
  TzelTabSheet* chosen = nullptr;
  int index = 0;
  for (const char* caption : captions) {
    auto* sheet = new TzelTabSheet(form);
    sheet->SetCaption(caption);
    sheet->SetParent(pages);
    auto* box = new TzelCheckBox(form);
    box->SetParent(sheet);
    box->SetBounds(8, 8, 120, 17);
    box->SetCaption(std::string("On ") + caption);
    box->SetUIStyle(style);
    box->SetColor(sheet->Color());
    if (index++ == active) chosen = sheet;
  }
  pages->SetActivePage(chosen);
  return pages;
}

void BuildControls(TForm* form, TzelUIStyle style) {
  PlaceTrackBar(form, style, zelHorizontal, 10, 10, 160, 0, true);
  PlaceTrackBar(form, style, zelHorizontal, 10, 44, 160, 6, true);
  PlaceTrackBar(form, style, zelHorizontal, 10, 78, 160, 10, false);
  PlaceTrackBar(form, style, zelVertical, 190, 10, 110, 3, true);
  PlaceTrackBar(form, style, zelVertical, 230, 10, 110, 8, false);
  PlacePages(form, style, 270, 8, 230, 110, zelTop, {"General", "Format", "Folders"}, 1);
  PlacePages(form, style, 10, 130, 230, 100, zelBottom, {"Input", "Output", "Schedule"}, 0);
  auto* many = PlacePages(form, style, 270, 130, 230, 100, zelTop,
                          {"Recording", "Playback", "Devices", "Hotkeys", "Mail"}, 2);
  many->Strip()->Repaint();
}

}  // namespace

std::unique_ptr<TBitmap> PaintTrackTabs(const TLookEntry& look) {
  return ShootForm(look, 510, 240, [&](TForm* form) { BuildControls(form, look.style); });
}

}  // namespace gallery
