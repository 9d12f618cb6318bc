// Handlers chained onto another object's event (a form's OnResize) and hooks around a window
// procedure, each removable on its own, in any order: removing one leaves the others and
// whatever was assigned before in place.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace hd {

// The hold on one chained handler or hook: while it lives (and until Remove) the handler
// runs. It may outlive the object whose event it is chained to.
class TEventLink {
 public:
  TEventLink() = default;
  explicit TEventLink(std::shared_ptr<bool> active) : active_(std::move(active)) {}
  TEventLink(TEventLink&& other) noexcept = default;
  TEventLink& operator=(TEventLink&& other) noexcept {
    if (this != &other) {
      Remove();
      active_ = std::move(other.active_);
    }
    return *this;
  }
  TEventLink(const TEventLink&) = delete;
  TEventLink& operator=(const TEventLink&) = delete;
  ~TEventLink() { Remove(); }

  // The handler stops running; the event goes on through the rest of the chain.
  void Remove() {
    if (active_) *active_ = false;
    active_.reset();
  }
  bool Active() const { return active_ && *active_; }

 private:
  std::shared_ptr<bool> active_;
};

namespace detail {

template <class... Args>
struct TChainNode {
  std::shared_ptr<bool> active;
  std::function<void(Args...)> next;
  std::function<void(const std::function<void(Args...)>&, Args...)> hook;
};

// What the event holds once a handler is chained: the node, which calls the hook or, once
// removed, passes straight on.
template <class... Args>
struct TChainedCall {
  std::shared_ptr<TChainNode<Args...>> node;
  void operator()(Args... args) const {
    // Kept alive for the call: a handler may remove itself or chain others meanwhile.
    std::shared_ptr<TChainNode<Args...>> n = node;
    if (*n->active)
      n->hook(n->next, std::forward<Args>(args)...);
    else if (n->next)
      n->next(std::forward<Args>(args)...);
  }
};

// Drops removed links from the top of the chain, so that the chain does not grow with each
// install and removal.
template <class... Args>
void DropRemovedLinks(std::function<void(Args...)>& event) {
  while (auto* top = event.template target<TChainedCall<Args...>>()) {
    if (*top->node->active) return;
    std::function<void(Args...)> next = top->node->next;
    event = std::move(next);
  }
}

}  // namespace detail

// Wraps the event: the hook gets the arguments and what the event held before (which may be
// empty), and decides whether and when to call it. For window procedures:
//   link = HookEvent(control->WindowProc, [](auto& next, TMessage& m) { ...; next(m); });
template <class... Args>
TEventLink HookEvent(std::function<void(Args...)>& event,
                     std::type_identity_t<std::function<void(const std::function<void(Args...)>&, Args...)>> hook) {
  detail::DropRemovedLinks(event);
  auto node = std::make_shared<detail::TChainNode<Args...>>();
  node->active = std::make_shared<bool>(true);
  node->next = std::move(event);
  node->hook = std::move(hook);
  TEventLink link(node->active);
  event = detail::TChainedCall<Args...>{std::move(node)};
  return link;
}

// Chains a handler onto the event: what the event held before runs first, then the handler.
template <class... Args>
TEventLink ChainEvent(std::function<void(Args...)>& event, std::type_identity_t<std::function<void(Args...)>> handler) {
  return HookEvent<Args...>(event, [h = std::move(handler)](const std::function<void(Args...)>& next, Args... args) {
    if (next) next(args...);
    h(args...);
  });
}

}  // namespace hd
