#include "platform/gfx/TextBidi.h"

#include <fribidi/fribidi.h>

namespace detail {

void ReorderRightToLeft(std::u32string& line, std::vector<bool>& flags) {
  if (line.empty()) return;
  const auto length = static_cast<FriBidiStrIndex>(line.size());
  std::vector<FriBidiChar> logical(line.begin(), line.end());
  std::vector<FriBidiChar> visual(line.size());
  std::vector<FriBidiStrIndex> visualToLogical(line.size());
  FriBidiParType direction = FRIBIDI_PAR_RTL;
  if (fribidi_log2vis(logical.data(), length, &direction, visual.data(), nullptr, visualToLogical.data(),
              nullptr) == 0)
    return;
  std::vector<bool> reordered(flags.size(), false);
  for (std::size_t v = 0; v < visual.size(); ++v) {
    const auto logicalIndex = static_cast<std::size_t>(visualToLogical[v]);
    if (v < reordered.size() && logicalIndex < flags.size()) reordered[v] = flags[logicalIndex];
  }
  line.assign(visual.begin(), visual.end());
  flags = std::move(reordered);
}

}  // namespace detail
