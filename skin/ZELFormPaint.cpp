// Painting the frame: the client background and the form's border, from a
// theme file's border pictures or in a built-in look.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormItems.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"

using namespace zelform;

namespace {

// The round corner the built-in looks draw an arc for.
constexpr int kArcCorner = 11;

const TBitmap* SectionBitmap(const TzelTitleBar& bar, int index) {
  const TPicture* picture = bar.SectionPicture(index);
  return picture && picture->Graphic() ? picture->Graphic()->AsBitmap() : nullptr;
}

void Fill(TCanvas& canvas, const TRect& rect, TColor color) {
  if (rect.Left >= rect.Right || rect.Top >= rect.Bottom) return;
  canvas.Brush()->SetColor(color);
  canvas.FillRect(rect);
}

void CopyWhole(TCanvas& canvas, const TRect& dest, const TBitmap& source, int sx, int sw) {
  canvas.StretchBltBitmap(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sx, 0, sw, source.Height(),
                          SRCCOPY);
}

}  // namespace

TzelForm::TLayout TzelForm::Layout() const {
  TLayout layout;
  const HWND window = form_->Handle();
  TRect bounds;
  GetWindowRect(window, &bounds);
  layout.width = bounds.Width();
  layout.height = bounds.Height();
  const TPoint origin = form_->ClientToScreen({0, 0});
  layout.client = Bounds(origin.X - bounds.Left, origin.Y - bounds.Top, form_->ClientWidth(), form_->ClientHeight());
  layout.titleShown = titleBar_->Visible();
  const TPoint barAt{layout.client.Left + Left() + titleBar_->Left(), layout.client.Top + Top() + titleBar_->Top()};
  if (layout.titleShown) layout.titleBottom = barAt.Y + titleBar_->Height();
  layout.menuHeight = MenuBarHeight();
  const int border = static_cast<int>(LeftBorderAnswer());
  layout.titleOrigin = {barAt.X - (border == 0 ? kTitleBorderRows : border), barAt.Y - kTitleBorderRows};
  return layout;
}

// ---- The client area -----------------------------------------------------------------------

void TzelForm::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  TzelUIStyle look = uiStyle_;
  UsingFileTheme(fileTheme_, uiStyle_, look);
  const char* tile = look == MacOS ? "MACOS_FORM_BACKGROUND" : look == Protein ? "PROTEIN_FORM_BACKGROUND" : nullptr;
  bool tiled = false;
  if (tile != nullptr) {
    try {
      TBitmap picture;
      LoadBitmapResource(tile, picture);
      TPicture pattern;
      pattern.SetGraphic(&picture);
      TBitmap offscreen(std::max(1, client.Width()), std::max(1, client.Height()));
      TilePicture(*offscreen.Canvas(), pattern, client);
      canvas.Draw(0, 0, &offscreen);
      tiled = true;
    } catch (const EResNotFound&) {
      // A program without the tile shows the plain colour.
    }
  }
  if (!tiled) Fill(canvas, client, Color());
  PaintFormBorder();
}

void TzelForm::Resize() {
  TCustomPanel::Resize();
  if (titleBar_ && !destroying_ && titleBar_->Align() != alTop) titleBar_->SetAlign(alTop);
}

// Painting covers the whole client area.
void TzelForm::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

// ---- The border --------------------------------------------------------------------------

void TzelForm::PaintFormBorder() {
  if (!Dressing() || !form_->HandleAllocated()) return;
  const HWND window = form_->Handle();
  if (IsIconic(window) && !IsDesigning()) return;
  const TLayout layout = Layout();
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  TCanvas& canvas = *dc;
  canvas.ExcludeClipRect(layout.client);
  // Whatever the window's own frame leaves beside the parts below.
  Fill(canvas, Rect(0, layout.titleBottom, layout.width, layout.height), Color());
  FillBesideMenuBar(canvas, Rect(0, layout.titleBottom, layout.width, layout.titleBottom + layout.menuHeight),
                    Color());
  PaintTitleUnderlay(canvas, layout);
  if (ThemeFileInUse()) PaintFromThemeFile(canvas, layout);
  else PaintBuiltIn(canvas, layout);
  ReleaseDC(window, dc);
}

// The title pictures where the title bar lays them, so that the border
// rows and columns beside the bar continue it.
void TzelForm::PaintTitleUnderlay(TCanvas& canvas, const TLayout& layout) {
  if (!layout.titleShown) return;
  const int border = static_cast<int>(LeftBorderAnswer());
  const int wanted = titleBar_->Width() + 2 * (border == 0 ? kTitleBorderRows : border);
  TBitmap* composed = titleBar_->ComposedTitleImage();
  if (composed->Width() != wanted || composed->Height() != titleBar_->Height() + kTitleBorderRows)
    titleBar_->UpdateTitleImages();
  const int saved = canvas.SaveDC();
  canvas.IntersectClipRect(Rect(0, 0, layout.width, layout.titleBottom));
  canvas.Draw(layout.titleOrigin.X, layout.titleOrigin.Y, composed);
  canvas.RestoreDC(saved);
}

// Rect's rows beside the menu bar in the bar's colour (or its gradient);
// `otherwise` when no bar shows.
void TzelForm::FillBesideMenuBar(TCanvas& canvas, const TRect& rect, TColor otherwise) {
  if (rect.Top >= rect.Bottom) return;
  if (MenuBarHeight() == 0) Fill(canvas, rect, otherwise);
  else if (MenuBarToColor() != menuBarColor_) GradientFillV(canvas, rect, menuBarColor_, MenuBarToColor());
  else Fill(canvas, rect, menuBarColor_);
}

void TzelForm::PaintFromThemeFile(TCanvas& canvas, const TLayout& layout) {
  const TzelFileTheme& theme = *fileTheme_;
  const int w = layout.width, h = layout.height, top = layout.titleBottom, menuBottom = top + layout.menuHeight;
  const TColor formColor = theme.GetColor(kFormColor);

  // The side borders below the title; a border narrower than 4 pixels is
  // widened with the form colour, beside the menu bar with the bar's.
  auto side = [&](const TBitmap* picture, bool left) {
    const int pw = picture ? picture->Width() : 0;
    const TRect strip = left ? Rect(0, top, pw, h - skinBottom_) : Rect(w - pw, top, w, h - skinBottom_);
    if (picture) canvas.StretchDraw(strip, picture);
    if (pw >= 4) return;
    const TRect rest = left ? Rect(pw, top, 4, h - skinBottom_) : Rect(w - 4, top, w - pw, h - skinBottom_);
    Fill(canvas, rest, formColor);
    FillBesideMenuBar(canvas, Rect(rest.Left, top, rest.Right, std::min(menuBottom, rest.Bottom)), formColor);
  };
  side(theme.GetBitmap(kLeftBorder), true);
  side(theme.GetBitmap(kRightBorder), false);

  // The bottom border: its picture laid on the form colour, so that the
  // transparent colour never shows.
  BuildBottomPicture(w);
  if (!bottomPicture_->Empty()) {
    TBitmap shown(w, bottomPicture_->Height());
    Fill(*shown.Canvas(), Rect(0, 0, w, shown.Height()), formColor);
    shown.Canvas()->TransparentBltBitmap(0, 0, w, shown.Height(), *bottomPicture_, 0, 0, w, shown.Height(),
                                         transparentColor_);
    canvas.Draw(0, h - skinBottom_, &shown);
  }
  if (skinBottom_ < 4) Fill(canvas, Rect(skinLeft_, h - 4, w - skinRight_, h - skinBottom_), formColor);
}

// The theme file's bottom border as wide as the window.
void TzelForm::BuildBottomPicture(int width) {
  const TzelFileTheme& theme = *fileTheme_;
  const TBitmap* first = theme.GetBitmap(kBottomBorder1);
  if (first == nullptr || first->Empty() || width <= 0) {
    bottomPicture_->SetSize(0, 0);
    return;
  }
  const int height = first->Height();
  bottomPicture_->SetSize(width, height);
  TCanvas& canvas = *bottomPicture_->Canvas();
  if (theme.GetBool(kBottomThreeSections)) {
    const TBitmap* middle = theme.GetBitmap(kBottomBorder2);
    const TBitmap* last = theme.GetBitmap(kBottomBorder3);
    const int lastWidth = last ? last->Width() : 0;
    if (middle) canvas.StretchDraw(Rect(first->Width(), 0, width - lastWidth, height), middle);
    canvas.Draw(0, 0, first);
    if (last) canvas.Draw(width - lastWidth, 0, last);
  } else {
    DrawThreePieceBitmap(*first, canvas, Rect(0, 0, width, height), 0, false);
  }
}

void TzelForm::PaintBuiltIn(TCanvas& canvas, const TLayout& layout) {
  const int w = layout.width, h = layout.height, top = layout.titleBottom;
  const int bw = borderWidth_;
  if (layout.titleShown && titleBar_->HasFullSectionSet()) {
    const TBitmap& left = *SectionBitmap(*titleBar_, 0);
    const TBitmap& right = *SectionBitmap(*titleBar_, 1);
    const TBitmap& client = *SectionBitmap(*titleBar_, 2);
    // Beside the bar: the left end of the left picture, the right end of
    // the right one (stretched when it is too narrow for that). The
    // pictures lie with their ends on the window's edges.
    if (bw < 3) CopyWhole(canvas, Bounds(bw, 0, 3 - bw, left.Height()), left, bw, 3 - bw);
    if (right.Width() <= 2) CopyWhole(canvas, Bounds(w - 3, 0, 3, right.Height()), right, 0, right.Width());
    else CopyWhole(canvas, Bounds(w - 3, 0, 3, right.Height()), right, right.Width() - 3, 3);
    // The three rows above the bar, from x = 2 to the right edge.
    TBitmap rows(std::max(1, w - 2), kTitleBorderRows);
    TCanvas& strip = *rows.Canvas();
    const int rightAt = rows.Width() - right.Width();
    strip.StretchDraw(Rect(left.Width() - 2, 0, rightAt, client.Height()), &client);
    strip.Draw(-2, 0, &left);
    strip.Draw(rightAt, 0, &right);
    canvas.Draw(2, 0, &rows);
    if (bw == 1 && titleBar_->RoundCorner() == kArcCorner && !IsDesigning()) {
      const int r = kArcCorner;
      canvas.Pen()->SetColor(borderColor_);
      canvas.Arc(0, 0, r, r, r / 2, 0, 0, r / 2);
      canvas.Arc(w - r, 0, w, r, w, r / 2, w - r / 2, 0);
    }
  } else if (!layout.titleShown) {
    Fill(canvas, Rect(0, 0, w, 1), borderColor_);
    Fill(canvas, Rect(bw, 1, w - bw, kTitleBorderRows), Color());
  }
  Fill(canvas, Rect(0, 0, bw, h), borderColor_);
  Fill(canvas, Rect(0, h - bw, w, h), borderColor_);
  Fill(canvas, Rect(w - bw, 0, w, h), borderColor_);
  if (bw >= 4) return;
  const int from = top + layout.menuHeight;
  Fill(canvas, Rect(bw, h - 2, w - bw, h - bw), Color());
  Fill(canvas, Rect(bw, from, 3, h - bw), Color());
  Fill(canvas, Rect(w - 3, from, w - bw, h - bw), Color());
  FillBesideMenuBar(canvas, Rect(bw, top, 3, from), Color());
  FillBesideMenuBar(canvas, Rect(w - 3, top, w - bw, from), Color());
}
