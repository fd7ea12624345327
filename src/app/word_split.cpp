#include "app/word_split.h"

#include <string>

#include "app/punctuation_table.h"
#include "app/separator_replace.h"

const char* const KeepPattern = "\\G(?:[\\x81-\\xFE][\\x40-\\x7E\\x80-\\xFE]|[0-9A-Za-z])*+\\K[\\x00-\\xFF]";

namespace {

std::string_view TrimmedView(std::string_view s) {
  std::size_t first = 0;
  std::size_t last = s.size();
  while (first < last && static_cast<unsigned char>(s[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(s[last - 1]) <= 32) --last;
  return s.substr(first, last - first);
}

// Cuts at commas, CR and LF, skipping spaces, CR and LF at the start of an
// item and dropping empty items. A comma inside a two-byte character does not
// cut.
template <class Visit>
void SplitAtCommas(std::string_view text, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') i += CharLength(text, i);
    if (i > start) visit(text.substr(start, i - start));
    if (i < text.size() && text[i] == ',') ++i;
  }
}

std::vector<AnsiString> Texts(const TWordIndex& index, const std::vector<TSpelling>& words, bool numbered) {
  std::vector<AnsiString> texts;
  texts.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = index.Text(words[i]);
    texts.push_back(numbered ? std::to_string(i + 1) + ": " + AnsiString(word) : AnsiString(word));
  }
  return texts;
}

}  // namespace

std::optional<TWordLists> SplitWordLists(std::string_view text, bool ignore_repeats, TPerlRegEx& regex,
                                         const TLocale& locale) {
  const std::string_view trimmed = TrimmedView(text);
  if (trimmed.empty()) return std::nullopt;

  TPerlRegExOptions regex_options = regex.Options();
  regex_options.Include(preJIT);  // one search per separator byte
  regex.SetOptions(regex_options);
  regex.SetSubject(trimmed);
  regex.SetRegEx(KeepPattern);
  regex.SetReplacement(",");
  regex.ReplaceAllMatches();

  // The working text is one line (every line break is a comma now), read back
  // as the one item of a list, CR LF after it, and cut there.
  AnsiString working = ReplaceSeparators(TrimmedView(regex.Subject()), PunctuationTable);
  working += "\r\n";

  std::optional<TWordLists> lists(std::in_place);
  TWordIndex& index = lists->index;
  SplitAtCommas(working, [&](std::string_view word) { index.Add(word); });
  AnsiString().swap(working);  // a moved-in empty string would keep the buffer
  index.Rank(locale);

  // Spellings are numbered by first occurrence, so the lowest of each rank is
  // the one a sorted list that drops duplicates keeps.
  std::vector<bool> ranked(index.RankCount(), false);
  std::vector<TSpelling> first_of_rank(index.RankCount());
  for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling) {
    const std::uint32_t rank = index.RankOf(spelling);
    if (ranked[rank]) continue;
    ranked[rank] = true;
    first_of_rank[rank] = spelling;
  }
  lists->distinct = std::move(first_of_rank);

  lists->split = ignore_repeats ? WithoutRepeats(index, index.Occurrences()) : index.Occurrences();
  lists->sorted = SortedByLocale(index, lists->split, ignore_repeats);
  return lists;
}

std::optional<TSplitResult> SplitWords(std::string_view text, const TSplitOptions& options, TPerlRegEx& regex,
                                       const TLocale& locale) {
  const std::optional<TWordLists> lists = SplitWordLists(text, options.ignore_repeats, regex, locale);
  if (!lists) return std::nullopt;
  TSplitResult result;
  result.raw_words = Texts(lists->index, lists->index.Occurrences(), false);
  result.distinct_words = Texts(lists->index, lists->distinct, false);
  result.split_lines = Texts(lists->index, lists->split, options.numbered);
  result.sorted_lines = Texts(lists->index, lists->sorted, options.numbered);
  return result;
}
