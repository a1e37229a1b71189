#pragma once
// A drawing surface over a bitmap that follows the window system's device
// context rules: right and bottom edges are exclusive, lines leave out their
// end point, and the clip region, viewport origin and background mode act as
// they do there. A canvas can also be a view onto a part of another bitmap
// (a window inside its top-level surface): drawing then goes through a
// device origin and a base clip region before the canvas's own clipping.

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/DeviceContext.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The binary raster operations, in their window-system order (R2_BLACK - 1).
enum TPenMode {
  pmBlack,
  pmNotMerge,
  pmMaskNotPen,
  pmNotCopy,
  pmMaskPenNot,
  pmNot,
  pmXor,
  pmNotMask,
  pmMask,
  pmNotXor,
  pmNop,
  pmMergeNotPen,
  pmCopy,
  pmMergePenNot,
  pmMerge,
  pmWhite
};

enum TBrushStyle { bsSolid, bsClear };

class TPen : public TObject {
 public:
  std::string ClassName() const override { return "TPen"; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);  // values below 1 count as 1
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);
  void Assign(const TPen& source);
  TNotifyEvent OnChange;

 private:
  void Changed();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

class TBrush : public TObject {
 public:
  std::string ClassName() const override { return "TBrush"; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);  // also makes a clear brush solid
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  void Assign(const TBrush& source);
  TBrush* Handle() { return this; }
  TNotifyEvent OnChange;

 private:
  void Changed();
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

// Ternary raster operations.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

using TCopyMode = DWORD;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Stretch modes. When shrinking, BLACKONWHITE (the default) combines the
// left-out pixels with AND, WHITEONBLACK with OR; COLORONCOLOR drops them;
// HALFTONE averages.
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
constexpr int STRETCH_ORSCANS = WHITEONBLACK;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
constexpr int STRETCH_HALFTONE = HALFTONE;

// What GetPixel answers outside the clip region.
constexpr TColor CLR_INVALID = 0xFFFFFFFF;

class TCanvas : public TObject {
 public:
  // A canvas drawing onto target. Logical (0, 0) lies at deviceOrigin of the
  // target; baseClip (device coordinates, nullptr: no limit) bounds every
  // drawing besides the target's own edges.
  explicit TCanvas(TBitmap* target, TPoint deviceOrigin = {}, const TRgn* baseClip = nullptr);
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  std::string ClassName() const override { return "TCanvas"; }
  HDC Handle() { return this; }
  TBitmap* Target() const { return target_; }
  TPoint DeviceOrigin() const { return deviceOrigin_; }

  TPen* Pen() { return &pen_; }
  TBrush* Brush() { return &brush_; }
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }
  void SetPen(const TPen& pen) { pen_.Assign(pen); }
  void SetBrush(const TBrush& brush) { brush_.Assign(brush); }
  void SetFont(const TFont& font) { font_.Assign(font); }

  TPoint PenPos() const { return state_.penPos; }
  void SetPenPos(TPoint pos) { state_.penPos = pos; }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  // CLR_INVALID outside the clip region.
  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);

  // Shapes: outline with the pen, inside with the brush.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);  // the end point is not drawn
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  // The ellipse outline counter-clockwise from the ray towards (x3, y3)
  // to the ray towards (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

  // Brush-only fills.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  // Dotted frame inverting every other pixel; drawing it twice undoes it.
  void DrawFocusRect(const TRect& rect);

  // Pictures: Draw honours the graphic's transparency, then CopyMode.
  // Stretching a picture leaves a HALFTONE mode alone and otherwise sets
  // COLORONCOLOR on the canvas, as the framework does.
  void Draw(int x, int y, const TGraphic* graphic);
  void StretchDraw(const TRect& rect, const TGraphic* graphic);
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

  // Text in the font; the background of the text's cell is filled with the
  // background colour in OPAQUE mode (a solid brush sets that mode).
  void TextOut(int x, int y, std::string_view text);
  // Like TextOut, clipped to rect; a solid brush fills rect first.
  void TextRect(const TRect& rect, int x, int y, std::string_view text);
  TSize TextExtent(std::string_view text) const;
  int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) const { return TextExtent(text).cy; }
  bool TextAntialias() const { return textAntialias_; }
  void SetTextAntialias(bool on) { textAntialias_ = on; }

  // The clip box in logical coordinates.
  TRect ClipRect() const;

  // Device-context state.
  int SaveDC();
  bool RestoreDC(int savedState);  // negative: relative to the newest
  // region in device coordinates (copied); nullptr removes the clip region.
  int SelectClipRgn(const TRgn* region);
  // Combines region (device coordinates) with the clip region by RGN_xxx;
  // RGN_COPY with nullptr removes the clip region, any other mode with
  // nullptr is an ERROR and leaves the clip as it was.
  int ExtSelectClipRgn(const TRgn* region, int mode);
  int IntersectClipRect(const TRect& rect);  // logical coordinates
  int ExcludeClipRect(const TRect& rect);    // logical coordinates
  int GetClipBox(TRect* box) const;          // logical coordinates
  TPoint ViewportOrg() const { return state_.viewportOrg; }
  void SetViewportOrg(TPoint origin);
  int BkMode() const { return state_.bkMode; }
  void SetBkMode(int mode) { state_.bkMode = mode; }
  TColor BkColor() const { return state_.bkColor; }
  void SetBkColor(TColor color) { state_.bkColor = ColorToRGB(color); }
  TColor TextColor() const { return state_.textColor; }
  void SetTextColor(TColor color) { state_.textColor = ColorToRGB(color); }
  int StretchBltMode() const { return state_.stretchMode; }
  void SetStretchBltMode(int mode) { state_.stretchMode = mode; }

  // Raster operations between canvases (logical coordinates on both sides;
  // the source's clipping does not apply). Empty or negative sizes draw
  // nothing.
  bool BitBlt(int x, int y, int width, int height, const TCanvas* source, int sx, int sy, DWORD rop);
  bool StretchBlt(int x, int y, int width, int height, const TCanvas* source, int sx, int sy, int sw,
                  int sh, DWORD rop);
  bool PatBlt(int x, int y, int width, int height, DWORD rop);
  // Copies every source pixel but those of the key colour.
  bool TransparentBlt(int x, int y, int width, int height, const TCanvas* source, int sx, int sy,
                      int sw, int sh, TColor keyColor);

  // The same from a bitmap instead of a canvas (bitmap pixel coordinates).
  bool StretchBltBitmap(int x, int y, int width, int height, const TBitmap& source, int sx, int sy,
                        int sw, int sh, DWORD rop);
  bool TransparentBltBitmap(int x, int y, int width, int height, const TBitmap& source, int sx, int sy,
                            int sw, int sh, TColor keyColor);

  // Where logical (x, y) lies in the target bitmap.
  TPoint LogicalToBitmap(TPoint p) const;
  // The pixels drawing may touch, in target bitmap coordinates.
  const TRgn& BitmapClip() const;

  // Fired after drawing changed pixels.
  TNotifyEvent OnChange;

 private:
  struct State {
    TPoint viewportOrg;
    bool hasClip = false;
    TRgn clip;  // device coordinates, when hasClip
    int bkMode = OPAQUE;
    TColor bkColor = 0xFFFFFF;
    TColor textColor = 0;
    int stretchMode = BLACKONWHITE;
    TPoint penPos;
  };

  void Changed();
  void ClipChanged();
  void SyncBrush();

  TBitmap* target_;
  TPoint deviceOrigin_;
  bool hasBaseClip_ = false;
  TRgn baseClip_;  // device coordinates
  State state_;
  std::vector<State> saved_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TCopyMode copyMode_ = cmSrcCopy;
  bool textAntialias_ = true;
  mutable bool clipDirty_ = true;
  mutable TRgn bitmapClip_;
  mutable TRect clipBounds_;
};
