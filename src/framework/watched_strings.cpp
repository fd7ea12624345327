#include "framework/watched_strings.h"

void TWatchedStrings::Put(int index, std::string_view s) {
  items_.Put(index, s);
  Changed();
}

void TWatchedStrings::Insert(int index, std::string_view s) {
  items_.Insert(index, s);
  Changed();
}

void TWatchedStrings::Delete(int index) {
  items_.Delete(index);
  Changed();
}

void TWatchedStrings::Clear() {
  items_.Clear();
  Changed();
}

int TWatchedStrings::Add(std::string_view s) {
  const int index = items_.Add(s);
  Changed();
  return index;
}

void TWatchedStrings::SetSorted(bool sorted) {
  items_.SetSorted(sorted);
  Changed();
}

void TWatchedStrings::EndUpdate() {
  if (--updating_ == 0) Changed();
}

void TWatchedStrings::Changed() {
  if (updating_ == 0 && changed_) changed_();
}
