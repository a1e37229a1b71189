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
#include "skin/ZELProgressBar.h"
#include "skin/ZELRadioGroup.h"
#include "skin/ZELScrollBar.h"
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

TzelButton* PlacePushButton(TForm* form, TzelUIStyle style, TColor color, int left, int top,
                            const std::string& caption) {
  auto* button = Place<TzelButton>(form, form, style, left, top, 80, 27);
  button->SetCaption(caption);
  button->SetColor(color);
  return button;
}

// A glyph of two images (enabled, disabled) with a magenta background.
void DrawTickGlyph(TBitmap& glyph) {
  glyph.SetSize(32, 16);
  TCanvas& canvas = *glyph.Canvas();
  canvas.Brush()->SetColor(0xFF00FF);
  canvas.FillRect({0, 0, 32, 16});
  for (int image = 0; image < 2; ++image) {
    canvas.Pen()->SetColor(image == 0 ? TColor(0x208020) : TColor(0x808080));
    canvas.Pen()->SetWidth(2);
    const int x = image * 16;
    canvas.MoveTo(x + 3, 8);
    canvas.LineTo(x + 6, 12);
    canvas.LineTo(x + 13, 4);
  }
}

// Push buttons in their states, arrow buttons and scroll bars, below the
// check boxes.
void BuildButtonsAndBars(TForm* form, TzelUIStyle style, TColor color) {
  const int top = 204;
  PlacePushButton(form, style, color, 10, top, "&OK");
  auto* focused = PlacePushButton(form, style, color, 96, top, "Focused");
  form->SetActiveControl(focused);
  PlacePushButton(form, style, color, 182, top, "Disabled")->SetEnabled(false);
  auto* glyph = PlacePushButton(form, style, color, 10, top + 34, "Apply");
  TBitmap tick;
  DrawTickGlyph(tick);
  glyph->SetGlyph(&tick);
  auto* glyphOff = PlacePushButton(form, style, color, 96, top + 34, "Apply");
  glyphOff->SetGlyph(&tick);
  glyphOff->SetEnabled(false);
  auto* wide = PlacePushButton(form, style, color, 182, top + 34, "Glyph on top");
  wide->SetBounds(182, top + 34, 110, 44);
  wide->SetGlyph(&tick);
  wide->SetLayout(blGlyphTop);

  auto* up = Place<TzelArrowButton>(form, form, style, 300, top, 17, 11);
  up->SetColor(color);
  auto* down = Place<TzelArrowButton>(form, form, style, 300, top + 11, 17, 11);
  down->SetArrow(zelDown);
  down->SetColor(color);

  auto* across = new TzelScrollBar(form);
  across->SetParent(form);
  across->SetUIStyle(style);
  across->SetBounds(330, top, 170, 16);
  across->SetMax(100);
  across->SetPageSize(30);
  across->SetPosition(40);
  auto* upright = new TzelScrollBar(form);
  upright->SetParent(form);
  upright->SetOrientation(zelVertical);
  upright->SetUIStyle(style);
  upright->SetBounds(480, top + 24, 16, 110);
  upright->SetPageSize(30);
  upright->SetPosition(70);

  // Progress bars: with the caption, hiding it at the start, upright.
  auto* progress = Place<TzelProgressBar>(form, form, style, 10, top + 88, 150, 14);
  progress->SetPosition(35);
  auto* starting = Place<TzelProgressBar>(form, form, style, 170, top + 88, 150, 14);
  starting->SetSmartShowCaption(true);
  starting->SetPosition(0);
  auto* upright2 = Place<TzelProgressBar>(form, form, style, 440, top + 24, 14, 110);
  upright2->SetOrientation(zelVertical);
  upright2->SetPosition(60);
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

  BuildButtonsAndBars(form, style, color);
}

}  // namespace

std::unique_ptr<TBitmap> PaintControls(const TLookEntry& look) {
  const TColor color = TColor(GetBuiltInThemeColor(look.style, 15));
  return ShootForm(look, 510, 340, [&](TForm* form) { BuildControls(form, look.style, color); });
}

}  // namespace gallery
