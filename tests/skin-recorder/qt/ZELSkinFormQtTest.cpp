// A form shaped by its glyph on the X display: the glyph shows inside the
// shape, and the desktop shows through where the glyph is transparent.

#include <gtest/gtest.h>

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/WinApi.h"
#include "skin-recorder/ZELSkinForm.h"

namespace {

void PumpFor(int ms, const std::function<bool()>& until) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
    if (until()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

QImage GrabScreen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

bool IsGreen(const QImage& screen, int x, int y) {
  QColor c = screen.pixelColor(x, y);
  return c.green() > 200 && c.red() < 50 && c.blue() < 50;
}

bool IsMagenta(const QImage& screen, int x, int y) {
  QColor c = screen.pixelColor(x, y);
  return c.red() > 200 && c.green() < 50 && c.blue() > 200;
}

class SkinFormOnDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "No X display: run under scripts/test, which starts Xvfb";
    setenv("VELMORA_BACKEND", "qt", 1);
    try {
      InitWindowSystem(TBackendKind::Qt);
    } catch (const EOSError& e) {
      GTEST_SKIP() << e.Message();
    }
  }
  void TearDown() override {
    if (WindowSystemBackend() != TBackendKind::Qt) return;
    Application->DestroyForms();
    ShutdownWindowSystem();
  }
};

}  // namespace

TEST_F(SkinFormOnDisplay, WindowTakesTheGlyphsShape) {
  // Green with a magenta notch 40 pixels wide cut from its top-left.
  TBitmap glyph(200, 120);
  glyph.Canvas()->Brush()->SetColor(clLime);
  glyph.Canvas()->FillRect({0, 0, 200, 120});
  glyph.Canvas()->Brush()->SetColor(TColor(0xFF00FF));
  glyph.Canvas()->FillRect({0, 0, 40, 40});

  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* skin = new TzelSkinForm(form);
  skin->SetParent(form);
  skin->SetGlyph(&glyph);
  form->SetLeft(150);
  form->SetTop(150);
  form->Show();
  PumpFor(3000, [] { return IsGreen(GrabScreen(), 250, 210); });

  const QImage screen = GrabScreen();
  EXPECT_TRUE(IsGreen(screen, 250, 210)) << "the glyph shows";
  EXPECT_TRUE(IsGreen(screen, 195, 155)) << "right of the notch";
  EXPECT_FALSE(IsMagenta(screen, 170, 170)) << "the notch is cut out of the window";
  EXPECT_FALSE(IsMagenta(screen, 155, 155));
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(form->Height(), 120);
}
