#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/ControlMessages.h"
#include "platform/os/ShellOpen.h"
#include "skin/ZELURLLabel.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

// Records what would have been opened instead of starting a program.
class TRecordingOpener : public IShellOpener {
 public:
  bool Open(const std::string& target, TLaunchFailed) override {
    opened.push_back(target);
    return true;
  }
  std::vector<std::string> opened;
};

class URLLabel : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    SetShellOpener(&opener);
    form = ShownForm(200, 100);
    label = new TzelURLLabel(form);
    label->SetParent(form);
    label->OnClick = [this](TObject*) { ++clicks; };
  }
  void TearDown() override {
    SetShellOpener(nullptr);
    HeadlessFormsTest::TearDown();
  }
  TRecordingOpener opener;
  TForm* form = nullptr;
  TzelURLLabel* label = nullptr;
  int clicks = 0;
};

}  // namespace

TEST_F(URLLabel, NewLabelLooksLikeALink) {
  EXPECT_EQ(label->ClassName(), "TzelURLLabel");
  EXPECT_TRUE(label->Font()->Style() & fsUnderline);
  EXPECT_EQ(label->Font()->Color(), TColor(0xFF0000));
  EXPECT_EQ(label->Cursor(), crHandPoint);
  EXPECT_TRUE(label->AutoSize());
  EXPECT_FALSE(label->Caption().empty());
  EXPECT_FALSE(label->URL().empty());
  for (const char* name : {"URL", "FontHoverColor", "FontLinkColor", "Caption", "WordWrap"})
    EXPECT_TRUE(label->HasProperty(name)) << name;
}

TEST_F(URLLabel, ClickOpensTheAddressThenFiresOnClick) {
  label->SetURL("  https://example.org/page  ");
  label->Click();
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0], "https://example.org/page");
  EXPECT_EQ(clicks, 1);
}

TEST_F(URLLabel, BlankAddressOpensNothingButStillClicks) {
  label->SetURL("   ");
  label->Click();
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_EQ(clicks, 1);
}

TEST_F(URLLabel, ClickByMouseOpensTheAddress) {
  label->SetBounds(10, 10, 80, 20);
  label->SetURL("https://example.org/");
  HeadlessMouseMove(ScreenPointOf(label, 5, 5));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(label->Font()->Color(), TColor(0x0000FF));
  HeadlessClick(ScreenPointOf(label, 5, 5));
  HeadlessPumpUntilIdle();
  EXPECT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(clicks, 1);
}

TEST_F(URLLabel, HoverColoursFollowTheMouse) {
  label->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(label->Font()->Color(), TColor(0x0000FF));
  // A new hover colour waits for the next entry.
  label->SetFontHoverColor(0x00FF00);
  EXPECT_EQ(label->Font()->Color(), TColor(0x0000FF));
  label->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(label->Font()->Color(), TColor(0xFF0000));
  label->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(label->Font()->Color(), TColor(0x00FF00));

  label->SetFontLinkColor(0x123456);
  EXPECT_EQ(label->Font()->Color(), TColor(0x123456));
  label->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(label->Font()->Color(), TColor(0x123456));
}
