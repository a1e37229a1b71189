// The simple skinned controls in one look, on a headless form whose
// surface is copied out once everything has painted.

#include <memory>

#include "platform/framework/Forms.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/Headless.h"
#include "resources/Resources.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELButton.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELRadioGroup.h"
#include "skin/ZELThemes.h"
#include "skin/ZELURLLabel.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

template <class T>
T* Place(TForm* form, TWinControl* parent, TzelUIStyle style, int left, int top, int width, int height) {
  auto* control = new T(form);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  control->SetUIStyle(style);
  return control;
}

template <class T>
T* PlaceButton(TForm* form, TzelUIStyle style, TColor color, int left, int top, const std::string& caption,
               bool checked, bool enabled) {
  auto* button = Place<T>(form, form, style, left, top, 93, 17);
  button->SetCaption(caption);
  button->SetColor(color);
  button->SetChecked(checked);
  button->SetEnabled(enabled);
  return button;
}

TStringList Lines(std::initializer_list<const char*> lines) {
  TStringList list;
  for (const char* line : lines) list.Add(line);
  return list;
}

void BuildControls(TForm* form, TzelUIStyle style, TColor color) {
  PlaceButton<TzelCheckBox>(form, style, color, 10, 10, "Checked", true, true);
  PlaceButton<TzelCheckBox>(form, style, color, 10, 32, "Unchecked", false, true);
  PlaceButton<TzelCheckBox>(form, style, color, 10, 54, "Checked, disabled", true, false);
  PlaceButton<TzelCheckBox>(form, style, color, 10, 76, "Unchecked, disabled", false, false);
  PlaceButton<TzelRadioButton>(form, style, color, 10, 104, "Chosen", true, true);
  PlaceButton<TzelRadioButton>(form, style, color, 10, 126, "Not chosen", false, true);
  auto* off = PlaceButton<TzelRadioButton>(form, style, color, 10, 148, "Chosen, disabled", false, false);
  off->SetGroupIndex(1);
  off->SetChecked(true);
  auto* offToo = PlaceButton<TzelRadioButton>(form, style, color, 10, 170, "Not chosen, disabled", false, false);
  offToo->SetGroupIndex(1);

  auto* checks = Place<TzelCheckGroup>(form, form, style, 170, 6, 170, 92);
  checks->SetCaption("Channels");
  checks->SetItems(Lines({"Left", "Right", "Centre"}));
  checks->Buttons(0)->SetChecked(true);
  checks->Buttons(2)->SetChecked(true);

  auto* radios = Place<TzelRadioGroup>(form, form, style, 170, 104, 170, 92);
  radios->SetCaption("Sample rate");
  radios->SetItems(Lines({"22050 Hz", "44100 Hz", "48000 Hz", "96000 Hz"}));
  radios->SetColumns(2);
  radios->SetItemIndex(1);

  auto* box = Place<TzelGroupBox>(form, form, style, 350, 6, 150, 92);
  box->SetCaption("Group box");
  auto* inside = Place<TzelCheckBox>(form, box, style, 10, 30, 93, 17);
  inside->SetCaption("Inside");
  inside->SetChecked(true);
  inside->SetColor(color);

  auto* panel = new TzelImagePanel(form);
  panel->SetBounds(350, 104, 150, 60);
  panel->SetParent(form);
  panel->SetDrawStyle(zelNormal);
  TPicture picture;
  TBitmap icon;
  CopyBitmapPiece(*LoadResourceBitmap("MSGDLG"), icon, 4, 3);  // the information icon
  picture.SetGraphic(&icon);
  panel->SetPicture(&picture);
  panel->SetColor(color);
  panel->SetCaption("        Image panel");

  auto* link = new TzelURLLabel(form);
  link->SetParent(form);
  link->SetLeft(352);
  link->SetTop(172);
  link->SetCaption("Visit our home page");
  link->SetColor(color);
}

}  // namespace

std::unique_ptr<TBitmap> PaintControls(const TLookEntry& look) {
  TzelUIStyle style = look.style;
  const TColor color = TColor(GetBuiltInThemeColor(style, 15));
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 510, 200);
  form->SetColor(color);
  BuildControls(form, style, color);
  form->Show();
  HeadlessPumpUntilIdle();
  auto shot = std::make_unique<TBitmap>();
  shot->Assign(HeadlessPresentedSurface(form->Handle()));
  form->Release();
  HeadlessPumpUntilIdle();
  return shot;
}

}  // namespace gallery
