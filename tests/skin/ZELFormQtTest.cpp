// The form frame on a real X display: the window is as large as the form,
// its right edge sizes it and its region follows, and maximizing lays it
// over the work area.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Region.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELPublic.h"

namespace {

void PumpFor(int ms, const std::function<bool()>& until = {}) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    Application->ProcessMessages();
    if (until && until()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

TRect RegionBox(HWND window) {
  TRgn region;
  GetWindowRgn(window, &region);
  return region.BoundingBox();
}

}  // namespace

TEST(FormFrameQtTest, ARealWindowSizesByItsEdgeAndMaximizesOverTheWorkArea) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "No X display: run under scripts/test, which starts Xvfb";
  if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool is missing";
  ShutdownWindowSystem();
  try {
    InitWindowSystem(TBackendKind::Qt);
  } catch (const Exception& e) {
    GTEST_SKIP() << e.Message();
  }
  if (WindowSystemBackend() != TBackendKind::Qt) {
    ShutdownWindowSystem();
    GTEST_SKIP() << "The backend is forced to headless";
  }
  RegisterSkinResources();
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(100, 100, 400, 240);
  auto* frame = new TzelForm(form);
  frame->SetUIStyle(WinXP);
  form->Show();
  PumpFor(500);
  EXPECT_EQ(RegionBox(form->Handle()), Rect(0, 0, 400, 240));

  // A drag on the right edge widens the window.
  const TPoint edge{form->Left() + form->Width() - 2, form->Top() + form->Height() / 2};
  const std::string command = "xdotool mousemove " + std::to_string(edge.X) + " " + std::to_string(edge.Y) +
                              " sleep 0.2 mousedown 1 sleep 0.2 mousemove " + std::to_string(edge.X + 60) + " " +
                              std::to_string(edge.Y) + " sleep 0.2 mouseup 1";
  std::thread dragger([command] { std::system(command.c_str()); });
  PumpFor(3000, [&] { return form->Width() == 460; });
  dragger.join();
  PumpFor(200);
  EXPECT_EQ(form->Width(), 460);
  EXPECT_EQ(RegionBox(form->Handle()), Rect(0, 0, form->Width(), form->Height()));

  form->SetWindowState(wsMaximized);
  PumpFor(1000, [&] { return form->BoundsRect() == MaximizedFormBounds(); });
  EXPECT_EQ(form->BoundsRect(), MaximizedFormBounds());
  EXPECT_EQ(RegionBox(form->Handle()), Rect(0, 0, form->Width(), form->Height()));
  form->SetWindowState(wsNormal);
  PumpFor(1000, [&] { return form->Width() == 460; });
  EXPECT_EQ(form->Width(), 460);
  Application->DestroyForms();
  ShutdownWindowSystem();
}
