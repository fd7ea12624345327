#include "app/word_split.h"

#include <string>

#include "app/punctuation_table.h"
#include "app/repeated_words.h"
#include "app/separator_replace.h"
#include "framework/string_list.h"

const char* const KeepPattern = "\\G(?:[\\x81-\\xFE][\\x40-\\x7E\\x80-\\xFE]|[0-9A-Za-z])*+\\K[\\x00-\\xFF]";

namespace {

// Cuts at commas, CR and LF, skipping spaces, CR and LF at the start of an
// item and dropping empty items. A comma inside a two-byte character does not
// cut.
void SplitAtCommas(std::string_view text, TStrings& items) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') i += CharLength(text, i);
    if (i > start) items.Add(text.substr(start, i - start));
    if (i < text.size() && text[i] == ',') ++i;
  }
}

void Number(TStringList& list) {
  for (int i = 0; i < list.Count(); ++i) list.Put(i, std::to_string(i + 1) + ": " + list.Item(i));
}

}  // namespace

std::optional<TSplitResult> SplitWords(std::string_view text, const TSplitOptions& options, TPerlRegEx& regex,
                                       const TLocale& locale) {
  const AnsiString trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;

  TPerlRegExOptions regex_options = regex.Options();
  regex_options.Include(preJIT);  // one search per separator byte
  regex.SetOptions(regex_options);
  regex.SetSubject(trimmed);
  regex.SetRegEx(KeepPattern);
  regex.SetReplacement(",");
  regex.ReplaceAllMatches();
  AnsiString working = Trim(regex.Subject());

  working = ReplaceSeparators(working, PunctuationTable);

  TStringList sorted_list(locale);
  sorted_list.SetText(working);
  TStringList split_list(locale);
  SplitAtCommas(sorted_list.Text(), split_list);

  TSplitResult result;
  result.raw_words = split_list.Items();
  TStringList distinct(locale);
  distinct.SetDuplicates(TDuplicates::dupIgnore);
  distinct.SetSorted(true);
  // Words hold no line break or NUL, so their items are what a list gets
  // from their text.
  distinct.SetStrings(split_list.Items());
  result.distinct_words = distinct.Items();

  if (options.ignore_repeats) RemoveRepeatedWords(split_list);

  sorted_list.Clear();
  sorted_list.SetDuplicates(options.ignore_repeats ? TDuplicates::dupIgnore : TDuplicates::dupAccept);
  sorted_list.SetSorted(true);
  sorted_list.SetStrings(split_list.Items());

  if (options.numbered) {
    sorted_list.SetDuplicates(TDuplicates::dupAccept);
    sorted_list.SetSorted(false);
    Number(split_list);
    Number(sorted_list);
  }
  result.split_lines = split_list.Items();
  result.sorted_lines = sorted_list.Items();
  return result;
}
