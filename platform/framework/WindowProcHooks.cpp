#include "platform/framework/WindowProcHooks.h"

struct TWindowProcHook::TLink {
  THandler handler;  // empty once released
  TWndMethod previous;
};

// The procedure stored in the control. It keeps the link alive while it
// runs: the control may replace (and so destroy) it meanwhile.
struct TWindowProcHook::TProc {
  std::shared_ptr<TLink> link;
  void operator()(TMessage& message) const {
    std::shared_ptr<TLink> keep = link;
    if (keep->handler) {
      THandler handler = keep->handler;  // the handler may release the hook
      handler(message, TChain(keep));
    } else {
      keep->previous(message);
    }
  }
};

// Hears of the control's end, so that the hook forgets it.
class TWindowProcHook::TWatcher : public TComponent {
 public:
  explicit TWatcher(TWindowProcHook* hook) : TComponent(nullptr), hook_(hook) {}
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == hook_->control_) hook_->control_ = nullptr;
  }

 private:
  TWindowProcHook* hook_;
};

void TWindowProcHook::TChain::CallPrevious(TMessage& message) const { link_->previous(message); }

bool TWindowProcHook::TChain::Hooked() const { return static_cast<bool>(link_->handler); }

TWindowProcHook::TWindowProcHook(TControl& control, THandler handler)
    : control_(&control), link_(std::make_shared<TLink>()), watcher_(std::make_unique<TWatcher>(this)) {
  link_->handler = std::move(handler);
  link_->previous = control.WindowProc;
  control.WindowProc = TProc{link_};
  watcher_->FreeNotification(&control);
}

TWindowProcHook::~TWindowProcHook() {
  Release();
  if (control_) watcher_->RemoveFreeNotification(control_);
}

void TWindowProcHook::Release() {
  if (!link_->handler) return;
  link_->handler = nullptr;
  // A control being destroyed drops its chain itself.
  if (control_ == nullptr || control_->IsDestroying()) return;
  const TProc* outermost = control_->WindowProc.target<TProc>();
  if (outermost && outermost->link == link_) control_->WindowProc = link_->previous;
}
