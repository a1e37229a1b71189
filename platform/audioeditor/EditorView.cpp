#include "platform/audioeditor/EditorView.h"

#include "platform/audioeditor/AudioEditor2.h"
#include "platform/framework/ScrollBars.h"
#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <cmath>

namespace detail {

namespace {

// The scroll bar runs over this many steps, whatever the document's length.
constexpr int kScrollSteps = 100000;

}  // namespace

EditorView::EditorView(TAudioEditor2& editor) : editor_(editor) {
  scrollBar_ = new TScrollBar(&editor_);
  scrollBar_->SetKind(sbHorizontal);
  scrollBar_->SetParent(&editor_);
  scrollBar_->SetParams(0, 0, kScrollSteps);
  scrollBar_->OnScroll = [this](TObject*, TScrollCode, int& position) {
    const std::int64_t length = editor_.state_.document.Length();
    ScrollTo(static_cast<std::int64_t>(static_cast<double>(position) / kScrollSteps * static_cast<double>(length)));
  };
}

EditorView::~EditorView() = default;

ViewLayout EditorView::Layout() const {
  ViewLayout layout;
  TRect client = editor_.ClientRect();
  client.Bottom -= kScrollBarHeight;
  if (editor_.scaleXSettings_.visible) {
    layout.scaleX = {client.Left, client.Bottom - kScaleXHeight, client.Right, client.Bottom};
    client.Bottom -= kScaleXHeight;
  }
  if (editor_.scaleYSettings_.visible) {
    layout.scaleY = {client.Left, client.Top, client.Left + kScaleYWidth, client.Bottom};
    client.Left += kScaleYWidth;
    if (!layout.scaleX.IsEmpty()) layout.scaleX.Left = client.Left;
  }
  layout.wave = client;
  const int channels = editor_.state_.document.channels;
  for (int c = 0; c < channels && c < 2; ++c)
    if (editor_.channelVisible_[static_cast<std::size_t>(c)] || channels == 1) layout.laneChannels.push_back(c);
  const int lanes = static_cast<int>(layout.laneChannels.size());
  for (int i = 0; i < lanes; ++i)
    layout.lanes.push_back({client.Left, client.Top + client.Height() * i / lanes, client.Right,
                            client.Top + client.Height() * (i + 1) / lanes});
  return layout;
}

double EditorView::FramesPerPixel() const {
  const int width = std::max(1, Layout().wave.Width());
  const double fit = std::max(kMinFramesPerPixel, static_cast<double>(editor_.state_.document.Length()) / width);
  const double chosen = editor_.framesPerPixel_;
  return chosen > 0 ? std::min(chosen, fit) : fit;
}

std::int64_t EditorView::FrameAt(int x) const {
  const TRect wave = Layout().wave;
  const double frame = static_cast<double>(editor_.viewStart_) + (x - wave.Left) * FramesPerPixel();
  return std::clamp<std::int64_t>(std::llround(frame), 0, editor_.state_.document.Length());
}

double EditorView::XOf(std::int64_t frame) const {
  return Layout().wave.Left + static_cast<double>(frame - editor_.viewStart_) / FramesPerPixel();
}

void EditorView::Clamp() {
  const std::int64_t length = editor_.state_.document.Length();
  const auto visible = static_cast<std::int64_t>(Layout().wave.Width() * FramesPerPixel());
  editor_.viewStart_ = std::clamp<std::int64_t>(editor_.viewStart_, 0, std::max<std::int64_t>(0, length - visible));
  // Zoomed out to the fit or beyond: the fit again, so the view follows the length.
  const int width = std::max(1, Layout().wave.Width());
  if (editor_.framesPerPixel_ > 0 && editor_.framesPerPixel_ >= static_cast<double>(length) / width)
    editor_.framesPerPixel_ = 0;
  UpdateScrollBar();
}

void EditorView::UpdateScrollBar() {
  const TRect client = editor_.ClientRect();
  scrollBar_->SetBounds(0, client.Bottom - kScrollBarHeight, client.Width(), kScrollBarHeight);
  const std::int64_t length = editor_.state_.document.Length();
  if (length <= 0) {
    scrollBar_->SetPageSize(kScrollSteps);
    scrollBar_->SetParams(0, 0, kScrollSteps);
    return;
  }
  const double visible = std::min(1.0, Layout().wave.Width() * FramesPerPixel() / static_cast<double>(length));
  scrollBar_->SetPageSize(std::max(1, static_cast<int>(visible * kScrollSteps)));
  scrollBar_->SetLargeChange(std::max(1, static_cast<int>(visible * kScrollSteps)));
  scrollBar_->SetSmallChange(std::max(1, static_cast<int>(visible * kScrollSteps / 8)));
  scrollBar_->SetParams(static_cast<int>(static_cast<double>(editor_.viewStart_) / static_cast<double>(length) * kScrollSteps),
                        0, kScrollSteps);
}

void EditorView::Reset() {
  editor_.viewStart_ = 0;
  editor_.framesPerPixel_ = 0;
  Clamp();
}

void EditorView::DocumentChanged() { Clamp(); }

void EditorView::Resized() { Clamp(); }

void EditorView::ScrollTo(std::int64_t frame) {
  editor_.viewStart_ = frame;
  Clamp();
  editor_.Refresh();
}

void EditorView::ZoomAround(double framesPerPixel, std::int64_t anchor) {
  const double x = (static_cast<double>(anchor - editor_.viewStart_)) / FramesPerPixel();
  editor_.framesPerPixel_ = std::max(kMinFramesPerPixel, framesPerPixel);
  editor_.viewStart_ = anchor - static_cast<std::int64_t>(x * FramesPerPixel());
  Clamp();
  editor_.Refresh();
}

// Zooming keeps the cursor where it is on the screen when it is shown,
// else the middle of the view.
void EditorView::ZoomIn() {
  const TRect wave = Layout().wave;
  const std::int64_t cursor = editor_.state_.cursor;
  const bool shown = XOf(cursor) >= wave.Left && XOf(cursor) < wave.Right;
  ZoomAround(FramesPerPixel() / 2, shown ? cursor : FrameAt((wave.Left + wave.Right) / 2));
}

void EditorView::ZoomOut() {
  const TRect wave = Layout().wave;
  const std::int64_t cursor = editor_.state_.cursor;
  const bool shown = XOf(cursor) >= wave.Left && XOf(cursor) < wave.Right;
  ZoomAround(FramesPerPixel() * 2, shown ? cursor : FrameAt((wave.Left + wave.Right) / 2));
}

void EditorView::ZoomFull() {
  editor_.framesPerPixel_ = 0;
  editor_.viewStart_ = 0;
  Clamp();
  editor_.Refresh();
}

void EditorView::MouseDown(bool left, bool shift, int x, int y) {
  if (!left || editor_.state_.document.Length() <= 0 || !PtInRect(Layout().wave, {x, y})) return;
  const std::int64_t frame = FrameAt(x);
  EditState& state = editor_.state_;
  if (shift) {
    // Extends the selection from the end farther from the click.
    const bool selected = state.selectionEnd > state.selectionStart;
    anchor_ = !selected ? state.cursor
              : (frame - state.selectionStart < state.selectionEnd - frame) ? state.selectionEnd
                                                                           : state.selectionStart;
  } else {
    anchor_ = frame;
    state.cursor = frame;
  }
  state.selectionStart = std::min(anchor_, frame);
  state.selectionEnd = std::max(anchor_, frame);
  dragging_ = true;
  editor_.PositionChanged();
}

void EditorView::MouseMove(bool dragging, int x) {
  if (!dragging_ || !dragging) return;
  const std::int64_t frame = FrameAt(x);
  EditState& state = editor_.state_;
  state.selectionStart = std::min(anchor_, frame);
  state.selectionEnd = std::max(anchor_, frame);
  editor_.PositionChanged();
}

void EditorView::MouseUp() { dragging_ = false; }

void EditorView::Wheel(int delta, bool control, int x) {
  if (control) {
    ZoomAround(delta > 0 ? FramesPerPixel() / 2 : FramesPerPixel() * 2, FrameAt(x));
    return;
  }
  const auto step = static_cast<std::int64_t>(Layout().wave.Width() * FramesPerPixel() / 8);
  ScrollTo(editor_.viewStart_ - (delta > 0 ? step : -step));
}

void EditorView::Paint(TCanvas& target) {
  const TRect client = editor_.ClientRect();
  if (client.Width() <= 0 || client.Height() <= 0) return;
  if (!buffer_) buffer_ = std::make_unique<TBitmap>();
  if (buffer_->Width() != client.Width() || buffer_->Height() != client.Height())
    buffer_->SetSize(client.Width(), client.Height());
  TCanvas& canvas = *buffer_->Canvas();
  const ViewLayout layout = Layout();
  canvas.Brush()->SetColor(editor_.colorSettings_.background);
  canvas.FillRect(client);
  if (!editor_.state_.document.tracks.empty()) {
    PaintSelection(canvas, layout);
    PaintGridAndScales(canvas, layout);
    for (std::size_t i = 0; i < layout.lanes.size(); ++i) PaintLane(canvas, layout.lanes[i], layout.laneChannels[i]);
    PaintMarkers(canvas, layout);
    PaintCursors(canvas, layout);
  }
  target.BitBlt(0, 0, client.Width(), client.Height() - kScrollBarHeight, &canvas, 0, 0, SRCCOPY);
}

}  // namespace detail

double TAudioEditor2::FramesPerPixel() const { return view_->FramesPerPixel(); }
void TAudioEditor2::ZoomIn() { view_->ZoomIn(); }
void TAudioEditor2::ZoomOut() { view_->ZoomOut(); }
void TAudioEditor2::ZoomFull() { view_->ZoomFull(); }

void TAudioEditor2::Paint() { view_->Paint(*Canvas()); }

void TAudioEditor2::Resize() {
  TCustomControl::Resize();
  if (view_) view_->Resized();
}

void TAudioEditor2::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  // The wheel goes to the focus: a click into the view makes it scroll there.
  if (!Focused() && CanFocus()) SetFocus();
  TCustomControl::MouseDown(button, shift, x, y);
  view_->MouseDown(button == mbLeft, (shift & ssShift) != 0, x, y);
}

void TAudioEditor2::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  view_->MouseMove((shift & ssLeft) != 0, x);
}

void TAudioEditor2::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  view_->MouseUp();
}

void TAudioEditor2::WndProc(TMessage& message) {
  if (message.Msg == WM_MOUSEWHEEL) {
    const auto delta = static_cast<short>(HIWORD(message.WParam));
    TPoint point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    point = ScreenToClient(point);
    view_->Wheel(delta, (LOWORD(message.WParam) & MK_CONTROL) != 0, point.X);
    message.Result = 0;
    return;
  }
  TCustomControl::WndProc(message);
}
