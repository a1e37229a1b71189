#include <gtest/gtest.h>

#include <vector>

#include "SkinFixtures.h"
#include "platform/framework/ControlMessages.h"
#include "platform/gfx/Bitmap.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"
#include "platform/os/Guid.h"
#include "platform/win/WinMessages.h"
#include "skin/ZELMgr.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

// Group indexes of the items below.
constexpr int kFormColor = 2;       // SKIN2_FORMCOLOR
constexpr int kButtonBitmap = 15;   // SKIN2_BUTTON
constexpr int kButtonTrans = 5;     // SKIN2_BUTTONTRANS
constexpr int kTitleButtonX = 3;    // SKIN2_TITLEBARBUTTONPOSX

std::vector<TItem> ThemeItems(std::uint32_t formColor) {
  return {IntegerItem("SKIN2_FORMCOLOR", static_cast<std::int32_t>(formColor)),
          BitmapItem("SKIN2_BUTTON", 30, 21, 0x336699), IntegerItem("SKIN2_TITLEBARBUTTONPOSX", -4),
          FlagItem("SKIN2_BUTTONTRANS", true)};
}

// A component publishing FileTheme under a chosen class name; it logs
// every write and drops its reference when the theme goes away.
class TThemeUser : public TComponent {
 public:
  TThemeUser(TComponent* owner, std::string className, std::vector<std::string>* log)
      : TComponent(owner), className_(std::move(className)), log_(log) {
    Publish("FileTheme", &TThemeUser::FileTheme, &TThemeUser::SetFileTheme);
  }
  ~TThemeUser() override { Destroying(); }
  std::string ClassName() const override { return className_; }
  TzelFileTheme* FileTheme() const { return theme_; }
  void SetFileTheme(TzelFileTheme* theme) {
    if (theme_) theme_->RemoveFreeNotification(this);
    theme_ = theme;
    if (theme_) theme_->FreeNotification(this);
    if (log_) log_->push_back(Name() + (theme ? "=theme" : "=nil"));
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == theme_) theme_ = nullptr;
  }

 private:
  std::string className_;
  std::vector<std::string>* log_;
  TzelFileTheme* theme_ = nullptr;
};

// Counts the frame recalculations SetWindowPos asks for.
class TFrameCountingForm : public TForm {
 public:
  using TForm::TForm;
  int frameRecalcs = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCCALCSIZE) ++frameRecalcs;
    TForm::WndProc(message);
  }
};

class ThemeComponents : public HeadlessFormsTest {
 protected:
  std::string ThemeFile(const std::string& name, std::uint32_t formColor = 0xE8E8E8,
                        const std::string& password = "") {
    return temp.Write(name, BuildThemeFile(ThemeItems(formColor), password));
  }
  std::vector<std::string> TempThemeFiles() {
    std::vector<std::string> found;
    for (const std::string& name : temp.Files())
      if (name.rfind("theme", 0) != 0) found.push_back(name);
    return found;
  }

  TPrivateTempFolder temp;
};

}  // namespace

TEST_F(ThemeComponents, SearchesTheValueThenBesideTheProgram) {
  TzelFileTheme theme(nullptr);
  EXPECT_FALSE(theme.IsReady());
  EXPECT_EQ(theme.GetColor(kFormColor), 0);

  const std::string path = ThemeFile("theme-a.zsk", 0x112233);
  theme.SetThemeFile(path);
  EXPECT_TRUE(theme.Ready());
  EXPECT_EQ(theme.ThemeFile(), path);
  EXPECT_EQ(theme.GetColor(kFormColor), 0x112233);
  EXPECT_EQ(theme.GetInteger(kTitleButtonX), -4);
  EXPECT_TRUE(theme.GetBool(kButtonTrans));
  EXPECT_EQ(theme.GetColor(21), -1);  // an item the file lacks

  // A bare name found beside the program: the full path is stored.
  const std::string bareName = NewGuidString() + ".zsk";
  const std::string besideProgram = GetProgramFolder() + bareName;
  const TBytesVec bytes = BuildThemeFile(ThemeItems(0x445566));
  ASSERT_TRUE(WriteFileAtomically(besideProgram, std::string(bytes.begin(), bytes.end())));
  theme.SetThemeFile("C:\\Themes\\" + bareName);
  DeleteFile(besideProgram);
  EXPECT_EQ(theme.ThemeFile(), besideProgram);
  EXPECT_TRUE(theme.Ready());
  EXPECT_EQ(theme.GetColor(kFormColor), 0x445566);

  // Found nowhere: path, readiness and items stay.
  theme.SetThemeFile(temp.Path() + "nowhere-" + NewGuidString() + ".zsk");
  EXPECT_EQ(theme.ThemeFile(), besideProgram);
  EXPECT_TRUE(theme.Ready());
  EXPECT_EQ(theme.GetColor(kFormColor), 0x445566);
}

TEST_F(ThemeComponents, ReloadRules) {
  TzelFileTheme theme(nullptr);
  const std::string path = ThemeFile("theme-a.zsk", 0x010203);
  theme.SetThemeFile(path);
  ASSERT_TRUE(theme.Ready());

  // The same path loads again: the file's new contents show.
  ThemeFile("theme-a.zsk", 0x0A0B0C);
  theme.SetThemeFile(path);
  EXPECT_EQ(theme.GetColor(kFormColor), 0x0A0B0C);

  // A damaged file: not ready, no items, no temporary file left behind.
  const std::string damaged = temp.Write("theme-bad.zsk", BytesOf("SK not really a theme"));
  theme.SetThemeFile(damaged);
  EXPECT_FALSE(theme.Ready());
  EXPECT_EQ(theme.ThemeFile(), damaged);
  EXPECT_EQ(theme.GetColor(kFormColor), 0);
  EXPECT_EQ(theme.GetBitmap(kButtonBitmap), nullptr);
  EXPECT_TRUE(TempThemeFiles().empty());

  // An encrypted theme loads once the password is set; an empty password
  // does not reload.
  const std::string locked = ThemeFile("theme-locked.zsk", 0x777777, "secret");
  theme.SetThemeFile(locked);
  EXPECT_FALSE(theme.Ready());
  theme.SetPassword("wrong");
  EXPECT_FALSE(theme.Ready());
  theme.SetPassword("secret");
  EXPECT_TRUE(theme.Ready());
  EXPECT_EQ(theme.GetColor(kFormColor), 0x777777);
  theme.SetThemeFile(path);  // unencrypted files load with a password set too
  EXPECT_TRUE(theme.Ready());
  theme.SetPassword("");
  EXPECT_EQ(theme.Password(), "");
  EXPECT_TRUE(theme.Ready());

  // Ready is written by loading only, also by name.
  theme.SetPropValue("Ready", false);
  EXPECT_TRUE(theme.Ready());
}

TEST_F(ThemeComponents, PublishesItsPropertiesInOrder) {
  TzelFileTheme theme(nullptr);
  std::vector<std::string> names;
  for (const TPropInfo& p : theme.PublishedProperties()) names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "ThemeFile", "Password", "Ready"}));
  TzelBuiltInFileTheme builtIn(nullptr);
  names.clear();
  for (const TPropInfo& p : builtIn.PublishedProperties()) names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "ThemeFile", "Password", "Ready"}));
  EXPECT_TRUE(builtIn.HasStoredProperty("SkinData"));
}

TEST_F(ThemeComponents, BitmapFramesCutPiecesOrCopyTheWhole) {
  TzelFileTheme theme(nullptr);
  TBitmap dest;
  theme.GetBitmapFrame(kButtonBitmap, &dest, 3, 2);  // no theme: stays empty
  EXPECT_EQ(dest.Width(), 0);
  theme.SetThemeFile(ThemeFile("theme-a.zsk"));
  theme.GetBitmapFrame(kButtonBitmap, &dest, 3, 2);
  EXPECT_EQ(dest.Width(), 10);
  EXPECT_EQ(dest.Height(), 21);
  theme.GetBitmapFrame(kButtonBitmap, &dest, 0, 0);
  EXPECT_EQ(dest.Width(), 30);
  theme.GetBitmapFrame(kButtonBitmap, &dest, 3, 0);  // a zero part means the whole bitmap
  EXPECT_EQ(dest.Width(), 30);
  theme.GetBitmapFrame(16, &dest, 3, 1);  // missing item: dest emptied, never a crash
  EXPECT_EQ(dest.Width(), 0);
  theme.GetBitmapFrame(kButtonBitmap, nullptr, 3, 1);
}

TEST_F(ThemeComponents, LoadingRefreshesTheFormsSkinnedControlsHoldingIt) {
  TForm* form = ShownForm();
  std::vector<std::string> log;
  auto* theme = new TzelFileTheme(form);
  auto* other = new TzelFileTheme(form);
  auto* skinned = new TThemeUser(form, "TzelButton", &log);
  skinned->SetName("Skinned");
  auto* foreign = new TThemeUser(form, "TButtonLike", &log);
  foreign->SetName("Foreign");
  auto* elsewhere = new TThemeUser(form, "TzelEdit", &log);
  elsewhere->SetName("Elsewhere");
  skinned->SetFileTheme(theme);
  foreign->SetFileTheme(theme);
  elsewhere->SetFileTheme(other);
  log.clear();

  theme->SetThemeFile(ThemeFile("theme-a.zsk"));
  EXPECT_EQ(log, (std::vector<std::string>{"Skinned=nil", "Skinned=theme"}));
  EXPECT_EQ(skinned->FileTheme(), theme);
  EXPECT_EQ(foreign->FileTheme(), theme);

  // A failed load refreshes nobody.
  log.clear();
  theme->SetThemeFile(temp.Write("theme-bad.zsk", BytesOf("garbage")));
  EXPECT_TRUE(log.empty());
}

TEST_F(ThemeComponents, ASkinnedFrameIsRemeasuredFromTheSecondAssignmentOn) {
  TFrameCountingForm* form = nullptr;
  Application->CreateForm(form);
  form->Show();
  HeadlessPumpUntilIdle();
  auto* theme = new TzelFileTheme(form);
  auto* frame = new TThemeUser(form, "TzelForm", nullptr);
  frame->SetFileTheme(theme);
  const std::string path = ThemeFile("theme-a.zsk");

  form->frameRecalcs = 0;
  theme->SetThemeFile(path);
  EXPECT_EQ(form->frameRecalcs, 0);
  theme->SetThemeFile(path);
  EXPECT_EQ(form->frameRecalcs, 1);

  // Not when the frame uses another theme.
  frame->SetFileTheme(nullptr);
  form->frameRecalcs = 0;
  theme->SetThemeFile(path);
  EXPECT_EQ(form->frameRecalcs, 0);
}

TEST_F(ThemeComponents, UsersDropTheThemeWhenItIsFreed) {
  TForm* form = ShownForm();
  auto* theme = new TzelFileTheme(form);
  auto* user = new TThemeUser(form, "TzelButton", nullptr);
  user->SetFileTheme(theme);
  theme->SetThemeFile(ThemeFile("theme-a.zsk"));
  theme->Free();
  EXPECT_EQ(user->FileTheme(), nullptr);

  // A user freed first is no longer visited when the theme reloads.
  auto* second = new TzelFileTheme(form);
  auto* gone = new TThemeUser(form, "TzelButton", nullptr);
  gone->SetFileTheme(second);
  gone->Free();
  second->SetThemeFile(ThemeFile("theme-b.zsk"));
  EXPECT_TRUE(second->Ready());
  // Freeing the form frees theme and user in either order.
  user->SetFileTheme(second);
  form->Free();
}

TEST(UsingFileThemeQuery, ThreeCases) {
  TzelUIStyle style = MacOS;
  // A built-in look: itself, false.
  EXPECT_FALSE(UsingFileTheme(nullptr, Protein, style));
  EXPECT_EQ(style, Protein);
  // A theme file without a ready theme: DeepBlue, false.
  TzelFileTheme notReady(nullptr);
  EXPECT_FALSE(UsingFileTheme(&notReady, FromThemeFile, style));
  EXPECT_EQ(style, DeepBlue);
  style = MacOS;
  EXPECT_FALSE(UsingFileTheme(nullptr, FromThemeFile, style));
  EXPECT_EQ(style, DeepBlue);
  // A ready theme: true, the look stays FromThemeFile.
  TPrivateTempFolder temp;
  TzelFileTheme ready(nullptr);
  ready.SetThemeFile(temp.Write("theme.zsk", BuildThemeFile(ThemeItems(0))));
  ASSERT_TRUE(ready.IsReady());
  EXPECT_TRUE(UsingFileTheme(&ready, FromThemeFile, style));
  EXPECT_EQ(style, FromThemeFile);
  EXPECT_FALSE(UsingFileTheme(&ready, WinXP, style));
  EXPECT_EQ(style, WinXP);
}
