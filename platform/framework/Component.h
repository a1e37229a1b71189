#pragma once
// Components: objects with an owner that frees them, a name, free
// notification, a loading state, and a registry of published properties
// that can be read and written by name.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Types.h"

class TComponent;

class EComponentError : public Exception {
 public:
  using Exception::Exception;
};
class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

enum TOperation { opInsert, opRemove };

using TComponentState = unsigned;
constexpr TComponentState csLoading = 0x0001;
constexpr TComponentState csReading = 0x0002;
constexpr TComponentState csWriting = 0x0004;
constexpr TComponentState csDestroying = 0x0008;
constexpr TComponentState csDesigning = 0x0010;
constexpr TComponentState csUpdating = 0x0020;
constexpr TComponentState csFixups = 0x0040;

// A published property value. Enumerations and sets travel as integers,
// component references as TComponent*.
using TPropValue = std::variant<std::monostate, bool, std::int64_t, double, std::string, TComponent*>;
enum class TPropKind { Boolean, Integer, Float, String, Component };

struct TPropInfo {
  std::string Name;
  TPropKind Kind;
  std::function<TPropValue()> Get;
  std::function<void(const TPropValue&)> Set;  // empty: read-only
};

using TBytes = std::vector<std::uint8_t>;

namespace detail {

template <class T>
constexpr TPropKind PropKindOf() {
  using U = std::decay_t<T>;
  if constexpr (std::is_same_v<U, bool>) return TPropKind::Boolean;
  else if constexpr (std::is_integral_v<U> || std::is_enum_v<U>) return TPropKind::Integer;
  else if constexpr (std::is_floating_point_v<U>) return TPropKind::Float;
  else if constexpr (std::is_same_v<U, std::string>) return TPropKind::String;
  else {
    static_assert(std::is_pointer_v<U>, "unsupported property type");
    return TPropKind::Component;
  }
}

template <class T>
TPropValue ToPropValue(const T& value) {
  using U = std::decay_t<T>;
  if constexpr (std::is_same_v<U, bool>) return value;
  else if constexpr (std::is_integral_v<U> || std::is_enum_v<U>) return static_cast<std::int64_t>(value);
  else if constexpr (std::is_floating_point_v<U>) return static_cast<double>(value);
  else if constexpr (std::is_same_v<U, std::string>) return value;
  else return static_cast<TComponent*>(value);
}

// Converts a property value to T; EPropertyError when the kinds differ.
template <class T>
T FromPropValue(const TPropValue& value, const std::string& name);

[[noreturn]] void ThrowPropertyType(const std::string& name);

}  // namespace detail

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  // Owned components in creation order.
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  const std::vector<TComponent*>& ComponentList() const { return components_; }
  int ComponentIndex() const;
  TComponent* FindComponent(const std::string& name) const;  // case-insensitive
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees every owned component, the last created first.
  void DestroyComponents();

  const std::string& Name() const { return name_; }
  // An identifier, unique among the owner's components (EComponentError).
  virtual void SetName(const std::string& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return (state_ & csLoading) != 0; }
  bool IsDesigning() const { return (state_ & csDesigning) != 0; }
  bool IsDestroying() const { return (state_ & csDestroying) != 0; }
  void SetDesigning(bool designing);  // this component and the owned ones

  // Both components hear of each other's destruction through Notification.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Published properties, in publishing order.
  bool HasProperty(const std::string& name) const;
  const TPropInfo* FindProperty(const std::string& name) const;
  const std::vector<TPropInfo>& PublishedProperties() const { return properties_; }
  TPropValue GetPropValue(const std::string& name) const;
  void SetPropValue(const std::string& name, const TPropValue& value);
  template <class T>
  T GetProp(const std::string& name) const {
    return detail::FromPropValue<T>(GetPropValue(name), name);
  }
  template <class T>
  void SetProp(const std::string& name, const T& value) {
    SetPropValue(name, detail::ToPropValue(value));
  }
  void SetProp(const std::string& name, const char* value) { SetPropValue(name, std::string(value)); }

  // Extra stored properties: data a component keeps in its form
  // description beside its published properties (binary data).
  bool HasStoredProperty(const std::string& name) const;
  void ReadStoredProperty(const std::string& name, const TBytes& data);
  TBytes WriteStoredProperty(const std::string& name) const;

  // Loading: set while a form description is applied; Loaded runs once it
  // is complete.
  void BeginLoading();
  virtual void Loaded();

  virtual void Notification(TComponent* component, TOperation operation);

  // Frees the component as its owner does: BeforeDestruction runs while
  // the whole object still exists, then the destructors.
  void Free();
  virtual void BeforeDestruction() { Destroying(); }

 protected:
  // Publishes a property read and written through member functions.
  template <class C, class R, class P>
  void Publish(const std::string& name, R (C::*getter)() const, void (C::*setter)(P)) {
    using V = std::decay_t<R>;
    C* self = static_cast<C*>(this);
    PublishProperty({name, detail::PropKindOf<V>(),
                     [self, getter]() { return detail::ToPropValue<V>((self->*getter)()); },
                     [self, setter, name](const TPropValue& v) {
                       (self->*setter)(detail::FromPropValue<std::decay_t<P>>(v, name));
                     }});
  }
  template <class C, class R>
  void PublishReadOnly(const std::string& name, R (C::*getter)() const) {
    using V = std::decay_t<R>;
    C* self = static_cast<C*>(this);
    PublishProperty({name, detail::PropKindOf<V>(),
                     [self, getter]() { return detail::ToPropValue<V>((self->*getter)()); }, {}});
  }
  // Adds or replaces (same name, same place) a property.
  void PublishProperty(TPropInfo info);
  void DefineStoredProperty(const std::string& name, std::function<void(const TBytes&)> read,
                            std::function<TBytes()> write);

  // Marks the component and everything it owns as being destroyed; derived
  // destructors call it first so notifications see the state.
  void Destroying();
  void EndLoading();

 private:
  friend class TComponentLoader;
  void NotifyOwnerAndSiblings(TComponent* component, TOperation operation);

  struct TStoredProperty {
    std::function<void(const TBytes&)> read;
    std::function<TBytes()> write;
  };

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  int tag_ = 0;
  TComponentState state_ = 0;
  std::vector<TPropInfo> properties_;
  std::unordered_map<std::string, TStoredProperty> stored_;
};

// Applies a description of components to a root (a form), in order: each
// component is created and marked loading, its properties are set by name,
// references to other components are kept by name and resolved when the
// description ends ("Name" in the root, "Root.Name" in another root), then
// every component's Loaded runs in creation order, the root first.
class TComponentLoader {
 public:
  explicit TComponentLoader(TComponent* root);
  ~TComponentLoader();

  template <class T, class... Args>
  T* Create(const std::string& name, Args&&... args) {
    T* component = new T(root_, std::forward<Args>(args)...);
    Add(component, name);
    return component;
  }
  // Takes part in the description (csLoading until End).
  void Add(TComponent* component, const std::string& name);
  template <class T>
  void Set(TComponent* component, const std::string& property, const T& value) {
    component->SetProp(property, value);
  }
  void Set(TComponent* component, const std::string& property, const char* value) {
    component->SetProp(property, std::string(value));
  }
  void SetReference(TComponent* component, const std::string& property, const std::string& target);
  void SetStored(TComponent* component, const std::string& name, const TBytes& data);
  // Resolves references (EReadError for an unknown name) and calls Loaded.
  void End();

 private:
  struct TFixup {
    TComponent* component;
    std::string property;
    std::string target;
  };
  TComponent* root_;
  std::vector<TComponent*> loading_;
  std::vector<TFixup> fixups_;
  bool ended_ = false;
};

// Roots that "Root.Name" references can reach (the forms register here).
void RegisterGlobalComponent(TComponent* root);
void UnregisterGlobalComponent(TComponent* root);
TComponent* FindGlobalComponent(const std::string& name);

namespace detail {

template <class T>
T FromPropValue(const TPropValue& value, const std::string& name) {
  using U = std::decay_t<T>;
  if constexpr (std::is_same_v<U, bool>) {
    if (auto* b = std::get_if<bool>(&value)) return *b;
  } else if constexpr (std::is_integral_v<U> || std::is_enum_v<U>) {
    if (auto* i = std::get_if<std::int64_t>(&value)) return static_cast<U>(*i);
  } else if constexpr (std::is_floating_point_v<U>) {
    if (auto* d = std::get_if<double>(&value)) return static_cast<U>(*d);
    if (auto* i = std::get_if<std::int64_t>(&value)) return static_cast<U>(*i);
  } else if constexpr (std::is_same_v<U, std::string>) {
    if (auto* s = std::get_if<std::string>(&value)) return *s;
  } else {
    if (std::holds_alternative<std::monostate>(value)) return nullptr;
    if (auto* c = std::get_if<TComponent*>(&value)) {
      if (*c == nullptr) return nullptr;
      if (auto* typed = dynamic_cast<U>(*c)) return typed;
    }
  }
  ThrowPropertyType(name);
}

}  // namespace detail
