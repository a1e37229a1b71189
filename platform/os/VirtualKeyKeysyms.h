#pragma once
// Which X keysyms stand for a virtual-key code. Generic codes list every
// key they cover (VK_SHIFT: both shift keys).

#include <vector>

namespace detail {

std::vector<unsigned long> KeysymsForVirtualKey(int virtualKey);

}  // namespace detail
