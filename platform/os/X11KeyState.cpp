#include "platform/os/X11KeyState.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/os/KeyState.h"
#include "platform/os/VirtualKeyKeysyms.h"

namespace detail {
namespace {

constexpr auto kSnapshotInterval = std::chrono::milliseconds(10);

Display* Dpy(void* display) { return static_cast<Display*>(display); }

int ButtonOf(int virtualKey) {
  switch (virtualKey) {
    case VK_LBUTTON: return 1;
    case VK_MBUTTON: return 2;
    case VK_RBUTTON: return 3;
    default: return 0;
  }
}

}  // namespace

TX11KeyState::TX11KeyState() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || name[0] == '\0') return;
  display_ = XOpenDisplay(name);
  if (display_ == nullptr) return;
  // Selected before the snapshot, so no change falls between the two.
  rawEvents_ = SelectRawEvents();
  {
    std::lock_guard lock(mutex_);
    MapKeys();
    TakeSnapshot();
  }
  if (!rawEvents_) return;
  stopFd_ = eventfd(0, EFD_CLOEXEC);
  reader_ = std::thread([this] { ReadEvents(); });
}

TX11KeyState::~TX11KeyState() {
  if (reader_.joinable()) {
    std::uint64_t one = 1;
    if (write(stopFd_, &one, sizeof one) < 0) std::abort();  // the reader would never end
    reader_.join();
  }
  if (stopFd_ >= 0) close(stopFd_);
  if (display_ != nullptr) XCloseDisplay(Dpy(display_));
}

bool TX11KeyState::SelectRawEvents() {
  Display* display = Dpy(display_);
  int event = 0, error = 0;
  if (!XQueryExtension(display, "XInputExtension", &xinputOpcode_, &event, &error)) return false;
  // Before 2.1 raw events went to a grabbing client only.
  int major = 2, minor = 2;
  if (XIQueryVersion(display, &major, &minor) != Success || (major == 2 && minor < 1)) return false;
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  XISetMask(bits, XI_RawKeyPress);
  XISetMask(bits, XI_RawKeyRelease);
  XISetMask(bits, XI_RawButtonPress);
  XISetMask(bits, XI_RawButtonRelease);
  XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
  XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
  XSync(display, False);
  return true;
}

void TX11KeyState::MapKeys() {
  Display* display = Dpy(display_);
  for (int vk = 0; vk < static_cast<int>(keycodesOf_.size()); ++vk) {
    std::vector<unsigned>& codes = keycodesOf_[static_cast<std::size_t>(vk)];
    codes.clear();
    for (unsigned long keysym : KeysymsForVirtualKey(vk))
      if (KeyCode code = XKeysymToKeycode(display, keysym); code != 0) codes.push_back(code);
  }
  unsigned char map[256];
  int count = XGetPointerMapping(display, map, sizeof map);
  buttonMap_.assign(map, map + std::max(count, 0));
}

bool TX11KeyState::TakeSnapshot() {
  Display* display = Dpy(display_);
  char keymap[32];
  XQueryKeymap(display, keymap);
  std::bitset<256> keys;
  for (std::size_t code = 0; code < keys.size(); ++code)
    keys[code] = (keymap[code / 8] & (1 << (code % 8))) != 0;
  Window root, child;
  int rootX, rootY, x, y;
  unsigned mask = 0;
  XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask);
  std::bitset<4> buttons;
  buttons[1] = (mask & Button1Mask) != 0;
  buttons[2] = (mask & Button2Mask) != 0;
  buttons[3] = (mask & Button3Mask) != 0;
  snapshotTime_ = std::chrono::steady_clock::now();
  bool changed = keys != keysDown_ || buttons != buttonsDown_;
  keysDown_ = keys;
  buttonsDown_ = buttons;
  return changed;
}

bool TX11KeyState::IsKeyDown(int virtualKey) {
  if (display_ == nullptr) return false;
  if (!rawEvents_) Refresh();
  std::lock_guard lock(mutex_);
  if (int button = ButtonOf(virtualKey)) return buttonsDown_[static_cast<std::size_t>(button)];
  if (virtualKey < 0 || virtualKey >= static_cast<int>(keycodesOf_.size())) return false;
  for (unsigned code : keycodesOf_[static_cast<std::size_t>(virtualKey)])
    if (keysDown_[code]) return true;
  return false;
}

void TX11KeyState::Refresh() {
  if (!AsksServer()) return;
  bool changed = false;
  {
    std::lock_guard lock(mutex_);
    if (std::chrono::steady_clock::now() - snapshotTime_ < kSnapshotInterval) return;
    XEvent event;
    while (XCheckTypedEvent(Dpy(display_), MappingNotify, &event)) ApplyMappingChange(&event);
    changed = TakeSnapshot();
  }
  if (changed) KeyStateChanged();
}

void TX11KeyState::ReadEvents() {
  Display* display = Dpy(display_);
  pollfd sources[2] = {{ConnectionNumber(display), POLLIN, 0}, {stopFd_, POLLIN, 0}};
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MappingNotify) {
        std::lock_guard lock(mutex_);
        ApplyMappingChange(&event);
        continue;
      }
      XGenericEventCookie& cookie = event.xcookie;
      if (cookie.type != GenericEvent || cookie.extension != xinputOpcode_ || !XGetEventData(display, &cookie))
        continue;
      bool changed = ApplyRawEvent(cookie.evtype, static_cast<const XIRawEvent*>(cookie.data)->detail);
      XFreeEventData(display, &cookie);
      if (changed) KeyStateChanged();
    }
    if (poll(sources, 2, -1) < 0) continue;  // interrupted
    if (sources[1].revents != 0) return;
    if (sources[0].revents & (POLLHUP | POLLERR)) return;  // the server went away
  }
}

bool TX11KeyState::ApplyRawEvent(int type, int detail) {
  std::lock_guard lock(mutex_);
  bool down = type == XI_RawKeyPress || type == XI_RawButtonPress;
  if (type == XI_RawKeyPress || type == XI_RawKeyRelease) {
    if (detail < 0 || detail >= static_cast<int>(keysDown_.size())) return false;
    if (keysDown_[static_cast<std::size_t>(detail)] == down) return false;  // a repeat
    keysDown_[static_cast<std::size_t>(detail)] = down;
    return true;
  }
  // Raw buttons are physical ones; the pointer mapping makes them logical.
  int button = detail >= 1 && detail <= static_cast<int>(buttonMap_.size()) ? buttonMap_[static_cast<std::size_t>(detail - 1)] : detail;
  if (button < 1 || button > 3 || buttonsDown_[static_cast<std::size_t>(button)] == down) return false;
  buttonsDown_[static_cast<std::size_t>(button)] = down;
  return true;
}

void TX11KeyState::ApplyMappingChange(void* mappingEvent) {
  auto* mapping = static_cast<XMappingEvent*>(mappingEvent);
  XRefreshKeyboardMapping(mapping);
  MapKeys();
}

}  // namespace detail
