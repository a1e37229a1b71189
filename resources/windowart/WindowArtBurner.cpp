// The burner window's pictures: its background, its keys, and the pieces
// its capacity bar is drawn from.

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "resources/art/ArtKinds.h"
#include "resources/windowart/WindowArtParts.h"

namespace windowart {

using namespace art;
using zelthemes::RecorderDesign;

namespace {

constexpr int kBurnerWidth = 661, kBurnerHeight = 630;

const ButtonArt kBurnerButtons[] = {
    {"BURNER_START", {6, 24, 66, 61}, Glyph::Burn, Key::Toolbar},
    {"BURNER_DEVICE", {67, 24, 127, 61}, Glyph::Drive, Key::Toolbar},
    {"BURNER_LOAD", {128, 24, 188, 61}, Glyph::Folder, Key::Toolbar},
    {"BURNER_SAVE", {189, 24, 249, 61}, Glyph::Save, Key::Toolbar},
    {"BURNER_HELP", {250, 24, 310, 61}, Glyph::Help, Key::Toolbar},
    {"BURNER_CLOSE", {636, 4, 654, 24}, Glyph::Close, Key::TitleClose},
    {"BURNER_FORMAT", {630, 35, 647, 52}, Glyph::DropDown, Key::Small},
    {"BURNER_ADD", {8, 300, 33, 327}, Glyph::Add, Key::Transport},
    {"BURNER_ADD_ALL", {34, 300, 59, 327}, Glyph::AddAll, Key::Transport},
    {"BURNER_REMOVE", {60, 300, 85, 327}, Glyph::Remove, Key::Transport},
    {"BURNER_REMOVE_ALL", {86, 300, 111, 327}, Glyph::RemoveAll, Key::Transport},
    {"BURNER_PLAY", {120, 300, 145, 327}, Glyph::Play, Key::Transport},
    {"BURNER_STOP", {146, 300, 171, 327}, Glyph::Stop, Key::Transport},
    {"BURNER_FIRST", {628, 338, 653, 365}, Glyph::First, Key::Transport},
    {"BURNER_UP", {628, 366, 653, 393}, Glyph::Up, Key::Transport},
    {"BURNER_DOWN", {628, 394, 653, 421}, Glyph::Down, Key::Transport},
    {"BURNER_LAST", {628, 422, 653, 449}, Glyph::Last, Key::Transport},
};

std::unique_ptr<TBitmap> BurnerBackground(const RecorderDesign& d) {
  auto bmp = std::make_unique<TBitmap>(kBurnerWidth, kBurnerHeight, pf24bit);
  PaintBands(*bmp, d);
  for (int x : {66, 127, 188, 249, 310}) Separator(*bmp, d, x);
  Icon(*bmp, {454, 35, 473, 54}, Glyph::AudioFile, Lighter(d.titleTop, 0.55));
  // The folder tree and its files, the keys and the info line, the burn
  // list with its order keys, and the capacity bar's foot.
  Group(*bmp, d, {4, 64, 657, 296});
  Well(*bmp, d, {174, 299, 656, 328});
  Group(*bmp, d, {4, 332, 657, 586});
  Icon(*bmp, {40, 592, 80, 622}, Glyph::Burn, d.controlBorder);
  PaintFrame(*bmp, d);
  return bmp;
}

// ---- The capacity bar --------------------------------------------------------------

constexpr int kBarWidth = 526, kBarHeight = 33;
constexpr int kTrackTop = 19, kTrackBottom = 30;  // the run is filled between
constexpr int kStartWidth = 41, kEndCapWidth = 10;

TColor FaceRow(const RecorderDesign& d, int y) {
  return Mix(Lighter(d.face, 0.6), Lighter(d.face, 0.3), double(y) / kBarHeight);
}

// One row of a filled run in the given colour.
TColor RunRow(TColor color, int y) {
  const double t = double(y - kTrackTop) / (kTrackBottom - kTrackTop - 1);
  return t < 0.45 ? Mix(Lighter(color, 0.45), color, t / 0.45) : Mix(color, Darker(color, 0.2), (t - 0.45) / 0.55);
}

bool InTrack(int y) { return y >= kTrackTop && y < kTrackBottom; }

std::unique_ptr<TBitmap> BarBackground(const RecorderDesign& d) {
  auto bmp = std::make_unique<TBitmap>(kBarWidth, kBarHeight, pf24bit);
  for (int y = 0; y < kBarHeight; ++y)
    for (int x = 0; x < kBarWidth; ++x) bmp->Canvas()->SetPixels(x, y, FaceRow(d, y));
  // The empty track, sunken, along the whole bar.
  Painter p(*bmp, TRect{0, kTrackTop - 1, kBarWidth, kTrackBottom + 1});
  p.Fill(RoundRect(0, 0, kBarWidth, p.Height(), 3), Solid(Darker(d.controlBorder, 0.1)));
  p.Fill(RoundRect(1, 1, kBarWidth - 1, p.Height() - 1, 2), Solid(Lighter(d.face, 0.85)));
  return bmp;
}

// A column of the bar: the face above and below, the run's colour in the
// track; stretched over the run's length.
std::unique_ptr<TBitmap> RunColumn(const RecorderDesign& d, TColor color) {
  auto bmp = std::make_unique<TBitmap>(1, kBarHeight, pf24bit);
  for (int y = 0; y < kBarHeight; ++y) bmp->Canvas()->SetPixels(0, y, InTrack(y) ? RunRow(color, y) : FaceRow(d, y));
  return bmp;
}

// The run's rounded beginning over the bar's first columns.
std::unique_ptr<TBitmap> RunStart(const RecorderDesign& d, TColor color) {
  auto bmp = BarBackground(d);
  auto start = std::make_unique<TBitmap>(kStartWidth, kBarHeight, pf24bit);
  start->Canvas()->CopyRect({0, 0, kStartWidth, kBarHeight}, bmp->Canvas(), {0, 0, kStartWidth, kBarHeight});
  for (int y = kTrackTop; y < kTrackBottom; ++y)
    for (int x = 3; x < kStartWidth; ++x) start->Canvas()->SetPixels(x, y, RunRow(color, y));
  Painter p(*start, TRect{0, kTrackTop, 4, kTrackBottom});
  p.Fill(RoundRect(1, 0, 12, p.Height(), 3), [&](double, double y) { return RunRow(color, kTrackTop + int(y)); });
  return start;
}

// The run's rounded end at the bar's right edge.
std::unique_ptr<TBitmap> RunEnd(const RecorderDesign& d, TColor color) {
  auto bmp = BarBackground(d);
  auto end = std::make_unique<TBitmap>(kEndCapWidth, kBarHeight, pf24bit);
  const int left = kBarWidth - kEndCapWidth;
  end->Canvas()->CopyRect({0, 0, kEndCapWidth, kBarHeight}, bmp->Canvas(), {left, 0, kBarWidth, kBarHeight});
  Painter p(*end, TRect{0, kTrackTop, kEndCapWidth, kTrackBottom});
  p.Fill(RoundRect(-6, 0, kEndCapWidth - 1, p.Height(), 3), [&](double, double y) { return RunRow(color, kTrackTop + int(y)); });
  return end;
}

}  // namespace

void AddBurnerWindow(std::vector<WindowPicture>& out) {
  const RecorderDesign& d = Design();
  AddWindow(out, "BURNER_BACKGROUND", BurnerBackground(d), kBurnerButtons, std::size(kBurnerButtons));
  const TColor fits = Rgb(0x3C, 0xB0, 0x4A), tight = Rgb(0xF0, 0xA0, 0x20), over = Rgb(0xD8, 0x3A, 0x32);
  out.push_back({"CAPBAR_BACKGROUND", BarBackground(d)});
  out.push_back({"CAPBAR_START", RunStart(d, fits)});
  out.push_back({"CAPBAR_FILL", RunColumn(d, fits)});
  out.push_back({"CAPBAR_EDGE", RunColumn(d, tight)});
  out.push_back({"CAPBAR_OVER", RunColumn(d, over)});
  out.push_back({"CAPBAR_END", RunEnd(d, over)});
}

}  // namespace windowart
