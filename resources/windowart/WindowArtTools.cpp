// The splitter's and the joiner's pictures: their backgrounds, their keys,
// and the timeline's track, thumbs, cursor, split mark and section fills.

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

// ---- The joiner --------------------------------------------------------------------

constexpr int kJoinerWidth = 658, kJoinerHeight = 430;

const ButtonArt kJoinerButtons[] = {
    {"JOIN_START", {6, 24, 66, 61}, Glyph::Joiner, Key::Toolbar},
    {"JOIN_CANCEL", {6, 24, 66, 61}, Glyph::Stop, Key::Toolbar},
    {"JOIN_FOLDER", {67, 24, 127, 61}, Glyph::Folder, Key::Toolbar},
    {"JOIN_OPTIONS", {128, 24, 188, 61}, Glyph::Options, Key::Toolbar},
    {"JOIN_HELP", {189, 24, 249, 61}, Glyph::Help, Key::Toolbar},
    {"JOIN_CLOSE", {632, 4, 650, 24}, Glyph::Close, Key::TitleClose},
    {"JOIN_FORMAT", {613, 36, 630, 53}, Glyph::DropDown, Key::Small},
    {"JOIN_ADD", {255, 96, 280, 123}, Glyph::Add, Key::Transport},
    {"JOIN_ADD_ALL", {255, 124, 280, 151}, Glyph::AddAll, Key::Transport},
    {"JOIN_REMOVE", {255, 160, 280, 187}, Glyph::Remove, Key::Transport},
    {"JOIN_REMOVE_ALL", {255, 188, 280, 215}, Glyph::RemoveAll, Key::Transport},
    {"JOIN_FIRST", {255, 236, 280, 263}, Glyph::First, Key::Transport},
    {"JOIN_UP", {255, 264, 280, 291}, Glyph::Up, Key::Transport},
    {"JOIN_DOWN", {255, 292, 280, 319}, Glyph::Down, Key::Transport},
    {"JOIN_LAST", {255, 320, 280, 347}, Glyph::Last, Key::Transport},
    {"JOIN_PLAY", {500, 395, 525, 422}, Glyph::Play, Key::Transport},
    {"JOIN_STOP", {526, 395, 551, 422}, Glyph::Stop, Key::Transport},
};

std::unique_ptr<TBitmap> JoinerBackground(const RecorderDesign& d) {
  auto bmp = std::make_unique<TBitmap>(kJoinerWidth, kJoinerHeight, pf24bit);
  PaintBands(*bmp, d);
  for (int x : {66, 127, 188, 249}) Separator(*bmp, d, x);
  Group(*bmp, d, {4, 65, 251, 390});    // folders and their files
  Group(*bmp, d, {252, 65, 284, 390});  // the list keys
  Group(*bmp, d, {285, 65, 653, 390});  // the join list
  Group(*bmp, d, {4, 391, 653, 426});
  Well(*bmp, d, {8, 395, 494, 422});  // the info strip
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
  AddWindow(out, "JOINER_BACKGROUND", JoinerBackground(d), kJoinerButtons, std::size(kJoinerButtons));
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
