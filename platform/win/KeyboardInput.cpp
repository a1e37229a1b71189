// Keyboard input: key messages to the focus window, key state, text.

#include <array>

#include "platform/win/Core.h"

namespace detail {
namespace {

std::array<bool, 256> keyDown{};
std::array<bool, 256> keyToggled{};

bool Down(int vk) { return vk >= 0 && vk < 256 && keyDown[static_cast<std::size_t>(vk)]; }

// Keys go to the focus window, or to the active window when nothing has the
// focus (then as system keys, as the classic system does).
TWindow* KeyTarget(bool* system) {
  TWindow* target = Find(GetFocus());
  *system = false;
  if (!target) {
    target = Find(GetActiveWindow());
    *system = true;
  }
  return target;
}

LPARAM KeyLParam(int vk, bool down, bool autoRepeat) {
  std::uint32_t value = 1;  // repeat count
  if (Down(VK_MENU)) value |= 1u << 29;
  if (!down || autoRepeat) value |= 1u << 30;
  if (!down) value |= 1u << 31;
  (void)vk;
  return static_cast<LPARAM>(value);
}

}  // namespace

void SetKeyDown(int virtualKey, bool down) {
  if (virtualKey < 0 || virtualKey >= 256) return;
  auto index = static_cast<std::size_t>(virtualKey);
  if (down && !keyDown[index]) keyToggled[index] = !keyToggled[index];
  keyDown[index] = down;
}

void ClearKeyState() {
  keyDown.fill(false);
  keyToggled.fill(false);
}

void OnNativeKey(bool down, int virtualKey, bool autoRepeat, const std::string& text) {
  EnsureStarted();
  SetKeyDown(virtualKey, down);
  if (TrackerActive()) {
    if (down && virtualKey == VK_ESCAPE) TrackerCancel();
    return;
  }
  bool system = false;
  TWindow* target = KeyTarget(&system);
  if (!target || !RootOf(target)->Enabled()) return;
  // Alt without Ctrl makes system keys; Ctrl+Alt is AltGr, an ordinary key.
  if ((Down(VK_MENU) && !Down(VK_CONTROL)) || virtualKey == VK_F10) system = true;
  UINT message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  MSG msg = MakeMsg(target->handle, message, static_cast<WPARAM>(virtualKey),
                    KeyLParam(virtualKey, down, autoRepeat));
  msg.time = static_cast<DWORD>(Now());
  msg.pt = LastPointerPos();
  QueueMessage(msg, down ? text : std::string());
}

void OnNativeText(const std::string& text) {
  EnsureStarted();
  TWindow* target = Find(GetFocus());
  if (!target || !RootOf(target)->Enabled() || text.empty()) return;
  for (std::uint32_t code : CodePoints(text)) {
    MSG msg = MakeMsg(target->handle, WM_CHAR, code, 1);
    msg.time = static_cast<DWORD>(Now());
    msg.pt = LastPointerPos();
    QueueMessage(msg);
  }
}

std::vector<std::uint32_t> CodePoints(const std::string& text) {
  std::vector<std::uint32_t> codes;
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    std::uint32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3Fu);
    codes.push_back(code);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return codes;
}

}  // namespace detail

SHORT GetKeyState(int virtualKey) {
  using namespace detail;
  if (virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON || virtualKey == VK_MBUTTON)
    return PointerButtonHeld(virtualKey) ? static_cast<SHORT>(0x8000) : 0;
  std::uint16_t value = 0;
  if (Down(virtualKey)) value |= 0x8000;
  if (virtualKey >= 0 && virtualKey < 256 && keyToggled[static_cast<std::size_t>(virtualKey)]) value |= 1;
  return static_cast<SHORT>(value);
}
