#include "resources/windowart/WindowArt.h"
#include "resources/windowart/WindowArtParts.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/gfx/Canvas.h"
#include "resources/art/ArtKinds.h"
#include "resources/windowart/WindowGlyphs.h"
#include "resources/zelthemes/RecorderArt.h"

namespace windowart {

using namespace art;
using zelthemes::RecorderDesign;

const RecorderDesign& Design() { return zelthemes::RecorderDesigns()[0]; }

namespace {

constexpr int kCornerWidth = 7;
constexpr int kCornerHeight = 6;

// ---- The shape ---------------------------------------------------------------------

// Pixels a corner of the window cuts, row by row from the edge: the same
// curve the title pictures' frame follows.
const std::vector<int>& CornerCuts() {
  static const std::vector<int> cuts = TitleCornerCuts(zelthemes::kCornerSize, kCornerWidth, kCornerHeight);
  return cuts;
}

// Whether the window's shape leaves out pixel (x, y). Its last column
// never belongs to the shape.
bool OutsideShape(int x, int y, int w, int h) {
  if (x < 0 || y < 0 || x >= w - 1 || y >= h) return true;
  const int row = y < kCornerHeight ? y : y >= h - kCornerHeight ? h - 1 - y : -1;
  if (row < 0) return false;
  const int cut = CornerCuts()[row];
  return x < cut || (w - 1 - x) < cut;
}

// The corner pictures: black where the window is, white (its transparent
// colour) where the corner is cut.
std::unique_ptr<TBitmap> Corner(bool right, bool bottom) {
  auto bmp = std::make_unique<TBitmap>(kCornerWidth, kCornerHeight, pf24bit);
  for (int y = 0; y < kCornerHeight; ++y) {
    const int row = bottom ? kCornerHeight - 1 - y : y;
    for (int x = 0; x < kCornerWidth; ++x) {
      const int fromEdge = right ? kCornerWidth - 1 - x : x;
      bmp->Canvas()->SetPixels(x, y, fromEdge < CornerCuts()[row] ? 0xFFFFFF : 0x000000);
    }
  }
  return bmp;
}

}  // namespace

// ---- Backgrounds -------------------------------------------------------------------

TColor ToolbarRow(const RecorderDesign& d, int y) {
  // Continues the title's bottom colour and deepens toward the foot.
  const double t = double(y - kToolbarTop) / (kToolbarBottom - kToolbarTop - 1);
  if (y == kToolbarBottom - 1) return d.frame;
  return Mix(Mix(d.titleBottom, d.titleTop, 0.18), Darker(d.titleBottom, 0.25), t);
}

void PaintBands(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, TRect{0, 0, bmp.Width(), bmp.Height()});
  const double h = bmp.Height();
  p.Fill([&](double, double y) {
    const int row = int(y);
    if (row < zelthemes::kTitleHeight) return zelthemes::TitleRow(d, row);
    if (row < kToolbarBottom) return ToolbarRow(d, row);
    if (row == kToolbarBottom) return Lighter(d.face, 0.6);
    return Mix(Lighter(d.face, 0.35), Darker(d.face, 0.05), (y - kToolbarBottom) / (h - kToolbarBottom));
  });
}

// A thin upright line between toolbar buttons, fading at both ends.
void Separator(TBitmap& bmp, const RecorderDesign& d, int x) {
  Painter p(bmp, TRect{x, kToolbarTop + 4, x + 1, kToolbarBottom - 5});
  const double h = p.Height();
  for (int y = 0; y < int(h); ++y) {
    const double edge = std::min(y + 0.5, h - y - 0.5) / (h / 3);
    const double a = std::clamp(edge, 0.0, 1.0);
    p.SetPixel(0, y, Mix(ToolbarRow(d, kToolbarTop + 4 + y), Lighter(d.titleTop, 0.25), a));
  }
}

// A sunken dark well for a display.
void Well(TBitmap& bmp, const RecorderDesign& d, TRect r) {
  Painter p(bmp, r);
  const double w = p.Width(), h = p.Height();
  p.Fill(RoundRect(0, 0, w, h, 3), Solid(Lighter(d.face, 0.7)));
  p.Fill(RoundRect(0, 0, w - 1, h - 1, 3), Solid(Darker(d.controlBorder, 0.2)));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, 2), Solid(Darker(d.titleBottom, 0.45)));
}

// A raised light panel grouping controls.
void Group(TBitmap& bmp, const RecorderDesign& d, TRect r) {
  Painter p(bmp, r);
  const double w = p.Width(), h = p.Height();
  p.Fill(RoundRect(0, 0, w, h, 5), Solid(Mix(d.controlBorder, d.face, 0.55)));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, 4), VerticalStops(1, h - 1, {{0, Lighter(d.face, 0.75)}, {1, Lighter(d.face, 0.35)}}));
}

void Rule(TBitmap& bmp, const RecorderDesign& d, int left, int right, int y) {
  Painter p(bmp, TRect{left, y, right, y + 2});
  p.Fill(RoundRect(0, 0, p.Width(), 1, 0), Solid(Mix(d.controlBorder, d.face, 0.6)));
  p.Fill(RoundRect(0, 1, p.Width(), 2, 0), Solid(0xFFFFFF));
}

void Icon(TBitmap& bmp, TRect r, Glyph glyph, TColor color) {
  Painter p(bmp, r);
  p.Fill(GlyphShape(glyph, p.Width() / 2.0, p.Height() / 2.0, std::min(p.Width(), p.Height())), Solid(color));
}

// The window's frame: every pixel of the shape next to a cut one, below
// the title (the title bar draws its own).
void PaintFrame(TBitmap& bmp, const RecorderDesign& d) {
  const int w = bmp.Width(), h = bmp.Height();
  for (int y = zelthemes::kTitleHeight; y < h; ++y)
    for (int x = 0; x < w - 1; ++x) {
      if (OutsideShape(x, y, w, h)) continue;
      bool edge = false;
      for (int dy = -1; dy <= 1 && !edge; ++dy)
        for (int dx = -1; dx <= 1 && !edge; ++dx) edge = OutsideShape(x + dx, y + dy, w, h);
      if (edge) bmp.Canvas()->SetPixels(x, y, d.frame);
    }
}

// ---- Buttons -----------------------------------------------------------------------

namespace {

constexpr TColor kRecordRed = Rgb(0xE0, 0x3A, 0x30);
constexpr TColor kCloseRed = Rgb(0xD8, 0x3A, 0x32);

void PaintKeyState(Painter& p, const RecorderDesign& d, const ButtonArt& b, int state) {
  const double w = p.Width(), h = p.Height();
  const double shift = state == 2 ? 1 : 0;
  switch (b.key) {
    case Key::Toolbar: {
      if (state == 1) {
        p.Fill(RoundRect(2, 2, w - 2, h - 2, 4), Solid(0xFFFFFF), 0.1);
        p.Fill(Outline(RoundRect(2, 2, w - 2, h - 2, 4), 0.5), Solid(d.titleAccent), 0.7);
      } else if (state == 2) {
        p.Fill(RoundRect(2, 2, w - 2, h - 2, 4), Solid(0x000000), 0.3);
      }
      const TColor glyph = state == 0 ? Lighter(d.titleTop, 0.72) : Lighter(d.titleAccent, 0.3);
      p.Fill(GlyphShape(b.glyph, w / 2 + shift, h / 2 + shift, 20), Solid(glyph));
      return;
    }
    case Key::Title:
    case Key::TitleClose: {
      const double top = 0, side = 16, left = std::floor((w - side) / 2);
      const TColor lit = b.key == Key::TitleClose ? kCloseRed : d.accent;
      const TColor face = state == 0 ? Lighter(d.titleTop, 0.14) : state == 1 ? lit : Darker(lit, 0.25);
      const TColor rim = state == 0 ? Mix(d.titleBottom, d.frame, 0.5) : Darker(lit, 0.4);
      p.Fill(RoundRect(left, top, left + side, top + side, 3), Solid(rim));
      p.Fill(RoundRect(left + 1, top + 1, left + side - 1, top + side - 1, 2),
             state == 2 ? VerticalStops(1, side - 1, {{0, Darker(face, 0.12)}, {1, Lighter(face, 0.2)}}) : Gloss(1, side - 1, face));
      p.Fill(GlyphShape(b.glyph, left + side / 2 + shift, top + side / 2 + shift - 1, 14),
             Solid(state == 0 ? d.titleGlyph : TColor(0xFFFFFF)));
      return;
    }
    case Key::Small:
    case Key::Transport: {
      const TColor face = state == 1 ? Lighter(d.accent, 0.86) : state == 2 ? Darker(d.buttonFace, 0.12) : d.buttonFace;
      const TColor rim = state == 0 ? d.buttonBorder : Darker(d.accent, 0.15);
      const double r = b.key == Key::Small ? 2 : 4;
      p.Fill(RoundRect(0, 0, w, h, r), Solid(rim));
      p.Fill(RoundRect(1, 1, w - 1, h - 1, r - 1),
             state == 2 ? VerticalStops(1, h - 1, {{0, Darker(face, 0.08)}, {1, Lighter(face, 0.5)}})
                        : VerticalStops(1, h - 1, {{0, 0xFFFFFF}, {0.45, face}, {1, Darker(face, 0.1)}}));
      const TColor glyph = state == 1 ? Darker(d.accent, 0.3) : Darker(d.titleBottom, 0.1);
      const double size = b.key == Key::Small ? 15 : std::min(w, h) - 8;
      p.Fill(GlyphShape(b.glyph, w / 2 + shift, h / 2 + shift, size), Solid(glyph));
      return;
    }
    case Key::Record: {
      const double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.5;
      p.Fill(Circle(cx, cy, r), Solid(state == 0 ? d.buttonBorder : Darker(d.accent, 0.15)));
      p.Fill(Circle(cx, cy, r - 1),
             state == 2 ? VerticalStops(1, h - 1, {{0, Darker(d.buttonFace, 0.12)}, {1, d.buttonFace}})
                        : VerticalStops(1, h - 1, {{0, 0xFFFFFF}, {0.5, d.buttonFace}, {1, Darker(d.buttonFace, 0.14)}}));
      const TColor red = state == 1 ? Lighter(kRecordRed, 0.12) : state == 2 ? Darker(kRecordRed, 0.15) : kRecordRed;
      p.Fill(Circle(cx + shift, cy + shift, r * 0.5), Gloss(cy - r * 0.5, cy + r * 0.5, red));
      return;
    }
  }
}

}  // namespace

std::unique_ptr<TBitmap> PaintButton(TBitmap& background, const RecorderDesign& d, const ButtonArt& b) {
  const int w = b.place.Width(), h = b.place.Height();
  auto strip = std::make_unique<TBitmap>(w * 3, h, pf24bit);
  for (int state = 0; state < 3; ++state) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        strip->Canvas()->SetPixels(state * w + x, y, background.Canvas()->Pixels(b.place.Left + x, b.place.Top + y));
    Painter p(*strip, state, 3);
    PaintKeyState(p, d, b, state);
  }
  return strip;
}

// ---- The main and player windows ---------------------------------------------------

namespace {

const ButtonArt kMainButtons[] = {
    {"MAIN_PLAYER", {6, 24, 66, 61}, Glyph::Player, Key::Toolbar},
    {"MAIN_FOLDER", {67, 24, 127, 61}, Glyph::Folder, Key::Toolbar},
    {"MAIN_OPTIONS", {128, 24, 188, 61}, Glyph::Options, Key::Toolbar},
    {"MAIN_HELP", {189, 24, 249, 61}, Glyph::Help, Key::Toolbar},
    {"MAIN_MINIMIZE", {565, 4, 583, 24}, Glyph::Minimize, Key::Title},
    {"MAIN_CLOSE", {584, 4, 602, 24}, Glyph::Close, Key::TitleClose},
    {"MAIN_RECORD_FROM", {569, 36, 586, 53}, Glyph::DropDown, Key::Small},
    {"MAIN_RECORD", {10, 389, 47, 425}, Glyph::Record, Key::Record},
    {"MAIN_MAIL", {47, 393, 72, 420}, Glyph::Mail, Key::Transport},
    {"MAIN_PLAY", {75, 393, 100, 420}, Glyph::Play, Key::Transport},
    {"MAIN_PAUSE", {101, 393, 126, 420}, Glyph::Pause, Key::Transport},
    {"MAIN_STOP", {127, 393, 152, 420}, Glyph::Stop, Key::Transport},
};

std::unique_ptr<TBitmap> MainBackground(const RecorderDesign& d) {
  auto bmp = std::make_unique<TBitmap>(608, 431, pf24bit);
  PaintBands(*bmp, d);
  for (int x : {66, 127, 188}) Separator(*bmp, d, x);
  Icon(*bmp, {455, 35, 474, 54}, Glyph::Recorder, Lighter(d.titleTop, 0.55));
  // The wave display and meters, the controls beside them, the list.
  Well(*bmp, d, {8, 64, 252, 164});
  Group(*bmp, d, {256, 64, 602, 164});
  Rule(*bmp, d, 264, 594, 101);
  Rule(*bmp, d, 264, 594, 133);
  Icon(*bmp, {262, 75, 280, 94}, Glyph::AudioFile, d.controlBorder);
  Icon(*bmp, {262, 112, 280, 131}, Glyph::Equalizer, d.controlBorder);
  Icon(*bmp, {254, 138, 268, 154}, Glyph::Recorder, d.controlBorder);
  Icon(*bmp, {421, 138, 439, 154}, Glyph::Speaker, d.controlBorder);
  // The status display beside the transport keys.
  Well(*bmp, d, {196, 391, 601, 423});
  PaintFrame(*bmp, d);
  return bmp;
}

const ButtonArt kPlayerButtons[] = {
    {"PLAYER_RECORDER", {6, 24, 66, 61}, Glyph::Recorder, Key::Toolbar},
    {"PLAYER_SPLITTER", {67, 24, 127, 61}, Glyph::Splitter, Key::Toolbar},
    {"PLAYER_JOINER", {128, 24, 188, 61}, Glyph::Joiner, Key::Toolbar},
    {"PLAYER_BURN", {189, 24, 249, 61}, Glyph::Burn, Key::Toolbar},
    {"PLAYER_EDITOR", {250, 24, 310, 61}, Glyph::Editor, Key::Toolbar},
    {"PLAYER_MAIL", {311, 24, 371, 61}, Glyph::Mail, Key::Toolbar},
    {"PLAYER_OPTIONS", {372, 24, 432, 61}, Glyph::Options, Key::Toolbar},
    {"PLAYER_HELP", {433, 24, 493, 61}, Glyph::Help, Key::Toolbar},
    {"PLAYER_CLOSE", {693, 4, 711, 24}, Glyph::Close, Key::TitleClose},
    {"PLAYER_PLAY", {207, 226, 232, 253}, Glyph::Play, Key::Transport},
    {"PLAYER_PAUSE", {233, 226, 258, 253}, Glyph::Pause, Key::Transport},
    {"PLAYER_STOP", {259, 226, 284, 253}, Glyph::Stop, Key::Transport},
    {"PLAYER_MUTE", {651, 226, 676, 253}, Glyph::Speaker, Key::Transport},
    {"PLAYER_MUTED", {651, 226, 676, 253}, Glyph::SpeakerMuted, Key::Transport},
    {"PLAYER_EQ_MODE", {598, 71, 615, 88}, Glyph::DropDown, Key::Small},
    {"PLAYER_USE_EQ", {684, 69, 709, 90}, Glyph::Equalizer, Key::Transport},
    {"PLAYER_EQ_OFF", {684, 69, 709, 90}, Glyph::EqualizerOff, Key::Transport},
};

std::unique_ptr<TBitmap> PlayerBackground(const RecorderDesign& d) {
  auto bmp = std::make_unique<TBitmap>(718, 550, pf24bit);
  PaintBands(*bmp, d);
  for (int x : {66, 127, 188, 249, 310, 371, 432, 493}) Separator(*bmp, d, x);
  // Folder tree, spectrum, equalizer, transport and volume, file list.
  Group(*bmp, d, {4, 66, 198, 546});
  Well(*bmp, d, {200, 68, 500, 182});
  Group(*bmp, d, {503, 66, 713, 184});
  Group(*bmp, d, {200, 186, 713, 258});
  PaintFrame(*bmp, d);
  return bmp;
}

}  // namespace

void AddWindow(std::vector<WindowPicture>& out, const char* name, std::unique_ptr<TBitmap> background,
               const ButtonArt* buttons, size_t count) {
  const RecorderDesign& d = Design();
  for (size_t i = 0; i < count; ++i) out.push_back({buttons[i].name, PaintButton(*background, d, buttons[i])});
  out.push_back({name, std::move(background)});
}

std::vector<WindowPicture> PaintWindowArt() {
  std::vector<WindowPicture> out;
  const RecorderDesign& d = Design();
  AddWindow(out, "MAIN_BACKGROUND", MainBackground(d), kMainButtons, std::size(kMainButtons));
  AddWindow(out, "PLAYER_BACKGROUND", PlayerBackground(d), kPlayerButtons, std::size(kPlayerButtons));
  AddToolWindows(out);
  AddBurnerWindow(out);
  out.push_back({"WINDOW_CORNER_TOP_LEFT", Corner(false, false)});
  out.push_back({"WINDOW_CORNER_TOP_RIGHT", Corner(true, false)});
  out.push_back({"WINDOW_CORNER_BOTTOM_LEFT", Corner(false, true)});
  out.push_back({"WINDOW_CORNER_BOTTOM_RIGHT", Corner(true, true)});
  return out;
}

}  // namespace windowart
