#include "FormTestSupport.h"
#include "platform/framework/Labels.h"
#include "platform/framework/Panels.h"

namespace {

TColor PixelAt(HWND top, int x, int y) {
  const TBitmap* surface = HeadlessPresentedSurface(top);
  if (!surface || y < 0 || y >= surface->Height() || x < 0 || x >= surface->Width()) return CLR_INVALID;
  const std::uint8_t* p = surface->ScanLine(y) + x * surface->BytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

// Paints what lies behind it on its parent, the way skinned controls that
// look transparent do: into an off-screen bitmap, then onto itself.
class TSeeThrough : public TCustomControl {
 public:
  explicit TSeeThrough(TComponent* owner) : TCustomControl(owner) {}

 protected:
  void Paint() override {
    TBitmap buffer(Width(), Height());
    HDC dc = buffer.Canvas()->Handle();
    TWinControl* parent = Parent();
    int saved = SaveDC(dc);
    TPoint origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.X - Left(), origin.Y - Top(), nullptr);
    IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), dc, 0, 0, SRCCOPY);
  }
};

// A control painted by the default procedure, with a frame drawn over it
// and over its margin afterwards.
class TFramedNative : public TWinControl {
 public:
  explicit TFramedNative(TComponent* owner) : TWinControl(owner) {}
  int overPaints = 0;

 protected:
  void PaintOverNative(TCanvas& window) override {
    ++overPaints;
    TRect r;
    GetWindowRect(Handle(), &r);
    window.Brush()->SetColor(clLime);
    window.FrameRect(Rect(0, 0, r.Width(), r.Height()));
  }
};

class PaintTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(300, 200);
    form->SetColor(clBlue);
  }
  TForm* form = nullptr;
};

TEST_F(PaintTest, ControlsPaintIntoTheFormsSurface) {
  auto* box = new TSolidControl(form, clRed);
  box->SetBounds(10, 10, 40, 40);
  box->SetParent(form);
  auto* label = new TCustomLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(100, 10, 60, 20);
  label->SetColor(clGreen);
  label->SetParent(form);
  form->OnPaint = [this](TObject*) {
    form->Canvas()->Brush()->SetColor(clYellow);
    form->Canvas()->FillRect(Rect(200, 100, 210, 110));
  };
  HeadlessPumpUntilIdle();
  HWND h = form->Handle();
  EXPECT_EQ(PixelAt(h, 5, 5), clBlue);
  EXPECT_EQ(PixelAt(h, 20, 20), clRed);
  EXPECT_EQ(PixelAt(h, 101, 11), clGreen);
  EXPECT_EQ(PixelAt(h, 205, 105), clYellow);
  EXPECT_EQ(PixelAt(h, 99, 11), clBlue);

  box->SetDoubleBuffered(true);
  box->SetColor(clFuchsia);
  int before = box->paints;
  HeadlessPumpUntilIdle();
  EXPECT_EQ(box->paints, before + 1);
  EXPECT_EQ(PixelAt(h, 20, 20), clFuchsia);
  EXPECT_EQ(PixelAt(h, 49, 49), clFuchsia);
}

TEST_F(PaintTest, AChildShowsItsParentsPixelsWithoutTheOtherWindowedChildren) {
  auto* panel = new TCustomPanel(form);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(clYellow);
  panel->SetBounds(20, 20, 200, 150);
  panel->SetParent(form);
  auto* label = new TCustomLabel(form);
  label->SetAutoSize(false);
  label->SetColor(clGreen);
  label->SetBounds(50, 50, 30, 30);
  label->SetParent(panel);
  auto* sibling = new TSolidControl(form, clRed);
  sibling->SetBounds(90, 50, 30, 70);
  sibling->SetParent(panel);
  auto* glass = new TSeeThrough(form);
  glass->SetBounds(40, 40, 100, 60);
  glass->SetParent(panel);
  glass->BringToFront();
  HeadlessPumpUntilIdle();
  HWND h = form->Handle();
  // In form coordinates: the panel starts at (20, 20), the glass at (60, 60).
  EXPECT_EQ(PixelAt(h, 61, 61), clYellow);   // the panel's background
  EXPECT_EQ(PixelAt(h, 75, 75), clGreen);    // the label painted on the panel
  EXPECT_EQ(PixelAt(h, 115, 75), clYellow);  // not the red sibling window
  EXPECT_EQ(PixelAt(h, 115, 125), clRed);    // which shows below the glass
}

TEST_F(PaintTest, APanelDrawsItsBevelsAroundItsColour) {
  auto* panel = new TCustomPanel(form);
  panel->SetColor(clSilver);
  panel->SetBevelInner(bvLowered);
  panel->SetBounds(10, 10, 100, 50);
  panel->SetParent(form);
  HeadlessPumpUntilIdle();
  HWND h = form->Handle();
  EXPECT_EQ(PixelAt(h, 10, 10), ColorToRGB(clBtnHighlight));  // raised outside
  EXPECT_EQ(PixelAt(h, 109, 59), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(h, 11, 11), ColorToRGB(clBtnShadow));  // lowered inside
  EXPECT_EQ(PixelAt(h, 108, 58), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(h, 60, 35), clSilver);
}

TEST_F(PaintTest, AHookDrawsOverANativeControlAndItsMargin) {
  auto* native = new TFramedNative(form);
  native->SetColor(clWhite);
  native->SetBorderWidth(3);
  native->SetBounds(10, 10, 50, 40);
  native->SetParent(form);
  native->Invalidate();
  HeadlessPumpUntilIdle();
  HWND h = form->Handle();
  EXPECT_GT(native->overPaints, 0);
  EXPECT_EQ(PixelAt(h, 10, 10), clLime);  // the frame on the window's edge
  EXPECT_EQ(PixelAt(h, 59, 49), clLime);
  EXPECT_EQ(PixelAt(h, 11, 11), clWhite);  // the margin in the control's colour
  EXPECT_EQ(PixelAt(h, 30, 30), clWhite);  // the client erased in it
}

}  // namespace
