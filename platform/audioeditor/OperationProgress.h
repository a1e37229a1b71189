#pragma once
// Long operations report how far they are, in percent 0..100.

#include <functional>

namespace detail {

using ProgressFn = std::function<void(int percent)>;

// Reports whole percents only when they change, so a caller that pumps
// messages on each report is not called for every block.
class ProgressSteps {
 public:
  explicit ProgressSteps(const ProgressFn& report) : report_(report) {}
  void Report(long long done, long long total) {
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 100;
    if (percent == last_ || !report_) return;
    last_ = percent;
    report_(percent);
  }

 private:
  const ProgressFn& report_;
  int last_ = -1;
};

}  // namespace detail
