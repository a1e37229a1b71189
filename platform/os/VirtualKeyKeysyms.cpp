#include "platform/os/VirtualKeyKeysyms.h"

#include <X11/keysym.h>

#include "platform/os/VirtualKeys.h"

namespace detail {

std::vector<unsigned long> KeysymsForVirtualKey(int vk) {
  if (vk >= 'A' && vk <= 'Z') return {static_cast<unsigned long>(XK_a + (vk - 'A'))};
  if (vk >= '0' && vk <= '9') return {static_cast<unsigned long>(XK_0 + (vk - '0'))};
  if (vk >= VK_F1 && vk <= VK_F24) return {static_cast<unsigned long>(XK_F1 + (vk - VK_F1))};
  // Both keypad meanings share a key; the keymap may list either.
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
    static const unsigned long navigation[] = {XK_KP_Insert, XK_KP_End,  XK_KP_Down, XK_KP_Next,
                                               XK_KP_Left,   XK_KP_Begin, XK_KP_Right, XK_KP_Home,
                                               XK_KP_Up,     XK_KP_Prior};
    return {static_cast<unsigned long>(XK_KP_0 + (vk - VK_NUMPAD0)), navigation[vk - VK_NUMPAD0]};
  }
  switch (vk) {
    case VK_SHIFT: return {XK_Shift_L, XK_Shift_R};
    case VK_CONTROL: return {XK_Control_L, XK_Control_R};
    case VK_MENU: return {XK_Alt_L, XK_Alt_R, XK_ISO_Level3_Shift};
    case VK_LSHIFT: return {XK_Shift_L};
    case VK_RSHIFT: return {XK_Shift_R};
    case VK_LCONTROL: return {XK_Control_L};
    case VK_RCONTROL: return {XK_Control_R};
    case VK_LMENU: return {XK_Alt_L};
    case VK_RMENU: return {XK_Alt_R, XK_ISO_Level3_Shift};
    case VK_LWIN: return {XK_Super_L};
    case VK_RWIN: return {XK_Super_R};
    case VK_APPS: return {XK_Menu};
    case VK_LEFT: return {XK_Left};
    case VK_UP: return {XK_Up};
    case VK_RIGHT: return {XK_Right};
    case VK_DOWN: return {XK_Down};
    case VK_HOME: return {XK_Home};
    case VK_END: return {XK_End};
    case VK_PRIOR: return {XK_Prior};
    case VK_NEXT: return {XK_Next};
    case VK_INSERT: return {XK_Insert};
    case VK_DELETE: return {XK_Delete};
    case VK_SPACE: return {XK_space};
    case VK_RETURN: return {XK_Return, XK_KP_Enter};
    case VK_ESCAPE: return {XK_Escape};
    case VK_TAB: return {XK_Tab};
    case VK_BACK: return {XK_BackSpace};
    case VK_PAUSE: return {XK_Pause};
    case VK_CAPITAL: return {XK_Caps_Lock};
    case VK_NUMLOCK: return {XK_Num_Lock};
    case VK_SCROLL: return {XK_Scroll_Lock};
    case VK_SNAPSHOT: return {XK_Print};
    case VK_CLEAR: return {XK_KP_Begin};
    case VK_MULTIPLY: return {XK_KP_Multiply};
    case VK_ADD: return {XK_KP_Add};
    case VK_SEPARATOR: return {XK_KP_Separator};
    case VK_SUBTRACT: return {XK_KP_Subtract};
    case VK_DECIMAL: return {XK_KP_Decimal, XK_KP_Delete};
    case VK_DIVIDE: return {XK_KP_Divide};
    case VK_OEM_1: return {XK_semicolon};
    case VK_OEM_PLUS: return {XK_equal};
    case VK_OEM_COMMA: return {XK_comma};
    case VK_OEM_MINUS: return {XK_minus};
    case VK_OEM_PERIOD: return {XK_period};
    case VK_OEM_2: return {XK_slash};
    case VK_OEM_3: return {XK_grave};
    case VK_OEM_4: return {XK_bracketleft};
    case VK_OEM_5: return {XK_backslash};
    case VK_OEM_6: return {XK_bracketright};
    case VK_OEM_7: return {XK_apostrophe};
    default: return {};
  }
}

}  // namespace detail
