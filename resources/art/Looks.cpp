#include "resources/art/Looks.h"

namespace art {

namespace {

const LookStyle kLooks[kLookCount] = {
    {Look::MacOS, "MACOS", Rgb(0xE7, 0xE7, 0xE7), Rgb(0x7F, 0x7F, 0x7F), Rgb(0x39, 0x73, 0xC4),
     Rgb(0xF2, 0xF2, 0xF2), Rgb(0xC8, 0xC8, 0xC8), Rgb(0xF4, 0xF4, 0xF4), Rgb(0xC9, 0xC9, 0xC9),
     4, true, false, 0, 23},
    {Look::WinXP, "WINXP", Rgb(0xEF, 0xEB, 0xDE), Rgb(0x00, 0x2C, 0xC8), Rgb(0x31, 0x69, 0xC6),
     Rgb(0x3A, 0x8C, 0xFF), Rgb(0x00, 0x4E, 0xE0), Rgb(0xF6, 0xF4, 0xEA), Rgb(0xF9, 0xF9, 0xF9),
     5, false, false, 13, 29},
    {Look::DeepBlue, "DEEPBLUE", Rgb(0xE8, 0xE8, 0xE8), Rgb(0x00, 0x00, 0x00), Rgb(0x44, 0x4A, 0xA0),
     Rgb(0x3C, 0x4E, 0x8A), Rgb(0x0C, 0x16, 0x3C), Rgb(0x4A, 0x5C, 0x9C), Rgb(0xF5, 0xF5, 0xF5),
     2, false, false, 0, 32},
    {Look::Protein, "PROTEIN", Rgb(0xFB, 0xFB, 0xFB), Rgb(0x00, 0x00, 0x00), Rgb(0x2D, 0x30, 0xC4),
     Rgb(0xFA, 0xFA, 0xFA), Rgb(0xD6, 0xD6, 0xDA), Rgb(0xF0, 0xF0, 0xF2), Rgb(0xF5, 0xF5, 0xF5),
     2, false, true, 0, 23},
    {Look::BlueGlass, "BLUEGLASS", Rgb(0xE7, 0xE7, 0xE7), Rgb(0x00, 0x00, 0x00), Rgb(0x5E, 0x5E, 0xEC),
     Rgb(0x7F, 0xB2, 0xF0), Rgb(0x1C, 0x4E, 0xA8), Rgb(0x8C, 0xB8, 0xEE), Rgb(0xF4, 0xF4, 0xF4),
     6, true, true, 11, 33},
};

}  // namespace

const LookStyle& StyleOf(Look look) { return kLooks[int(look)]; }

const LookStyle* AllLooks() { return kLooks; }

namespace {

TColor StopsAt(std::initializer_list<std::pair<double, TColor>> stops, double t) {
  auto previous = *stops.begin();
  for (const auto& stop : stops) {
    if (t <= stop.first) {
      double span = stop.first - previous.first;
      return Mix(previous.second, stop.second, span > 0 ? (t - previous.first) / span : 1.0);
    }
    previous = stop;
  }
  return previous.second;
}

}  // namespace

TColor TitleRowColor(const LookStyle& s, int y, int height) {
  double t = (y + 0.5) / height;
  switch (s.look) {
    case Look::MacOS:
      // Brushed light grey with faint pinstripes.
      return Darker(Mix(s.titleTop, s.titleBottom, t), (y % 2) ? 0.025 : 0.0);
    case Look::WinXP:
      // A bright band under the top edge, deep blue below, darker at the foot.
      return StopsAt({{0.0, Rgb(0x3D, 0x95, 0xFF)}, {0.14, Rgb(0x0A, 0x6A, 0xF5)}, {0.4, Rgb(0x00, 0x58, 0xE6)},
                      {0.8, Rgb(0x00, 0x55, 0xE2)}, {0.92, Rgb(0x00, 0x4A, 0xD6)}, {1.0, Rgb(0x00, 0x3C, 0xC0)}},
                     t);
    case Look::DeepBlue:
      // Dark navy glass: a soft sheen over the upper half, a faint
      // reflection rising from the foot.
      return StopsAt({{0.0, Rgb(0x3A, 0x4E, 0x8C)}, {0.48, Rgb(0x1E, 0x2C, 0x62)}, {0.52, Rgb(0x10, 0x1A, 0x44)},
                      {0.8, Rgb(0x0C, 0x16, 0x3C)}, {1.0, Rgb(0x18, 0x2A, 0x60)}},
                     t);
    case Look::Protein:
      // Charcoal, lighter at the top.
      return StopsAt({{0.0, Rgb(0x6E, 0x6E, 0x74)}, {0.5, Rgb(0x48, 0x48, 0x4E)}, {1.0, Rgb(0x2C, 0x2C, 0x30)}}, t);
    case Look::BlueGlass:
      // Light glass: a pale upper half over a clear blue lower half.
      return StopsAt({{0.0, Rgb(0xA0, 0xCA, 0xF6)}, {0.5, Rgb(0x62, 0x9C, 0xE2)}, {0.5, Rgb(0x30, 0x6E, 0xC6)},
                      {1.0, Rgb(0x5E, 0x9C, 0xE6)}},
                     t);
  }
  return s.titleTop;
}

}  // namespace art
