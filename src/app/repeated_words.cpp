#include "app/repeated_words.h"

bool ListContainsWord(const TStrings& list, std::string_view word) {
  const AnsiString key = Trim(LowerCaseAscii(word));
  for (int i = 0; i < list.Count(); ++i) {
    if (Trim(LowerCaseAscii(list.Get(i))) == key) return true;
  }
  return false;
}

void RemoveRepeatedWords(TStrings& list) {
  if (Trim(list.Text()).empty()) return;
  TStringList kept;
  for (int i = 0; i < list.Count(); ++i) {
    const AnsiString item = list.Get(i);
    if (!ListContainsWord(kept, Trim(item))) kept.Add(item);
  }
  list.SetText(kept.Text());
}
