#include "app/word_split.h"

#include <charconv>
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
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    while (i < n && (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < n && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') i += CharLength(text, i);
    if (i > start) visit(text.substr(start, i - start));
    if (i < n && bytes[i] == ',') ++i;
  }
}

std::vector<AnsiString> Texts(const TWordIndex& index, const std::vector<TSpelling>& words, bool numbered) {
  std::vector<AnsiString> texts;
  texts.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = index.Text(words[i]);
    if (!numbered) {
      texts.emplace_back(word);
      continue;
    }
    // "i: word" made in one allocation, without temporaries.
    char number[24];
    const std::size_t digits =
        static_cast<std::size_t>(std::to_chars(number, number + 22, i + 1).ptr - number);
    AnsiString& line = texts.emplace_back();
    line.reserve(digits + 2 + word.size());
    line.append(number, digits).append(": ").append(word);
  }
  return texts;
}

}  // namespace

std::optional<TWordIndex> SplitWordIndex(std::string_view text, TPerlRegEx& regex) {
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

  std::optional<TWordIndex> index(std::in_place);
  std::vector<std::string_view> batch;
  batch.reserve(64);
  SplitAtCommas(working, [&](std::string_view word) {
    batch.push_back(word);
    if (batch.size() == batch.capacity()) {
      index->Add(batch);
      batch.clear();
    }
  });
  index->Add(batch);
  return index;
}

std::optional<TSplitResult> SplitWords(std::string_view text, const TSplitOptions& options, TPerlRegEx& regex,
                                       const TLocale& locale) {
  std::optional<TWordIndex> index = SplitWordIndex(text, regex);
  if (!index) return std::nullopt;
  index->Rank(locale);
  TSplitResult result;
  result.raw_words = Texts(*index, index->Occurrences(), false);
  result.distinct_words = Texts(*index, DistinctSpellings(*index), false);
  const std::vector<TSpelling> split =
      options.ignore_repeats ? WithoutRepeats(*index, index->Occurrences()) : index->Occurrences();
  result.split_lines = Texts(*index, split, options.numbered);
  result.sorted_lines =
      Texts(*index, SortedByLocale(*index, split, options.ignore_repeats), options.numbered);
  return result;
}
