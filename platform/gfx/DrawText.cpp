#include "platform/gfx/DrawText.h"

#include <algorithm>
#include <unordered_map>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/FontEngine.h"
#include "platform/gfx/FontFaceCache.h"
#include "platform/gfx/TextBidi.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextUtf8.h"

namespace {

// Tab stops lie every eight average character widths, as in the window system.
constexpr int kTabStopChars = 8;

// Advances of every character the layout may ask for, fetched in one go.
class AdvanceTable {
 public:
  AdvanceTable(const detail::FontRequest& request, std::u32string_view text) {
    std::u32string wanted(text);
    wanted += U'.';
    const std::vector<int> advances = detail::AdvancesFor(request, wanted);
    for (std::size_t i = 0; i < wanted.size(); ++i) table_[wanted[i]] = advances[i];
  }
  int operator()(char32_t c) const {
    auto it = table_.find(c);
    return it == table_.end() ? 0 : it->second;
  }

 private:
  std::unordered_map<char32_t, int> table_;
};

struct LineDrawer {
  TCanvas& canvas;
  const detail::LayoutOptions& options;
  const detail::AdvanceFunction& advance;
  const detail::FaceMetrics& metrics;

  void Draw(const detail::LaidLine& line, int x, int y) const {
    const std::vector<int> positions =
        detail::CharacterPositions(line.Text, advance, options.ExpandTabs, options.TabWidth);
    // Expanded tabs are gaps: the runs between them are drawn where the
    // tab stops put them.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.Text.size(); ++i) {
      const bool end = i == line.Text.size();
      if (!end && !(options.ExpandTabs && line.Text[i] == U'\t')) continue;
      if (i > start)
        canvas.TextOut(x + positions[start], y,
                       EncodeUtf8(std::u32string_view(line.Text).substr(start, i - start)));
      start = i + 1;
    }
    DrawPrefixUnderlines(line, positions, x, y);
  }

  void DrawPrefixUnderlines(const detail::LaidLine& line, const std::vector<int>& positions, int x,
                            int y) const {
    if (std::find(line.Underline.begin(), line.Underline.end(), true) == line.Underline.end()) return;
    const detail::DecorationMetrics& lines = metrics.Lines;
    const int top = y + metrics.Text.Ascent + lines.UnderlineOffset;
    HBRUSH brush = CreateSolidBrush(canvas.TextColor());
    for (std::size_t i = 0; i < line.Underline.size(); ++i)
      if (line.Underline[i])
        FillRect(&canvas, Rect(x + positions[i], top, x + positions[i + 1], top + lines.UnderlineThickness),
                 brush);
    DeleteObject(brush);
  }
};

int LineLeft(const TRect& rect, int width, UINT format) {
  if (format & DT_CENTER) return rect.Left + (rect.Width() - width) / 2;
  if (format & DT_RIGHT) return rect.Right - width;
  return rect.Left;
}

}  // namespace

int DrawText(HDC dc, std::string_view text, TRect& rect, UINT format) {
  if (!dc) return 0;
  TCanvas& canvas = *dc;
  const detail::FontRequest request = detail::RequestFor(*canvas.Font());
  const detail::FaceMetrics metrics = detail::MetricsFor(request);
  const std::u32string decoded = DecodeUtf8(text);
  const AdvanceTable table(request, decoded);
  const detail::AdvanceFunction advance = [&table](char32_t c) { return table(c); };

  detail::LayoutOptions options;
  options.MaxWidth = rect.Width();
  options.SingleLine = (format & DT_SINGLELINE) != 0;
  options.WordBreak = (format & DT_WORDBREAK) != 0;
  options.Prefix = (format & DT_NOPREFIX) == 0;
  options.ExpandTabs = (format & DT_EXPANDTABS) != 0;
  options.EndEllipsis = (format & DT_END_ELLIPSIS) != 0;
  options.TabWidth = kTabStopChars * metrics.Text.AveCharWidth;
  std::vector<detail::LaidLine> lines = detail::LayOutText(decoded, options, advance);
  // An empty text is one empty line: it has a line's height, and no width.
  if (lines.empty()) lines.emplace_back();
  if (format & DT_RTLREADING)
    for (detail::LaidLine& line : lines) detail::ReorderRightToLeft(line.Text, line.Underline);

  const int lineHeight = metrics.Text.Height;
  const int textHeight = static_cast<int>(lines.size()) * lineHeight;
  if (format & DT_CALCRECT) {
    int width = 0;
    for (const detail::LaidLine& line : lines) width = std::max(width, line.Width);
    rect.Right = rect.Left + width;
    rect.Bottom = rect.Top + textHeight;
    return textHeight;
  }

  int top = rect.Top;
  if (options.SingleLine && (format & DT_VCENTER)) top = rect.Top + (rect.Height() - lineHeight) / 2;
  else if (options.SingleLine && (format & DT_BOTTOM)) top = rect.Bottom - lineHeight;

  const bool clip = (format & DT_NOCLIP) == 0;
  const int saved = clip ? canvas.SaveDC() : 0;
  if (clip) canvas.IntersectClipRect(rect);
  const LineDrawer drawer{canvas, options, advance, metrics};
  int y = top;
  for (const detail::LaidLine& line : lines) {
    drawer.Draw(line, LineLeft(rect, line.Width, format), y);
    y += lineHeight;
  }
  if (clip) canvas.RestoreDC(saved);
  return top - rect.Top + textHeight;
}
