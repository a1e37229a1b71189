// A themed popup menu in one look, opened on a headless form with its
// second item selected, copied out as the menu window shows it.

#include <memory>

#include "platform/framework/Forms.h"
#include "platform/framework/Menus.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/os/MainThread.h"
#include "platform/os/VirtualKeys.h"
#include "platform/win/Headless.h"
#include "skin/ZELPopupMenu.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

TMenuItem* AddItem(TMenu* menu, TMenuItem* parent, const std::string& caption, TShortCut shortCut = scNone) {
  auto* item = new TMenuItem(menu->Owner());
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  (parent ? parent : menu->Items())->Add(item);
  return item;
}

// A small disc as the image of one item.
void AddDiscImage(TImageList& images) {
  TBitmap disc(16, 16);
  TCanvas& canvas = *disc.Canvas();
  canvas.Brush()->SetColor(clWhite);
  canvas.FillRect({0, 0, 16, 16});
  canvas.Brush()->SetColor(0x2060C0);
  canvas.Pen()->SetColor(0x103060);
  canvas.Ellipse(1, 1, 15, 15);
  canvas.Brush()->SetColor(clWhite);
  canvas.Ellipse(6, 6, 10, 10);
  images.AddMasked(&disc, clWhite);
}

void BuildItems(TzelPopupMenu* menu) {
  AddItem(menu, nullptr, "&Open...", ShortCut('O', ssCtrl));
  AddItem(menu, nullptr, "&Save", ShortCut('S', ssCtrl))->SetDefault(true);
  AddItem(menu, nullptr, "Save &As...", ShortCut('S', ssCtrl | ssShift));
  AddItem(menu, nullptr, "-");
  AddItem(menu, nullptr, "&Loop playback")->SetChecked(true);
  TMenuItem* burn = AddItem(menu, nullptr, "&Burn to disc");
  burn->SetImageIndex(0);
  AddItem(menu, nullptr, "Burn &checked")->SetImageIndex(0);
  menu->Items()->Items(6)->SetChecked(true);
  AddItem(menu, nullptr, "&Paste", ShortCut('V', ssCtrl))->SetEnabled(false);
  AddItem(menu, nullptr, "-");
  TMenuItem* recent = AddItem(menu, nullptr, "&Recent files");
  AddItem(menu, recent, "song.mp3");
}

}  // namespace

std::unique_ptr<TBitmap> PaintMenus(const TLookEntry& look) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 200, 100);
  form->Show();
  HeadlessPumpUntilIdle();

  TImageList images;
  AddDiscImage(images);
  auto* menu = new TzelPopupMenu(form);
  menu->SetUIStyle(look.style);
  menu->SetImages(&images);
  BuildItems(menu);

  auto shot = std::make_unique<TBitmap>();
  PostToMainThread([&shot] {
    HeadlessKeyPress(VK_DOWN);
    HeadlessKeyPress(VK_DOWN);
    HeadlessPumpUntilIdle();
    if (const TBitmap* surface = HeadlessPresentedSurface(GetTopLevelWindows().front())) shot->Assign(surface);
    HeadlessKeyPress(VK_ESCAPE);
  });
  menu->Popup(20, 20);
  delete menu;
  form->Release();
  HeadlessPumpUntilIdle();
  return shot;
}

}  // namespace gallery
