#pragma once
// Right-to-left reading order for one line of text (the bidirectional
// algorithm with a right-to-left paragraph, through fribidi).

#include <string>
#include <vector>

namespace detail {

// Puts the characters of line into visual order, mirroring brackets, and
// moves each character's flag with it. Leaves the line as it is when the
// bidi library is not available.
void ReorderRightToLeft(std::u32string& line, std::vector<bool>& flags);

}  // namespace detail
