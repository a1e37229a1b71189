#pragma once
// The pieces the recorder windows' pictures are painted from: the bands of
// a window's background, wells and groups for its controls, and image
// buttons painted over the background they cover.

#include <memory>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "resources/windowart/WindowArt.h"
#include "resources/windowart/WindowGlyphs.h"
#include "resources/zelthemes/RecorderArt.h"

namespace windowart {

constexpr int kToolbarTop = 24;
constexpr int kToolbarBottom = 62;  // first row below the toolbar band

// The windows wear the colours of the theme their controls take.
const zelthemes::RecorderDesign& Design();

// The title rows, the dark toolbar band and the light face below it.
void PaintBands(TBitmap& bmp, const zelthemes::RecorderDesign& d);
TColor ToolbarRow(const zelthemes::RecorderDesign& d, int y);
// A thin upright line between toolbar buttons.
void Separator(TBitmap& bmp, const zelthemes::RecorderDesign& d, int x);
// A sunken dark well for a display.
void Well(TBitmap& bmp, const zelthemes::RecorderDesign& d, TRect r);
// A raised light panel grouping controls.
void Group(TBitmap& bmp, const zelthemes::RecorderDesign& d, TRect r);
void Rule(TBitmap& bmp, const zelthemes::RecorderDesign& d, int left, int right, int y);
void Icon(TBitmap& bmp, TRect r, Glyph glyph, TColor color);
// The window's frame along its cut shape, below the title.
void PaintFrame(TBitmap& bmp, const zelthemes::RecorderDesign& d);

enum class Key {
  Toolbar,     // a bare glyph on the dark band, lit under the mouse
  Title,       // a small key on the title rows
  TitleClose,  // the same, turning red
  Small,       // the drop-down key over a combo box
  Transport,   // a rounded key on the light face
  Record       // the big round record key
};

struct ButtonArt {
  const char* name;
  TRect place;
  Glyph glyph;
  Key key;
};

// A button's three states side by side over the background it covers.
std::unique_ptr<TBitmap> PaintButton(TBitmap& background, const zelthemes::RecorderDesign& d, const ButtonArt& b);
// The buttons' strips, then the background under its name.
void AddWindow(std::vector<WindowPicture>& out, const char* name, std::unique_ptr<TBitmap> background,
               const ButtonArt* buttons, size_t count);

// The splitter's and the joiner's pictures.
void AddToolWindows(std::vector<WindowPicture>& out);

// The burner's pictures and its capacity bar's.
void AddBurnerWindow(std::vector<WindowPicture>& out);

}  // namespace windowart
