#pragma once
// The published properties and item handlers both themed menus have, on
// top of the platform's popup or main menu. The menus are always
// owner-drawn: every item gets the menu's measure and draw handlers.

#include <memory>
#include <string>

#include "platform/framework/Menus.h"
#include "skin/ZELMenu.h"
#include "skin/ZELMgr.h"

template <class TBaseMenu>
class TzelThemedMenu : public TBaseMenu {
 public:
  explicit TzelThemedMenu(TComponent* owner) : TBaseMenu(owner) {
    TBaseMenu::SetOwnerDraw(true);
    look_.uiStyle = GetOwnerUIStyle(owner);
    using M = TzelThemedMenu;
    this->Publish("FileTheme", &M::FileTheme, &M::SetFileTheme);
    this->Publish("UIStyle", &M::UIStyle, &M::SetUIStyle);
    this->Publish("MenuItemHeight", &M::MenuItemHeight, &M::SetMenuItemHeight);
    this->Publish("SeparatorHeight", &M::SeparatorHeight, &M::SetSeparatorHeight);
    this->Publish("BarWidth", &M::BarWidth, &M::SetBarWidth);
    this->Publish("BarColor", &M::BarColor, &M::SetBarColor);
    this->Publish("BarToColor", &M::BarToColor, &M::SetBarToColor);
    this->Publish("Color", &M::Color, &M::SetColor);
    this->Publish("SeparatorColor", &M::SeparatorColor, &M::SetSeparatorColor);
    this->Publish("SelectedBorderColor", &M::SelectedBorderColor, &M::SetSelectedBorderColor);
    this->Publish("SelectedColor", &M::SelectedColor, &M::SetSelectedColor);
    this->Publish("SelectedFontColor", &M::SelectedFontColor, &M::SetSelectedFontColor);
    this->Publish("FontColor", &M::FontColor, &M::SetFontColor);
    this->Publish("BorderColor", &M::BorderColor, &M::SetBorderColor);
    this->Publish("FlatMenu", &M::FlatMenu, &M::SetFlatMenu);
    this->Publish("FontName", &M::FontName, &M::SetFontName);
    this->Publish("FontSize", &M::FontSize, &M::SetFontSize);
    this->Publish("FontCharset", &M::FontCharset, &M::SetFontCharset);
    this->Publish("UseSystemFont", &M::UseSystemFont, &M::SetUseSystemFont);
    ApplyMenuLook(look_);
  }
  ~TzelThemedMenu() override {
    this->Destroying();  // no OnChange while the look and items go
    *self_ = nullptr;
  }

  // Writing is ignored: the items always draw themselves.
  void SetOwnerDraw(bool) override {}

  TzelFileTheme* FileTheme() const { return look_.fileTheme; }
  void SetFileTheme(TzelFileTheme* value) {
    if (look_.fileTheme) look_.fileTheme->RemoveFreeNotification(this);
    look_.fileTheme = value;
    if (value) value->FreeNotification(this);
    ApplyMenuLook(look_);
  }
  TzelUIStyle UIStyle() const { return look_.uiStyle; }
  void SetUIStyle(TzelUIStyle value) {
    look_.uiStyle = value;
    ApplyMenuLook(look_);
  }

  int MenuItemHeight() const { return look_.menuItemHeight; }
  void SetMenuItemHeight(int value) {
    if (TakesMenuItemHeight()) look_.menuItemHeight = value;
  }
  // The MacOS look keeps its own separator height.
  int SeparatorHeight() const { return look_.separatorHeight; }
  void SetSeparatorHeight(int value) {
    if (look_.uiStyle != MacOS) look_.separatorHeight = value;
  }
  int BarWidth() const { return look_.barWidth; }
  void SetBarWidth(int value) { look_.barWidth = value; }
  TColor BarColor() const { return look_.barColor; }
  void SetBarColor(TColor value) { look_.barColor = value; }
  TColor BarToColor() const { return look_.barToColor; }
  void SetBarToColor(TColor value) { look_.barToColor = value; }
  TColor Color() const { return look_.color; }
  void SetColor(TColor value) { look_.color = value; }
  TColor SeparatorColor() const { return look_.separatorColor; }
  void SetSeparatorColor(TColor value) { look_.separatorColor = value; }
  TColor SelectedBorderColor() const { return look_.selectedBorderColor; }
  void SetSelectedBorderColor(TColor value) { look_.selectedBorderColor = value; }
  TColor SelectedColor() const { return look_.selectedColor; }
  void SetSelectedColor(TColor value) { look_.selectedColor = value; }
  TColor SelectedFontColor() const { return look_.selectedFontColor; }
  void SetSelectedFontColor(TColor value) { look_.selectedFontColor = value; }
  TColor FontColor() const { return look_.fontColor; }
  void SetFontColor(TColor value) { look_.fontColor = value; }
  TColor BorderColor() const { return look_.borderColor; }
  void SetBorderColor(TColor value) { look_.borderColor = value; }
  bool FlatMenu() const { return look_.flatMenu; }
  void SetFlatMenu(bool value) { look_.flatMenu = value; }
  std::string FontName() const { return look_.fontName; }
  void SetFontName(const std::string& value) { look_.fontName = value; }
  int FontSize() const { return look_.fontSize; }
  void SetFontSize(int value) { look_.fontSize = value; }
  TFontCharset FontCharset() const { return look_.fontCharset; }
  void SetFontCharset(TFontCharset value) { look_.fontCharset = value; }
  bool UseSystemFont() const { return look_.useSystemFont; }
  virtual void SetUseSystemFont(bool value) { look_.useSystemFont = value; }

  // The item handlers.
  void MeasureItem(TObject* sender, TCanvas* canvas, int& width, int& height) {
    if (auto* item = dynamic_cast<TMenuItem*>(sender); item && canvas)
      MeasureMenuItem(look_, *item, *canvas, width, height);
  }
  void DrawItem(TObject* sender, TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item || !canvas) return;
    TzelMenuItemPaint paint{item, this->TMenu::Images(), CheckImages(), MenuDrawsRightToLeft(this->BiDiMode())};
    DrawMenuItem(look_, paint, *canvas, rect, state);
  }

  void Loaded() override {
    TBaseMenu::Loaded();
    GiveHandlers(this->Items());
  }

  void Notification(TComponent* component, TOperation operation) override {
    TBaseMenu::Notification(component, operation);
    if (operation == opInsert) {
      if (auto* item = dynamic_cast<TMenuItem*>(component)) GiveHandlers(item);
    } else if (component == look_.fileTheme) {
      look_.fileTheme = nullptr;
      SetUIStyle(DeepBlue);
    }
  }

  // Items put into the menu later draw themselves too, whoever owns them.
  void MenuChanged(TMenuItem* item) override {
    TBaseMenu::MenuChanged(item);
    GiveHandlers(item ? item : this->Items());
  }

 protected:
  virtual bool TakesMenuItemHeight() const = 0;
  // The list holding the check mark at index 0.
  virtual TImageList* CheckImages() const = 0;

  // The handlers outlive the menu on items it gave away; they then do nothing.
  void GiveHandlers(TMenuItem* item) {
    auto self = self_;
    SetMenuItemDrawEvents(
        item,
        [self](TObject* s, TCanvas* c, int& w, int& h) {
          if (*self) (*self)->MeasureItem(s, c, w, h);
        },
        [self](TObject* s, TCanvas* c, const TRect& r, TOwnerDrawState st) {
          if (*self) (*self)->DrawItem(s, c, r, st);
        });
  }

  TzelMenuLook look_;

 private:
  std::shared_ptr<TzelThemedMenu*> self_ = std::make_shared<TzelThemedMenu*>(this);
};
