#pragma once
// Work posted to the GUI thread on behalf of an object runs only while the
// object lives. The object holds a TLiveness and ends it first thing when
// it goes; what is still queued then, or posted later, is dropped.
// References may be copied to any thread; ending happens on the GUI thread.

#include <atomic>
#include <functional>
#include <memory>

#include "platform/os/MainThread.h"

class TLivenessRef {
 public:
  bool Alive() const { return alive_ && alive_->load(); }
  // Any thread: fn runs on the GUI thread if the owner still lives then.
  void Post(std::function<void()> fn) const {
    PostToMainThread([alive = alive_, fn = std::move(fn)] {
      if (alive->load()) fn();
    });
  }

 private:
  friend class TLiveness;
  explicit TLivenessRef(std::shared_ptr<std::atomic<bool>> alive) : alive_(std::move(alive)) {}
  std::shared_ptr<std::atomic<bool>> alive_;
};

class TLiveness {
 public:
  TLiveness() = default;
  ~TLiveness() { End(); }
  TLiveness(const TLiveness&) = delete;
  TLiveness& operator=(const TLiveness&) = delete;

  void End() { alive_->store(false); }
  bool Alive() const { return alive_->load(); }
  TLivenessRef Ref() const { return TLivenessRef(alive_); }
  void Post(std::function<void()> fn) const { Ref().Post(std::move(fn)); }

 private:
  // Never replaced, so copying it from another thread is safe.
  const std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
};
