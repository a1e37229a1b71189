#pragma once
// What the themed popup and main menus share: the look values their items
// are measured and drawn with, the routines that measure and draw one item,
// and the hand-out of the item handlers to every item of a menu.

#include <string>

#include "platform/base/Types.h"
#include "platform/framework/Menus.h"
#include "platform/gfx/Font.h"
#include "skin/ZELThemes.h"

class TzelFileTheme;
class TImageList;

// The values every item of a themed menu is measured and drawn with.
struct TzelMenuLook {
  TzelUIStyle uiStyle = DeepBlue;
  TzelFileTheme* fileTheme = nullptr;
  int menuItemHeight = 21;
  int separatorHeight = 21;
  int barWidth = 0;
  TColor barColor = clBtnFace;
  TColor barToColor = clBtnFace;
  TColor color = 0xFFFFFF;
  TColor separatorColor = 0x808080;
  TColor selectedBorderColor = clHighlight;
  TColor selectedColor = clHighlight;
  TColor selectedFontColor = 0xFFFFFF;
  TColor fontColor = 0xFFFFFF;
  TColor borderColor = 0;
  bool flatMenu = false;
  std::string fontName = "MS Sans Serif";
  int fontSize = 8;
  TFontCharset fontCharset = DEFAULT_CHARSET;
  bool useSystemFont = true;
};

// Takes the look's sizes and colours from the theme file when the look is
// FromThemeFile and the theme is ready, else from the built-in tables.
void ApplyMenuLook(TzelMenuLook& look);

// One item's size: a separator is separatorHeight high, any other item at
// least menuItemHeight; the width leaves room for the bar, the glyph and
// the shortcut text.
void MeasureMenuItem(const TzelMenuLook& look, const TMenuItem& item, TCanvas& canvas, int& width, int& height);

// What drawing one item needs beside the look.
struct TzelMenuItemPaint {
  const TMenuItem* item = nullptr;
  TImageList* images = nullptr;       // the menu's item images, maybe none
  TImageList* checkImages = nullptr;  // the check mark at index 0
  bool rightToLeft = false;
};
void DrawMenuItem(const TzelMenuLook& look, const TzelMenuItemPaint& paint, TCanvas& canvas, const TRect& rect,
                  TOwnerDrawState state);

// Whether a menu with this bi-di mode draws its items right to left.
bool MenuDrawsRightToLeft(TBiDiMode mode);

// Gives the item and every item below it the two handlers.
void SetMenuItemDrawEvents(TMenuItem* item, const TMenuMeasureItemEvent& measure,
                           const TAdvancedMenuDrawItemEvent& draw);

// Gives the font the system's menu font in clMenuText; false, with the
// font unchanged, when the system cannot tell its metrics.
bool SetSystemMenuFont(TFont& font);

// A flat border around the window: a frame in color, a white frame inside
// it and a shadow line along the bottom and right in shadowColor.
void DrawFlatMenuBorder(HWND window, TColor color, TColor shadowColor);

// A list holding the check mark of the menus, masked on white. Empty when
// the program has no such bitmap.
void LoadMenuCheckMark(TImageList& list);
