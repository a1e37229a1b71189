// The shape of the framed window: rounded corners in the built-in looks,
// or the theme file's title and bottom pictures cut at their transparent
// pixels.

#include <algorithm>
#include <memory>

#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "skin/ZELForm.h"
#include "skin/ZELPublic.h"

namespace {

// A rounded rectangle (corner ellipses `corner` wide and high) whose
// corners on the `squareTop` or bottom side are made square again.
TRgn HalfRegion(int left, int top, int right, int bottom, int corner, bool squareTop) {
  std::unique_ptr<TRgn> rounded(CreateRoundRectRgn(left, top, right + 1, bottom + 1, corner, corner));
  const int edge = squareTop ? top : bottom - 2 * corner;
  TRgnBuilder square;
  square.AddRect(Rect(left, edge, left + 2 * corner, edge + 2 * corner));
  square.AddRect(Rect(right - 2 * corner, edge, right, edge + 2 * corner));
  // Only the square corners inside the half count.
  return RgnUnion(*rounded, RgnIntersect(square.Build(), TRgn(Rect(left, top, right, bottom))));
}

// Rows first..last of the picture lying at origin keep only their opaque
// runs (first -1 counts as 0; first >= last runs to the picture's bottom);
// the rest of the picture's rows and the columns beside it are whole.
void AddScannedPicture(TRgnBuilder& shape, const TBitmap& picture, TPoint origin, int windowWidth, int first,
                       int last, TColor transparentColor) {
  const int height = picture.Height();
  first = std::max(first, 0);
  if (first >= last) last = height - 1;
  last = std::min(last, height - 1);
  shape.AddRect(Rect(0, origin.Y, windowWidth, origin.Y + first));
  shape.AddRect(Rect(0, origin.Y + last + 1, windowWidth, origin.Y + height));
  AddOpaqueRuns(shape, picture, origin, first, last, transparentColor, true);
  shape.AddRect(Rect(0, origin.Y + first, origin.X, origin.Y + last + 1));
  shape.AddRect(Rect(origin.X + picture.Width(), origin.Y + first, windowWidth, origin.Y + last + 1));
}

}  // namespace

void TzelForm::UpdateFormRegion() {
  if (!Dressing() || !form_->HandleAllocated() || IsDesigning()) return;
  const HWND window = form_->Handle();
  const TLayout layout = Layout();
  const int w = layout.width, h = layout.height;
  TRgn shape;
  const bool minimizedChild = IsMDIChild() && IsIconic(window);
  if (ThemeFileInUse() && (!(titleNeedsRegion_ || bottomNeedsRegion_) || minimizedChild)) {
    shape = TRgn(Rect(0, 0, w, h));
  } else if (ThemeFileInUse()) {
    TRgnBuilder builder;
    int middleTop = 0, middleBottom = h;
    if (titleNeedsRegion_ && layout.titleShown) {
      titleBar_->UpdateTitleImages();
      const TBitmap& title = *titleBar_->TitleImage();
      builder.AddRect(Rect(0, 0, w, layout.titleOrigin.Y));
      AddScannedPicture(builder, title, layout.titleOrigin, w, titleRegionMinY_, titleRegionMaxY_,
                        transparentColor_);
      middleTop = layout.titleOrigin.Y + title.Height();
    }
    if (bottomNeedsRegion_) {
      BuildBottomPicture(w);
      middleBottom = h - bottomPicture_->Height();
      AddScannedPicture(builder, *bottomPicture_, {0, middleBottom}, w, bottomRegionMinY_, bottomRegionMaxY_,
                        transparentColor_);
    }
    builder.AddRect(Rect(0, middleTop, w, middleBottom));
    // The title pictures may reach past a narrower right border.
    shape = RgnIntersect(builder.Build(), TRgn(Rect(0, 0, w, h)));
  } else {
    const int corner = std::max(0, RoundCorner());
    const int bottomCorner = std::max(0, RoundCornerBottom());
    const int half = h / 2;
    shape = RgnUnion(HalfRegion(0, 0, w, half, corner, false), HalfRegion(0, half, w, h, bottomCorner, true));
  }
  SetWindowRgn(window, CreateRgnCopy(shape), true);
}
