// The theme bitmaps of one look, each zoomed with its name, and a small
// window put together from them the way the skinned controls use them.

#include <algorithm>
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/Region.h"
#include "resources/Resources.h"
#include "resources/art/Catalog.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELPublic.h"
#include "skin/ZELThemes.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

constexpr TColor kMagenta = 0xFF00FF;
constexpr int kZoom = 2;

bool BelongsTo(const std::string& name, const TLookEntry& look) {
  if (name.rfind(look.prefix + "_", 0) == 0) return true;
  // Shared pictures (no look prefix) show on every page.
  for (const char* prefix : {"MACOS_", "WINXP_", "DEEPBLUE_", "PROTEIN_", "BLUEGLASS_"})
    if (name.rfind(prefix, 0) == 0) return false;
  return true;
}

// Very narrow pictures are repeated so their colours can be seen.
std::unique_ptr<TBitmap> Widened(const TBitmap& source) {
  const int width = source.Width() < 6 ? 12 * source.Width() : source.Width();
  auto wide = std::make_unique<TBitmap>(width, source.Height());
  for (int x = 0; x < width; x += source.Width()) wide->Canvas()->Draw(x, 0, &source);
  return wide;
}

std::unique_ptr<TBitmap> Piece(const TBitmap& strip, int count, int part) {
  auto piece = std::make_unique<TBitmap>();
  CopyBitmapPiece(strip, *piece, count, part);
  return piece;
}

void DrawKeyed(TCanvas& canvas, int x, int y, TBitmap& bitmap, bool transparent) {
  bitmap.SetTransparentColor(kMagenta);
  bitmap.SetTransparent(transparent);
  canvas.Draw(x, y, &bitmap);
}

TColor ReadPixel(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
  return TColor(p[2]) | (TColor(p[1]) << 8) | (TColor(p[0]) << 16);
}

// Title bar as the frame lays it out: left and right sections, the client
// section stretched between, the window buttons from the right.
void DrawTitleBar(TCanvas& canvas, int x, int y, int width, const TLookEntry& look, TColor formColor) {
  TzelUIStyle style = look.style;
  auto left = LoadResourceBitmap(look.prefix + "_TITLE_LEFT");
  auto client = LoadResourceBitmap(look.prefix + "_TITLE_CLIENT");
  auto right = LoadResourceBitmap(look.prefix + "_TITLE_RIGHT");
  auto strip = LoadResourceBitmap(look.prefix + "_TITLEBTN");
  const int height = left->Height();
  TBitmap bar(width, height);
  TCanvas& c = *bar.Canvas();
  c.Brush()->SetColor(formColor);
  c.FillRect({0, 0, width, height});
  c.Draw(0, 0, left.get());
  const int rightAt = width - right->Width();
  c.StretchDraw({left->Width(), 0, rightAt, height}, client.get());
  DrawKeyed(c, rightAt, 0, *right, true);

  const bool transparent = GetBuiltInThemeBool(style, 6) != 0;
  const int top = GetBuiltInThemeInteger(style, 9);
  int cursor = width - GetBuiltInThemeInteger(style, 8) - 1;
  // Close normal, maximize hot, minimize pressed: first frames 16, 7, 13.
  const int firstFrames[] = {16, 7, 13};
  for (int i = 0; i < 3; ++i) {
    auto button = Piece(*strip, 18, firstFrames[i] + i);
    cursor -= button->Width() + (i == 0 ? 0 : 1);
    cursor = std::min(cursor, width - 1 - button->Width());
    DrawKeyed(c, cursor, top, *button, transparent);
  }
  auto controlBox = Piece(*strip, 18, 1);
  int x0 = std::max(0, GetBuiltInThemeInteger(style, 7) - 3);
  DrawKeyed(c, x0, top - 1, *controlBox, transparent);
  x0 += controlBox->Width() + 5;
  c.Font()->SetHeight(-11);
  c.Font()->SetStyle(fsBold);
  c.Font()->SetColor(style == MacOS ? 0x000000 : 0xFFFFFF);
  c.Brush()->SetStyle(bsClear);
  c.TextOut(x0, top + (style == Protein ? 3 : 0), "Untitled - " + look.name);
  canvas.Draw(x, y, &bar);
}

void DrawPushButtons(TCanvas& canvas, int x, int y, const TLookEntry& look) {
  auto strip = LoadResourceBitmap(look.prefix + "_BUTTON");
  const bool transparent = GetBuiltInThemeBool(look.style, 2) != 0;
  const char* captions[] = {"Normal", "Hot", "Pressed"};
  for (int part = 1; part <= 3; ++part) {
    auto face = Piece(*strip, 3, part);
    TRect r{x + (part - 1) * 86, y, x + (part - 1) * 86 + 78, y + 25};
    DrawSkinBitmap(*face, canvas, r, transparent);
    canvas.Font()->SetHeight(-11);
    canvas.Font()->SetStyle(0);
    canvas.Font()->SetColor(0x000000);
    canvas.Brush()->SetStyle(bsClear);
    const int tw = canvas.TextWidth(captions[part - 1]);
    canvas.TextOut(r.Left + (r.Width() - tw) / 2, r.Top + 5 + (part == 3 ? 1 : 0), captions[part - 1]);
  }
}

// A horizontal scroll bar: the line buttons turned a quarter, the thumb
// with its caps kept and its middle stretched.
void DrawScrollBar(TCanvas& canvas, int x, int y, int width, const TLookEntry& look) {
  auto buttons = LoadResourceBitmap(look.prefix + "_SCROLLBAR_BUTTON");
  auto thumb = LoadResourceBitmap(look.prefix + "_SCROLLBAR_TRACK");
  auto first = Piece(*buttons, 6, 1);
  auto second = Piece(*buttons, 6, 5);
  RotateBitmapLeft(*first);
  RotateBitmapLeft(*second);
  const int height = first->Height();
  canvas.Brush()->SetColor(TColor(GetBuiltInThemeColor(look.style, 31)));
  canvas.FillRect({x, y, x + width, y + height});
  first->SetTransparentMode(tmAuto);
  first->SetTransparent(true);
  second->SetTransparent(true);
  canvas.Draw(x, y, first.get());
  canvas.Draw(x + width - second->Width(), y, second.get());
  auto start = Piece(*thumb, 3, 1), middle = Piece(*thumb, 3, 2), end = Piece(*thumb, 3, 3);
  const int tx = x + first->Width() + 20, length = 70, ty = y + (height - thumb->Height()) / 2;
  canvas.Draw(tx, ty, start.get());
  canvas.StretchDraw({tx + start->Width(), ty, tx + length - end->Width(), ty + thumb->Height()}, middle.get());
  canvas.Draw(tx + length - end->Width(), ty, end.get());
}

void DrawTrackBar(TCanvas& canvas, int x, int y, int width, const TLookEntry& look, TColor color) {
  auto bar = LoadResourceBitmap(look.prefix + "_TRACKBAR_BAR");
  auto slider = LoadResourceBitmap(look.prefix + "_TRACKBAR_SLIDER");
  const int height = std::max(bar->Height(), slider->Height());
  TBitmap strip(width, bar->Height());
  strip.Canvas()->Brush()->SetColor(color);
  strip.Canvas()->FillRect({0, 0, width, bar->Height()});
  DrawThreePieceBar(*bar, *strip.Canvas(), {0, 0, width, bar->Height()}, false, color, false);
  canvas.Draw(x, y + (height - bar->Height()) / 2, &strip);
  slider->SetTransparent(true);  // its bottom-left pixel
  canvas.Draw(x + width / 3, y + (height - slider->Height()) / 2, slider.get());
}

void DrawProgressBar(TCanvas& canvas, int x, int y, int width, const TLookEntry& look) {
  auto done = LoadResourceBitmap(look.prefix + "_PROGRESSBAR");
  TColor border = TColor(GetBuiltInThemeColor(look.style, 25));
  canvas.Brush()->SetColor(border);
  canvas.FrameRect({x, y, x + width, y + done->Height() + 2});
  canvas.Brush()->SetColor(0xFFFFFF);
  canvas.FillRect({x + 1, y + 1, x + width - 1, y + done->Height() + 1});
  canvas.StretchDraw({x + 1, y + 1, x + 1 + (width - 2) * 3 / 5, y + 1 + done->Height()}, done.get());
}

// The tab strip: the line under the tabs, inactive tabs standing on it and
// the active one a pixel lower, over the line's first row.
void DrawTabs(TCanvas& canvas, int x, int y, int width, const TLookEntry& look, TColor formColor) {
  auto tabs = LoadResourceBitmap(look.prefix + "_TAB");
  auto line = LoadResourceBitmap(look.prefix + "_TAB_LINE");
  auto active = Piece(*tabs, 2, 1), inactive = Piece(*tabs, 2, 2);
  const int band = inactive->Height();
  canvas.StretchDraw({x + 1, y + band, x + width - 1, y + band + line->Height()}, line.get());
  canvas.Brush()->SetColor(TColor(GetBuiltInThemeColor(look.style, 25)));
  canvas.FillRect({x, y + band, x + 1, y + band + line->Height()});
  canvas.FillRect({x + width - 1, y + band, x + width, y + band + line->Height()});
  const char* captions[] = {"General", "Effects", "Devices"};
  int left = x + 10;
  for (int i = 0; i < 3; ++i) {
    TBitmap& picture = i == 1 ? *active : *inactive;
    const bool fromTop = picture.Height() > 0 && ReadPixel(picture, 0, 0) == kMagenta;
    canvas.Font()->SetHeight(-11);
    canvas.Font()->SetStyle(0);
    const int tabWidth = canvas.TextWidth(captions[i]) + 20;
    TRect r{left, y + (i == 1 ? 1 : 0), left + tabWidth, y + (i == 1 ? 1 : 0) + picture.Height()};
    DrawThreePieceBar(picture, canvas, r, fromTop, formColor, true);
    canvas.Font()->SetColor(0x000000);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(r.Left + 10, r.Top + (r.Height() - canvas.TextHeight("W")) / 2, captions[i]);
    left += tabWidth;
  }
}

// Cuts the window's top corners as its region does.
void CutCorners(TBitmap& window, int radius) {
  if (radius <= 0) return;
  HRGN region = CreateRoundRectRgn(0, 0, window.Width() + 1, window.Height() + 1, radius, radius);
  for (int y = 0; y < radius; ++y)
    for (int x = 0; x < window.Width(); ++x)
      if (!PtInRegion(region, x, y)) window.Canvas()->SetPixels(x, y, kPageColor);
  DeleteObject(region);
}

}  // namespace

void DrawThemeBitmaps(TCanvas& canvas, TFlow& flow, const TLookEntry& look) {
  for (const art::ArtEntry& entry : art::ThemeArtCatalog()) {
    if (!BelongsTo(entry.name, look)) continue;
    auto bitmap = Widened(*LoadResourceBitmap(entry.name));
    const std::string label = entry.name + "  " + std::to_string(entry.width) + "x" +
                              std::to_string(entry.height) + " /" + std::to_string(entry.pieces);
    canvas.Font()->SetHeight(-10);
    const int labelWidth = canvas.TextWidth(label);
    const int width = std::max(labelWidth, bitmap->Width() * kZoom);
    TPoint at = flow.Place(width, bitmap->Height() * kZoom + 16);
    WriteText(canvas, at.X, at.Y, label, -10);
    DrawZoomed(canvas, at.X, at.Y + 15, *bitmap, kZoom);
    // Marks between the pieces.
    const int pieceWidth = entry.width / entry.pieces * kZoom;
    canvas.Brush()->SetColor(0x909090);
    for (int i = 1; i < entry.pieces && bitmap->Width() == entry.width; ++i)
      canvas.FillRect({at.X + i * pieceWidth, at.Y + 13, at.X + i * pieceWidth + 1, at.Y + 15});
  }
}

void DrawInUse(TCanvas& canvas, TFlow& flow, const TLookEntry& look) {
  TzelUIStyle style = look.style;
  const TColor formColor = TColor(GetBuiltInThemeColor(style, 15));
  const int width = 460, bodyHeight = 150;
  auto left = LoadResourceBitmap(look.prefix + "_TITLE_LEFT");
  const int titleHeight = left->Height();
  TBitmap window(width, titleHeight + bodyHeight);
  TCanvas& c = *window.Canvas();
  c.Brush()->SetColor(formColor);
  c.FillRect({0, 0, width, window.Height()});
  if (style == MacOS || style == Protein) {
    TPicture tile;
    auto background = LoadResourceBitmap(look.prefix + "_FORM_BACKGROUND");
    tile.SetGraphic(background.get());
    TilePicture(c, tile, {0, 0, width, window.Height()});
  }
  DrawTitleBar(c, 0, 0, width, look, formColor);
  const TColor border = TColor(GetBuiltInThemeColor(style, 16));
  const int borderWidth = GetBuiltInThemeInteger(style, 17);
  c.Brush()->SetColor(border);
  c.FillRect({0, titleHeight, borderWidth, window.Height()});
  c.FillRect({width - borderWidth, titleHeight, width, window.Height()});
  c.FillRect({0, window.Height() - borderWidth, width, window.Height()});

  const int x = 14;
  int y = titleHeight + 10;
  DrawPushButtons(c, x, y, look);
  DrawProgressBar(c, x + 270, y + 7, 160, look);
  y += 36;
  DrawScrollBar(c, x, y, 200, look);
  DrawTrackBar(c, x + 230, y, 200, look, formColor);
  y += 34;
  DrawTabs(c, x, y, 300, look, formColor);
  CutCorners(window, GetBuiltInThemeInteger(style, 14));

  TPoint at = flow.Place(width, window.Height());
  canvas.Draw(at.X, at.Y, &window);
}

}  // namespace gallery
