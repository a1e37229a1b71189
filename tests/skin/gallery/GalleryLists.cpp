// List boxes (with and without a themed scroll bar), combo boxes (enabled,
// disabled, a drop-down list) and a list view in report view with both
// themed scroll bars, in one look on a headless form.

#include <string>

#include "platform/framework/Forms.h"
#include "platform/win/Headless.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELListBox.h"
#include "skin/ZELListView.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

TzelScrollBar* PlaceBar(TForm* form, TzelUIStyle style, TzelProgressBarOrientation orientation) {
  auto* bar = new TzelScrollBar(form);
  bar->SetParent(form);
  bar->SetOrientation(orientation);
  bar->SetUIStyle(style);
  if (orientation == zelVertical) bar->SetBounds(0, 0, 16, 40);
  else bar->SetBounds(0, 0, 40, 16);
  return bar;
}

void PlaceListBox(TForm* form, TzelUIStyle style, int left, int count, bool companion) {
  auto* list = new TzelListBox(form);
  list->SetParent(form);
  list->SetBounds(left, 10, 140, 110);
  list->SetUIStyle(style);
  for (int i = 0; i < count; ++i) list->Items()->Add("Recording " + std::to_string(i + 1) + ".mp3");
  list->SetItemIndex(1);
  if (companion) list->SetVScrollBar(PlaceBar(form, style, zelVertical));
}

void PlaceComboBox(TForm* form, TzelUIStyle style, int top, TComboBoxStyle kind, bool enabled) {
  auto* combo = new TzelComboBox(form);
  combo->SetStyle(kind);
  combo->SetParent(form);
  combo->SetBounds(320, top, 170, 22);
  combo->SetUIStyle(style);
  for (const char* text : {"44100 Hz", "22050 Hz", "11025 Hz"}) combo->Items()->Add(text);
  combo->SetItemIndex(0);
  combo->SetEnabled(enabled);
}

void PlaceListView(TForm* form, TzelUIStyle style) {
  auto* view = new TzelListView(form);
  view->BeginLoading();
  view->SetParent(form);
  view->SetBounds(10, 135, 480, 120);
  view->SetUIStyle(style);
  const char* captions[] = {"Cue", "Start", "End", "A caption far too long for its column"};
  const int widths[] = {120, 90, 90, 110};
  for (int i = 0; i < 4; ++i) {
    TListColumn* column = view->Columns()->Add();
    column->SetCaption(captions[i]);
    column->SetWidth(widths[i]);
    if (i == 1) column->SetAlignment(taRightJustify);
    if (i == 2) column->SetAlignment(taCenter);
  }
  for (int i = 0; i < 12; ++i) {
    TListItem* item = view->Items()->Add();
    item->SetCaption("Cue " + std::to_string(i + 1));
    item->SubItems()->Add(std::to_string(i * 10) + ".0 s");
    item->SubItems()->Add(std::to_string(i * 10 + 8) + ".5 s");
  }
  view->Loaded();
  view->SetVScrollBar(PlaceBar(form, style, zelVertical));
  view->SetHScrollBar(PlaceBar(form, style, zelHorizontal));
}

}  // namespace

std::unique_ptr<TBitmap> PaintLists(const TLookEntry& look) {
  const TzelUIStyle style = look.style;
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 510, 270);
  form->SetColor(TColor(GetBuiltInThemeColor(style, 15)));
  form->Show();
  PlaceListBox(form, style, 10, 4, false);
  PlaceListBox(form, style, 160, 20, true);
  PlaceComboBox(form, style, 10, csDropDown, true);
  PlaceComboBox(form, style, 45, csDropDownList, true);
  PlaceComboBox(form, style, 80, csDropDown, false);
  PlaceListView(form, style);
  HeadlessPumpUntilIdle();
  auto shot = std::make_unique<TBitmap>();
  shot->Assign(HeadlessPresentedSurface(form->Handle()));
  form->Release();
  HeadlessPumpUntilIdle();
  return shot;
}

}  // namespace gallery
