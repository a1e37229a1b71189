// The view: what the waveform, selection, cursor and markers look like,
// zooming and scrolling, and the mouse.

#include "EditorTestSupport.h"
#include "platform/audioeditor/EditorView.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/os/VirtualKeys.h"
#include "platform/win/Headless.h"

#include <cmath>
#include <cstdlib>
#include <fstream>

namespace {

constexpr int kRate = 44100;

class ViewTest : public EditorTest {
 protected:
  TColor PixelAt(int x, int y) {
    HeadlessPumpUntilIdle();
    const TBitmap* surface = HeadlessPresentedSurface(form->Handle());
    const std::uint8_t* p = surface->ScanLine(y + editor->Top()) + (x + editor->Left()) * surface->BytesPerPixel();
    return RGB(p[2], p[1], p[0]);
  }
  // Pixels of color in the w x h box at (x, y) of the editor.
  int CountInBox(int x, int y, int w, int h, TColor color) {
    int count = 0;
    for (int row = y; row < y + h; ++row)
      for (int column = x; column < x + w; ++column) count += PixelAt(column, row) == color;
    return count;
  }
  int CountInColumn(int x, TColor color) {
    int count = 0;
    for (int y = 0; y < editor->Height() - 40; ++y) count += PixelAt(x, y) == color;
    return count;
  }
  // The x of a frame within the editor.
  int XOf(std::int64_t frame) {
    return detail::EditorView::kScaleYWidth +
           static_cast<int>(std::lround(static_cast<double>(frame - editor->ViewStart()) / editor->FramesPerPixel()));
  }
  // Writes what the form shows where VELMORA_SCREENSHOTS names a folder.
  void Screenshot(const std::string& name) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (!folder) return;
    HeadlessPumpUntilIdle();
    const auto bytes = EncodeBmp(*HeadlessPresentedSurface(form->Handle()));
    std::ofstream(std::string(folder) + "/" + name + ".bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
};

TEST_F(ViewTest, ShowsWaveformSelectionCursorAndMarkersInTheirColours) {
  Load(Tone(kRate, 2, 4 * kRate, 1000, 0.9));
  IAudioEditor2Colors* colors = editor->Colors();
  EXPECT_EQ(colors->Scales(), RGB(216, 229, 250));
  EXPECT_EQ(colors->DigitalWaveForm(), static_cast<TColor>(11268124));
  EXPECT_EQ(editor->FramesPerPixel(), 4.0 * kRate / (600 - detail::EditorView::kScaleYWidth));
  Select(kRate, 2 * kRate);
  editor->Position()->SetCurrentPosition(3 * kRate);
  editor->Markers()->AddMarker(kRate / 2, 0, "cue", "", "", -1, -1, -1, -1);
  editor->Markers()->AddMarker(static_cast<std::int64_t>(2.5 * kRate), kRate / 4, "range", "", "", -1, -1, -1, -1);
  Screenshot("editor-waveform");
  // A column of loud tone: the waveform colour spans most of each lane.
  EXPECT_GT(CountInColumn(XOf(kRate / 4), colors->DigitalWaveForm()), 100);
  // Inside the selection: selected colours on the selection background.
  const int inside = XOf(kRate + kRate / 4);
  EXPECT_GT(CountInColumn(inside, colors->SelectDigitalWaveform()), 100);
  EXPECT_GT(CountInColumn(inside, colors->SelectBackground()), 10);
  EXPECT_EQ(CountInColumn(XOf(3 * kRate), colors->Cursor()), editor->Height() - 40);
  EXPECT_GT(CountInColumn(XOf(kRate / 2), colors->CueMarker()), 200);
  EXPECT_GT(CountInColumn(XOf(static_cast<std::int64_t>(2.5 * kRate)), colors->RangeMarker()), 200);
  // Labels are strokes over their ground, not blocks of the text colour:
  // the scale's first number and the cue marker's name.
  const int scaleTop = 300 - detail::EditorView::kScrollBarHeight - detail::EditorView::kScaleXHeight;
  const int labelBox = 24 * 8;
  EXPECT_LT(CountInBox(XOf(0) + 3, scaleTop + 4, 24, 8, colors->Scales()), labelBox);
  EXPECT_GT(CountInBox(XOf(0) + 3, scaleTop + 4, 24, 8, colors->Scales()), labelBox / 3);
  EXPECT_GT(CountInBox(XOf(kRate / 2) + 4, 2, 24, 8, colors->CueMarker()), 0);
  EXPECT_LT(CountInBox(XOf(kRate / 2) + 4, 2, 24, 8, colors->CueMarker()), labelBox * 2 / 3);
  // Where the two scales meet is scale, not background.
  EXPECT_EQ(CountInBox(0, scaleTop, 20, detail::EditorView::kScaleXHeight, colors->Scales()),
            20 * detail::EditorView::kScaleXHeight);
  // A colour change shows at once; a hidden channel gives its lane away.
  colors->SetCursor(RGB(1, 2, 3));
  EXPECT_GT(CountInColumn(XOf(3 * kRate), RGB(1, 2, 3)), 200);
  const int firstLaneEnd = (300 - detail::EditorView::kScrollBarHeight - detail::EditorView::kScaleXHeight) / 2 - 1;
  EXPECT_EQ(PixelAt(XOf(kRate / 4) + 1, firstLaneEnd), colors->Boundary());
  editor->Channel()->SetIndex(2);
  editor->Channel()->SetVisible(false);
  EXPECT_FALSE(editor->Channel()->Visible());
  EXPECT_EQ(PixelAt(XOf(kRate / 4) + 1, firstLaneEnd), colors->DigitalWaveForm());
  EXPECT_THROW(editor->Channel()->SetIndex(3), Exception);
  EXPECT_THROW(editor->ScaleX()->SetScaleType(3), Exception);
  editor->ScaleY()->SetScaleType(3);
  editor->SetTypeView(TAudioEditor2::kViewSpectral);
  Screenshot("editor-spectral");
  // The spectrogram of a 1 kHz tone: bright near the bottom of the lane
  // (1 kHz of 22 kHz), dark at the top.
  const int laneBottom = 300 - detail::EditorView::kScrollBarHeight - detail::EditorView::kScaleXHeight - 1;
  int bright = 0;
  for (int y = laneBottom - 20; y < laneBottom; ++y) bright += PixelAt(XOf(kRate / 4), y) != colors->Background();
  EXPECT_GT(bright, 0);
  EXPECT_EQ(PixelAt(XOf(kRate / 4), 20), colors->Background());
  // Its scale reads frequencies from 0 Hz at the bottom to 22.05 kHz at
  // the top, marked every 5 kHz at this height.
  const int tickX = detail::EditorView::kScaleYWidth - 2;
  const auto hzY = [&](double hz) { return laneBottom - static_cast<int>(std::lround(hz / 22050 * laneBottom)); };
  for (double hz : {0.0, 5000.0, 10000.0, 20000.0}) EXPECT_EQ(PixelAt(tickX, hzY(hz)), colors->Font()) << hz;
  EXPECT_NE(PixelAt(tickX, hzY(2500)), colors->Font());
}

TEST_F(ViewTest, ZoomScrollAndTheMouse) {
  Load(Ramp(2, 10 * kRate));
  const double full = editor->FramesPerPixel();
  editor->ZoomIn();
  EXPECT_DOUBLE_EQ(editor->FramesPerPixel(), full / 2);
  editor->ZoomOut();
  editor->ZoomOut();
  EXPECT_DOUBLE_EQ(editor->FramesPerPixel(), full);
  for (int i = 0; i < 20; ++i) editor->ZoomIn();
  EXPECT_DOUBLE_EQ(editor->FramesPerPixel(), detail::EditorView::kMinFramesPerPixel);
  editor->ZoomFull();
  editor->ZoomIn();
  editor->ZoomIn();

  // A drag selects, Shift-click extends, a plain click moves the cursor.
  int changes = 0;
  editor->OnChangePosition = [&](TObject*) { ++changes; };
  const std::int64_t a = editor->ViewStart() + static_cast<std::int64_t>(100 * editor->FramesPerPixel());
  HeadlessMouseMove(ScreenPointOf(editor, XOf(a), 100));
  HeadlessMouseDown();
  HeadlessMouseMove(ScreenPointOf(editor, XOf(a) + 200, 100));
  HeadlessMouseUp();
  HeadlessPumpUntilIdle();
  EXPECT_NEAR(static_cast<double>(editor->Position()->SelectionStart()), static_cast<double>(a), editor->FramesPerPixel());
  EXPECT_NEAR(static_cast<double>(editor->Position()->SelectionEnd() - editor->Position()->SelectionStart()),
              200 * editor->FramesPerPixel(), editor->FramesPerPixel());
  EXPECT_GE(changes, 2);
  const std::int64_t end = editor->Position()->SelectionEnd();
  HeadlessKeyDown(VK_SHIFT);
  HeadlessClick(ScreenPointOf(editor, XOf(a) - 50, 100));
  HeadlessKeyUp(VK_SHIFT);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(editor->Position()->SelectionEnd(), end);
  EXPECT_LT(editor->Position()->SelectionStart(), a);
  HeadlessClick(ScreenPointOf(editor, XOf(a) + 10, 100));
  HeadlessPumpUntilIdle();
  EXPECT_FALSE(editor->Position()->HasSelection());

  // The wheel scrolls; the view stays within the document.
  const std::int64_t start = editor->ViewStart();
  HeadlessMouseMove(ScreenPointOf(editor, 300, 100));
  HeadlessWheel(-120);
  HeadlessPumpUntilIdle();
  EXPECT_GT(editor->ViewStart(), start);
  for (int i = 0; i < 50; ++i) HeadlessWheel(-120);
  HeadlessPumpUntilIdle();
  EXPECT_LE(editor->ViewStart() + static_cast<std::int64_t>(548 * editor->FramesPerPixel()),
            editor->Position()->Length() + 1);
}

}  // namespace

namespace {

TEST_F(ViewTest, ScaleLabelsShowTheScaleColourBetweenTheirLetters) {
  Load(Tone(kRate, 2, kRate, 1000, 0.5));
  // The "0.0" at the middle of the first lane, right-aligned 6 pixels
  // from the scale's edge: its letters leave most of their cell showing
  // the scale behind them.
  const int laneHeight = (300 - detail::EditorView::kScrollBarHeight - detail::EditorView::kScaleXHeight) / 2;
  const int middle = laneHeight / 2;
  int scaleColoured = 0, all = 0;
  for (int y = middle - 4; y < middle + 4; ++y)
    for (int x = detail::EditorView::kScaleYWidth - 16; x < detail::EditorView::kScaleYWidth - 6; ++x, ++all)
      scaleColoured += PixelAt(x, y) == editor->Colors()->Scales();
  EXPECT_GT(scaleColoured, all / 3);
}

}  // namespace
