#include "platform/framework/Component.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool IsIdentifier(const std::string& name) {
  if (name.empty()) return false;
  if (!(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

std::vector<TComponent*>& GlobalRoots() {
  static std::vector<TComponent*> roots;
  return roots;
}

}  // namespace

void detail::ThrowPropertyType(const std::string& name) {
  throw EPropertyError("Invalid property value type for \"" + name + "\"");
}

TComponent::TComponent(TComponent* owner) {
  Publish("Name", &TComponent::Name, &TComponent::SetName);
  Publish("Tag", &TComponent::Tag, &TComponent::SetTag);
  if (owner) owner->InsertComponent(this);
}

void TComponent::Free() {
  BeforeDestruction();
  delete this;
}

TComponent::~TComponent() {
  Destroying();
  // Everyone that asked hears of the end, then forgets us.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (state_ & csDestroying) return;
  state_ |= csDestroying;
  for (TComponent* c : components_) c->Destroying();
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& list = owner_->components_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component->name_.empty() && FindComponent(component->name_))
    throw EComponentError("A component named " + component->name_ + " already exists");
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  NotifyOwnerAndSiblings(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->owner_ != this) return;
  NotifyOwnerAndSiblings(component, opRemove);
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::NotifyOwnerAndSiblings(TComponent* component, TOperation operation) {
  Notification(component, operation);
  // A sibling may free others while it hears the news: walk a copy and
  // skip those that left.
  std::vector<TComponent*> siblings = components_;
  for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
    TComponent* sibling = *it;
    if (sibling == component) continue;
    if (std::find(components_.begin(), components_.end(), sibling) == components_.end()) continue;
    sibling->Notification(component, operation);
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    last->BeforeDestruction();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name))
    throw EComponentError("\"" + name + "\" is not a valid component name");
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + name + " already exists");
  }
  name_ = name;
}

void TComponent::SetDesigning(bool designing) {
  if (designing) state_ |= csDesigning;
  else state_ &= ~csDesigning;
  for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  Erase(freeNotifies_, component);
  Erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) {
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
  }
}

// ---- Published properties ------------------------------------------------------

void TComponent::PublishProperty(TPropInfo info) {
  for (TPropInfo& existing : properties_)
    if (SameText(existing.Name, info.Name)) {
      existing = std::move(info);
      return;
    }
  properties_.push_back(std::move(info));
}

bool TComponent::HasProperty(const std::string& name) const { return FindProperty(name) != nullptr; }

const TPropInfo* TComponent::FindProperty(const std::string& name) const {
  for (const TPropInfo& p : properties_)
    if (SameText(p.Name, name)) return &p;
  return nullptr;
}

TPropValue TComponent::GetPropValue(const std::string& name) const {
  const TPropInfo* p = FindProperty(name);
  if (!p) throw EPropertyError(ClassName() + " has no property \"" + name + "\"");
  return p->Get();
}

void TComponent::SetPropValue(const std::string& name, const TPropValue& value) {
  const TPropInfo* p = FindProperty(name);
  if (!p) throw EPropertyError(ClassName() + " has no property \"" + name + "\"");
  if (!p->Set) throw EPropertyError("Property \"" + name + "\" is read-only");
  p->Set(value);
}

void TComponent::DefineStoredProperty(const std::string& name, std::function<void(const TBytes&)> read,
                                      std::function<TBytes()> write) {
  stored_[name] = {std::move(read), std::move(write)};
}

bool TComponent::HasStoredProperty(const std::string& name) const { return stored_.count(name) != 0; }

void TComponent::ReadStoredProperty(const std::string& name, const TBytes& data) {
  auto it = stored_.find(name);
  if (it == stored_.end() || !it->second.read)
    throw EPropertyError(ClassName() + " stores no property \"" + name + "\"");
  it->second.read(data);
}

TBytes TComponent::WriteStoredProperty(const std::string& name) const {
  auto it = stored_.find(name);
  if (it == stored_.end() || !it->second.write)
    throw EPropertyError(ClassName() + " stores no property \"" + name + "\"");
  return it->second.write();
}

// ---- Loading -------------------------------------------------------------------

void TComponent::BeginLoading() { state_ |= csLoading; }
void TComponent::EndLoading() { state_ &= ~csLoading; }
void TComponent::Loaded() { EndLoading(); }

TComponentLoader::TComponentLoader(TComponent* root) : root_(root) {
  root_->BeginLoading();
  loading_.push_back(root_);
}

TComponentLoader::~TComponentLoader() {
  // A description abandoned half-way still leaves no component loading.
  if (!ended_)
    for (TComponent* c : loading_) c->EndLoading();
}

void TComponentLoader::Add(TComponent* component, const std::string& name) {
  component->BeginLoading();
  if (!name.empty()) component->SetName(name);
  loading_.push_back(component);
}

void TComponentLoader::SetReference(TComponent* component, const std::string& property,
                                    const std::string& target) {
  if (!component->HasProperty(property))
    throw EPropertyError(component->ClassName() + " has no property \"" + property + "\"");
  fixups_.push_back({component, property, target});
}

void TComponentLoader::SetStored(TComponent* component, const std::string& name, const TBytes& data) {
  component->ReadStoredProperty(name, data);
}

void TComponentLoader::End() {
  if (ended_) return;
  ended_ = true;
  std::vector<TFixup> fixups = std::move(fixups_);
  for (const TFixup& f : fixups) {
    TComponent* target = nullptr;
    auto dot = f.target.find('.');
    if (f.target.empty()) {
      target = nullptr;
    } else if (dot == std::string::npos) {
      target = SameText(root_->Name(), f.target) ? root_ : root_->FindComponent(f.target);
    } else {
      TComponent* otherRoot = FindGlobalComponent(f.target.substr(0, dot));
      if (otherRoot) target = otherRoot->FindComponent(f.target.substr(dot + 1));
    }
    if (!f.target.empty() && !target) {
      for (TComponent* c : loading_) c->EndLoading();
      throw EReadError("Invalid property reference \"" + f.target + "\" of " + f.component->Name() + "." +
                       f.property);
    }
    f.component->SetPropValue(f.property, target);
  }
  std::vector<TComponent*> loading = loading_;
  for (TComponent* c : loading) {
    c->Loaded();
    c->EndLoading();
  }
}

// ---- Global roots -------------------------------------------------------------

void RegisterGlobalComponent(TComponent* root) {
  auto& roots = GlobalRoots();
  if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
}

void UnregisterGlobalComponent(TComponent* root) { Erase(GlobalRoots(), root); }

TComponent* FindGlobalComponent(const std::string& name) {
  for (TComponent* root : GlobalRoots())
    if (SameText(root->Name(), name)) return root;
  return nullptr;
}
