// Menu items and the menu that holds the tree of them.

#include <algorithm>
#include <cctype>
#include <set>

#include "platform/framework/Forms.h"
#include "platform/framework/Menus.h"

namespace {

UINT NextCommand() {
  static UINT next = 0;
  next = next >= 0xFFFF ? 1 : next + 1;
  return next;
}

std::string StripAmpersands(const std::string& caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The character after a single "&", lower case (0 when none).
char HotkeyOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {
  Publish("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  Publish("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut);
  Publish("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
  Publish("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
  Publish("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex);
  Publish("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
  Publish("Default", &TMenuItem::Default, &TMenuItem::SetDefault);
  Publish("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
  Publish("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
  Publish("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  Publish("AutoHotkeys", &TMenuItem::AutoHotkeys, &TMenuItem::SetAutoHotkeys);
}

TMenuItem::~TMenuItem() {
  Clear();
  if (parent_) parent_->Remove(this);
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this);
}

void TMenuItem::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  shortCut_ = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  if (value && radioItem_ && parent_) {
    for (TMenuItem* sibling : parent_->items_)
      if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
  }
  Changed();
}

void TMenuItem::SetRadioItem(bool value) {
  radioItem_ = value;
  if (value && checked_) {
    checked_ = false;
    SetChecked(true);  // unchecks the rest of the group
  }
  Changed();
}

void TMenuItem::SetGroupIndex(int value) {
  groupIndex_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  // One default item per sub-menu.
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int value) {
  imageIndex_ = value;
  Changed();
}

bool TMenuItem::IsAutoHotkeys() const {
  if (autoHotkeys_ == maAutomatic) return true;
  if (autoHotkeys_ == maManual) return false;
  if (parent_) return parent_->IsAutoHotkeys();
  return menu_ && menu_->AutoHotkeys() == maAutomatic;
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int value) {
  if (!parent_) return;
  TMenuItem* parent = parent_;
  parent->items_.erase(parent->items_.begin() + MenuIndex());
  value = std::clamp(value, 0, parent->Count());
  parent->items_.insert(parent->items_.begin() + value, this);
  Changed();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) throw EInvalidOperation("A menu item cannot be nothing");
  if (item->parent_) throw EInvalidOperation("The menu item \"" + item->caption_ + "\" already has a parent");
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EInvalidOperation("A menu item cannot hold itself");
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  detail::MenuItemRemoved(this);
  Changed();
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = items_.at(static_cast<std::size_t>(index));
  Remove(item);
  delete item;
}

void TMenuItem::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
  std::string wanted = StripAmpersands(caption);
  for (TMenuItem* item : items_)
    if (EqualNoCase(StripAmpersands(item->caption_), wanted)) return item;
  return nullptr;
}

std::string TMenuItem::DisplayCaption() const {
  return autoCaption_.empty() ? caption_ : autoCaption_;
}

// Gives each sub-item without its own "&" the first letter of its caption
// that no sibling uses yet.
void TMenuItem::AssignHotkeys() {
  std::set<char> used;
  for (TMenuItem* item : items_) {
    item->autoCaption_.clear();
    if (char c = HotkeyOf(item->caption_)) used.insert(c);
  }
  for (TMenuItem* item : items_) {
    if (!item->IsAutoHotkeys() || item->IsLine() || HotkeyOf(item->caption_) || item->caption_.find('&') != std::string::npos)
      continue;
    const std::string& caption = item->caption_;
    for (std::size_t i = 0; i < caption.size(); ++i) {
      auto ch = static_cast<unsigned char>(caption[i]);
      if (!std::isalnum(ch)) continue;
      char lower = static_cast<char>(std::tolower(ch));
      if (used.count(lower)) continue;
      used.insert(lower);
      item->autoCaption_ = caption.substr(0, i) + "&" + caption.substr(i);
      break;
    }
  }
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::InitiateAction() { AssignHotkeys(); }

// ---- TMenu ------------------------------------------------------------------------

void InstallMenuKeyFilter();  // MainMenu.cpp

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
  InstallMenuKeyFilter();
  Publish("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
  Publish("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys);
}

TMenu::~TMenu() {
  Destroying();
  items_.reset();
}

void TMenu::SetImages(TImageList* images) {
  images_ = images;
  MenuChanged(nullptr);
}

void TMenu::SetAutoHotkeys(TMenuAutoFlag value) {
  autoHotkeys_ = value == maParent ? maAutomatic : value;
  MenuChanged(nullptr);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
}

void TMenu::MenuChanged(TMenuItem*) {
  // Items going with the menu are no change anyone can see.
  if (OnChange && !IsDestroying()) OnChange(this);
}

namespace {

TMenuItem* FindByShortCut(TMenuItem* parent, TShortCut shortCut) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (!item->Visible()) continue;
    if (item->ShortCut() == shortCut && !item->IsLine()) return item;
    if (TMenuItem* found = FindByShortCut(item, shortCut)) return found;
  }
  return nullptr;
}

TMenuItem* FindByCommand(TMenuItem* parent, UINT command) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (item->Command() == command) return item;
    if (TMenuItem* found = FindByCommand(item, command)) return found;
  }
  return nullptr;
}

}  // namespace

bool TMenu::IsShortCut(const TMessage& keyMessage) {
  if (keyMessage.Msg != WM_KEYDOWN && keyMessage.Msg != WM_SYSKEYDOWN) return false;
  auto key = static_cast<WORD>(keyMessage.WParam & 0xFF);
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if ((keyMessage.LParam & 0x20000000) || GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  TShortCut wanted = ::ShortCut(key, shift);
  TMenuItem* item = FindByShortCut(items_.get(), wanted);
  if (!item) return false;
  // A disabled branch leaves the key to the control.
  for (TMenuItem* p = item; p; p = p->Parent())
    if (!p->Enabled()) return false;
  item->Click();
  return true;
}

TMenuItem* TMenu::FindItem(UINT command) const { return FindByCommand(items_.get(), command); }

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command);
  if (!item) return false;
  item->Click();
  return true;
}
