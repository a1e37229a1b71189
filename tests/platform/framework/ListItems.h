#pragma once
// A string list's contents as a vector, for comparing in one expectation.

#include <string>
#include <vector>

#include "platform/framework/StringList.h"

using Lines = std::vector<std::string>;

inline Lines Items(const TStringList& list) {
  Lines items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}
