// The date picker's keys: choosing a field, stepping it, typing it, and
// opening and closing the calendar.

#include <algorithm>

#include "platform/framework/DateTimePicker.h"

bool TDateTimePicker::HandleKey(WORD key) {
  bool alt = GetKeyState(VK_MENU) < 0;
  if ((key == VK_F4 && !alt) || (alt && (key == VK_DOWN || key == VK_UP))) {
    ShowCalendar(!dropped_);
    return true;
  }
  if (dropped_ && (key == VK_ESCAPE || key == VK_RETURN)) {
    ShowCalendar(false);
    return true;
  }
  switch (key) {
    case VK_LEFT: MoveField(-1); return true;
    case VK_RIGHT: MoveField(1); return true;
    case VK_UP: StepField(1); return true;
    case VK_DOWN: StepField(-1); return true;
    default: return false;
  }
}

void TDateTimePicker::MoveField(int direction) {
  std::vector<TDateField> order = FieldOrder();
  auto at = std::find(order.begin(), order.end(), field_);
  int index = at == order.end() ? 0 : static_cast<int>(at - order.begin());
  int count = static_cast<int>(order.size());
  field_ = order[static_cast<std::size_t>((index + direction + count) % count)];
  typed_.clear();
  Invalidate();
}

void TDateTimePicker::StepField(int delta) {
  typed_.clear();
  int y, m, d;
  Decode(y, m, d);
  switch (field_) {
    case dtfDay: {
      int days = DaysInAMonth(y, m);
      d = ((d - 1 + delta) % days + days) % days + 1;
      break;
    }
    case dtfMonth:
      m = ((m - 1 + delta) % 12 + 12) % 12 + 1;
      d = std::min(d, DaysInAMonth(y, m));
      break;
    case dtfYear:
      y = std::clamp(y + delta, 1, 9999);
      d = std::min(d, DaysInAMonth(y, m));
      break;
    case dtfNone: return;
  }
  UserDate(y, m, d);
}

// Digits build the field's number: a day or month takes effect as soon as
// it is a possible one, and a further digit that could still belong to it
// is awaited; a year takes effect once its four digits are typed.
void TDateTimePicker::TypeDigit(int digit) {
  if (field_ == dtfNone) return;
  int y, m, d;
  Decode(y, m, d);
  typed_ += static_cast<char>('0' + digit);
  int value = std::stoi(typed_);
  if (field_ == dtfYear) {
    if (typed_.size() < 4) return;
    typed_.clear();
    if (value < 1) return;
    UserDate(value, m, std::min(d, DaysInAMonth(value, m)));
    return;
  }
  int highest = field_ == dtfDay ? DaysInAMonth(y, m) : 12;
  // A second digit that makes no possible number starts a new one.
  if (value > highest && typed_.size() > 1) {
    typed_ = typed_.substr(1);
    value = digit;
  }
  if (value >= 1 && value <= highest) {
    if (field_ == dtfDay) d = value;
    else {
      m = value;
      d = std::min(d, DaysInAMonth(y, m));
    }
    UserDate(y, m, d);
  }
  // A two-digit number, or one that no further digit can keep in range,
  // ends the typing of this field.
  if (typed_.size() >= 2 || value * 10 > highest) typed_.clear();
}
