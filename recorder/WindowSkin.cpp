#include "recorder/WindowSkin.h"

#include <memory>

#include "platform/gfx/Canvas.h"
#include "resources/Resources.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"
#include "recorder/Main.h"

namespace {

constexpr int kStates = 3;

void DragWindow(TForm* form) {
  ReleaseCapture();
  SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace

void UseRecorderSkin() {
  static bool done = false;
  if (done) return;
  done = true;
  SetSkinFlavour(zelOlderBuild);
  RegisterSkinResources();
}

TzelFileTheme* RecorderTheme() { return frmMain ? frmMain->themeMp10 : nullptr; }

void DressInRecorderTheme(TControl* control) {
  TComponent* theme = RecorderTheme();
  if (!theme || !HasProperty(control, "FileTheme") || !HasProperty(control, "UIStyle")) return;
  control->SetProp("FileTheme", theme);
  control->SetProp("UIStyle", FromThemeFile);
}

void ShapeWindow(TzelSkinForm* skin, int width, int height) {
  TBitmap glyph(width, height, pf24bit);
  glyph.Canvas()->Brush()->SetColor(clBlack);
  glyph.Canvas()->FillRect({0, 0, width, height});
  const struct {
    const char* name;
    bool right, bottom;
  } corners[] = {{"WINDOW_CORNER_TOP_LEFT", false, false},
                 {"WINDOW_CORNER_TOP_RIGHT", true, false},
                 {"WINDOW_CORNER_BOTTOM_LEFT", false, true},
                 {"WINDOW_CORNER_BOTTOM_RIGHT", true, true}};
  for (const auto& corner : corners) {
    auto picture = LoadResourceBitmap(corner.name);
    glyph.Canvas()->Draw(corner.right ? width - picture->Width() : 0, corner.bottom ? height - picture->Height() : 0,
                         picture.get());
  }
  skin->SetTransparentColor(clWhite);
  skin->SetGlyph(&glyph);
}

TPanel* SidePanel(TForm* form, int width, int height) {
  auto* side = new TPanel(form);
  side->SetName("plSide");
  side->SetParent(form);
  side->SetBounds(width - 2, 4, 1, height - 8);
  side->SetBevelOuter(bvNone);
  side->SetColor(clBlack);
  side->SetVisible(true);
  return side;
}

TImage* BackgroundImage(TForm* form, const std::string& name, const std::string& picture) {
  auto* image = new TImage(form);
  image->SetName(name);
  image->SetParent(form);
  auto bitmap = LoadResourceBitmap(picture);
  image->SetBounds(0, 0, bitmap->Width(), bitmap->Height());
  image->Picture()->SetGraphic(bitmap.get());
  image->OnMouseDown = [form](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == mbLeft) DragWindow(form);
  };
  return image;
}

TzelTitleBar* WindowTitle(TForm* form, const std::string& name, const std::string& caption, int width) {
  auto* title = new TzelTitleBar(form);
  title->SetName(name);
  title->SetParent(form);
  title->SetAlign(alNone);
  title->SetDrawAppIcon(false);
  // The window's own image buttons minimise and close it.
  title->Buttons()->Clear();
  DressInRecorderTheme(title);
  title->SetAutoSize(false);
  title->SetBounds(0, 0, width, 24);
  title->SetCaption(caption);
  return title;
}

namespace {

void LoadStates(TzelImageButton* button, const TBitmap& strip) {
  TBitmap piece;
  CopyBitmapPiece(strip, piece, kStates, 1);
  button->SetPicNormal(&piece);
  CopyBitmapPiece(strip, piece, kStates, 2);
  button->SetPicMouseOn(&piece);
  CopyBitmapPiece(strip, piece, kStates, 3);
  button->SetPicMouseDown(&piece);
}

std::unique_ptr<TBitmap> StatesOf(TzelImageButton* button) {
  TPicture* pictures[] = {button->PicNormal(), button->PicMouseOn(), button->PicMouseDown()};
  const int w = pictures[0]->Width(), h = pictures[0]->Height();
  auto strip = std::make_unique<TBitmap>(w * kStates, h, pf24bit);
  for (int i = 0; i < kStates; ++i) strip->Canvas()->Draw(i * w, 0, pictures[i]->Graphic());
  return strip;
}

}  // namespace

TzelImageButton* PictureButton(TWinControl* parent, const std::string& name, int left, int top, int width,
                               int height, const std::string& strip, const std::string& hint) {
  auto* button = new TzelImageButton(FormOwning(parent));
  button->SetName(name);
  button->SetParent(parent);
  button->SetBounds(left, top, width, height);
  LoadStates(button, *LoadResourceBitmap(strip));
  button->SetHint(hint);
  button->SetShowHint(!hint.empty());
  // Clicked by the mouse only; the window's hidden button keeps the keys.
  button->SetTabStop(false);
  return button;
}

TImage* AlternatePictures(TForm* form, const std::string& name, const std::string& strip) {
  auto* image = new TImage(form);
  image->SetName(name);
  image->SetParent(form);
  image->SetVisible(false);
  image->Picture()->SetGraphic(LoadResourceBitmap(strip).get());
  return image;
}

void SwapButtonPictures(TzelImageButton* button, TImage* image) {
  auto own = StatesOf(button);
  LoadStates(button, *image->Picture()->Bitmap());
  image->Picture()->SetGraphic(own.get());
  button->Invalidate();
}

TzelTrackBar* SkinnedSlider(TWinControl* parent, const std::string& name, int left, int top, int width, int height,
                            int min, int max, TzelProgressBarOrientation orientation) {
  auto* slider = new TzelTrackBar(FormOwning(parent));
  slider->SetName(name);
  slider->SetParent(parent);
  slider->SetOrientation(orientation);
  DressInRecorderTheme(slider);
  slider->SetBounds(left, top, width, height);
  slider->SetMin(min);
  slider->SetMax(max);
  slider->SetTransparent(true);
  return slider;
}

void AddColumns(TzelListView* list, std::initializer_list<ColumnLook> columns) {
  for (const ColumnLook& look : columns) {
    TListColumn* column = list->Columns()->Add();
    column->SetCaption(look.caption);
    column->SetWidth(look.width);
    column->SetAlignment(look.alignment);
  }
}

void CompanionScrollBars(TzelListView* list, TzelScrollBar*& vertical, TzelScrollBar*& horizontal) {
  const std::string base = "sb" + list->Name().substr(2);
  TWinControl* parent = list->Parent();
  auto bar = [&](const std::string& name, TzelProgressBarOrientation orientation) {
    auto* made = new TzelScrollBar(list->Owner());
    made->SetName(name);
    made->SetParent(parent);
    made->SetOrientation(orientation);
    DressInRecorderTheme(made);
    return made;
  };
  list->Loaded();
  vertical = bar(base + "V", zelVertical);
  horizontal = bar(base + "H", zelHorizontal);
  list->SetVScrollBar(vertical);
  list->SetHScrollBar(horizontal);
}

TLabel* BackgroundLabel(TForm* form, const std::string& name, int left, int top, int width, TColor color) {
  auto* label = new TLabel(form);
  label->SetName(name);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(left, top, width, 16);
  label->SetTransparent(true);
  label->Font()->SetColor(color);
  return label;
}
