#include "app/repeated_words.h"

#include <unordered_set>

namespace {

// Trim(LowerCaseAscii(item)) == key without building the folded copy: the
// trimmed bytes are never part of a two-byte character, so folding the
// trimmed item gives the same bytes.
bool FoldedEquals(std::string_view item, std::string_view key) {
  std::size_t first = 0;
  std::size_t last = item.size();
  while (first < last && static_cast<unsigned char>(item[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(item[last - 1]) <= 32) --last;
  const std::string_view trimmed = item.substr(first, last - first);
  if (trimmed.size() != key.size()) return false;
  for (std::size_t i = 0; i < trimmed.size();) {
    if (CharLength(trimmed, i) == 2) {
      if (trimmed[i] != key[i] || trimmed[i + 1] != key[i + 1]) return false;
      i += 2;
      continue;
    }
    char c = trimmed[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != key[i]) return false;
    ++i;
  }
  return true;
}

}  // namespace

bool ListContainsWord(const TStringList& list, std::string_view word) {
  const AnsiString key = Trim(LowerCaseAscii(word));
  for (const AnsiString& item : list.Items()) {
    if (FoldedEquals(item, key)) return true;
  }
  return false;
}

void RemoveRepeatedWords(TStringList& list) {
  if (Trim(list.Text()).empty()) return;
  // A word is repeated when an earlier item has its folded form: one look-up
  // per item instead of a walk over every kept item.
  std::unordered_set<AnsiString> seen;
  TStringList kept(list.Locale());
  for (const AnsiString& item : list.Items()) {
    if (seen.insert(LowerCaseAscii(Trim(item))).second) kept.Add(item);
  }
  list.SetText(kept.Text());
}
