#include "platform/win/WindowStore.h"

#include <mutex>
#include <unordered_set>

namespace detail {
namespace {

std::unordered_map<std::uintptr_t, std::unique_ptr<TWindow>> windows;
std::vector<TWindow*> topLevels;
std::unordered_map<std::string, WNDCLASS> classes;
// Handles count up and are never reused.
std::uintptr_t nextHandle = 0x10000;

// Read by PostMessage from any thread.
std::mutex liveMutex;
std::unordered_set<std::uintptr_t> liveHandles;

std::uintptr_t Key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }

}  // namespace

TWindow* Find(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto it = windows.find(Key(hwnd));
  return it == windows.end() ? nullptr : it->second.get();
}

TWindow* NewWindow() {
  auto window = std::make_unique<TWindow>();
  std::uintptr_t key = nextHandle;
  nextHandle += 4;
  window->handle = reinterpret_cast<HWND>(key);
  TWindow* raw = window.get();
  windows.emplace(key, std::move(window));
  std::lock_guard lock(liveMutex);
  liveHandles.insert(key);
  return raw;
}

void ForgetWindow(TWindow* window) {
  std::uintptr_t key = Key(window->handle);
  {
    std::lock_guard lock(liveMutex);
    liveHandles.erase(key);
  }
  windows.erase(key);
}

std::vector<TWindow*>& TopLevels() { return topLevels; }

bool IsLiveHandle(HWND hwnd) {
  std::lock_guard lock(liveMutex);
  return liveHandles.count(Key(hwnd)) != 0;
}

void ClearWindowStore() {
  topLevels.clear();
  windows.clear();
  std::lock_guard lock(liveMutex);
  liveHandles.clear();
}

const WNDCLASS* FindClass(const std::string& name) {
  auto it = classes.find(name);
  return it == classes.end() ? nullptr : &it->second;
}

void ClearClasses() { classes.clear(); }

TWindow* RootOf(TWindow* window) {
  while (window && window->parent) window = window->parent;
  return window;
}

TPoint ScreenOrigin(const TWindow* window) {
  if (!window->parent) return {window->rect.Left, window->rect.Top};
  TPoint p = ClientScreenOrigin(window->parent);
  return {p.X + window->rect.Left, p.Y + window->rect.Top};
}

TPoint ClientScreenOrigin(const TWindow* window) {
  TPoint p = ScreenOrigin(window);
  return {p.X + window->client.Left, p.Y + window->client.Top};
}

TPoint SurfaceOrigin(const TWindow* window) {
  if (!window->parent) return {0, 0};
  TPoint p = SurfaceOrigin(window->parent);
  return {p.X + window->parent->client.Left + window->rect.Left,
          p.Y + window->parent->client.Top + window->rect.Top};
}

bool ReallyVisible(const TWindow* window) {
  for (; window; window = window->parent)
    if (!window->Visible()) return false;
  return true;
}

bool IsDescendant(const TWindow* ancestor, const TWindow* window) {
  for (; window; window = window->parent)
    if (window == ancestor) return true;
  return false;
}

std::vector<TWindow*>& Siblings(TWindow* window) {
  return window->parent ? window->parent->children : topLevels;
}

namespace {

bool OwnedBy(const TWindow* w, const TWindow* owner) {
  for (const TWindow* o = w->owner; o; o = o->owner)
    if (o == owner) return true;
  return false;
}

}  // namespace

void BringTopLevelToFront(TWindow* top) {
  std::vector<TWindow*> group;  // owned windows in their order, then top
  for (TWindow* w : topLevels)
    if (OwnedBy(w, top)) group.push_back(w);
  group.push_back(top);
  std::erase_if(topLevels, [&group](TWindow* w) { return std::find(group.begin(), group.end(), w) != group.end(); });
  bool topmost = (top->exStyle & WS_EX_TOPMOST) != 0;
  auto at = topmost ? topLevels.begin()
                    : std::find_if(topLevels.begin(), topLevels.end(),
                                   [](TWindow* w) { return !(w->exStyle & WS_EX_TOPMOST); });
  topLevels.insert(at, group.begin(), group.end());
  if (!HasBackend()) return;
  Backend().RaiseNative(top->handle);
  for (auto it = group.rbegin() + 1; it != group.rend(); ++it) Backend().RaiseNative((*it)->handle);
}

}  // namespace detail

// ---- Classes ------------------------------------------------------------------

ATOM RegisterClass(const WNDCLASS& windowClass) {
  static ATOM nextAtom = 0xC000;
  if (windowClass.lpszClassName.empty() || detail::FindClass(windowClass.lpszClassName)) return 0;
  detail::classes.emplace(windowClass.lpszClassName, windowClass);
  return nextAtom++;
}

bool UnregisterClass(const std::string& className) { return detail::classes.erase(className) != 0; }

bool GetClassInfo(const std::string& className, WNDCLASS* windowClass) {
  const WNDCLASS* found = detail::FindClass(className);
  if (!found) return false;
  if (windowClass) *windowClass = *found;
  return true;
}

std::string GetClassName(HWND hwnd) {
  detail::TWindow* w = detail::Find(hwnd);
  return w ? w->cls.lpszClassName : std::string();
}
