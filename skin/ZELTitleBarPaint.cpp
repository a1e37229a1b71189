// Painting the title bar: the sections across the window top, the buttons
// right to left, the control box or icon at the left and the caption.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELForm.h"
#include "skin/ZELPublic.h"
#include "skin/ZELResources.h"
#include "skin/ZELTitleBar.h"

namespace {

constexpr int kIconSize = 16;
const std::string kEllipsis = "...";

// Drops the last character (not just its last byte) of UTF-8 text.
void DropLastCharacter(std::string& text) {
  while (!text.empty()) {
    const unsigned char last = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((last & 0xC0) != 0x80) break;
  }
}

// The picture as a bitmap whose pixels of `color` are left out.
void DrawMasked(TCanvas& canvas, int x, int y, const TGraphic* picture, TColor color) {
  const TBitmap* source = picture ? picture->AsBitmap() : nullptr;
  if (source == nullptr) return;
  TBitmap masked;
  masked.Assign(source);
  masked.SetTransparentColor(color);
  masked.SetTransparent(true);
  canvas.Draw(x, y, &masked);
}

}  // namespace

struct TzelTitleBar::TButtonLayout {
  std::vector<TRect> rects;  // per button; empty when not drawn
  int controlBox = -1;
  int left = 0;   // x0: where the caption starts
  int right = 0;  // c: the left edge of the leftmost right-hand button
};

TzelTitleBar::TButtonLayout TzelTitleBar::LayOutButtons(int width) {
  TButtonLayout layout;
  const int border = LeftBorderWidth();
  int c = width + border - rightBtnXOffset_ - 1;
  layout.rects.assign(buttons_->Count(), TRect{});
  for (int i = 0; i < buttons_->Count(); ++i) {
    TzelTitleBarButton* button = buttons_->Items(i);
    if (!button->Visible() || !button->HasAllPictures()) continue;
    if (button->ButtonType() == zelControlBox) {
      layout.controlBox = i;
      continue;
    }
    const int w = button->PicNormal()->Width();
    c -= button->ButtonType() == zelClose ? w : w + buttonInterval_ + 1;
    c = std::min(c, width - 1 - w);
    layout.rects[i] = Bounds(c, buttonTop_, w, button->PicNormal()->Height());
  }
  layout.right = c;

  int x0 = std::max(0, leftBtnXOffset_ - border - 3);
  if (layout.controlBox >= 0) {
    const TPicture* picture = buttons_->Items(layout.controlBox)->PicNormal();
    if (drawAppIcon_) {
      layout.rects[layout.controlBox] = Bounds(x0, iconTop_, picture->Width(), picture->Height());
      x0 += 21;
    } else {
      layout.rects[layout.controlBox] = Bounds(x0, iconTop_ - 1, picture->Width(), picture->Height());
      x0 += picture->Width() + 5;
    }
  }
  layout.left = x0 == 0 ? 6 : x0;
  return layout;
}

TRect TzelTitleBar::ButtonRect(int index) {
  if (OwnerForm() == nullptr || index < 0 || index >= buttons_->Count()) return {};
  return LayOutButtons(Width()).rects[index];
}

// The control box is tested last, as it is drawn last.
int TzelTitleBar::ButtonAt(TPoint point) {
  if (OwnerForm() == nullptr) return -1;
  const TButtonLayout layout = LayOutButtons(Width());
  int found = -1;
  for (int i = 0; i < static_cast<int>(layout.rects.size()); ++i)
    if (i != layout.controlBox && !layout.rects[i].IsEmpty() && PointInRect(point, layout.rects[i])) found = i;
  if (layout.controlBox >= 0 && PointInRect(point, layout.rects[layout.controlBox])) found = layout.controlBox;
  return found;
}

int TzelTitleBar::HoverIndexFromCursor(int /*width*/) {
  if (!HandleAllocated()) return -1;
  TPoint cursor;
  if (!GetCursorPos(&cursor)) return -1;
  if (WindowFromPoint(cursor) != Handle() && GetCapture() != Handle()) return -1;
  return ButtonAt(ScreenToClient(cursor));
}

void TzelTitleBar::Paint() {
  TBitmap bitmap(std::max(1, Width()), std::max(1, Height()));
  TCanvas& canvas = *bitmap.Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
  canvas.Font()->Assign(*Font());
  canvas.Brush()->SetStyle(bsClear);
  DrawSections(bitmap);
  DrawButtons(bitmap);
  Canvas()->Draw(0, 0, &bitmap);
  // The caption section's width follows the caption, and the frame's border
  // shows the title picture's edges.
  if (captionSectionDrawn_)
    if (auto* frame = dynamic_cast<TzelForm*>(Parent())) frame->PaintFormBorder();
}

void TzelTitleBar::DrawSections(TBitmap& bitmap) {
  if (OwnerForm() == nullptr) return;
  TCanvas& canvas = *bitmap.Canvas();
  int dx = 0, dy = 0;
  if (InsideFrame()) {
    const int border = LeftBorderWidth();
    dx = border == 0 ? -3 : -border;
    dy = -3;
  }
  int buttonsWidth = 0;
  for (int i = 0; i < buttons_->Count(); ++i) buttonsWidth += buttons_->Items(i)->PicNormal()->Width() + buttonInterval_;

  const int width = bitmap.Width() - 2 * dx, height = bitmap.Height() - dy;
  titleImage_->SetPixelFormat(pf24bit);
  titleImage_->SetSize(width, height);
  composedTitleImage_->SetPixelFormat(pf24bit);
  composedTitleImage_->SetSize(width, height);
  composedTitleImage_->Canvas()->Brush()->SetColor(formColor_);
  composedTitleImage_->Canvas()->FillRect(Rect(0, 0, width, height));
  TCanvas& title = *titleImage_->Canvas();

  const bool captionSections = SkinFlavour() == zelCurrentBuild;
  bool captionDrawn = false;
  int left = dx, right = bitmap.Width() - dx, lastLeftWidth = 0;
  TzelTitleBarSection* client = nullptr;
  for (int i = 0; i < sections_->Count(); ++i) {
    TzelTitleBarSection* section = sections_->Items(i);
    const TGraphic* picture = section->Picture()->Graphic();
    if (picture == nullptr || picture->Empty()) continue;
    const int pw = picture->Width(), ph = picture->Height();
    if (captionSections && section->CapSec()) {
      const int next = i + 1 < sections_->Count() ? sections_->Items(i + 1)->Width() : 0;
      displayCaption_ =
          TruncateText(canvas, caption_, bitmap.Width() - leftBtnXOffset_ - buttonsWidth - next - 21);
      const int w = std::max(0, canvas.TextWidth(displayCaption_) + leftBtnXOffset_ - lastLeftWidth + 17);
      canvas.StretchDraw(Rect(left, dy, left + w, dy + ph), picture);
      title.StretchDraw(Rect(left - dx, 0, left - dx + w, ph), picture);
      left += w;
      captionDrawn = true;
    } else if (section->Align() == zelLeft) {
      canvas.Draw(left, dy, picture);
      title.Draw(left - dx, 0, picture);
      left += pw;
      lastLeftWidth = pw;
    } else if (section->Align() == zelRight) {
      TBitmap onFormColor(pw, ph);
      onFormColor.Canvas()->Brush()->SetColor(formColor_);
      onFormColor.Canvas()->FillRect(Rect(0, 0, pw, ph));
      DrawMasked(*onFormColor.Canvas(), 0, 0, picture, transparentColor_);
      canvas.Draw(right - pw, dy, &onFormColor);
      title.Draw(right - dx - pw, 0, picture);
      right -= pw;
    } else {
      client = section;
    }
  }
  if (client) {
    const TGraphic* picture = client->Picture()->Graphic();
    const int ph = picture->Height();
    canvas.StretchDraw(Rect(left, dy, right, dy + ph), picture);
    title.StretchDraw(Rect(left - dx, 0, right - dx, ph), picture);
  }
  DrawMasked(*composedTitleImage_->Canvas(), 0, 0, titleImage_.get(), transparentColor_);
  captionSectionDrawn_ = captionDrawn;
  if (!captionDrawn) displayCaption_.clear();
}

void TzelTitleBar::DrawButtons(TBitmap& bitmap) {
  if (OwnerForm() == nullptr) return;
  TCanvas& canvas = *bitmap.Canvas();
  const bool fromFile = UsesThemeFile();
  const TButtonLayout layout = LayOutButtons(bitmap.Width());
  hoverIndex_ = HoverIndexFromCursor(bitmap.Width());

  auto pictureOf = [this](int index) {
    TzelTitleBarButton* button = buttons_->Items(index);
    if (index != hoverIndex_) return button->PicNormal();
    return pressed_ ? button->PicMouseDown() : button->PicMouseOn();
  };
  auto drawButton = [&](int index, TPoint at) {
    TzelTitleBarButton* button = buttons_->Items(index);
    const TBitmap* source = pictureOf(index)->Graphic() ? pictureOf(index)->Graphic()->AsBitmap() : nullptr;
    if (source == nullptr) return;
    TBitmap work;
    work.Assign(source);
    if (fromFile) {
      work.SetPixelFormat(pf24bit);
      work.SetTransparentColor(transparentColor_);
    }
    work.SetTransparent(button->Transparent());
    canvas.Draw(at.X, at.Y, &work);
  };

  for (int i = 0; i < buttons_->Count(); ++i)
    if (i != layout.controlBox && !layout.rects[i].IsEmpty()) drawButton(i, TPoint{layout.rects[i].Left, layout.rects[i].Top});

  if (layout.controlBox >= 0) {
    const TRect& box = layout.rects[layout.controlBox];
    if (drawAppIcon_) DrawAppIconAt(canvas, box.Left + 3, iconTop_);
    else drawButton(layout.controlBox, TPoint{box.Left, box.Top});
  }
  DrawCaption(canvas, layout.left, layout.right);
}

void TzelTitleBar::DrawAppIconAt(TCanvas& canvas, int x, int y) {
  if (!appIconLoaded_) {
    appIconLoaded_ = true;
    try {
      auto icon = std::make_unique<TBitmap>();
      LoadBitmapResource("MAINICON", *icon);
      icon->SetTransparent(true);
      appIcon_ = std::move(icon);
    } catch (const EResNotFound&) {
      // A program without an icon shows none.
    }
  }
  if (appIcon_) canvas.StretchDraw(Bounds(x, y, kIconSize, kIconSize), appIcon_.get());
}

void TzelTitleBar::DrawCaption(TCanvas& canvas, int left, int right) {
  if (!formActive_ && SkinFlavour() == zelCurrentBuild) canvas.Font()->SetColor(inactiveCaptionColor_);
  std::string text = displayCaption_;
  if (text.empty()) {
    text = caption_;
    const int room = right - left;
    if (canvas.TextWidth(text) > room) {
      while (!text.empty() && canvas.TextWidth(text + kEllipsis) > room) DropLastCharacter(text);
      text += kEllipsis;
    }
  }
  int y = 0;
  // The recorder's theme files place the caption as the built-in looks do.
  if (UsesThemeFile() && SkinFlavour() == zelCurrentBuild) y = captionTop_ - 3;
  else y = buttonTop_ + (EffectiveStyle() == Protein ? 3 : 0);
  int x = left;
  if (UseRightToLeftReading()) x = right - canvas.TextWidth(text) - 10;
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(x, y, text);
}
