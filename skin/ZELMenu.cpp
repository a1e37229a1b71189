#include "skin/ZELMenu.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/Controls.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/ImageList.h"
#include "platform/win/WinApi.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"

namespace {

// Theme-file colour items of the menus.
constexpr int kThemeFormColor = 2;
constexpr int kThemeBarStartColor = 9;
constexpr int kThemeBarEndColor = 10;
constexpr int kThemeItemColor = 11;
constexpr int kThemeItemFontColor = 12;
constexpr int kThemeSelectedColor = 13;
constexpr int kThemeSelectedBorderColor = 14;
constexpr int kThemeSelectedFontColor = 15;

// Built-in elements of the menus.
constexpr int kElementFormBackground = 15;
constexpr int kElementSelectedBorder = 18;
constexpr int kElementSelectedBackground = 19;
constexpr int kElementSelectedFont = 20;
constexpr int kElementBackground = 21;
constexpr int kElementFont = 22;
constexpr int kElementBar = 23;

constexpr TColor kDisabledFontColor = 0x808080;
constexpr int kTextGap = 4;       // between the bar and the caption
constexpr int kShortCutGap = 16;  // after the shortcut text
constexpr int kExtraWidth = 40;   // the glyph place and the margins
constexpr int kMacSeparatorRows = 12;
constexpr int kMacItemRows = 20;

bool IsMacLook(const TzelMenuLook& look) { return look.uiStyle == MacOS; }

// The top rows of a named bitmap stretched over rect; without the bitmap
// the item's own colour shows instead.
void StretchResourceRows(TCanvas& canvas, const std::string& name, int rows, const TRect& rect, TColor fallback) {
  try {
    TBitmap whole;
    LoadBitmapResource(name, whole);
    TBitmap cut(whole.Width(), std::min(rows, whole.Height()));
    cut.Canvas()->Draw(0, 0, &whole);
    StretchBitmapToRect(cut, canvas, rect);
  } catch (const EResNotFound&) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(fallback);
    canvas.FillRect(rect);
  }
}

// The coloured bar at the leading edge and the item colour beside it.
void DrawBarAndBackground(const TzelMenuLook& look, TCanvas& canvas, const TRect& r, bool rightToLeft) {
  TRect bar = rightToLeft ? TRect{r.Right - look.barWidth, r.Top, r.Right, r.Bottom}
                          : TRect{r.Left, r.Top, r.Left + look.barWidth, r.Bottom};
  TRect rest = rightToLeft ? TRect{r.Left, r.Top, bar.Left, r.Bottom} : TRect{bar.Right, r.Top, r.Right, r.Bottom};
  canvas.Brush()->SetStyle(bsSolid);
  // The recorder's build has one bar colour only.
  const bool gradient = look.barToColor != look.barColor && SkinFlavour() == zelCurrentBuild;
  if (look.barWidth > 0) {
    if (gradient) {
      GradientFillH(canvas, bar, look.barColor, look.barToColor);
    } else {
      canvas.Brush()->SetColor(look.barColor);
      canvas.FillRect(bar);
    }
  }
  canvas.Brush()->SetColor(look.color);
  canvas.FillRect(rest);
}

void DrawSeparator(const TzelMenuLook& look, TCanvas& canvas, const TRect& r, bool rightToLeft) {
  if (IsMacLook(look)) {
    StretchResourceRows(canvas, "MACOS_MENU_BAR", kMacSeparatorRows, r, look.color);
    return;
  }
  DrawBarAndBackground(look, canvas, r, rightToLeft);
  const int y = r.Top + 2;
  const int from = rightToLeft ? r.Left + 2 : r.Left + look.barWidth + 4;
  const int to = rightToLeft ? r.Right - look.barWidth - 4 : r.Right - 2;
  canvas.Pen()->SetStyle(psSolid);
  canvas.Pen()->SetWidth(1);
  canvas.Pen()->SetColor(look.separatorColor);
  canvas.MoveTo(from, y);
  canvas.LineTo(to, y);
}

void DrawItemBackground(const TzelMenuLook& look, TCanvas& canvas, const TRect& r, bool selected, bool rightToLeft) {
  if (selected) {
    if (IsMacLook(look)) {
      StretchResourceRows(canvas, "MACOS_MENU_SELECT", kMacItemRows, r, look.selectedColor);
      return;
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(look.selectedColor);
    canvas.FillRect(r);
    canvas.Brush()->SetColor(look.selectedBorderColor);
    canvas.FrameRect(r);
    return;
  }
  if (IsMacLook(look)) {
    StretchResourceRows(canvas, "MACOS_MENU_BAR", kMacItemRows, r, look.color);
    return;
  }
  DrawBarAndBackground(look, canvas, r, rightToLeft);
}

void SelectItemFont(const TzelMenuLook& look, TCanvas& canvas, const TMenuItem& item, bool selected, bool enabled) {
  TFont font(*canvas.Font());
  if (!look.useSystemFont || !SetSystemMenuFont(font)) {
    font.SetName(look.fontName);
    font.SetSize(look.fontSize);
    font.SetCharset(look.fontCharset);
  }
  font.SetStyle(item.Default() ? TFontStyles(fsBold) : TFontStyles(0));
  const TColor color = !enabled ? kDisabledFontColor : selected ? look.selectedFontColor : look.fontColor;
  font.SetColor(color);
  canvas.SetFont(font);
  canvas.SetTextColor(color);
  canvas.SetBkMode(TRANSPARENT);
  canvas.Brush()->SetStyle(bsClear);
}

void DrawTexts(const TzelMenuLook& look, TCanvas& canvas, const TMenuItem& item, const TRect& r, bool rightToLeft) {
  TRect caption = rightToLeft ? TRect{r.Left, r.Top, r.Right - look.barWidth - kTextGap, r.Bottom}
                              : TRect{r.Left + look.barWidth + kTextGap, r.Top, r.Right, r.Bottom};
  DrawText(canvas.Handle(), item.DisplayCaption(), caption,
           DT_SINGLELINE | DT_VCENTER | (rightToLeft ? DT_RIGHT : DT_LEFT));
  const std::string shortcut = ShortCutToText(item.ShortCut());
  if (shortcut.empty()) return;
  TRect keys = rightToLeft ? TRect{r.Left + look.barWidth + kTextGap, r.Top, r.Right, r.Bottom}
                           : TRect{r.Right - canvas.TextWidth(shortcut) - kShortCutGap, r.Top, r.Right, r.Bottom};
  DrawText(canvas.Handle(), shortcut, keys, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void DrawGlyph(const TzelMenuLook& look, const TzelMenuItemPaint& paint, TCanvas& canvas, const TRect& r,
               bool enabled) {
  const TMenuItem& item = *paint.item;
  const int x0 = paint.rightToLeft ? r.Right - 20 : r.Left + 4;
  const int index = item.ImageIndex();
  const bool hasImage = paint.images && index >= 0 && index < paint.images->Count();
  if (item.Checked()) {
    if (hasImage) {
      // A box behind the image says the item is checked.
      canvas.Brush()->SetStyle(bsSolid);
      canvas.Brush()->SetColor(clBlack);
      canvas.FrameRect({x0 - 2, r.Top + 1, x0 + 17, r.Top + 20});
      canvas.Brush()->SetColor(look.selectedColor);
      canvas.FillRect({x0 - 1, r.Top + 2, x0 + 16, r.Top + 19});
    } else if (paint.checkImages && paint.checkImages->Count() > 0) {
      paint.checkImages->Draw(&canvas, x0, r.Top + 3, 0, enabled);
    }
  }
  if (hasImage) paint.images->Draw(&canvas, x0, r.Top + 3, index, enabled);
}

}  // namespace

void ApplyMenuLook(TzelMenuLook& look) {
  look.barWidth = 26;
  if (IsMacLook(look)) {
    look.menuItemHeight = 20;
    look.separatorHeight = 12;
    look.separatorColor = 0;
  } else {
    look.menuItemHeight = 21;
    look.separatorHeight = 5;
    look.separatorColor = 0x848284;
  }
  TzelUIStyle style = look.uiStyle;
  if (UsingFileTheme(look.fileTheme, look.uiStyle, style)) {
    const TzelFileTheme& theme = *look.fileTheme;
    look.barColor = TColor(theme.GetColor(kThemeBarStartColor));
    look.barToColor = TColor(theme.GetColor(kThemeBarEndColor));
    look.color = TColor(theme.GetColor(kThemeItemColor));
    look.fontColor = TColor(theme.GetColor(kThemeItemFontColor));
    look.selectedBorderColor = TColor(theme.GetColor(kThemeSelectedBorderColor));
    look.selectedColor = TColor(theme.GetColor(kThemeSelectedColor));
    look.selectedFontColor = TColor(theme.GetColor(kThemeSelectedFontColor));
    return;
  }
  look.barColor = look.barToColor = TColor(GetBuiltInThemeColor(style, kElementBar));
  look.color = TColor(GetBuiltInThemeColor(style, kElementBackground));
  look.fontColor = TColor(GetBuiltInThemeColor(style, kElementFont));
  look.selectedBorderColor = TColor(GetBuiltInThemeColor(style, kElementSelectedBorder));
  look.selectedColor = TColor(GetBuiltInThemeColor(style, kElementSelectedBackground));
  look.selectedFontColor = TColor(GetBuiltInThemeColor(style, kElementSelectedFont));
}

void MeasureMenuItem(const TzelMenuLook& look, const TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  const std::string caption = item.DisplayCaption();
  // A negative height from the program would fold the menu window up.
  height = item.IsLine() ? std::max(0, look.separatorHeight)
                         : std::max({canvas.TextHeight(caption), look.menuItemHeight, 0});
  width = canvas.TextWidth(caption) + canvas.TextWidth(ShortCutToText(item.ShortCut())) + look.barWidth +
          kExtraWidth;
}

void DrawMenuItem(const TzelMenuLook& look, const TzelMenuItemPaint& paint, TCanvas& canvas, const TRect& rect,
                  TOwnerDrawState state) {
  if (!paint.item) return;
  if (look.flatMenu) {
    if (HWND window = MenuWindowFromCanvas(&canvas)) {
      TzelUIStyle style = look.uiStyle;
      const TColor shadow = UsingFileTheme(look.fileTheme, look.uiStyle, style)
                                ? TColor(look.fileTheme->GetColor(kThemeFormColor))
                                : TColor(GetBuiltInThemeColor(style, kElementFormBackground));
      DrawFlatMenuBorder(window, clBlack, shadow);
    }
  }
  if (paint.item->IsLine()) {
    DrawSeparator(look, canvas, rect, paint.rightToLeft);
    return;
  }
  const bool enabled = (state & (odDisabled | odGrayed)) == 0;
  const bool selected = enabled && (state & odSelected) != 0;
  DrawItemBackground(look, canvas, rect, selected, paint.rightToLeft);
  SelectItemFont(look, canvas, *paint.item, selected, enabled);
  DrawTexts(look, canvas, *paint.item, rect, paint.rightToLeft);
  DrawGlyph(look, paint, canvas, rect, enabled);
}

bool MenuDrawsRightToLeft(TBiDiMode mode) { return mode != bdLeftToRight && SysLocaleMiddleEast(); }

void SetMenuItemDrawEvents(TMenuItem* item, const TMenuMeasureItemEvent& measure,
                           const TAdvancedMenuDrawItemEvent& draw) {
  if (!item) return;
  item->OnMeasureItem = measure;
  item->OnAdvancedDrawItem = draw;
  for (int i = 0; i < item->Count(); ++i) SetMenuItemDrawEvents(item->Items(i), measure, draw);
}

bool SetSystemMenuFont(TFont& font) {
  NONCLIENTMETRICS metrics;
  if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  const LOGFONT& menuFont = metrics.lfMenuFont;
  font.SetName(menuFont.lfFaceName);
  font.SetHeight(menuFont.lfHeight);
  font.SetCharset(menuFont.lfCharSet);
  TFontStyles style = 0;
  if (menuFont.lfWeight >= 700) style |= fsBold;
  if (menuFont.lfItalic) style |= fsItalic;
  if (menuFont.lfUnderline) style |= fsUnderline;
  if (menuFont.lfStrikeOut) style |= fsStrikeOut;
  font.SetStyle(style);
  font.SetColor(clMenuText);
  return true;
}

void DrawFlatMenuBorder(HWND window, TColor color, TColor shadowColor) {
  TRect bounds;
  if (!window || !GetWindowRect(window, &bounds)) return;
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  // Window coordinates: the same pixels the window shows on the screen.
  const int w = bounds.Width(), h = bounds.Height();
  dc->Brush()->SetStyle(bsSolid);
  dc->Brush()->SetColor(color);
  dc->FrameRect({0, 1, w - 1, h - 1});
  dc->Brush()->SetColor(clWhite);
  dc->FrameRect({1, 2, w - 2, h - 2});
  dc->Pen()->SetStyle(psSolid);
  dc->Pen()->SetWidth(1);
  dc->Pen()->SetColor(shadowColor);
  const TPoint shadow[] = {{0, h - 1}, {w - 1, h - 1}, {w - 1, 0}, {w, 0}, {0, 0}};
  dc->Polyline(shadow);
  ReleaseDC(window, dc);
}

void LoadMenuCheckMark(TImageList& list) {
  try {
    TBitmap mark;
    LoadBitmapResource("MENU_CHECKED", mark);
    list.Clear();
    list.SetWidth(mark.Width());
    list.SetHeight(mark.Height());
    list.AddMasked(&mark, clWhite);
  } catch (const EResNotFound&) {
    list.Clear();
  }
}
