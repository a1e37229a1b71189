// The memo as the program sees it: its lines, properties and selection.
// The text goes in and out with "\r\n" line breaks; inside, lines end in
// '\n' and positions count code points.

#include "platform/framework/Memo.h"

#include <algorithm>

#include "platform/gfx/TextUtf8.h"

// ---- Lines -------------------------------------------------------------------------

std::vector<std::string> TMemoStrings::Get() const {
  TStringList list;
  list.SetText(owner_->Text());
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

void TMemoStrings::Put(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  owner_->SetText(text);
}

int TMemoStrings::Count() const { return static_cast<int>(Get().size()); }

std::string TMemoStrings::Strings(int index) const {
  auto lines = Get();
  if (index < 0 || index >= static_cast<int>(lines.size()))
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  return lines[index];
}

void TMemoStrings::SetStrings(int index, const std::string& s) {
  auto lines = Get();
  if (index < 0 || index >= static_cast<int>(lines.size()))
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  lines[index] = s;
  Put(lines);
}

int TMemoStrings::Add(const std::string& s) {
  auto lines = Get();
  lines.push_back(s);
  Put(lines);
  return static_cast<int>(lines.size()) - 1;
}

void TMemoStrings::Insert(int index, const std::string& s) {
  auto lines = Get();
  if (index < 0 || index > static_cast<int>(lines.size()))
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  lines.insert(lines.begin() + index, s);
  Put(lines);
}

void TMemoStrings::Delete(int index) {
  auto lines = Get();
  if (index < 0 || index >= static_cast<int>(lines.size()))
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  lines.erase(lines.begin() + index);
  Put(lines);
}

void TMemoStrings::Clear() { owner_->SetText(""); }

std::string TMemoStrings::Text() const {
  std::string text;
  for (const auto& line : Get()) text += line + "\r\n";
  return text;
}

void TMemoStrings::SetText(const std::string& text) {
  TStringList list;
  list.SetText(text);
  Assign(list);
}

void TMemoStrings::Assign(const TStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  Put(lines);
}

// ---- The memo ----------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TTextControl(owner, true), lines_(this) {
  controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption | csOpaque;
  SetBounds(0, 0, 185, 89);
  SetTabStop(true);
  SetColor(clWindow);
  SetCursor(crIBeam);
  Layout();  // an empty memo has its one empty row from the start
}

TMemo::~TMemo() = default;

void TMemo::CreateParams(TCreateParams& params) {
  TScrollingControl::CreateParams(params);
  AddTextStyles(params);
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
}

void TMemo::CreateWnd() {
  TTextControl::CreateWnd();
  Layout();
}


void TMemo::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
  if (wantTabs_) m.Result |= DLGC_WANTTAB;
  if (wantReturns_) m.Result |= DLGC_WANTALLKEYS;
}

void TMemo::CMFontChanged(TMessage& m) {
  TScrollingControl::CMFontChanged(m);
  Layout();
}

void TMemo::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  scrollX_ = 0;
  Layout();
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  if (!HandleAllocated()) return;
  DWORD style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE)) & ~(WS_VSCROLL | WS_HSCROLL);
  if (value == ssVertical || value == ssBoth) style |= WS_VSCROLL;
  if (value == ssHorizontal || value == ssBoth) style |= WS_HSCROLL;
  SetWindowLong(Handle(), GWL_STYLE, style);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  Layout();
}

TPoint TMemo::CaretPos() {
  const std::u32string& text = engine_.Text();
  int caret = engine_.Caret();
  int line = 0, lineStart = 0;
  for (int i = 0; i < caret; ++i)
    if (text[i] == U'\n') {
      ++line;
      lineStart = i + 1;
    }
  return {caret - lineStart, line};
}

TCanvas* TMemo::Measure() { return MeasuringCanvas(measureBitmap_, *Font()); }
