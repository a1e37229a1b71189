// Skinned form frames in one look: a dialog with a main menu whose second
// item is under the pointer, an inactive sizeable window with a long
// caption, and, for the looks the editor's themes are drawn after, the
// dialog again dressed by that theme file.

#include <memory>
#include <string>

#include "platform/framework/Forms.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/Headless.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELMainMenu.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

void AddMenu(TForm* form, TzelForm* frame) {
  auto* menu = new TzelMainMenu(form);
  for (const char* top : {"&File", "&Edit", "&Effects", "&Help"}) {
    auto* item = new TMenuItem(form);
    item->SetCaption(top);
    auto* sub = new TMenuItem(form);
    sub->SetCaption("&Open...");
    item->Add(sub);
    menu->Items()->Add(item);
  }
  frame->SetMenu(menu);
}

// A shown form dressed by `dress`, shot through its region.
std::unique_ptr<TBitmap> Framed(int width, int height, TFormBorderStyle style,
                                const std::function<void(TForm*, TzelForm*)>& dress) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(style);
  form->SetBounds(40, 40, width, height);
  auto* frame = new TzelForm(form);
  frame->TitleBar()->Font()->SetName("Tahoma");
  frame->TitleBar()->Font()->SetHeight(-11);
  frame->SetTitleBarDrawAppIcon(false);
  dress(form, frame);
  if (!form->Visible()) form->Show();
  HeadlessPumpUntilIdle();
  auto shot = ShootThroughRegion(form->Handle());
  form->Release();
  HeadlessPumpUntilIdle();
  HeadlessMouseMove({1200, 1000});
  return shot;
}

std::unique_ptr<TBitmap> WithMenu(TzelUIStyle style, TzelFileTheme* (*theme)(TForm*)) {
  return Framed(300, 150, bsDialog, [&](TForm* form, TzelForm* frame) {
    if (theme) frame->SetFileTheme(theme(form));
    frame->SetUIStyle(style);
    frame->SetCaption("Amplify");
    AddMenu(form, frame);
    form->Show();
    HeadlessPumpUntilIdle();
    TToolButton* edit = frame->MenuBar()->Buttons(1);
    HeadlessMouseMove(frame->MenuBar()->ClientToScreen({edit->Left() + 5, edit->Top() + 5}));
  });
}

template <int Resource>
TzelFileTheme* EditorTheme(TForm* form) {
  auto* theme = new TzelBuiltInFileTheme(form);
  theme->LoadSkinData(LoadResourceData(Resource == 1 ? kEditorThemeResource1 : kEditorThemeResource2));
  return theme;
}

}  // namespace

std::unique_ptr<TBitmap> PaintThemedFrame(TzelFileTheme* theme) {
  return Framed(300, 150, bsDialog, [&](TForm* form, TzelForm* frame) {
    frame->SetFileTheme(theme);
    frame->SetUIStyle(FromThemeFile);
    frame->SetCaption("Burning progress");
    AddMenu(form, frame);
  });
}

std::unique_ptr<TBitmap> PaintFormFrames(const TLookEntry& look) {
  std::vector<std::unique_ptr<TBitmap>> shots;
  shots.push_back(WithMenu(look.style, nullptr));
  shots.push_back(Framed(260, 150, bsSizeable, [&](TForm* form, TzelForm* frame) {
    frame->SetUIStyle(look.style);
    frame->SetCaption("Velmora Audio Editor - a recording with a very long name.wav");
    form->Show();
    HeadlessPumpUntilIdle();
    HeadlessActivate(nullptr);
  }));
  if (look.style == DeepBlue) shots.push_back(WithMenu(FromThemeFile, EditorTheme<1>));
  if (look.style == BlueGlass) shots.push_back(WithMenu(FromThemeFile, EditorTheme<2>));

  int width = 0, height = 0;
  for (auto& shot : shots) {
    width += shot->Width() + 12;
    height = std::max(height, shot->Height());
  }
  auto picture = std::make_unique<TBitmap>(width, height);
  picture->Canvas()->Brush()->SetColor(kPageColor);
  picture->Canvas()->FillRect({0, 0, width, height});
  int x = 0;
  for (auto& shot : shots) {
    picture->Canvas()->Draw(x, 0, shot.get());
    x += shot->Width() + 12;
  }
  return picture;
}

}  // namespace gallery
