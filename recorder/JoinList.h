#pragma once
// The joiner's list rules that need no window: the info line, the overall
// progress over several files, and the orders the move commands give.

#include <cstdint>
#include <string>
#include <vector>

// Seconds of an "hh : mm : ss" duration text, read part by part as
// numbers (hours may have more digits); 0 for a text that is no duration.
std::int64_t SecondsOfClockText(const std::string& text);

// "3 files in list, 2 files selected, selected duration is approximately: "
// and the duration of the ticked rows.
std::string JoinInfoLine(int rows, int ticked, std::int64_t tickedSeconds);

// The whole merge's percentage while file `index` of `count` is at
// `percent`, to the nearest integer.
int OverallMergePercent(int index, int count, int percent);

// The move commands as new orders: entry i of the answer is the old row
// that goes to place i. A selected row swaps with its unselected
// neighbour; a selected block touching the edge stays.
std::vector<int> OrderAfterMoveUp(const std::vector<bool>& selected);
std::vector<int> OrderAfterMoveDown(const std::vector<bool>& selected);
// The selected rows first (or last), each group in its old order.
std::vector<int> OrderWithSelectedFirst(const std::vector<bool>& selected);
std::vector<int> OrderWithSelectedLast(const std::vector<bool>& selected);
