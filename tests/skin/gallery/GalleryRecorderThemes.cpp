// The recorder's built-in theme files, each loaded through the real reader
// as its main window loads them: every picture, zoomed with its element's
// name, and a dialog put together from them with skinned controls on it.

#include <memory>

#include "platform/framework/Forms.h"
#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Labels.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/Headless.h"
#include "resources/Resources.h"
#include "skin/ZELBitmapPiece.h"
#include "platform/os/MainThread.h"
#include "skin/ZELButton.h"
#include "skin/ZELDlg.h"
#include "skin/ZELEdit.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"
#include "skin/ZELProgressBar.h"
#include "skin/ZELTrackBar.h"
#include "skin/frmMessage.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

constexpr int kZoom = 3;
constexpr int kTitleKeys = 18;
constexpr int kMinimizeKey = 12, kCloseKey = 15;  // their normal frames

// The title colour the theme gives a dialog's caption.
TColor CaptionColor(const TzelFileTheme& theme) {
  TzelDialog dialog(nullptr);
  dialog.SetFileTheme(const_cast<TzelFileTheme*>(&theme));
  dialog.SetUIStyle(FromThemeFile);
  return dialog.CaptionFont()->Color();
}

// The window around the controls: title sections, two keys, the caption
// and the one-pixel frame, in the theme's pictures and colours.
std::unique_ptr<TBitmap> WindowPicture(const TzelFileTheme& theme, int width, int height, const std::string& caption) {
  auto window = std::make_unique<TBitmap>(width, height);
  TCanvas& canvas = *window->Canvas();
  canvas.Brush()->SetColor(TColor(theme.GetColor(15)));
  canvas.FillRect({0, 0, width, height});
  TBitmap& left = *theme.GetBitmap(10);
  TBitmap& middle = *theme.GetBitmap(11);
  TBitmap& right = *theme.GetBitmap(12);
  canvas.Draw(0, 0, &left);
  canvas.StretchDraw({left.Width(), 0, width - right.Width(), middle.Height()}, &middle);
  canvas.Draw(width - right.Width(), 0, &right);
  TBitmap key;
  const int keyTop = theme.GetInteger(9);
  for (int frame : {kCloseKey, kMinimizeKey}) {
    CopyBitmapPiece(*theme.GetBitmap(5), key, kTitleKeys, frame + 1);
    const int slot = frame == kCloseKey ? 1 : 2;
    canvas.Draw(width + theme.GetInteger(8) - 1 - slot * (key.Width() + 2), keyTop, &key);
  }
  canvas.Font()->SetName("Tahoma");
  canvas.Font()->SetHeight(-11);
  canvas.Font()->SetStyle(TFontStyles(fsBold));
  canvas.Font()->SetColor(CaptionColor(theme));
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(10, (left.Height() - canvas.TextHeight(caption)) / 2, caption);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(TColor(theme.GetColor(16)));
  canvas.FrameRect({0, left.Height() - 1, width, height});
  return window;
}

void BuildDialog(TForm* form, TzelFileTheme* theme, const std::string& caption) {
  const int width = form->Width(), height = form->Height();
  form->SetColor(TColor(theme->GetColor(15)));  // what the controls taking the parent's colour show
  auto* back = new TImage(form);
  back->SetParent(form);
  back->SetBounds(0, 0, width, height);
  back->Picture()->SetGraphic(WindowPicture(*theme, width, height, caption).get());

  auto* text = new TLabel(form);
  text->SetParent(form);
  text->SetTransparent(true);
  text->SetBounds(16, 36, 240, 16);
  text->SetCaption("Burning track 3 of 12 at 16x speed...");
  auto* bar = new TzelProgressBar(form);
  bar->SetParent(form);
  bar->SetBounds(16, 60, width - 32, 16);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(FromThemeFile);
  bar->SetPosition(62);
  auto* edit = new TzelEdit(form);
  edit->SetParent(form);
  edit->SetBounds(16, 88, width - 32, edit->Height());
  edit->SetFileTheme(theme);
  edit->SetUIStyle(FromThemeFile);
  edit->SetText("Recording 2024-05-01 10-30.mp3");
  auto* check = new TzelCheckBox(form);
  auto* radio = new TzelRadioButton(form);
  auto* track = new TzelTrackBar(form);
  check->SetCaption("Eject when done");
  check->SetChecked(true);
  radio->SetCaption("Simulate");
  radio->SetChecked(true);
  const std::pair<TWinControl*, TRect> places[] = {{check, {16, 120, 130, 137}},
                                                   {radio, {16, 142, 130, 159}},
                                                   {track, {150, 124, 400, 144}}};
  for (const auto& [control, place] : places) {
    control->SetParent(form);
    control->SetProp("FileTheme", static_cast<TComponent*>(theme));
    control->SetProp("UIStyle", FromThemeFile);
    control->SetBounds(place.Left, place.Top, place.Width(), place.Height());
  }
  track->SetPosition(6);
  const char* captions[] = {"&Abort", "Details", "Disabled"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new TzelButton(form);
    button->SetParent(form);
    button->SetBounds(width - 16 - (3 - i) * 82 + 9, height - 38, 73, 25);
    button->SetFileTheme(theme);
    button->SetUIStyle(FromThemeFile);
    button->SetCaption(captions[i]);
    button->SetEnabled(i != 2);
  }
}

// The message dialog's box as it shows, dressed in the theme.
std::unique_ptr<TBitmap> ShootMessageBox(TForm* owner, TzelFileTheme* theme) {
  TzelMessageDialog dialog(owner);
  dialog.SetFileTheme(theme);
  dialog.SetUIStyle(FromThemeFile);
  dialog.SetCaption("Burning");
  dialog.SetText("Do you want to abort burning? The disc may not be usable afterwards.");
  dialog.SetIconType(TzelIconType::zelWarning);
  dialog.SetButtonCount(2);
  dialog.SetButton1Caption("&Abort");
  dialog.SetButton2Caption("&Continue");
  auto shot = std::make_unique<TBitmap>();
  PostToMainThread([&] {
    HeadlessPumpUntilIdle();
    shot->Assign(HeadlessPresentedSurface(dialog.Box()->Handle()));
    dialog.Box()->SetModalResult(mrCancel);
  });
  dialog.ShowModal();
  return shot;
}

void DrawPictures(TCanvas& canvas, TFlow& flow, const TzelFileTheme& theme) {
  for (int element = zelFirstElement; element <= zelLastElement; ++element) {
    TBitmap* picture = theme.GetBitmap(element);
    if (!picture) continue;
    const int zoom = picture->Width() * kZoom > 900 ? 2 : kZoom;
    const int w = std::max(picture->Width() * zoom, 150), h = picture->Height() * zoom + picture->Height() + 24;
    TPoint at = flow.Place(w, h);
    WriteText(canvas, at.X, at.Y, std::to_string(element) + " " + BuiltInElementName(element));
    canvas.Draw(at.X, at.Y + 16, picture);
    DrawZoomed(canvas, at.X, at.Y + 20 + picture->Height(), *picture, zoom);
  }
}

}  // namespace

std::unique_ptr<TBitmap> PaintRecorderThemePage(const std::string& resource, const std::string& component) {
  SetSkinFlavour(zelOlderBuild);
  TForm* owner = nullptr;
  Application->CreateForm(owner);
  auto* theme = new TzelBuiltInFileTheme(owner);
  theme->LoadSkinData(LoadResourceData(resource));

  TBitmap page(960, 2400);
  TCanvas& canvas = *page.Canvas();
  canvas.Brush()->SetColor(kPageColor);
  canvas.FillRect({0, 0, page.Width(), page.Height()});
  WriteText(canvas, 16, 10, component + " (" + resource + ")", -20, true);
  TFlow flow(16, 44, 944);
  const TLookEntry look{FromThemeFile, component, resource};
  for (const std::string caption : {"Burning", "A caption long enough to reach the keys"}) {
    auto shot = ShootForm(look, 420, 190, [&](TForm* form) { BuildDialog(form, theme, caption); });
    TPoint at = flow.Place(shot->Width(), shot->Height());
    canvas.Draw(at.X, at.Y, shot.get());
  }
  auto box = ShootMessageBox(owner, theme);
  TPoint at = flow.Place(box->Width(), box->Height());
  canvas.Draw(at.X, at.Y, box.get());
  auto framed = PaintThemedFrame(theme);
  at = flow.Place(framed->Width(), framed->Height());
  canvas.Draw(at.X, at.Y, framed.get());
  flow.Break(8);
  DrawPictures(canvas, flow, *theme);
  auto used = std::make_unique<TBitmap>(page.Width(), flow.Bottom() + 16);
  used->Canvas()->Draw(0, 0, &page);
  owner->Release();
  HeadlessPumpUntilIdle();
  SetSkinFlavour(zelCurrentBuild);
  return used;
}

}  // namespace gallery
