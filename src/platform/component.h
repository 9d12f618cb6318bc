// Components: named objects owned by another component, which frees them with itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/classes.h"
#include "platform/string_list.h"
#include "platform/types.h"

namespace hd {

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TOperation { opInsert, opRemove };

enum class TComponentStateItem {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups,
  csFreeNotification, csInline, csDesignInstance
};
using enum TComponentStateItem;
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const char* ClassName() const override { return "TComponent"; }
  std::string GetNamePath() const override { return name_; }

  // csLoading while the loading phase it was made in lasts (see New), csDestroying from the
  // start of the destructor on.
  TComponentState ComponentState() const;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;
  // True from the start of the destructor on.
  bool Destroying() const { return destroying_; }

  // Components that asked to hear when another component goes away.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

 protected:
  // The loading phase has ended: the component is whole and every component made with it
  // exists. An override calls the base first (which clears csLoading).
  virtual void Loaded();
  TPersistent* GetOwner() const override { return owner_; }
  // Told about components inserted into or removed from this owner, and about components
  // registered with FreeNotification that are destroyed.
  virtual void Notification(TComponent* component, TOperation operation);
  // Frees the owned components, last created first.
  void DestroyComponents();
  void MarkDestroying() { destroying_ = true; }

 private:
  friend class detail::TLoadingPhase;
  void InsertComponent(TComponent* c);
  void RemoveComponent(TComponent* c);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::intptr_t tag_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  bool destroying_ = false;
  bool loading_ = false;
};

}  // namespace hd
