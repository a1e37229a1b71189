#include "platform/gfx/TextLayout.h"

namespace detail {
namespace {

constexpr std::u32string_view kEllipsis = U"...";

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

// The text with its "&" prefixes resolved into underline flags.
LaidLine ResolvePrefixes(std::u32string_view text, bool prefix) {
  LaidLine out;
  out.Text.reserve(text.size());
  bool underlineNext = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (prefix && text[i] == U'&') {
      if (i + 1 < text.size() && text[i + 1] == U'&') {
        ++i;  // "&&" stands for one plain "&"
      } else {
        underlineNext = true;  // a lone "&" at the very end shows nothing
        continue;
      }
    }
    out.Text.push_back(text[i]);
    out.Underline.push_back(underlineNext);
    underlineNext = false;
  }
  return out;
}

LaidLine Slice(const LaidLine& line, std::size_t from, std::size_t to) {
  LaidLine out;
  out.Text = line.Text.substr(from, to - from);
  out.Underline.assign(line.Underline.begin() + from, line.Underline.begin() + to);
  return out;
}

void Append(LaidLine& line, const LaidLine& source, std::size_t from, std::size_t to) {
  line.Text.append(source.Text, from, to - from);
  line.Underline.insert(line.Underline.end(), source.Underline.begin() + from,
                        source.Underline.begin() + to);
}

std::vector<LaidLine> SplitHardLines(const LaidLine& text) {
  std::vector<LaidLine> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.Text.size(); ++i) {
    const char32_t c = text.Text[i];
    if (c != U'\r' && c != U'\n') continue;
    lines.push_back(Slice(text, start, i));
    if (c == U'\r' && i + 1 < text.Text.size() && text.Text[i + 1] == U'\n') ++i;
    start = i + 1;
  }
  lines.push_back(Slice(text, start, text.Text.size()));
  return lines;
}

class Measurer {
 public:
  Measurer(const AdvanceFunction& advance, const LayoutOptions& options)
      : advance_(advance), options_(options) {}

  // The pen position after the characters [from, to) drawn from x.
  int Advance(int x, std::u32string_view text, std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to; ++i) x = Step(x, text[i]);
    return x;
  }

  int Step(int x, char32_t c) const {
    if (c == U'\t' && options_.ExpandTabs && options_.TabWidth > 0)
      return (x / options_.TabWidth + 1) * options_.TabWidth;
    return x + advance_(c);
  }

 private:
  const AdvanceFunction& advance_;
  const LayoutOptions& options_;
};

bool HasInk(const LaidLine& line) {
  for (char32_t c : line.Text)
    if (!IsBlank(c)) return true;
  return false;
}

void TrimTrailingBlanks(LaidLine& line) {
  while (!line.Text.empty() && IsBlank(line.Text.back())) {
    line.Text.pop_back();
    line.Underline.pop_back();
  }
}

// Greedy wrapping between words; the blanks at a break vanish, and a word
// wider than the whole line stands alone on its line.
void WrapLine(const LaidLine& hard, const Measurer& measure, int maxWidth,
              std::vector<LaidLine>& out) {
  const std::u32string_view text = hard.Text;
  LaidLine current;
  int x = 0;
  std::size_t i = 0;
  do {
    std::size_t wordEnd = i;
    while (wordEnd < text.size() && !IsBlank(text[wordEnd])) ++wordEnd;
    std::size_t blanksEnd = wordEnd;
    while (blanksEnd < text.size() && IsBlank(text[blanksEnd])) ++blanksEnd;
    int afterWord = measure.Advance(x, text, i, wordEnd);
    if (afterWord > maxWidth && wordEnd > i && HasInk(current)) {
      TrimTrailingBlanks(current);
      out.push_back(std::move(current));
      current = {};
      afterWord = measure.Advance(0, text, i, wordEnd);
    }
    Append(current, hard, i, blanksEnd);
    x = measure.Advance(afterWord, text, wordEnd, blanksEnd);
    i = blanksEnd;
  } while (i < text.size());
  out.push_back(std::move(current));
}

void AddEndEllipsis(LaidLine& line, const Measurer& measure, const std::vector<int>& positions,
                    int maxWidth) {
  const int ellipsisWidth = measure.Advance(0, kEllipsis, 0, kEllipsis.size());
  std::size_t keep = line.Text.size();
  while (keep > 0 && positions[keep] + ellipsisWidth > maxWidth) --keep;
  line.Text.resize(keep);
  line.Underline.resize(keep);
  line.Text.append(kEllipsis);
  line.Underline.resize(line.Text.size(), false);
}

}  // namespace

std::vector<int> CharacterPositions(std::u32string_view line, const AdvanceFunction& advance,
                                    bool expandTabs, int tabWidth) {
  LayoutOptions options;
  options.ExpandTabs = expandTabs;
  options.TabWidth = tabWidth;
  const Measurer measure(advance, options);
  std::vector<int> positions;
  positions.reserve(line.size() + 1);
  int x = 0;
  for (char32_t c : line) {
    positions.push_back(x);
    x = measure.Step(x, c);
  }
  positions.push_back(x);
  return positions;
}

std::vector<LaidLine> LayOutText(std::u32string_view text, const LayoutOptions& options,
                                 const AdvanceFunction& advance) {
  if (text.empty()) return {};
  const Measurer measure(advance, options);
  const LaidLine resolved = ResolvePrefixes(text, options.Prefix);

  std::vector<LaidLine> lines;
  if (options.SingleLine) {
    lines.push_back(resolved);
  } else {
    for (const LaidLine& hard : SplitHardLines(resolved)) {
      if (options.WordBreak) WrapLine(hard, measure, options.MaxWidth, lines);
      else lines.push_back(hard);
    }
  }

  for (LaidLine& line : lines)
    line.Width = measure.Advance(0, line.Text, 0, line.Text.size());

  // Only the end of the text gets the ellipsis; earlier lines are clipped.
  LaidLine& last = lines.back();
  if (options.EndEllipsis && last.Width > options.MaxWidth) {
    const std::vector<int> positions =
        CharacterPositions(last.Text, advance, options.ExpandTabs, options.TabWidth);
    AddEndEllipsis(last, measure, positions, options.MaxWidth);
    last.Width = measure.Advance(0, last.Text, 0, last.Text.size());
  }
  return lines;
}

}  // namespace detail
