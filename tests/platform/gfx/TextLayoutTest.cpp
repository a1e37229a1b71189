#include <gtest/gtest.h>

#include "platform/gfx/TextBidi.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextUtf8.h"

using detail::LaidLine;
using detail::LayoutOptions;
using detail::LayOutText;

namespace {

// Every character 5 pixels wide but "." (2) and "W" (9).
int FixedAdvance(char32_t c) { return c == U'.' ? 2 : c == U'W' ? 9 : 5; }

std::vector<LaidLine> Lay(std::string_view text, LayoutOptions options) {
  return LayOutText(DecodeUtf8(text), options, FixedAdvance);
}

std::vector<std::string> Texts(const std::vector<LaidLine>& lines) {
  std::vector<std::string> out;
  for (const LaidLine& line : lines) out.push_back(EncodeUtf8(line.Text));
  return out;
}

std::string Marks(const LaidLine& line) {
  std::string out;
  for (bool b : line.Underline) out += b ? '^' : ' ';
  return out;
}

}  // namespace

TEST(TextUtf8, DecodesValidAndReplacesBrokenSequences) {
  EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5"), U"a\u00E9\u20AC\U0001F3B5");
  EXPECT_EQ(DecodeUtf8("\xC3"), U"\uFFFD") << "truncated sequence";
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD") << "overlong slash";
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD") << "surrogate";
  EXPECT_EQ(DecodeUtf8("\xE2\x28\xA1"), U"\uFFFD(\uFFFD");
  EXPECT_EQ(EncodeUtf8(DecodeUtf8("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC")), "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC");
}

TEST(TextLayout, PrefixesUnderlineTheNextCharacterAndDoubleAmpersandIsLiteral) {
  const auto lines = Lay("&File && E&xit&", {.MaxWidth = 500, .SingleLine = true});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(EncodeUtf8(lines[0].Text), "File & Exit");
  EXPECT_EQ(Marks(lines[0]), "^       ^  ");
  EXPECT_EQ(lines[0].Width, 11 * 5);

  const auto plain = Lay("&File && Exit", {.MaxWidth = 500, .SingleLine = true, .Prefix = false});
  EXPECT_EQ(EncodeUtf8(plain[0].Text), "&File && Exit");
  EXPECT_EQ(Marks(plain[0]), std::string(13, ' '));
}

TEST(TextLayout, HardBreaksSplitLinesUnlessSingleLine) {
  EXPECT_EQ(Texts(Lay("one\r\ntwo\nthree\rfour", {.MaxWidth = 500})),
            (std::vector<std::string>{"one", "two", "three", "four"}));
  EXPECT_EQ(Texts(Lay("a\n", {.MaxWidth = 500})), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(Lay("one\ntwo", {.MaxWidth = 500, .SingleLine = true}).size(), 1u);
  EXPECT_TRUE(Lay("", {.MaxWidth = 500}).empty());
}

TEST(TextLayout, WordBreakWrapsGreedilyAndDropsBlanksAtBreaks) {
  // 40 pixels hold 8 characters.
  const auto lines = Lay("The quick brown fox jumps", {.MaxWidth = 40, .WordBreak = true});
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{"The", "quick", "brown", "fox", "jumps"}));
  EXPECT_EQ(Texts(Lay("ab cd ef gh", {.MaxWidth = 40, .WordBreak = true})),
            (std::vector<std::string>{"ab cd ef", "gh"}));
  for (const LaidLine& line : Lay("ab cd ef gh", {.MaxWidth = 40, .WordBreak = true}))
    EXPECT_LE(line.Width, 40);
}

TEST(TextLayout, WordWiderThanTheLineStandsAlone) {
  EXPECT_EQ(Texts(Lay("a Splitterwindow b", {.MaxWidth = 30, .WordBreak = true})),
            (std::vector<std::string>{"a", "Splitterwindow", "b"}));
  EXPECT_EQ(Texts(Lay("  Splitterwindow", {.MaxWidth = 30, .WordBreak = true})),
            (std::vector<std::string>{"  Splitterwindow"}))
      << "leading blanks stay with the first word";
  EXPECT_EQ(Texts(Lay("x y", {.MaxWidth = 0, .WordBreak = true})),
            (std::vector<std::string>{"x", "y"}));
}

TEST(TextLayout, WordBreakKeepsHardBreaksAndPrefixes) {
  const auto lines = Lay("&Open file\nSave &as copy", {.MaxWidth = 45, .WordBreak = true});
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{"Open file", "Save as", "copy"}));
  EXPECT_EQ(Marks(lines[0]), "^        ");
  EXPECT_EQ(Marks(lines[1]), "     ^ ");
}

TEST(TextLayout, EndEllipsisKeepsTheLongestPrefixThatFits) {
  // "Recorded" = 40 px; "..." = 6 px; 30 px hold "Reco..." (20 + 6).
  const auto lines = Lay("Recorded", {.MaxWidth = 30, .SingleLine = true, .EndEllipsis = true});
  EXPECT_EQ(EncodeUtf8(lines[0].Text), "Reco...");
  EXPECT_EQ(lines[0].Width, 26);
  EXPECT_EQ(EncodeUtf8(Lay("Recorded", {.MaxWidth = 40, .SingleLine = true, .EndEllipsis = true})[0].Text),
            "Recorded")
      << "text that fits is untouched";
  EXPECT_EQ(EncodeUtf8(Lay("Recorded", {.MaxWidth = 3, .SingleLine = true, .EndEllipsis = true})[0].Text),
            "...");
  const auto marked = Lay("Sa&ve as", {.MaxWidth = 25, .SingleLine = true, .EndEllipsis = true});
  EXPECT_EQ(EncodeUtf8(marked[0].Text), "Sav...");
  EXPECT_EQ(Marks(marked[0]), "  ^   ");
}

TEST(TextLayout, EllipsisOnlyOnTheLastWrappedLine) {
  const auto lines =
      Lay("Splitterwindow and Joinerwindow", {.MaxWidth = 40, .WordBreak = true, .EndEllipsis = true});
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{"Splitterwindow", "and", "Joiner..."}));
}

TEST(TextLayout, TabsExpandToStopsOnlyWhenAsked) {
  // Tab stops every 20 pixels.
  const std::u32string line = U"ab\tc\td";
  EXPECT_EQ(detail::CharacterPositions(line, FixedAdvance, true, 20),
            (std::vector<int>{0, 5, 10, 20, 25, 40, 45}));
  EXPECT_EQ(detail::CharacterPositions(U"abcd\tx", FixedAdvance, true, 20),
            (std::vector<int>{0, 5, 10, 15, 20, 40, 45}))
      << "a tab at a stop moves to the next one";
  const auto expanded = Lay("ab\tc", {.MaxWidth = 500, .SingleLine = true, .ExpandTabs = true, .TabWidth = 20});
  EXPECT_EQ(expanded[0].Width, 25);
}

TEST(TextBidi, RightToLeftMovesTrailingNeutralsToTheFrontAndKeepsFlags) {
  std::u32string line = U"Close (x).";
  std::vector<bool> flags(line.size(), false);
  flags[0] = true;  // the "C"
  detail::ReorderRightToLeft(line, flags);
  EXPECT_EQ(line, U".Close (x)");
  ASSERT_EQ(flags.size(), line.size());
  EXPECT_TRUE(flags[1]);
  EXPECT_FALSE(flags[0]);

  std::u32string hebrew = U"\u05D0\u05D1 ab";
  std::vector<bool> none(hebrew.size(), false);
  detail::ReorderRightToLeft(hebrew, none);
  EXPECT_EQ(hebrew, U"ab \u05D1\u05D0");
}
