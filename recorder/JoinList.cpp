#include "recorder/JoinList.h"

#include <charconv>
#include <cmath>
#include <numeric>
#include <sstream>

#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"

std::int64_t SecondsOfClockText(const std::string& text) {
  std::int64_t total = 0;
  int parts = 0;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, ':');) {
    const std::string number = Trim(part);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() || value < 0) return 0;
    total = total * 60 + value;
    ++parts;
  }
  return parts == 3 ? total : 0;
}

std::string JoinInfoLine(int rows, int ticked, std::int64_t tickedSeconds) {
  const char* rowWord = rows < 2 ? " file " : " files ";
  const char* tickedWord = rows < 2 || ticked < 2 ? " file " : " files ";
  return std::to_string(rows) + rowWord + "in list, " + std::to_string(ticked) + tickedWord +
         "selected, selected duration is approximately: " + FormatDurationHms(tickedSeconds * 1000);
}

int OverallMergePercent(int index, int count, int percent) {
  if (count <= 0) return 0;
  return static_cast<int>(std::lround(index * 100.0 / count + percent / static_cast<double>(count)));
}

namespace {

std::vector<int> Identity(std::size_t size) {
  std::vector<int> order(size);
  std::iota(order.begin(), order.end(), 0);
  return order;
}

// Swaps places a and b unless one lies outside or both hold selected rows.
void SwapRows(std::vector<int>& order, std::vector<bool>& selected, int a, int b) {
  const int size = static_cast<int>(order.size());
  if (a < 0 || b < 0 || a >= size || b >= size || (selected[a] && selected[b])) return;
  std::swap(order[a], order[b]);
  const bool first = selected[a];
  selected[a] = selected[b];
  selected[b] = first;
}

std::vector<int> SelectedToOneSide(const std::vector<bool>& selected, bool first) {
  std::vector<int> order;
  for (bool takeSelected : {first, !first})
    for (std::size_t i = 0; i < selected.size(); ++i)
      if (selected[i] == takeSelected) order.push_back(static_cast<int>(i));
  return order;
}

}  // namespace

std::vector<int> OrderAfterMoveUp(const std::vector<bool>& selected) {
  std::vector<int> order = Identity(selected.size());
  std::vector<bool> marks = selected;
  for (int i = 0; i < static_cast<int>(order.size()); ++i)
    if (marks[i]) SwapRows(order, marks, i, i - 1);
  return order;
}

std::vector<int> OrderAfterMoveDown(const std::vector<bool>& selected) {
  std::vector<int> order = Identity(selected.size());
  std::vector<bool> marks = selected;
  for (int i = static_cast<int>(order.size()) - 1; i >= 0; --i)
    if (marks[i]) SwapRows(order, marks, i, i + 1);
  return order;
}

std::vector<int> OrderWithSelectedFirst(const std::vector<bool>& selected) { return SelectedToOneSide(selected, true); }
std::vector<int> OrderWithSelectedLast(const std::vector<bool>& selected) { return SelectedToOneSide(selected, false); }
