// Window longs, procedures, text and the window hierarchy.

#include "platform/win/Core.h"

using namespace detail;

LONG_PTR GetWindowLong(HWND hwnd, int index) {
  TWindow* w = Find(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_USERDATA: return w->userData;
    case GWL_ID: return static_cast<LONG_PTR>(w->id);
    case GWL_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(w->parent ? w->parent->handle : w->owner ? w->owner->handle : nullptr);
    default: return 0;
  }
}

LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) {
  TWindow* w = Find(hwnd);
  if (!w) return 0;
  LONG_PTR old = GetWindowLong(hwnd, index);
  switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      WPARAM which = static_cast<WPARAM>(index);
      STYLESTRUCT change{static_cast<DWORD>(old), static_cast<DWORD>(value)};
      Send(w, WM_STYLECHANGING, which, reinterpret_cast<LPARAM>(&change));
      if (!(w = Find(hwnd))) return old;
      DWORD& target = index == GWL_STYLE ? w->style : w->exStyle;
      target = change.styleNew;
      Send(w, WM_STYLECHANGED, which, reinterpret_cast<LPARAM>(&change));
      break;
    }
    case GWL_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWL_USERDATA: w->userData = value; break;
    case GWL_ID: w->id = static_cast<UINT_PTR>(value); break;
    case GWL_HWNDPARENT:
      if (!w->parent) {
        TWindow* owner = RootOf(Find(reinterpret_cast<HWND>(value)));
        for (TWindow* o = owner; o; o = o->owner)
          if (o == w) return old;  // no window may end up owning itself
        w->owner = owner;
        Backend().SetNativeOwner(hwnd, owner ? owner->handle : nullptr);
      }
      break;
    default: return 0;
  }
  return old;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

HWND GetParent(HWND hwnd) {
  TWindow* w = Find(hwnd);
  if (!w) return nullptr;
  if (w->parent) return w->parent->handle;
  return w->owner ? w->owner->handle : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
  TWindow* w = Find(child);
  TWindow* p = Find(newParent);
  // Only child windows move between parents; a top-level keeps its native window.
  if (!w || !w->parent || !p || IsDescendant(w, p)) return nullptr;
  HWND old = w->parent ? w->parent->handle : nullptr;
  if (w->Visible()) InvalidateParentArea(w, w->rect);
  std::erase(Siblings(w), w);
  w->parent = p;
  Siblings(w).insert(Siblings(w).begin(), w);
  if (w->Visible()) InvalidateWhole(w);
  return old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  TWindow* w = Find(hwnd);
  if (!w) return nullptr;
  if (flags == GA_PARENT) return w->parent ? w->parent->handle : nullptr;
  TWindow* root = RootOf(w);
  if (flags == GA_ROOTOWNER)
    while (root->owner) root = root->owner;
  return root->handle;
}

HWND GetWindow(HWND hwnd, UINT command) {
  TWindow* w = Find(hwnd);
  if (!w) return nullptr;
  if (command == GW_CHILD) return w->children.empty() ? nullptr : w->children.front()->handle;
  if (command == GW_OWNER) return w->owner ? w->owner->handle : nullptr;
  auto& list = Siblings(w);
  auto it = std::find(list.begin(), list.end(), w);
  switch (command) {
    case GW_HWNDFIRST: return list.front()->handle;
    case GW_HWNDLAST: return list.back()->handle;
    case GW_HWNDNEXT: return it + 1 == list.end() ? nullptr : (*(it + 1))->handle;
    case GW_HWNDPREV: return it == list.begin() ? nullptr : (*(it - 1))->handle;
    default: return nullptr;
  }
}

HWND GetTopWindow(HWND parent) {
  if (!parent) return TopLevels().empty() ? nullptr : TopLevels().front()->handle;
  return GetWindow(parent, GW_CHILD);
}

bool IsChild(HWND parent, HWND hwnd) {
  TWindow* p = Find(parent);
  TWindow* w = Find(hwnd);
  return p && w && w != p && IsDescendant(p, w);
}

// The screen itself has no window here; nullptr stands for it.
HWND GetDesktopWindow() { return nullptr; }

std::vector<HWND> GetChildWindows(HWND parent) {
  std::vector<HWND> result;
  if (TWindow* w = Find(parent))
    for (TWindow* c : w->children) result.push_back(c->handle);
  return result;
}

std::vector<HWND> GetTopLevelWindows() {
  std::vector<HWND> result;
  for (TWindow* w : TopLevels()) result.push_back(w->handle);
  return result;
}

bool SetWindowText(HWND hwnd, const std::string& text) {
  TWindow* w = Find(hwnd);
  if (!w) return false;
  return Send(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

std::string GetWindowText(HWND hwnd) {
  TWindow* w = Find(hwnd);
  if (!w) return {};
  auto length = static_cast<std::size_t>(Send(w, WM_GETTEXTLENGTH, 0, 0));
  std::string buffer(length + 1, '\0');
  auto copied = static_cast<std::size_t>(
      SendMessage(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
  buffer.resize(std::min(copied, length));
  return buffer;
}

int GetWindowTextLength(HWND hwnd) {
  TWindow* w = Find(hwnd);
  return w ? static_cast<int>(Send(w, WM_GETTEXTLENGTH, 0, 0)) : 0;
}
