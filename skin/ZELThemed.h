#pragma once
// Platform controls dressed through a theme link.
//
// TzelThemed publishes UIStyle and FileTheme and keeps them in its link;
// the control reads its pictures and colours in the link's OnApply.
// TzelFramed adds the painted frame in BorderColor and the companion
// scroll bars: it hands the link each message, its window's creation and
// the end of its loading. Controls with companions publish them
// themselves (the list box has one, the list view and memo two).

#include "skin/ZELThemeLink.h"

template <class Base>
class TzelThemed : public Base {
 public:
  explicit TzelThemed(TComponent* owner) : Base(owner), link_(*this) {
    this->Publish("UIStyle", &TzelThemed::UIStyle, &TzelThemed::SetUIStyle);
    this->Publish("FileTheme", &TzelThemed::FileTheme, &TzelThemed::SetFileTheme);
  }

  TzelUIStyle UIStyle() const { return link_.UIStyle(); }
  void SetUIStyle(TzelUIStyle value) { link_.SetUIStyle(value); }
  TzelFileTheme* FileTheme() const { return link_.FileTheme(); }
  void SetFileTheme(TzelFileTheme* value) { link_.SetFileTheme(value); }

 protected:
  TzelThemeLink& Link() { return link_; }
  const TzelThemeLink& Link() const { return link_; }
  TzelLookSource LookSource() const { return link_.Source(); }

 private:
  TzelThemeLink link_;
};

template <class Base>
class TzelFramed : public TzelThemed<Base> {
 public:
  explicit TzelFramed(TComponent* owner) : TzelThemed<Base>(owner) {
    this->Publish("BorderColor", &TzelFramed::BorderColor, &TzelFramed::SetBorderColor);
    this->Link().SetPaintsFrame(true);
  }

  TColor BorderColor() const { return this->Link().BorderColor(); }
  void SetBorderColor(TColor value) { this->Link().SetBorderColor(value); }

  void WndProc(TMessage& message) override {
    this->Link().BeforeMessage(message);
    Base::WndProc(message);
    this->Link().AfterMessage(message);
  }
  void Loaded() override {
    Base::Loaded();
    this->Link().Loaded();
  }

 protected:
  void CreateWnd() override {
    Base::CreateWnd();
    this->Link().WindowCreated();
  }
};
