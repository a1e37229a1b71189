#pragma once
// The texts of the burner library's error codes.

#include <cstdint>
#include <string>

namespace burnlib {

// The text of a code, or the empty string when the code is not ours.
std::string ErrorText(std::int32_t code);

}  // namespace burnlib
