#pragma once
// The constant rows of the five built-in looks, shared by the accessors.

#include <cstdint>

#include "skin/ZELThemes.h"

namespace detail {

constexpr int kBuiltInLookCount = 5;

// One element: its name and kind, and per look (MacOS .. BlueGlass) the
// value, or for a bitmap the resource name suffix or whole name.
struct TzelBuiltInRow {
  const char* name;
  TzelThemeItemKind kind;
  std::int32_t values[kBuiltInLookCount];
  const char* suffix;                              // "" for a bitmap without a name
  const char* wholeNames[kBuiltInLookCount];       // set when the looks use their own names
};

// Row n-1 describes element n.
extern const TzelBuiltInRow kBuiltInRows[zelLastElement];

// "MACOS", "WINXP", ... in look order.
extern const char* const kLookPrefixes[kBuiltInLookCount];

}  // namespace detail
