#include "platform/os/KeyState.h"

#include <X11/Xlib.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <mutex>
#include <vector>

#include "platform/os/VirtualKeyKeysyms.h"

namespace {

// A display connection of our own, used only under its mutex, so the
// key state can be read from any thread without touching the GUI's.
class X11KeyState : public IKeyState {
 public:
  ~X11KeyState() override {
    if (display_ != nullptr) XCloseDisplay(display_);
  }

  bool IsKeyDown(int vk) override {
    std::lock_guard lock(mutex_);
    if (!Connect()) return false;
    if (vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON) return ButtonDown(vk);
    char keys[32];
    XQueryKeymap(display_, keys);
    for (unsigned code : KeycodesFor(vk))
      if (keys[code / 8] & (1 << (code % 8))) return true;
    return false;
  }

 private:
  bool Connect() {
    if (!triedToConnect_) {
      triedToConnect_ = true;
      const char* name = std::getenv("DISPLAY");
      if (name != nullptr && name[0] != '\0') display_ = XOpenDisplay(name);
    }
    return display_ != nullptr;
  }

  bool ButtonDown(int vk) {
    Window root, child;
    int rootX, rootY, x, y;
    unsigned mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x, &y,
                  &mask);
    unsigned wanted = vk == VK_LBUTTON ? Button1Mask : vk == VK_MBUTTON ? Button2Mask : Button3Mask;
    return (mask & wanted) != 0;
  }

  const std::vector<unsigned>& KeycodesFor(int vk) {
    auto found = keycodes_.find(vk);
    if (found != keycodes_.end()) return found->second;
    std::vector<unsigned> codes;
    for (unsigned long keysym : detail::KeysymsForVirtualKey(vk)) {
      KeyCode code = XKeysymToKeycode(display_, keysym);
      if (code != 0) codes.push_back(code);
    }
    return keycodes_[vk] = codes;
  }

  std::mutex mutex_;
  bool triedToConnect_ = false;
  Display* display_ = nullptr;
  std::map<int, std::vector<unsigned>> keycodes_;
};

X11KeyState& RealKeyState() {
  // Never destroyed: a worker thread may still poll while the process ends.
  static X11KeyState* instance = new X11KeyState;
  return *instance;
}

std::atomic<IKeyState*> replacement = nullptr;

}  // namespace

void SetKeyState(IKeyState* keyState) { replacement = keyState; }

SHORT GetAsyncKeyState(int virtualKey) {
  IKeyState* source = replacement.load();
  bool down = source != nullptr ? source->IsKeyDown(virtualKey) : RealKeyState().IsKeyDown(virtualKey);
  return down ? static_cast<SHORT>(0x8000) : 0;
}
