#pragma once
// A hook on a control's WindowProc that never leaves the chain broken.
// The hook sees every message first and passes on what it does not take.
// Released while it is still the outermost link, the control gets its
// previous procedure back; released under a later hook, the link stays
// and only passes messages on, so the later hook keeps working. The
// control may go first: the hook then touches it no more.

#include <functional>
#include <memory>

#include "platform/framework/Controls.h"

class TWindowProcHook {
 public:
  struct TLink;

  // What a hooked message gets beside itself.
  class TChain {
   public:
    explicit TChain(std::shared_ptr<TLink> link) : link_(std::move(link)) {}
    // The procedure the control had before the hook.
    void CallPrevious(TMessage& message) const;
    // False once the hook was released, for instance when the previous
    // procedure freed the hook's owner: touch nothing of it then.
    bool Hooked() const;

   private:
    std::shared_ptr<TLink> link_;
  };
  using THandler = std::function<void(TMessage& message, const TChain& chain)>;

  TWindowProcHook(TControl& control, THandler handler);
  ~TWindowProcHook();
  TWindowProcHook(const TWindowProcHook&) = delete;
  TWindowProcHook& operator=(const TWindowProcHook&) = delete;

  // From now on messages only pass on; safe to call again.
  void Release();

 private:
  struct TProc;
  class TWatcher;
  TControl* control_;
  std::shared_ptr<TLink> link_;
  std::unique_ptr<TWatcher> watcher_;
};
