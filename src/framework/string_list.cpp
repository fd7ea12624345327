#include "framework/string_list.h"

#include <algorithm>
#include <cstdio>

#include "framework/collation.h"
#include "framework/exception.h"
#include "framework/file_io.h"
#include "framework/published.h"

namespace {

// What becomes of items that compare equal.
enum class EqualItems { kInOrder, kReversed, kFirstOnly };

// The items in the locale's order by a stable counting sort over their ranks:
// the comparisons are spent once per distinct text, not per pair of items.
std::vector<AnsiString> SortByLocale(std::vector<AnsiString> items, const TLocale& locale, EqualItems equal) {
  if (items.empty()) return items;
  const std::vector<std::uint32_t> ranks = CollationRanks(items, locale);
  const std::size_t rank_count = *std::max_element(ranks.begin(), ranks.end()) + std::size_t{1};
  std::vector<AnsiString> sorted;
  if (equal == EqualItems::kFirstOnly) {
    sorted.resize(rank_count);
    std::vector<bool> placed(rank_count, false);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (placed[ranks[i]]) continue;
      placed[ranks[i]] = true;
      sorted[ranks[i]] = std::move(items[i]);
    }
    return sorted;
  }
  std::vector<std::size_t> next(rank_count + 1, 0);
  for (std::uint32_t rank : ranks) ++next[rank + 1];
  for (std::size_t r = 0; r < rank_count; ++r) next[r + 1] += next[r];
  sorted.resize(items.size());
  const auto place = [&](std::size_t i) { sorted[next[ranks[i]]++] = std::move(items[i]); };
  if (equal == EqualItems::kInOrder) {
    for (std::size_t i = 0; i < items.size(); ++i) place(i);
  } else {
    for (std::size_t i = items.size(); i-- > 0;) place(i);
  }
  return sorted;
}

}  // namespace

const TClassInfo& TStrings::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishList("Strings", &TStrings::Strings,
                  static_cast<void (TStrings::*)(const TStringArray&)>(&TStrings::SetStrings)),
  };
  static const TClassInfo info = MakeClassInfo<TStrings, TPersistent>("TStrings", properties);
  return info;
}

const TClassInfo& TStringList::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TStringList, TStrings>("TStringList");
  return info;
}

void TStrings::Put(int index, std::string_view s) {
  Update([&] {
    Delete(index);
    Insert(index, s);
  });
}

int TStrings::Add(std::string_view s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::IndexOf(std::string_view s) const {
  const TLocale& locale = DefaultLocale();
  for (int i = 0; i < Count(); ++i) {
    if (locale.CompareText(Get(i), s) == 0) return i;
  }
  return -1;
}

AnsiString TStrings::Text() const {
  AnsiString text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<AnsiString> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    // A plain scan: find_first_of searches its set once per byte.
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.emplace_back(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  Update([&] {
    Clear();
    AddAll(std::move(lines));
  });
}

void TStrings::AddAll(std::vector<AnsiString> items) {
  for (const AnsiString& item : items) Add(item);
}

void TStrings::Assign(const TPersistent& source) {
  if (const TStrings* strings = ObjectAs<TStrings>(&source)) {
    Assign(*strings);
  } else {
    TPersistent::Assign(source);
  }
}

TStringArray TStrings::Strings() const {
  TStringArray items;
  for (int i = 0; i < Count(); ++i) items.push_back(Get(i));
  return items;
}

void TStrings::SetStrings(const TStringArray& items) {
  Update([&] {
    Clear();
    AddAll(items);
  });
}

void TStrings::SetStrings(TStringArray&& items) {
  Update([&] {
    Clear();
    AddAll(std::move(items));
  });
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  TStringArray items = source.Strings();
  Update([&] {
    Clear();
    AddAll(std::move(items));
  });
}

void TStrings::LoadFromFile(const AnsiString& file_name) {
  SetText(ReadFileBytes(file_name));
}

void TStrings::SaveToFile(const AnsiString& file_name) const {
  WriteFileBytes(file_name, Text());
}

void TStringList::CheckIndex(int index, bool allow_end) const {
  if (index < 0 || index > Count() || (index == Count() && !allow_end)) {
    char message[64];
    std::snprintf(message, sizeof message, "List index out of bounds (%d)", index);
    throw EListError(message);
  }
}

AnsiString TStringList::Get(int index) const {
  return Item(index);
}

const AnsiString& TStringList::Item(int index) const {
  CheckIndex(index, false);
  return items_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, std::string_view s) {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
  CheckIndex(index, false);
  items_[static_cast<std::size_t>(index)] = AnsiString(s);
}

void TStringList::Insert(int index, std::string_view s) {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
  CheckIndex(index, true);
  items_.insert(items_.begin() + index, AnsiString(s));
}

void TStringList::Delete(int index) {
  CheckIndex(index, false);
  items_.erase(items_.begin() + index);
}

int TStringList::Add(std::string_view s) {
  if (!sorted_) {
    items_.emplace_back(s);
    return Count() - 1;
  }
  int index;
  if (Find(s, index)) {
    if (duplicates_ == TDuplicates::dupIgnore) return index;
    if (duplicates_ == TDuplicates::dupError) throw EListError("String list does not allow duplicates");
  }
  items_.insert(items_.begin() + index, AnsiString(s));
  return index;
}

int TStringList::IndexOf(std::string_view s) const {
  if (!sorted_) {
    for (int i = 0; i < Count(); ++i) {
      if (locale_->CompareText(items_[static_cast<std::size_t>(i)], s) == 0) return i;
    }
    return -1;
  }
  int index;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(std::string_view s, int& index) const {
  const auto it = std::lower_bound(
      items_.begin(), items_.end(), s,
      [this](const AnsiString& item, std::string_view key) { return locale_->CompareText(item, key) < 0; });
  index = static_cast<int>(it - items_.begin());
  return it != items_.end() && locale_->CompareText(*it, s) == 0;
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) items_ = SortByLocale(std::move(items_), *locale_, EqualItems::kInOrder);
  sorted_ = sorted;
}

void TStringList::SetOrderedStrings(std::vector<AnsiString> items) {
  items_ = std::move(items);
}

void TStringList::AddAll(std::vector<AnsiString> items) {
  if (!sorted_ || !items_.empty() || duplicates_ == TDuplicates::dupError)
    return TStrings::AddAll(std::move(items));
  // Each added item would go before the items equal to it, so equal items
  // end up in the reverse of their order of adding; with dupIgnore the first
  // of them stays and the later ones are not added.
  const EqualItems equal =
      duplicates_ == TDuplicates::dupAccept ? EqualItems::kReversed : EqualItems::kFirstOnly;
  items_ = SortByLocale(std::move(items), *locale_, equal);
}
