#include "platform/gfx/TextBidi.h"

#include <dlfcn.h>
#include <fribidi/fribidi.h>

#include <mutex>

namespace detail {
namespace {

// The graphics module's link line does not name fribidi, so its one entry
// point is bound when first needed.
using Log2Vis = decltype(&fribidi_log2vis);

Log2Vis BindLog2Vis() {
  static Log2Vis function = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    void* library = dlopen("libfribidi.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library) function = reinterpret_cast<Log2Vis>(dlsym(library, "fribidi_log2vis"));
  });
  return function;
}

}  // namespace

void ReorderRightToLeft(std::u32string& line, std::vector<bool>& flags) {
  if (line.empty()) return;
  const Log2Vis log2vis = BindLog2Vis();
  if (!log2vis) return;
  const auto length = static_cast<FriBidiStrIndex>(line.size());
  std::vector<FriBidiChar> logical(line.begin(), line.end());
  std::vector<FriBidiChar> visual(line.size());
  std::vector<FriBidiStrIndex> visualToLogical(line.size());
  FriBidiParType direction = FRIBIDI_PAR_RTL;
  if (log2vis(logical.data(), length, &direction, visual.data(), nullptr, visualToLogical.data(),
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
