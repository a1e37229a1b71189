#include "skin/ZELGroupBox.h"

#include <cstdlib>

#include "platform/gfx/Bitmap.h"
#include "skin/ZELPublic.h"

namespace {
// The caption colour: theme-file colour item and built-in element.
constexpr int kThemeFontColor = 23;
constexpr int kElementFontColor = 27;
constexpr TColor kDisabledCaptionColor = 0x808080;
}  // namespace

TzelCustomGroupBox::TzelCustomGroupBox(TComponent* owner) : TzelThemed<TzelCustomPanel>(owner) {
  TControl::SetText(" ");
  SetBounds(Left(), Top(), 185, 105);
  SetParentColor(true);
  SetTransparent(false);
  Publish("Caption", &TzelCustomGroupBox::Caption, &TzelCustomGroupBox::SetCaption);
  Link().OnApply = [this](const TzelLookSource& source) { ApplyLook(source); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

void TzelCustomGroupBox::SetCaption(const std::string& value) {
  caption_ = value;
  Invalidate();
}

void TzelCustomGroupBox::ApplyLook(const TzelLookSource& source) {
  ApplyThemeToChildren(*this, UIStyle(), FileTheme());
  Font()->SetColor(source.Color(kElementFontColor, kThemeFontColor));
}

int TzelCustomGroupBox::FontHeight() const { return std::abs(Font()->Height()); }

void TzelCustomGroupBox::AdjustClientRect(TRect& rect) {
  rect = ClientRect();
  rect.Left += 3;
  rect.Right -= 3;
  rect.Bottom -= 3;
  rect.Top += FontHeight() + 5;
}

TRect TzelCustomGroupBox::CaptionArea() {
  TRect r = ClientRect();
  return {r.Left + 3, r.Top + FontHeight(), r.Right - 2, r.Bottom - 2};
}

void TzelCustomGroupBox::CMFontChanged(TMessage& message) {
  TzelCustomPanel::CMFontChanged(message);
  Realign();
  Invalidate();
}

void TzelCustomGroupBox::Paint() {
  const TRect client = ClientRect();
  TBitmap buffer(std::max(1, client.Width()), std::max(1, client.Height()));
  TCanvas& canvas = *buffer.Canvas();
  if (Transparent()) {
    PaintBackgroundAndPicture(canvas);
  } else {
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
  }
  canvas.Font()->Assign(*Font());
  const int captionWidth = caption_.empty() ? 0 : canvas.TextWidth(caption_);
  DrawFrame(canvas, client, captionWidth);
  if (!caption_.empty()) DrawCaption(canvas, captionWidth);
  Canvas()->Draw(0, 0, &buffer);
}

void TzelCustomGroupBox::DrawFrame(TCanvas& canvas, const TRect& c, int captionWidth) {
  const int y = c.Top + FontHeight() / 2 + 1;
  const bool hasCaption = !caption_.empty();
  canvas.Pen()->SetColor(BorderColor());
  canvas.Pen()->SetWidth(1);
  if (UseRightToLeftReading()) {
    const int end = hasCaption ? c.Right - captionWidth - 7 : c.Right - 1;
    TPoint line[] = {{c.Right - 3, y}, {c.Right - 1, y}, {c.Right - 1, c.Bottom - 1},
                     {c.Left + 1, c.Bottom - 1}, {c.Left + 1, y}, {end, y}};
    canvas.Polyline(line);
  } else {
    const int end = hasCaption ? c.Left + captionWidth + 6 : c.Left;
    TPoint line[] = {{c.Left + 2, y}, {c.Left, y}, {c.Left, c.Bottom - 1},
                     {c.Right - 1, c.Bottom - 1}, {c.Right - 1, y}, {end, y}};
    canvas.Polyline(line);
  }
}

void TzelCustomGroupBox::DrawCaption(TCanvas& canvas, int captionWidth) {
  if (!Enabled()) canvas.Font()->SetColor(kDisabledCaptionColor);
  canvas.Brush()->SetStyle(bsClear);
  const int x = UseRightToLeftReading() ? Width() - captionWidth - 6 : 5;
  canvas.TextOut(x, 0, caption_);
}

TzelGroupBox::TzelGroupBox(TComponent* owner) : TzelCustomGroupBox(owner) {
  Publish("BorderColor", &TzelGroupBox::BorderColor, &TzelGroupBox::SetBorderColor);
}
