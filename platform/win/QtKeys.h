#pragma once
// Virtual-key codes of Qt key events. Internal to the Qt backend.

namespace detail {

// qtKey: Qt::Key; keypad: the key is on the numeric keypad; scanCode: the
// X key code (places the digit and punctuation keys whatever the shift).
int VirtualKeyFromQt(int qtKey, bool keypad, unsigned scanCode);

}  // namespace detail
