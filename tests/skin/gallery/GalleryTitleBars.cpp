// Title bars in one look: an active one with the control box, an inactive
// one whose long caption is cut, and one with a help button and the
// application icon, stacked on a headless form. Where the editor carries
// a theme file made from the look, the same three follow as that file
// draws them.

#include <functional>

#include "platform/framework/Forms.h"
#include "platform/gfx/Canvas.h"
#include "resources/Resources.h"
#include "resources/themefile/EditorThemes.h"
#include "skin/ZELMgr.h"
#include "skin/ZELTitleBar.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

constexpr int kWidth = 420, kHeight = 130;

using TApplyLook = std::function<void(TzelTitleBar*)>;

TzelTitleBar* PlaceTitleBar(TForm* form, const TApplyLook& applyLook, const std::string& caption) {
  auto* bar = new TzelTitleBar(form);
  bar->SetParent(form);
  bar->SetAlign(alTop);
  applyLook(bar);
  bar->SetCaption(caption);
  return bar;
}

std::unique_ptr<TBitmap> ShootTitleBars(const TLookEntry& look, const std::function<TApplyLook(TForm*)>& lookOn) {
  return ShootForm(look, kWidth, kHeight, [&](TForm* form) {
    const TApplyLook applyLook = lookOn(form);
    auto* active = PlaceTitleBar(form, applyLook, "Recorder - Untitled");
    active->SetDrawAppIcon(false);
    auto* inactive = PlaceTitleBar(form, applyLook, "A caption far too long for the room this title bar leaves it");
    inactive->SetDrawAppIcon(false);
    inactive->SetFormActive(false);
    auto* help = PlaceTitleBar(form, applyLook, "Options");
    help->Buttons()->Add()->SetButtonType(zelHelp);
    help->Buttons()->Items(2)->SetVisible(false);
    help->Buttons()->Items(3)->SetVisible(false);
    help->SetTop(form->ClientHeight());  // keep the stacking order
  });
}

// The editor's theme file made from the look, or "" when there is none.
std::string EditorThemeOf(TzelUIStyle style) {
  for (const themefile::ThemeRecipe& recipe : themefile::EditorThemeRecipes())
    if (recipe.look == style) return recipe.resourceName;
  return "";
}

}  // namespace

std::unique_ptr<TBitmap> PaintTitleBars(const TLookEntry& look) {
  auto builtIn = ShootTitleBars(look, [&look](TForm*) {
    return [style = look.style](TzelTitleBar* bar) { bar->SetUIStyle(style); };
  });
  const std::string themeName = EditorThemeOf(look.style);
  if (themeName.empty()) return builtIn;

  auto fromFile = ShootTitleBars(look, [&themeName](TForm* form) {
    auto* theme = new TzelBuiltInFileTheme(form);
    theme->LoadSkinData(LoadResourceData(themeName));
    return [theme](TzelTitleBar* bar) {
      bar->SetFileTheme(theme);
      bar->SetUIStyle(FromThemeFile);
    };
  });
  constexpr int kLabel = 18;
  auto both = std::make_unique<TBitmap>(kWidth, 2 * kHeight + kLabel);
  TCanvas& canvas = *both->Canvas();
  canvas.Brush()->SetColor(kPageColor);
  canvas.FillRect({0, 0, both->Width(), both->Height()});
  canvas.Draw(0, 0, builtIn.get());
  WriteText(canvas, 0, kHeight + 2, "From the editor's theme file " + themeName);
  canvas.Draw(0, kHeight + kLabel, fromFile.get());
  return both;
}

}  // namespace gallery
