#pragma once
// A headless window system per test, with every form freed at the end.

#include <gtest/gtest.h>

#include "platform/framework/Forms.h"
#include "platform/win/Headless.h"

class HeadlessFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitWindowSystem(TBackendKind::Headless);
    HeadlessSetScreen(Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 740));
    Application->SetTitle("Test");
  }
  void TearDown() override {
    Application->DestroyForms();
    ShutdownWindowSystem();
  }

  // A visible form at a known place, shown and active.
  TForm* ShownForm(int width = 300, int height = 200) {
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, width, height);
    form->Show();
    HeadlessPumpUntilIdle();
    return form;
  }

  static TPoint ScreenPointOf(TControl* control, int x, int y) { return control->ClientToScreen({x, y}); }
};

// A custom control that paints itself in one colour.
class TSolidControl : public TCustomControl {
 public:
  explicit TSolidControl(TComponent* owner, TColor color = clRed) : TCustomControl(owner) {
    SetColor(color);
    SetTabStop(true);
  }
  std::string ClassName() const override { return "TSolidControl"; }
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};
