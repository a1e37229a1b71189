#pragma once
// Drawing and helper routines every skinned control shares: theme bitmap
// pieces, stretching and tiling, nine- and three-piece skin drawing,
// gradients, rotations for vertical controls, the background behind a
// control, window borders, text shortening and passing a look down to
// child controls. Skin bitmaps use 0xFF00FF as their transparent colour.

#include <string>

#include "platform/base/Types.h"
#include "platform/win/WinTypes.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELThemes.h"

class TBitmap;
class TCanvas;
class TComponent;
class TControl;
class TCustomForm;
class TPicture;
class TRgnBuilder;
class TWinControl;
struct SCROLLBARINFO;
struct COMBOBOXINFO;

constexpr TColor zelSkinTransparentColor = 0xFF00FF;

// ---- Bitmaps ------------------------------------------------------------------

// The whole bitmap stretched into rect, averaging pixels when it shrinks.
void StretchBitmapToRect(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect);
// Makes the bitmap 24 bits per pixel and turns every oldColor pixel into newColor.
void ReplaceBitmapColor(TBitmap& bitmap, TColor oldColor, TColor newColor);
// Quarter turns for vertical track and scroll bars, half a turn for tabs
// at the bottom.
void RotateBitmapLeft(TBitmap& bitmap);
void RotateBitmapRight(TBitmap& bitmap);
void RotateBitmap180(TBitmap& bitmap);
// Tiles the picture from the canvas origin (not from rect's corner) far
// enough to cover rect's size. An empty picture draws nothing.
void TilePicture(TCanvas& canvas, const TPicture& picture, const TRect& rect);

// A button face stretched over rect in nine pieces: the corners keep their
// size, the edges and the centre stretch. Corners honour the transparent
// colour only when `transparent`; edges and centre always do.
void DrawSkinBitmap(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, bool transparent);
// The bitmap holds three cells side by side: left cap, middle, right cap.
// The caps keep their size and the middle stretches between them.
void DrawThreePieceBitmap(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, TColor maskColor,
                          bool useMask);
// The same for bars. The mask colour is the bitmap's pixel (0, height-1),
// or (0, 0) with fromBottomPixel, when usePixelMask; else 0xFF00FF. The
// middle cell is laid on fillColor before it stretches over rect's full
// height; the recorder's build stretches the masked middle cell as it is
// and ignores fillColor.
void DrawThreePieceBar(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, bool fromBottomPixel,
                       TColor fillColor, bool usePixelMask);

// ---- Colours --------------------------------------------------------------------

TColor MakeColor(BYTE r, BYTE g, BYTE b);
// System colours are resolved first.
void SplitColor(TColor color, BYTE& r, BYTE& g, BYTE& b);
// Top line in fromColor, bottom line in toColor, the lines between blended.
void GradientFillV(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor);
// Left column in fromColor, right column in toColor, the columns between blended.
void GradientFillH(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor);

// ---- Controls and windows ---------------------------------------------------------

// Paints what the control's parent shows behind the control onto canvas,
// whose origin is the control's top-left. Nothing without a parent.
void DrawParentBackground(TCanvas& canvas, TControl& control);
// A one-pixel frame around the whole window, and when `inner` a second one
// inside it in innerColor. Nothing while the control has no window.
void DrawControlBorder(TWinControl& control, TColor color, TColor innerColor, bool inner);
// The text when it fits maxWidth; otherwise its shortest beginning followed
// by "..." that is at least maxWidth wide, or the whole text when every
// shorter beginning stays narrower.
std::string TruncateText(const TCanvas& canvas, const std::string& text, int maxWidth);
// The desktop's work area (the taskbar left out).
void GetWorkArea(TRect& rect);
// Where a skinned form lies maximized: the work area widened by 2 pixels
// left, right and top and 1 pixel short of its bottom, so that the
// form's own border rows stay off the screen.
TRect MaximizedFormBounds();
// Whether the title bar of form should look active.
bool IsFormActive(TCustomForm* form);
// Both edges inclusive.
bool PointInRect(TPoint point, const TRect& rect);
bool PointInRect(int x, int y, const TRect& rect);
void SetControlPos(TControl& control, TPoint point);
void SetControlBounds(TControl& control, const TRect& rect);
// Whether the component publishes a property of that name.
bool HasProperty(const TComponent* component, const std::string& name);
// Every direct child that publishes both FileTheme and UIStyle gets
// fileTheme, then style.
void ApplyThemeToChildren(TWinControl& parent, TzelUIStyle style, TComponent* fileTheme);

// The window system's scroll-bar and combo-box information, bound on first
// use. Once either cannot be bound, both answer false from then on.
bool GetScrollBarInfoDyn(HWND window, LONG objectId, SCROLLBARINFO* info);
bool GetComboBoxInfoDyn(HWND window, COMBOBOXINFO* info);

// ---- Window shapes ------------------------------------------------------------------

// Replaces the window's region by the bitmap's pixels that differ from
// transparentColor, built row by row from runs of such pixels. A run ends
// at a transparent pixel or at the last column, which the shaped windows'
// bitmaps leave out: they are made one pixel wider than the window shows.
void SetWindowRegionFromBitmap(HWND window, const TBitmap& bitmap, TColor transparentColor);
// Adds to shape one row-high span per run of pixels that differ from
// transparentColor in rows firstRow..lastRow of the bitmap lying at origin.
// A run reaching the last column includes that pixel only when
// lastColumnCounts.
void AddOpaqueRuns(TRgnBuilder& shape, const TBitmap& bitmap, TPoint origin, int firstRow, int lastRow,
                   TColor transparentColor, bool lastColumnCounts);
