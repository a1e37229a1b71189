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

TMemo::TMemo(TComponent* owner) : TScrollingControl(owner), lines_(this) {
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
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
  if (readOnly_) params.Style |= ES_READONLY;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::CreateWnd() {
  TScrollingControl::CreateWnd();
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

void TMemo::SetReadOnly(bool value) { Perform(EM_SETREADONLY, value, 0); }

void TMemo::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TMemo::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

int TMemo::SelStart() {
  DWORD start = 0;
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TMemo::SetSelStart(int value) { Perform(EM_SETSEL, value, value); }

int TMemo::SelLength() {
  DWORD start = 0, end = 0;
  Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TMemo::SetSelLength(int value) {
  int start = SelStart();
  Perform(EM_SETSEL, start, start + std::max(0, value));
}

std::string TMemo::SelText() { return ExternalText(std::min(anchor_, caret_), std::max(anchor_, caret_)); }

void TMemo::SetSelText(const std::string& value) {
  Perform(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(value.c_str()));
}

void TMemo::SelectAll() { Perform(EM_SETSEL, 0, static_cast<LPARAM>(-1)); }

TPoint TMemo::CaretPos() {
  int line = 0, lineStart = 0;
  for (int i = 0; i < caret_; ++i)
    if (text_[i] == U'\n') {
      ++line;
      lineStart = i + 1;
    }
  return {caret_ - lineStart, line};
}

void TMemo::Change() {
  if (OnChange) OnChange(this);
}

std::string TMemo::ExternalText(int from, int to) const {
  std::string out;
  std::u32string piece = text_.substr(from, to - from);
  size_t start = 0;
  for (size_t i = 0; i <= piece.size(); ++i) {
    if (i == piece.size() || piece[i] == U'\n') {
      out += EncodeUtf8(piece.substr(start, i - start));
      if (i < piece.size()) out += "\r\n";
      start = i + 1;
    }
  }
  return out;
}

int TMemo::ToExternal(int pos) const {
  return pos + static_cast<int>(std::count(text_.begin(), text_.begin() + pos, U'\n'));
}

int TMemo::FromExternal(int pos) const {
  int external = 0;
  for (int i = 0; i < static_cast<int>(text_.size()); ++i) {
    int step = text_[i] == U'\n' ? 2 : 1;
    if (external + step > pos) return i;
    external += step;
  }
  return static_cast<int>(text_.size());
}

TCanvas* TMemo::Measure() { return MeasuringCanvas(measureBitmap_, *Font()); }
