#include <cmath>

#include "resources/art/ArtKinds.h"

namespace art {

// Stretched over the done part of the bar, so it only varies down the rows.
void DrawProgressBar(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  double h = p.Height();
  TColor base = s.look == Look::WinXP      ? Rgb(0x2E, 0xC8, 0x3C)
              : s.look == Look::Protein  ? Rgb(0xC8, 0x1E, 0x24)
              : s.look == Look::DeepBlue ? Rgb(0x1E, 0x8E, 0xD8)
              : s.look == Look::BlueGlass ? Rgb(0x3A, 0x8A, 0xE8)
                                          : s.accent;
  p.Fill(Gloss(0, h, base));
}

void DrawComboButton(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  double w = p.Width(), h = p.Height();
  p.Fill(Solid(s.face));
  TColor face = s.look == Look::MacOS ? s.accent : Rgb(0xB6, 0xCC, 0xFA);
  p.Fill(RoundRect(0, 0, w, h, 2), Solid(s.look == Look::MacOS ? Darker(face, 0.35) : Rgb(0xFF, 0xFF, 0xFF)));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, 1), Gloss(1, h - 1, face));
  TColor arrow = s.look == Look::MacOS ? 0xFFFFFF : Rgb(0x4D, 0x61, 0x85);
  p.Fill(Polygon({{int(w / 2) - 4, int(h / 2) - 1}, {int(w / 2) + 4, int(h / 2) - 1}, {int(w / 2), int(h / 2) + 3}}),
         Solid(arrow));
}

// 8 x 8 tiles: fine pinstripes for MacOS, a faint weave for Protein.
void DrawFormBackground(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  if (s.look == Look::MacOS) {
    p.Fill([&](double, double y) { return int(y) % 2 ? Darker(s.face, 0.035) : Lighter(s.face, 0.35); });
  } else {
    p.Fill([&](double x, double y) { return (int(x) + int(y)) % 4 == 0 ? Darker(s.face, 0.025) : s.face; });
  }
}

// Light menu rows; separators use its top 12 rows, items its top 20.
void DrawMenuBar(TBitmap& bmp, const LookStyle&) {
  Painter p(bmp, 0, 1);
  p.Fill(VerticalStops(0, p.Height(), {{0, Rgb(0xFA, 0xFA, 0xFA)}, {0.9, Rgb(0xEE, 0xEE, 0xEE)}, {1, Rgb(0xD8, 0xD8, 0xD8)}}));
}

void DrawMenuSelect(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  p.Fill(VerticalStops(0, p.Height(), {{0, Lighter(s.accent, 0.35)}, {1, Darker(s.accent, 0.1)}}));
}

// Masked on white by the menus.
void DrawMenuChecked(TBitmap& bmp, const LookStyle&) {
  Painter p(bmp, 0, 1);
  p.Fill(Solid(0xFFFFFF));
  p.Fill(CheckMarkShape(2, 2, 12, 1.3), Solid(0x000000));
}

// Four 42 x 42 icons: warning, stop, information, help. The dialog shows
// them opaque, on a light grey like its own background.
void DrawDialogIcons(TBitmap& bmp, const LookStyle&) {
  const TColor back = Rgb(0xE8, 0xE8, 0xE8);
  const TColor white = 0xFFFFFF;
  for (int cell = 0; cell < 4; ++cell) {
    Painter p(bmp, cell, 4);
    double n = p.Width(), c = n / 2;
    p.Fill(Solid(back));
    if (cell > 0) p.Fill(Circle(c + 1, c + 2, 17), Solid(0x000000), 0.12);  // shadow
    switch (cell) {
      case 0: {
        Shape triangle = Polygon({{int(c), 4}, {int(n) - 3, int(n) - 5}, {3, int(n) - 5}});
        p.Fill(Outline(triangle, 1.5), Solid(Rgb(0x8A, 0x6A, 0x00)));
        p.Fill(triangle, VerticalStops(4, n - 5, {{0, Rgb(0xFF, 0xEA, 0x70)}, {1, Rgb(0xF4, 0xB8, 0x10)}}));
        p.Fill(Segment(c, 15, c, 26, 2.2), Solid(0x000000));
        p.Fill(Circle(c, 31.5, 2.3), Solid(0x000000));
        break;
      }
      case 1: {
        p.Fill(Circle(c, c, 17), Solid(Rgb(0x80, 0x08, 0x08)));
        p.Fill(Circle(c, c, 16), Gloss(c - 16, c + 16, Rgb(0xD8, 0x20, 0x20)));
        p.Fill(Union(Segment(c - 7, c - 7, c + 7, c + 7, 2.6), Segment(c + 7, c - 7, c - 7, c + 7, 2.6)), Solid(white));
        break;
      }
      case 2:
      case 3: {
        TColor base = cell == 2 ? Rgb(0x1E, 0x5E, 0xD0) : Rgb(0x20, 0x8C, 0x5A);
        p.Fill(Circle(c, c, 17), Solid(Darker(base, 0.45)));
        p.Fill(Circle(c, c, 16), Gloss(c - 16, c + 16, base));
        if (cell == 2) {
          p.Fill(Circle(c, 12.5, 2.6), Solid(white));
          p.Fill(Segment(c, 18.5, c, 30, 2.4), Solid(white));
        } else {
          Shape ring = Outline(Circle(c, 15, 6.5), 2.4);
          Shape keep = Polygon({{0, 0}, {int(n), 0}, {int(n), 18}, {int(c), 18}, {int(c), 24}, {0, 24}, {0, 17}});
          Shape hook = Intersect(ring, Subtract(keep, Polygon({{0, 14}, {int(c) - 2, 14}, {int(c) - 2, 24}, {0, 24}})));
          p.Fill(Union(hook, Segment(c, 21, c, 24.5, 2.4)), Solid(white));
          p.Fill(Circle(c, 30.5, 2.5), Solid(white));
        }
        break;
      }
    }
  }
}

}  // namespace art
