#pragma once
// The painters of each kind of theme bitmap. Each paints the whole of a
// bitmap already sized as its catalogue entry says.

#include <vector>

#include "resources/art/Looks.h"

namespace art {

// Push buttons, title-bar buttons.
void DrawPushButton(TBitmap& bmp, const LookStyle& s);
void DrawTitleButtons(TBitmap& bmp, const LookStyle& s);

// Title bar sections.
void DrawTitleLeft(TBitmap& bmp, const LookStyle& s);
void DrawTitleClient(TBitmap& bmp, const LookStyle& s);
void DrawTitleRight(TBitmap& bmp, const LookStyle& s);
// Per row of a title picture, how many pixels at its right end the window
// region with rounded corners `radius` across cuts off (the left end is
// the mirror); all 0 for square corners.
std::vector<int> TitleCornerCuts(int radius, int width, int height);

// Check boxes, radio buttons and check-list marks.
void DrawCheckBox(TBitmap& bmp, const LookStyle& s);
void DrawRadioButton(TBitmap& bmp, const LookStyle& s);

// Track bars and side-channel sliders.
void DrawTrackBar(TBitmap& bmp, const LookStyle& s);
void DrawTrackSlider(TBitmap& bmp, const LookStyle& s);
void DrawTrackSliderVertical(TBitmap& bmp, const LookStyle& s);
void DrawSideChannelHandle(TBitmap& bmp, const LookStyle& s);
void DrawSideChannelBar(TBitmap& bmp, const LookStyle& s);

// Scroll bars and the tab strip's scroll buttons.
void DrawScrollBarButtons(TBitmap& bmp, const LookStyle& s);
void DrawScrollBarThumb(TBitmap& bmp, const LookStyle& s);
void DrawTabScrollButtons(TBitmap& bmp, const LookStyle& s);

// Tabs.
void DrawTabs(TBitmap& bmp, const LookStyle& s);
void DrawTabLine(TBitmap& bmp, const LookStyle& s);

// Progress bars, combo buttons, menus, form backgrounds, dialog icons.
void DrawProgressBar(TBitmap& bmp, const LookStyle& s);
void DrawComboButton(TBitmap& bmp, const LookStyle& s);
void DrawFormBackground(TBitmap& bmp, const LookStyle& s);
void DrawMenuBar(TBitmap& bmp, const LookStyle& s);
void DrawMenuSelect(TBitmap& bmp, const LookStyle& s);
void DrawMenuChecked(TBitmap& bmp, const LookStyle& s);
void DrawDialogIcons(TBitmap& bmp, const LookStyle& s);

// Glyphs shared by several kinds, painted in a box of the piece.
enum class Arrow { Up, Down, Left, Right };
void DrawArrow(Painter& p, double cx, double cy, double size, Arrow dir, TColor color);
Shape CheckMarkShape(double left, double top, double size, double halfWidth);
// A title-bar button's glyph inside a box of side g whose top-left (x, y)
// lies on a pixel corner; strokes are t either side of their line, and
// straight strokes lie on whole pixels so they stay sharp.
enum class TitleGlyph { ControlBox, Help, Maximize, Restore, Minimize, Close, Plus };
Shape TitleGlyphShape(TitleGlyph glyph, double x, double y, double g, double t);

// The window frame, `frameWidth` wide, down the outer side of a title
// picture (the left or the right one) and round the window's corner. The
// corner follows a round-rectangle window region whose corner ellipse is
// `cornerSize` across (0: square); pixels the region cuts become
// `outside`.
void PaintFrameCorner(Painter& p, TColor frame, int frameWidth, int cornerSize, bool left, TColor outside);

}  // namespace art
