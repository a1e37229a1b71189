#pragma once
// Delivery of component events on the GUI thread. A posted event runs only
// while the component that posted it still exists: the component owns a
// liveness token and its closures hold a weak reference to it.

#include <functional>
#include <memory>

#include "platform/os/MainThread.h"

namespace detail {

using LivenessToken = std::shared_ptr<int>;

inline LivenessToken MakeLivenessToken() { return std::make_shared<int>(0); }

inline void PostWhileAlive(std::weak_ptr<int> alive, std::function<void()> fn) {
  PostToMainThread([alive = std::move(alive), fn = std::move(fn)] {
    if (!alive.expired()) fn();
  });
}

}  // namespace detail
