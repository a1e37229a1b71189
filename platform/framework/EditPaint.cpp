// How the edit looks: the text in its formatting rectangle, scrolled to
// keep the caret in sight, the selection and the blinking caret; and the
// messages that change them.

#include <algorithm>

#include "platform/framework/Edits.h"
#include "platform/gfx/TextUtf8.h"

namespace {
constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlinkMs = 530;
}  // namespace

void TCustomEdit::DefaultHandler(TMessage& m) {
  if (HandleTextMessage(m) || HandleLooksMessage(m)) return;
  TWinControl::DefaultHandler(m);
}

bool TCustomEdit::HandleLooksMessage(TMessage& m) {
  switch (m.Msg) {
    case EM_SETRECT:
    case EM_SETRECTNP:
      haveTextRect_ = m.LParam != 0;
      if (haveTextRect_) textRect_ = *reinterpret_cast<const TRect*>(m.LParam);
      ScrollCaretIntoView();
      if (m.Msg == EM_SETRECT) Invalidate();
      return true;
    case EM_GETRECT:
      if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = TextRect();
      return true;
    case EM_SCROLLCARET: ScrollCaretIntoView(); Invalidate(); return true;
    case EM_GETLINECOUNT: m.Result = 1; return true;
    case WM_STYLECHANGED:
      if (static_cast<int>(m.WParam) == GWL_STYLE) SyncFromStyle();
      return false;
    case WM_SETFOCUS: StartCaret(); Invalidate(); return false;
    case WM_KILLFOCUS:
      StopCaret();
      engine_.Release();
      Invalidate();
      return false;
    case WM_TIMER:
      if (m.WParam != kCaretTimer) return false;
      caretOn_ = !caretOn_;
      Invalidate();
      return true;
    default: return false;
  }
}

void TCustomEdit::TextLaidOut() {
  ScrollCaretIntoView();
  StartCaret();
  Invalidate();
}

// A single line keeps the caret in sight whatever moved it.
void TCustomEdit::SelectionShown(bool) { TextLaidOut(); }

void TCustomEdit::StartCaret() {
  caretOn_ = true;
  if (HandleAllocated() && Focused()) SetTimer(Handle(), kCaretTimer, kCaretBlinkMs, nullptr);
}

void TCustomEdit::StopCaret() {
  caretOn_ = false;
  if (HandleAllocated()) KillTimer(Handle(), kCaretTimer);
}

TCanvas* TCustomEdit::Measure() { return MeasuringCanvas(measureBitmap_, *Font()); }

TRect TCustomEdit::TextRect() {
  if (haveTextRect_) return textRect_;
  TRect r = ClientRect();
  InflateRect(r, -1, -1);
  return r;
}

std::u32string TCustomEdit::Shown() const {
  if (PasswordChar()) return std::u32string(engine_.Text().size(), PasswordChar());
  return engine_.Text();
}

int TCustomEdit::TextOrigin(int textWidth) {
  TRect r = TextRect();
  if (textWidth < r.Width()) {
    if (alignment_ == taRightJustify) return r.Right - textWidth - 1;
    if (alignment_ == taCenter) return r.Left + (r.Width() - textWidth) / 2;
  }
  return r.Left - scrollX_;
}

int TCustomEdit::TextX(int pos) {
  std::u32string shown = Shown();
  TCanvas* canvas = Measure();
  int width = canvas->TextWidth(EncodeUtf8(shown));
  int prefix = canvas->TextWidth(EncodeUtf8(std::u32string_view(shown).substr(0, static_cast<std::size_t>(pos))));
  return TextOrigin(width) + prefix;
}

// The character boundary nearest to x (the boundaries' places only grow
// along the text, so a binary search finds it).
int TCustomEdit::PositionAt(int x) {
  int low = 0, high = engine_.Length();
  while (low < high) {
    int middle = (low + high) / 2;
    if (x < (TextX(middle) + TextX(middle + 1)) / 2) high = middle;
    else low = middle + 1;
  }
  return low;
}

void TCustomEdit::ScrollCaretIntoView() {
  TRect r = TextRect();
  std::u32string shown = Shown();
  TCanvas* canvas = Measure();
  int width = canvas->TextWidth(EncodeUtf8(shown));
  int room = std::max(1, r.Width() - 1);
  if (width < room) {
    scrollX_ = 0;
    return;
  }
  int caretX = canvas->TextWidth(EncodeUtf8(std::u32string_view(shown).substr(0, static_cast<std::size_t>(CaretPos()))));
  // Jump by a third of the room, so typing at the edge does not scroll on every key.
  if (caretX < scrollX_) scrollX_ = std::max(0, caretX - room / 3);
  else if (caretX > scrollX_ + room) scrollX_ = caretX - room + room / 3;
  scrollX_ = std::clamp(scrollX_, 0, width - room + 1);
}

void TCustomEdit::PaintWindow(HDC dc) {
  TCanvas* canvas = dc;
  canvas->SetFont(*Font());
  TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  TRect r = TextRect();
  canvas->SaveDC();
  canvas->IntersectClipRect(r);
  canvas->SetBkMode(TRANSPARENT);
  std::u32string shown = Shown();
  int length = static_cast<int>(shown.size());
  int start = engine_.SelStart(), end = engine_.SelEnd();
  bool showSelection = start != end && (Focused() || !hideSelection_);
  int lineHeight = canvas->TextHeight("Wg");
  int x0 = TextX(0);
  auto part = [&](int from, int to) { return EncodeUtf8(std::u32string_view(shown).substr(from, to - from)); };
  TColor textColor = Enabled() ? Font()->Color() : clGrayText;
  if (!showSelection) {
    canvas->SetTextColor(textColor);
    canvas->TextOut(x0, r.Top, part(0, length));
  } else {
    int xs = TextX(start), xe = TextX(end);
    canvas->SetTextColor(textColor);
    canvas->TextOut(x0, r.Top, part(0, start));
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(Rect(xs, r.Top, xe, r.Top + lineHeight));
    canvas->SetTextColor(clHighlightText);
    canvas->TextOut(xs, r.Top, part(start, end));
    canvas->SetTextColor(textColor);
    canvas->TextOut(xe, r.Top, part(end, length));
  }
  if (CaretShown()) {
    int x = std::min(TextX(CaretPos()), r.Right - 1);
    canvas->Brush()->SetColor(clWindowText);
    canvas->FillRect(Rect(x, r.Top, x + 1, r.Top + lineHeight));
  }
  canvas->RestoreDC(-1);
}
