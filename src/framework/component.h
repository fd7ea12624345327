#pragma once
// Components: named objects with an owner. An owner frees the components it
// owns when it goes; a component freed first leaves its owner's list. The form
// owns every component read from its description (see form_reader.h).
//
// A derived class declares its class info as framework/type_info.h shows and
// has a constructor taking its owner, which makes it creatable by name:
//
//   explicit TButton(TComponent* owner);
//
// Freeing: every delete of a component (by its owner, its parent control,
// Free or plain code) first runs BeforeDestruction on the whole object, then
// the destructors. Whatever sends messages or tells others as the component
// goes (destroying a window, releasing hooks) belongs in BeforeDestruction, so
// that virtual calls and handlers see the whole object. A component that is
// not deleted (a member, a local) skips that step: give components that own
// windows to an owner or create them with new.

#include <cstddef>
#include <cstdint>
#include <new>
#include <string_view>
#include <vector>

#include "framework/object.h"

// A component name that is not an identifier or is already taken in its owner.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

enum class TComponentStateFlag : unsigned {
  csLoading = 1,     // properties are being read from a form description
  csDestroying = 2,  // it is being freed (BeforeDestruction has begun)
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  // Runs BeforeDestruction on the whole component, then its destructors.
  void operator delete(TComponent* component, std::destroying_delete_t);
  // The ordinary heap; a component whose constructor throws goes back
  // through the plain delete, having never been whole.
  static void* operator new(std::size_t size);
  static void operator delete(void* storage);

  // Frees the component; a derived class may run events first (a form's
  // OnDestroy).
  virtual void Free() { delete this; }

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  const std::vector<TComponent*>& ComponentList() const { return components_; }
  // The owned component of that name (ASCII case ignored), or null.
  TComponent* FindComponent(std::string_view name) const;

  const AnsiString& Name() const { return name_; }
  // Raises EComponentError for a name that is not empty and not an identifier,
  // or that another component of the same owner has.
  virtual void SetName(std::string_view name);
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  bool HasState(TComponentStateFlag flag) const { return (state_ & static_cast<unsigned>(flag)) != 0; }
  void SetLoading(bool loading);

  // Called once the whole form description is read, csLoading already off.
  virtual void Loaded() {}
  // A description nests this non-visual component inside `parent` (a menu
  // item inside its menu); the base takes no notice.
  virtual void SetParentComponent(TComponent* /*parent*/) {}

  // Takes `component` into this owner's list, leaving its previous owner.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

 protected:
  // The first step of freeing, while the object is still whole; an override
  // does its part, then calls the base.
  virtual void BeforeDestruction() noexcept;
  // Told of components entering or leaving this owner's list, so that an
  // owner can drop references it keeps to them.
  virtual void Notification(TComponent* /*component*/, TOperation /*operation*/) {}

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  AnsiString name_;
  std::intptr_t tag_ = 0;
  unsigned state_ = 0;
};

// A valid component name: a letter or underscore, then letters, digits,
// underscores.
bool IsValidIdent(std::string_view name);
