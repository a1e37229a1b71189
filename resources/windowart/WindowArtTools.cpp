// The splitter's pictures: its background, its keys, and the timeline's
// track, thumbs, cursor, split mark and section fills.

#include <algorithm>
#include <functional>

#include "platform/gfx/Canvas.h"
#include "resources/art/ArtKinds.h"
#include "resources/windowart/WindowArtParts.h"

namespace windowart {

using namespace art;
using zelthemes::RecorderDesign;

namespace {

// ---- The splitter ------------------------------------------------------------------

constexpr int kSplitterWidth = 581, kSplitterHeight = 345;

const ButtonArt kSplitterButtons[] = {
    {"SPLIT_START", {6, 24, 66, 61}, Glyph::Splitter, Key::Toolbar},
    {"SPLIT_CANCEL", {6, 24, 66, 61}, Glyph::Stop, Key::Toolbar},
    {"SPLIT_FOLDER", {67, 24, 127, 61}, Glyph::Folder, Key::Toolbar},
    {"SPLIT_OPTIONS", {128, 24, 188, 61}, Glyph::Options, Key::Toolbar},
    {"SPLIT_HELP", {189, 24, 249, 61}, Glyph::Help, Key::Toolbar},
    {"SPLIT_CLOSE", {555, 4, 573, 24}, Glyph::Close, Key::TitleClose},
    {"SPLIT_STEP_BACK", {8, 152, 33, 179}, Glyph::StepBack, Key::Transport},
    {"SPLIT_PLAY_BEFORE", {34, 152, 59, 179}, Glyph::PlayBefore, Key::Transport},
    {"SPLIT_PLAY", {60, 152, 85, 179}, Glyph::Play, Key::Transport},
    {"SPLIT_PAUSE", {86, 152, 111, 179}, Glyph::Pause, Key::Transport},
    {"SPLIT_STOP", {112, 152, 137, 179}, Glyph::Stop, Key::Transport},
    {"SPLIT_PLAY_AFTER", {138, 152, 163, 179}, Glyph::PlayAfter, Key::Transport},
    {"SPLIT_STEP_FORWARD", {164, 152, 189, 179}, Glyph::StepForward, Key::Transport},
    {"SPLIT_GOTO", {224, 184, 249, 209}, Glyph::Goto, Key::Transport},
    {"SPLIT_ADD", {262, 184, 287, 209}, Glyph::Add, Key::Transport},
    {"SPLIT_REMOVE", {288, 184, 313, 209}, Glyph::Remove, Key::Transport},
    {"SPLIT_REMOVE_ALL", {314, 184, 339, 209}, Glyph::RemoveAll, Key::Transport},
    {"SPLIT_PREVIEW", {346, 184, 371, 209}, Glyph::Preview, Key::Transport},
    {"SPLIT_PREVIEW_STOP", {346, 184, 371, 209}, Glyph::Stop, Key::Transport},
};

std::unique_ptr<TBitmap> SplitterBackground(const RecorderDesign& d) {
  auto bmp = std::make_unique<TBitmap>(kSplitterWidth, kSplitterHeight, pf24bit);
  PaintBands(*bmp, d);
  for (int x : {66, 127, 188, 249}) Separator(*bmp, d, x);
  Group(*bmp, d, {4, 149, 577, 212});
  Well(*bmp, d, {300, 152, 424, 179});  // the position display
  Group(*bmp, d, {4, 213, 577, 341});
  PaintFrame(*bmp, d);
  return bmp;
}

// ---- The timeline ------------------------------------------------------------------

constexpr int kTimelineWidth = 566, kTimelineHeight = 85;
constexpr int kTrackTop = 19, kTrackBottom = 67;  // where sections are filled
constexpr int kThumbWidth = 33, kThumbHeight = 15;

// Every row of the timeline's edges is one colour, so the thumbs, painted
// over those rows, sit on it without a seam.
TColor EdgeRow(const RecorderDesign& d, int y) {
  return Mix(Darker(d.titleBottom, 0.35), Darker(d.titleBottom, 0.5), double(y) / kTimelineHeight);
}

TColor TrackRow(const RecorderDesign& d, int y) {
  const double t = double(y - kTrackTop) / (kTrackBottom - kTrackTop);
  return Mix(Darker(d.titleBottom, 0.55), Darker(d.titleBottom, 0.7), t);
}

std::unique_ptr<TBitmap> TimelineBackground(const RecorderDesign& d) {
  auto bmp = std::make_unique<TBitmap>(kTimelineWidth, kTimelineHeight, pf24bit);
  for (int y = 0; y < kTimelineHeight; ++y) {
    const bool track = y >= kTrackTop && y < kTrackBottom;
    for (int x = 0; x < kTimelineWidth; ++x) bmp->Canvas()->SetPixels(x, y, track ? TrackRow(d, y) : EdgeRow(d, y));
  }
  // Ticks every tenth of the track's travel (cursor places 16 .. width - 17).
  const TColor tick = Lighter(d.titleBottom, 0.25);
  for (int i = 0; i <= 50; ++i) {
    const int x = 16 + i * (kTimelineWidth - 33) / 50;
    const int length = i % 5 == 0 ? 7 : 3;
    for (int y = kTrackBottom - length; y < kTrackBottom; ++y) bmp->Canvas()->SetPixels(x, y, tick);
  }
  // The track's rim.
  for (int x = 16; x < kTimelineWidth - 16; ++x) {
    bmp->Canvas()->SetPixels(x, kTrackTop - 1, Darker(d.frame, 0.3));
    bmp->Canvas()->SetPixels(x, kTrackBottom, Lighter(d.titleBottom, 0.15));
  }
  return bmp;
}

// A pointer on the timeline's edge rows, toward the track.
std::unique_ptr<TBitmap> Thumb(const RecorderDesign& d, bool top) {
  auto bmp = std::make_unique<TBitmap>(kThumbWidth, kThumbHeight, pf24bit);
  const int firstRow = top ? 0 : kTimelineHeight - kThumbHeight;
  for (int y = 0; y < kThumbHeight; ++y)
    for (int x = 0; x < kThumbWidth; ++x) bmp->Canvas()->SetPixels(x, y, EdgeRow(d, firstRow + y));
  Painter p(*bmp, TRect{0, 0, kThumbWidth, kThumbHeight});
  const double cx = 16.5, tip = top ? kThumbHeight - 0.5 : 0.5, base = top ? 1.5 : kThumbHeight - 1.5;
  Shape arrow = Polygon({{int(cx) - 7, int(base)}, {int(cx) + 8, int(base)}, {int(cx), int(tip)}});
  p.Fill(arrow, Solid(Darker(d.accent, 0.35)));
  p.Fill(Intersect(arrow, Outline(arrow, 1.2)), Solid(Lighter(d.accent, 0.35)));
  return bmp;
}

std::unique_ptr<TBitmap> Column(int height, const std::function<TColor(int)>& row) {
  auto bmp = std::make_unique<TBitmap>(1, height, pf24bit);
  for (int y = 0; y < height; ++y) bmp->Canvas()->SetPixels(0, y, row(y));
  return bmp;
}

}  // namespace

void AddToolWindows(std::vector<WindowPicture>& out) {
  const RecorderDesign& d = Design();
  AddWindow(out, "SPLITTER_BACKGROUND", SplitterBackground(d), kSplitterButtons, std::size(kSplitterButtons));
  const int track = kTrackBottom - kTrackTop;
  out.push_back({"TIMELINE_BACKGROUND", TimelineBackground(d)});
  out.push_back({"TIMELINE_THUMB_UP", Thumb(d, true)});
  out.push_back({"TIMELINE_THUMB_DOWN", Thumb(d, false)});
  out.push_back({"TIMELINE_CURSOR", Column(kTimelineHeight - 15 - 16, [&](int) { return Lighter(d.accent, 0.45); })});
  out.push_back({"TIMELINE_MARK", Column(track, [&](int y) { return y % 4 < 2 ? TColor(0xFFFFFF) : d.accent; })});
  out.push_back({"TIMELINE_UNCHECKED", Column(track, [&](int y) { return Mix(TrackRow(d, kTrackTop + y), 0x606060, 0.55); })});
  out.push_back({"TIMELINE_SELECTED", Column(track, [&](int y) { return Mix(TrackRow(d, kTrackTop + y), d.accent, 0.45); })});
}

}  // namespace windowart
