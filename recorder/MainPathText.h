#pragma once
// A file path shortened to fit a label: folders after the first are
// replaced by "..." until the text is narrow enough.

#include <functional>
#include <string>

// textWidth measures a text in pixels in the label's font. The result is
// the path itself when it fits; otherwise first folder + ".../" + the last
// folders that still fit + the name; then ".../" + the name; then the name
// cut at its end and followed by "...".
std::string ShortenPathToFit(const std::string& path, int maxWidth,
                             const std::function<int(const std::string&)>& textWidth);
