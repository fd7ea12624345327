#include "app/word_split.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <string>
#include <utility>

#include "app/punctuation_table.h"
#include "app/word_cutter.h"
#include "framework/in_parallel.h"

const char* const KeepPattern = "\\G(?:[\\x81-\\xFE][\\x40-\\x7E\\x80-\\xFE]|[0-9A-Za-z])*+\\K[\\x00-\\xFF]";

namespace {

bool Inside(std::string_view part, std::string_view whole) {
  const std::less<const char*> before;
  return !before(part.data(), whole.data()) &&
         !before(whole.data() + whole.size(), part.data() + part.size());
}

// Adds the words of a working text to the index.
void IndexWords(std::string_view working, TWordIndex& index) {
  static const TWordCutter cutter(PunctuationTable);
  std::vector<std::string_view> batch;
  batch.reserve(64);
  cutter.ForEachWord(working, [&](std::string_view word) {
    if (!Inside(word, working)) {  // made by the cutter, gone after this call
      index.Add(batch);
      batch.clear();
      index.Add(word);
      return;
    }
    batch.push_back(word);
    if (batch.size() == batch.capacity()) {
      index.Add(batch);
      batch.clear();
    }
  });
  index.Add(batch);
}

// Texts from here on are worked on in two halves at once: a thread costs
// far less than half of such a text takes.
constexpr std::size_t kLarge = 1 << 18;

// Where the byte pass over a large text is cut in two: at a byte below "0"
// near the middle, which is neither kept, nor a lead byte, nor ever a second
// byte, so the one pass matches it whatever came before. 0 for a smaller
// text, or one without such a byte.
std::size_t PassHalfWay(std::string_view text) {
  if (text.size() < kLarge) return 0;
  const auto below_digits = [](char c) { return static_cast<unsigned char>(c) < '0'; };
  const auto it =
      std::find_if(text.begin() + static_cast<std::ptrdiff_t>(text.size() / 2), text.end(), below_digits);
  return it == text.end() ? 0 : static_cast<std::size_t>(it - text.begin());
}

// Where a large working text is cut in two: after a comma near its middle,
// which ends an item whatever came before it (after the byte pass no lead
// byte stands without its second byte, and a comma is never a second byte).
// 0 for a smaller text, or one without such a comma.
std::size_t HalfWay(std::string_view working) {
  if (working.size() < kLarge) return 0;
  const std::size_t comma = working.find(',', working.size() / 2);
  return comma == std::string_view::npos ? 0 : comma + 1;
}

std::vector<AnsiString> Texts(const TWordIndex& index, const std::vector<TSpelling>& words) {
  std::vector<AnsiString> texts;
  texts.reserve(words.size());
  for (TSpelling spelling : words) texts.emplace_back(index.Text(spelling));
  return texts;
}

// One line per word, "i: word" when numbered, CR LF between lines.
AnsiString MemoText(const TWordIndex& index, const std::vector<TSpelling>& words, bool numbered) {
  std::size_t size = 0;
  for (TSpelling spelling : words) size += index.Text(spelling).size() + 2 + (numbered ? 9 : 0);
  AnsiString text;
  text.reserve(size);
  char number[24];
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += "\r\n";
    if (numbered) {
      text.append(number, static_cast<std::size_t>(std::to_chars(number, number + 22, i + 1).ptr - number));
      text += ": ";
    }
    text += index.Text(words[i]);
  }
  return text;
}

}  // namespace

std::optional<TWordIndex> SplitWordIndex(AnsiString text, TPerlRegEx& regex, TWordOrder order) {
  const std::string_view trimmed = TrimmedView(text);
  if (trimmed.empty()) return std::nullopt;
  // Trimmed where it stands: the text becomes the subject without a copy.
  text.resize(static_cast<std::size_t>(trimmed.data() - text.data()) + trimmed.size());
  text.erase(0, static_cast<std::size_t>(trimmed.data() - text.data()));

  TPerlRegExOptions regex_options = regex.Options();
  regex_options.Include(preJIT);  // one search per separator byte
  regex.SetOptions(regex_options);
  regex.AdoptSubject(std::move(text));
  regex.SetRegEx(KeepPattern);
  regex.SetReplacement(",");
  // A large text's two halves are searched at once.
  const std::size_t cut = PassHalfWay(regex.Subject());
  if (cut == 0) {
    regex.ReplaceAllMatches();
  } else {
    const int second_half[] = {static_cast<int>(cut) + 1};
    regex.ReplaceAllMatchesInPieces(second_half);
  }

  // The working text is one line (every line break is a comma now), read back
  // as the one item of a list, CR LF after it, and cut there. A large text is
  // cut in two halves at once, the second half's words appended afterwards.
  const std::string_view working = TrimmedView(regex.Subject());
  std::optional<TWordIndex> index(std::in_place, order);
  index->Reserve(working.size());
  const std::size_t middle = HalfWay(working);
  if (middle == 0) {
    IndexWords(working, *index);
    return index;
  }
  TWordIndex second(order);
  InParallel(
      [&] {
        second.Reserve(working.size() - middle);
        IndexWords(working.substr(middle), second);
      },
      [&] { IndexWords(working.substr(0, middle), *index); });
  index->Append(second);
  return index;
}

std::optional<TSplitResult> SplitWords(AnsiString text, const TSplitOptions& options, TPerlRegEx& regex,
                                       const TLocale& locale) {
  std::optional<TWordIndex> index = SplitWordIndex(std::move(text), regex);
  if (!index) return std::nullopt;
  TFoldedCounts folded;
  InParallel([&] { index->Rank(locale); }, [&] { folded = CountFolded(*index, locale); });
  const std::vector<TSpelling> distinct = DistinctSpellings(*index);
  TSplitResult result;
  result.raw_words = Texts(*index, index->Occurrences());
  result.distinct_words = Texts(*index, distinct);
  const std::vector<TSpelling> split =
      options.ignore_repeats ? WithoutRepeats(*index, index->Occurrences()) : index->Occurrences();
  result.split_text = MemoText(*index, split, options.numbered);
  result.sorted_text =
      MemoText(*index, SortedByLocale(*index, split, options.ignore_repeats), options.numbered);
  result.report = BuildFrequencyReport(folded, *index, distinct);
  return result;
}
