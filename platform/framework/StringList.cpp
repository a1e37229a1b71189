#include "platform/framework/StringList.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/SysUtils.h"

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
  return caseSensitive_ ? CompareStr(a, b) : CompareText(a, b);
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStringList::CheckNotSorted() const {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
}

void TStringList::Changing() {
  if (updateCount_ == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (updateCount_ == 0 && OnChange) OnChange(this);
}

void TStringList::BeginUpdate() {
  if (updateCount_ == 0) Changing();
  ++updateCount_;
}

void TStringList::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::SetStrings(int index, const std::string& s) {
  CheckNotSorted();
  CheckIndex(index);
  Changing();
  items_[static_cast<size_t>(index)].text = s;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::SetObjects(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  items_[static_cast<size_t>(index)].object = object;
  Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = Count();
  if (sorted_ && Find(s, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::AddStrings(const TStringList& other) {
  BeginUpdate();
  for (const Item& item : std::vector<Item>(other.items_)) AddObject(item.text, item.object);
  EndUpdate();
}

void TStringList::Assign(const TStringList& other) {
  if (&other == this) return;
  BeginUpdate();
  items_.clear();
  sorted_ = false;  // take the other's order as it is, then its settings
  AddStrings(other);
  sorted_ = other.sorted_;
  duplicates_ = other.duplicates_;
  caseSensitive_ = other.caseSensitive_;
  lineBreak_ = other.lineBreak_;
  delimiter_ = other.delimiter_;
  quoteChar_ = other.quoteChar_;
  nameValueSeparator_ = other.nameValueSeparator_;
  EndUpdate();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
  CheckNotSorted();
  if (index < 0 || index > Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
  Changing();
  items_.insert(items_.begin() + index, Item{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
  Changed();
}

void TStringList::Move(int currentIndex, int newIndex) {
  if (currentIndex == newIndex) return;
  CheckIndex(currentIndex);
  CheckNotSorted();
  if (newIndex < 0 || newIndex >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(newIndex) + ")");
  BeginUpdate();
  Item item = items_[static_cast<size_t>(currentIndex)];
  items_.erase(items_.begin() + currentIndex);
  items_.insert(items_.begin() + newIndex, item);
  EndUpdate();
}

bool TStringList::Find(const std::string& s, int& index) const {
  // The first position whose string is not less than s.
  int low = 0, high = Count();
  while (low < high) {
    int middle = low + (high - low) / 2;
    if (CompareStrings(items_[static_cast<size_t>(middle)].text, s) < 0) low = middle + 1;
    else high = middle;
  }
  index = low;
  return low < Count() && CompareStrings(items_[static_cast<size_t>(low)].text, s) == 0;
}

int TStringList::IndexOf(const std::string& s) const {
  if (sorted_) {
    int index;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(items_[static_cast<size_t>(i)].text, s) == 0) return i;
  return -1;
}

int TStringList::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& text = items_[static_cast<size_t>(i)].text;
    size_t separator = text.find(nameValueSeparator_);
    if (separator != std::string::npos && CompareStrings(text.substr(0, separator), name) == 0) return i;
  }
  return -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)].object == object) return i;
  return -1;
}

void TStringList::CustomSort(const TCompare& compare) {
  if (Count() < 2) return;
  BeginUpdate();
  // Sort positions with the caller's comparison, which reads the list by
  // index, then lay the items out in that order.
  std::vector<int> order(items_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<Item> sortedItems;
  sortedItems.reserve(items_.size());
  for (int i : order) sortedItems.push_back(items_[static_cast<size_t>(i)]);
  items_.swap(sortedItems);
  EndUpdate();
}

void TStringList::Sort() {
  CustomSort([](TStringList& list, int a, int b) {
    return list.CompareStrings(list.items_[static_cast<size_t>(a)].text, list.items_[static_cast<size_t>(b)].text);
  });
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) Sort();
}

bool TStringList::Equals(const TStringList& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)].text != other.items_[static_cast<size_t>(i)].text) return false;
  return true;
}
