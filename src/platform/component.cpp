#include "platform/component.h"

#include <algorithm>

namespace hd {

namespace {

// The components made during the current loading phase, in the order they were made; a slot
// is cleared when its component goes before the phase ends.
struct LoadingList {
  std::vector<TComponent*> made;
  bool ending = false;
};
thread_local LoadingList* g_loading = nullptr;

}  // namespace

namespace detail {

TLoadingPhase::TLoadingPhase() : outermost_(g_loading == nullptr) {
  if (outermost_) g_loading = new LoadingList;
}

TLoadingPhase::~TLoadingPhase() {
  if (!outermost_) return;
  LoadingList* list = g_loading;
  g_loading = nullptr;
  // A phase left by an exception: the survivors stop loading without hearing Loaded.
  if (!ended_)
    for (TComponent* c : list->made)
      if (c) c->loading_ = false;
  delete list;
}

void TLoadingPhase::End() {
  if (!outermost_ || ended_) return;
  ended_ = true;
  LoadingList* list = g_loading;
  list->ending = true;
  // Loaded may make or free components; those it makes are not loading.
  for (size_t i = 0; i < list->made.size(); ++i) {
    TComponent* c = list->made[i];
    if (!c) continue;
    list->made[i] = nullptr;
    c->Loaded();
  }
}

}  // namespace detail

TComponent::TComponent(TComponent* owner) {
  if (g_loading && !g_loading->ending) {
    loading_ = true;
    g_loading->made.push_back(this);
  }
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  if (loading_ && g_loading)
    std::replace(g_loading->made.begin(), g_loading->made.end(), this, static_cast<TComponent*>(nullptr));
  // Tell those who hold a reference to us; they drop it.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    auto& theirs = other->free_notifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_) {
    if (c->name_.size() == name.size() &&
        std::equal(name.begin(), name.end(), c->name_.begin(), [](char a, char b) {
          return (a >= 'A' && a <= 'Z' ? a + 32 : a) == (b >= 'A' && b <= 'Z' ? b + 32 : b);
        }))
      return c;
  }
  return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), other) == free_notifies_.end()) {
    free_notifies_.push_back(other);
    other->free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  free_notifies_.erase(std::remove(free_notifies_.begin(), free_notifies_.end(), other), free_notifies_.end());
  auto& theirs = other->free_notifies_;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::Loaded() { loading_ = false; }

TComponentState TComponent::ComponentState() const {
  TComponentState s;
  if (loading_) s.Include(csLoading);
  if (destroying_) s.Include(csDestroying);
  return s;
}

void TComponent::DestroyComponents() {
  // A component may free others it owns or parents, so take one at a time from the end.
  while (!components_.empty()) {
    TComponent* c = components_.back();
    components_.pop_back();
    c->owner_ = nullptr;
    delete c;
  }
}

void TComponent::InsertComponent(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
  Notification(c, opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
  auto it = std::find(components_.begin(), components_.end(), c);
  if (it != components_.end()) components_.erase(it);
  c->owner_ = nullptr;
  if (!destroying_) Notification(c, opRemove);
}

}  // namespace hd
