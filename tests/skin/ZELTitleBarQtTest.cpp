// The title bar on a real X display: a drag on the caption moves the
// window, and the buttons maximize, restore, minimize and close it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "resources/Resources.h"
#include "skin/ZELTitleBar.h"

namespace {

void PumpFor(int ms, const std::function<bool()>& until = {}) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    Application->ProcessMessages();
    if (until && until()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

TEST(TitleBarQtTest, CaptionDragAndButtonsActOnARealWindow) {
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
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 100, 400, 200);
  auto* bar = new TzelTitleBar(form);
  bar->SetParent(form);
  bar->SetAlign(alTop);
  form->Show();
  PumpFor(500);

  // Drag from an empty part of the caption.
  const TPoint from = bar->ClientToScreen({150, 10});
  const std::string command = "xdotool mousemove " + std::to_string(from.X) + " " + std::to_string(from.Y) +
                              " sleep 0.2 mousedown 1 sleep 0.2 mousemove " + std::to_string(from.X + 40) + " " +
                              std::to_string(from.Y + 25) + " sleep 0.2 mouseup 1";
  std::thread dragger([command] { std::system(command.c_str()); });
  PumpFor(3000, [&] { return form->Left() == 140 && form->Top() == 125; });
  dragger.join();
  PumpFor(200);
  EXPECT_EQ(form->Left(), 140);
  EXPECT_EQ(form->Top(), 125);

  auto buttonOf = [bar](TzelTitleBarBtnType type) {
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
      if (bar->Buttons()->Items(i)->ButtonType() == type) return bar->Buttons()->Items(i);
    return static_cast<TzelTitleBarButton*>(nullptr);
  };
  buttonOf(zelMax)->DoClick();
  PumpFor(1000, [&] { return IsZoomed(form->Handle()); });
  EXPECT_TRUE(IsZoomed(form->Handle()));
  buttonOf(zelMax)->DoClick();
  PumpFor(1000, [&] { return !IsZoomed(form->Handle()); });
  EXPECT_FALSE(IsZoomed(form->Handle()));
  buttonOf(zelMin)->DoClick();
  PumpFor(1000, [&] { return IsIconic(form->Handle()) != 0; });
  EXPECT_TRUE(IsIconic(form->Handle()));
  form->SetWindowState(wsNormal);
  PumpFor(300);

  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  buttonOf(zelClose)->DoClick();
  EXPECT_EQ(closes, 1);
  Application->DestroyForms();
  ShutdownWindowSystem();
}
