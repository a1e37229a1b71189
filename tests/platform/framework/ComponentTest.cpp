#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/Component.h"

namespace {

enum TLook { lkPlain, lkDeep, lkGlass };

std::vector<std::string> log;

class TThemeHolder : public TComponent {
 public:
  explicit TThemeHolder(TComponent* owner) : TComponent(owner) {
    Publish("Caption", &TThemeHolder::Caption, &TThemeHolder::SetCaption);
    Publish("Look", &TThemeHolder::Look, &TThemeHolder::SetLook);
    Publish("Size", &TThemeHolder::Size, &TThemeHolder::SetSize);
    Publish("Ready", &TThemeHolder::Ready, &TThemeHolder::SetReady);
    Publish("FileTheme", &TThemeHolder::FileTheme, &TThemeHolder::SetFileTheme);
    PublishReadOnly("Version", &TThemeHolder::Version);
    DefineStoredProperty(
        "SkinData", [this](const TBytes& data) { skinData = data; log.push_back(Name() + " skin"); },
        [this] { return skinData; });
  }
  ~TThemeHolder() override { log.push_back("free " + Name()); }
  std::string ClassName() const override { return "TzelThemeHolder"; }

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& v) {
    caption_ = v;
    log.push_back(Name() + " caption");
  }
  TLook Look() const { return look_; }
  void SetLook(TLook v) { look_ = v; }
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; }
  bool Ready() const { return ready_; }
  void SetReady(bool v) { ready_ = v; }
  TThemeHolder* FileTheme() const { return theme_; }
  void SetFileTheme(TThemeHolder* theme) {
    if (theme_) theme_->RemoveFreeNotification(this);
    theme_ = theme;
    if (theme) theme->FreeNotification(this);
    log.push_back(Name() + " theme " + (theme ? theme->Name() : "none") + (IsLoading() ? " loading" : ""));
  }
  std::string Version() const { return "6.22"; }

  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == theme_) theme_ = nullptr;
    if (operation == opRemove) log.push_back(Name() + " hears removal of " + component->Name());
  }
  void Loaded() override {
    TComponent::Loaded();
    log.push_back(Name() + " loaded");
  }

  TBytes skinData;

 private:
  std::string caption_;
  TLook look_ = lkPlain;
  int size_ = 0;
  bool ready_ = false;
  TThemeHolder* theme_ = nullptr;
};

class TPlain : public TComponent {
 public:
  using TComponent::TComponent;
};

TEST(ComponentTest, OwnerKeepsCreationOrderAndFreesNewestFirst) {
  log.clear();
  auto* root = new TPlain(nullptr);
  auto* a = new TThemeHolder(root);
  a->SetName("a");
  auto* b = new TThemeHolder(root);
  b->SetName("b");
  EXPECT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(0), a);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(root->FindComponent("B"), b);  // names compare without case
  EXPECT_THROW(b->SetName("A"), EComponentError);
  EXPECT_THROW(b->SetName("2bad name"), EComponentError);
  EXPECT_EQ(b->Name(), "b");
  delete root;
  EXPECT_EQ(log, (std::vector<std::string>{"a hears removal of b", "free b", "free a"}));
}

TEST(ComponentTest, FreeNotificationReachesComponentsOfOtherOwners) {
  log.clear();
  TPlain first(nullptr), second(nullptr);
  auto* theme = new TThemeHolder(&first);
  theme->SetName("theme");
  auto* user = new TThemeHolder(&second);
  user->SetName("user");
  user->SetFileTheme(theme);
  delete theme;
  EXPECT_EQ(user->FileTheme(), nullptr);
  log.clear();
  delete user;  // no stale link back to the freed theme
  EXPECT_EQ(log, (std::vector<std::string>{"free user"}));
}

TEST(ComponentTest, PublishedPropertiesByName) {
  TPlain root(nullptr);
  auto* holder = new TThemeHolder(&root);
  auto* theme = new TThemeHolder(&root);
  EXPECT_TRUE(holder->HasProperty("FileTheme"));
  EXPECT_TRUE(holder->HasProperty("filetheme"));
  EXPECT_FALSE(holder->HasProperty("UIStyle"));
  EXPECT_FALSE(root.HasProperty("FileTheme"));
  EXPECT_TRUE(root.HasProperty("Name"));

  holder->SetProp("Caption", "Hello");
  holder->SetProp("Look", lkGlass);
  holder->SetProp("Size", 42);
  holder->SetProp("Ready", true);
  holder->SetProp<TComponent*>("FileTheme", theme);
  EXPECT_EQ(holder->GetProp<std::string>("Caption"), "Hello");
  EXPECT_EQ(holder->GetProp<TLook>("Look"), lkGlass);
  EXPECT_EQ(holder->GetProp<int>("Size"), 42);
  EXPECT_TRUE(holder->GetProp<bool>("Ready"));
  EXPECT_EQ(holder->GetProp<TThemeHolder*>("FileTheme"), theme);
  EXPECT_EQ(holder->GetProp<std::string>("Version"), "6.22");

  holder->SetProp<TComponent*>("FileTheme", nullptr);
  EXPECT_EQ(holder->FileTheme(), nullptr);

  EXPECT_THROW(holder->SetProp("Size", "many"), EPropertyError);
  EXPECT_THROW(holder->SetProp<TComponent*>("FileTheme", &root), EPropertyError);  // not a theme
  EXPECT_THROW(holder->GetProp<int>("Caption"), EPropertyError);
  EXPECT_THROW(holder->SetProp("Version", "7"), EPropertyError);
  EXPECT_THROW(holder->GetPropValue("Missing"), EPropertyError);
  EXPECT_EQ(holder->GetProp<int>("Size"), 42);  // a refused value changes nothing

  std::vector<std::string> names;
  for (const TPropInfo& p : holder->PublishedProperties()) names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Caption", "Look", "Size", "Ready", "FileTheme",
                                             "Version"}));
}

TEST(ComponentTest, LoaderSetsPropertiesInOrderAndFixesUpNamesBeforeLoaded) {
  log.clear();
  TPlain root(nullptr);
  root.SetName("frmMain");
  {
    TComponentLoader loader(&root);
    auto* user = loader.Create<TThemeHolder>("user");
    loader.Set(user, "Caption", "x");
    loader.SetReference(user, "FileTheme", "theme");  // created further down
    auto* theme = loader.Create<TThemeHolder>("theme");
    loader.SetStored(theme, "SkinData", TBytes{1, 2, 3});
    EXPECT_TRUE(user->IsLoading());
    loader.End();
    EXPECT_EQ(user->FileTheme(), theme);
    EXPECT_FALSE(user->IsLoading());
    EXPECT_FALSE(root.IsLoading());
    EXPECT_EQ(theme->WriteStoredProperty("SkinData"), (TBytes{1, 2, 3}));
  }
  EXPECT_EQ(log, (std::vector<std::string>{"user caption", "theme skin", "user theme theme loading",
                                           "user loaded", "theme loaded"}));
}

TEST(ComponentTest, LoaderReachesOtherRootsAndRejectsUnknownNames) {
  TPlain main(nullptr);
  main.SetName("frmMain");
  auto* theme = new TThemeHolder(&main);
  theme->SetName("zelTheme1");
  RegisterGlobalComponent(&main);

  TPlain dialog(nullptr);
  dialog.SetName("frmDialog");
  TComponentLoader loader(&dialog);
  auto* user = loader.Create<TThemeHolder>("user");
  loader.SetReference(user, "FileTheme", "frmMain.zelTheme1");
  loader.End();
  EXPECT_EQ(user->FileTheme(), theme);

  TPlain broken(nullptr);
  TComponentLoader badLoader(&broken);
  auto* lost = badLoader.Create<TThemeHolder>("lost");
  badLoader.SetReference(lost, "FileTheme", "nowhere");
  EXPECT_THROW(badLoader.End(), EReadError);
  EXPECT_FALSE(lost->IsLoading());
  EXPECT_THROW(badLoader.SetReference(lost, "NoSuchProperty", "x"), EPropertyError);
  EXPECT_THROW(lost->ReadStoredProperty("Other", {}), EPropertyError);
  UnregisterGlobalComponent(&main);
}

}  // namespace
