#pragma once
// A platform control dressed through a theme link: it publishes UIStyle,
// FileTheme and BorderColor, and hands the link each of its messages,
// its window's creation and the end of its loading. Controls with
// companions publish them themselves (the list box has one, the list
// view and memo two) through Link().

#include "skin/ZELThemeLink.h"

template <class Base>
class TzelThemed : public Base {
 public:
  explicit TzelThemed(TComponent* owner) : Base(owner), link_(*this) {
    this->Publish("UIStyle", &TzelThemed::UIStyle, &TzelThemed::SetUIStyle);
    this->Publish("FileTheme", &TzelThemed::FileTheme, &TzelThemed::SetFileTheme);
    this->Publish("BorderColor", &TzelThemed::BorderColor, &TzelThemed::SetBorderColor);
  }

  TzelUIStyle UIStyle() const { return link_.UIStyle(); }
  void SetUIStyle(TzelUIStyle value) { link_.SetUIStyle(value); }
  TzelFileTheme* FileTheme() const { return link_.FileTheme(); }
  void SetFileTheme(TzelFileTheme* value) { link_.SetFileTheme(value); }
  TColor BorderColor() const { return link_.BorderColor(); }
  void SetBorderColor(TColor value) { link_.SetBorderColor(value); }

  void WndProc(TMessage& message) override {
    link_.BeforeMessage(message);
    Base::WndProc(message);
    link_.AfterMessage(message);
  }
  void Loaded() override {
    Base::Loaded();
    link_.Loaded();
  }

 protected:
  void CreateWnd() override {
    Base::CreateWnd();
    link_.WindowCreated();
  }
  TzelThemeLink& Link() { return link_; }
  const TzelThemeLink& Link() const { return link_; }

 private:
  TzelThemeLink link_;
};
