// Edits, spin edits, number edits and a memo with themed scroll bars in
// one look, on a headless form whose surface is copied out once painted.

#include <memory>

#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/win/Headless.h"
#include "skin/ZELEdit.h"
#include "skin/ZELMemo.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

template <class T>
T* PlaceEdit(TForm* form, TzelUIStyle style, int left, int top, int width) {
  auto* edit = new T(form);
  edit->SetParent(form);
  edit->SetBounds(left, top, width, edit->Height());
  edit->SetUIStyle(style);
  return edit;
}

void BuildEdits(TForm* form, TzelUIStyle style) {
  PlaceEdit<TzelEdit>(form, style, 10, 10, 150)->SetText("Recording 1");
  auto* disabled = PlaceEdit<TzelEdit>(form, style, 10, 44, 150);
  disabled->SetText("Disabled");
  disabled->SetEnabled(false);
  auto* spin = PlaceEdit<TzelSpinEdit>(form, style, 180, 10, 80);
  spin->SetValue(42);
  auto* number = PlaceEdit<TzelNumberEdit>(form, style, 180, 44, 80);
  number->SetValue(12.5);

  auto* memo = new TzelMemo(form);
  memo->SetParent(form);
  memo->SetBounds(280, 10, 220, 110);
  memo->SetWordWrap(false);
  auto* vertical = new TzelScrollBar(form);
  vertical->SetParent(form);
  auto* horizontal = new TzelScrollBar(form);
  horizontal->SetParent(form);
  memo->SetVScrollBar(vertical);
  memo->SetHScrollBar(horizontal);
  memo->SetUIStyle(style);  // passes the look on to the companions
  std::string text;
  for (int i = 1; i <= 12; ++i)
    text += "Line " + std::to_string(i) + " of the mail body, long enough to scroll sideways\r\n";
  memo->SetText(text);
}

}  // namespace

std::unique_ptr<TBitmap> PaintEdits(const TLookEntry& look) {
  return ShootForm(look, 510, 130, [&](TForm* form) { BuildEdits(form, look.style); });
}

}  // namespace gallery
