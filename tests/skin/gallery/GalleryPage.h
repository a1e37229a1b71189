#pragma once
// Laying pictures out on one page: text, zoomed copies that keep every
// pixel sharp, and a cursor that flows pictures into rows.

#include <functional>
#include <memory>
#include <string>

#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELThemes.h"

class TzelFileTheme;

namespace gallery {

constexpr TColor kPageColor = 0xF8F8F8;
constexpr TColor kInkColor = 0x303030;

void WriteText(TCanvas& canvas, int x, int y, const std::string& text, int height = -11, bool bold = false);

// Every pixel of source becomes a zoom x zoom square at (x, y).
void DrawZoomed(TCanvas& canvas, int x, int y, const TBitmap& source, int zoom);

// Places boxes left to right, wrapping at the page width.
class TFlow {
 public:
  TFlow(int left, int top, int right) : left_(left), right_(right), x_(left), y_(top) {}
  // The top-left corner for a box of this size.
  TPoint Place(int width, int height);
  // Starts a new row below everything placed so far.
  void Break(int gap = 0);
  int Bottom() const { return y_ + rowHeight_; }

 private:
  int left_, right_;
  int x_, y_;
  int rowHeight_ = 0;
};

// Whole page of one look: the theme bitmaps, a few of them put to use, and
// the skinned controls.
struct TLookEntry {
  TzelUIStyle style;
  std::string name;   // "MacOS"
  std::string prefix; // "MACOS"
};

void DrawThemeBitmaps(TCanvas& canvas, TFlow& flow, const TLookEntry& look);
void DrawInUse(TCanvas& canvas, TFlow& flow, const TLookEntry& look);
// The controls on a headless form, as the form shows them.
// A borderless headless form of the given size in the look's form colour,
// filled by `build`, shown and copied out as the screen would show it.
std::unique_ptr<TBitmap> ShootForm(const TLookEntry& look, int width, int height,
                                   const std::function<void(TForm*)>& build);

// The top-level window as the screen shows it through its window region;
// a checkerboard marks what the region cuts away.
std::unique_ptr<TBitmap> ShootThroughRegion(HWND window);

std::unique_ptr<TBitmap> PaintControls(const TLookEntry& look);
// A themed popup menu opened on a headless form, as it shows on screen.
std::unique_ptr<TBitmap> PaintMenus(const TLookEntry& look);
// Edits, spin and number edits and a memo with themed scroll bars.
std::unique_ptr<TBitmap> PaintEdits(const TLookEntry& look);
// List boxes, combo boxes and a list view with themed scroll bars.
std::unique_ptr<TBitmap> PaintLists(const TLookEntry& look);
// Bitmap-shaped windows as they show through their window regions.
std::unique_ptr<TBitmap> PaintSkinForm(const TLookEntry& look);
// Title bars: active, inactive with a cut caption, and with a help button.
std::unique_ptr<TBitmap> PaintTitleBars(const TLookEntry& look);
// Skinned form frames: with a menu bar, inactive and sizeable, and (for
// the looks of the editor's themes) from a theme file.
std::unique_ptr<TBitmap> PaintFormFrames(const TLookEntry& look);
// A dialog's frame dressed in the theme file (a menu bar below its title).
std::unique_ptr<TBitmap> PaintThemedFrame(TzelFileTheme* theme);

// One of the recorder's built-in theme files loaded as its main window
// loads it: a dialog dressed in it and every picture it holds.
std::unique_ptr<TBitmap> PaintRecorderThemePage(const std::string& resource, const std::string& component);

}  // namespace gallery
