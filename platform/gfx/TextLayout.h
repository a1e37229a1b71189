#pragma once
// Line layout for DrawText: "&" prefixes, hard line breaks, word wrapping,
// tab expansion and the end ellipsis, measured with a per-character
// advance function so it can be checked without drawing.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace detail {

struct LayoutOptions {
  int MaxWidth = 0;
  bool SingleLine = false;
  bool WordBreak = false;
  bool Prefix = true;  // "&" underlines the next character, "&&" is "&"
  bool ExpandTabs = false;
  bool EndEllipsis = false;
  int TabWidth = 8;  // distance between tab stops, in pixels
};

struct LaidLine {
  std::u32string Text;
  std::vector<bool> Underline;  // one flag per character of Text
  int Width = 0;
};

using AdvanceFunction = std::function<int(char32_t)>;

// Where each character of a line starts, from the line's left edge; one
// more entry than characters (the last is the line's width).
std::vector<int> CharacterPositions(std::u32string_view line, const AdvanceFunction& advance,
                                    bool expandTabs, int tabWidth);

std::vector<LaidLine> LayOutText(std::u32string_view text, const LayoutOptions& options,
                                 const AdvanceFunction& advance);

}  // namespace detail
