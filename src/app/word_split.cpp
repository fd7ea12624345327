#include "app/word_split.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <climits>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "app/punctuation_table.h"
#include "app/word_cutter.h"
#include "framework/in_parallel.h"
#include "regex/perl_regex_pieces.h"

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

// Texts from here on go through the byte pass in pieces of about this size,
// searched by several threads while one of them adds the words of each
// piece that is final: a thread costs far less than such a piece takes.
constexpr std::size_t kPiece = 1 << 18;

// Where the pieces of a large text start (1-based): at a byte below "0" near
// every kPiece bytes, which is neither kept, nor a lead byte, nor ever a
// second byte, so the one pass matches it whatever came before, and it ends
// the item before it. None for a smaller text.
std::vector<int> PieceStarts(std::string_view text) {
  std::vector<int> starts;
  if (text.size() < 2 * kPiece || text.size() > INT_MAX) return starts;
  const auto below_digits = [](char c) { return static_cast<unsigned char>(c) < '0'; };
  for (std::size_t from = kPiece; from < text.size(); from += kPiece) {
    const std::size_t at = static_cast<std::size_t>(
        std::find_if(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), below_digits) -
        text.begin());
    if (at == text.size()) break;
    starts.push_back(static_cast<int>(at) + 1);
    from = at;
  }
  return starts;
}

// The byte pass in pieces with the words of each piece added to `index` in
// text order as soon as it and every piece before it stand as the one pass
// leaves them. False when some piece does not (its search failed, or it
// holds a match of another length), which leaves the words to be found in
// the settled subject.
bool PassAndIndexPieces(TPerlRegEx& regex, std::span<const int> starts, TWordIndex& index) {
  const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 2, 4);
  TPerlRegExPieces pieces(regex, starts, workers);
  const std::size_t count = pieces.Count();
  std::vector<std::atomic<bool>> searched(count);
  std::atomic<std::size_t> next_search{0};
  std::size_t next_index = 0;          // the piece whose words come next; worker 0's
  bool indexed = false;                // no more words to add; worker 0's
  bool in_place = true;                // every piece indexed stood in place; worker 0's
  std::atomic<bool> abandoned{false};  // a worker failed: the others stop
  InParallelFor(workers, [&](std::size_t worker) {
    try {
      while (!abandoned.load()) {
        // Worker 0 alone adds words, and before it searches, so that the
        // others keep searching: the index's table stays in the cache of one
        // processor rather than passing from one to another.
        if (worker == 0 && !indexed) {
          while (next_index < count && searched[next_index].load(std::memory_order_acquire)) {
            if (!pieces.Place(next_index)) {
              in_place = false;
              next_index = count;
              break;
            }
            IndexWords(pieces.Text(next_index), index);
            ++next_index;
          }
          indexed = next_index == count;
        }
        const std::size_t piece = next_search.fetch_add(1);
        if (piece < count) {
          pieces.Search(piece, worker);
          searched[piece].store(true, std::memory_order_release);
        } else if (worker != 0 || indexed) {
          return;
        } else {
          std::this_thread::yield();
        }
      }
    } catch (...) {
      abandoned = true;
      throw;
    }
  });
  pieces.Finish();
  return count > 0 && in_place;
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

  // A large text's words are found piece by piece while the pass goes on.
  // The pass leaves no byte of 32 or less, so the pieces are the working text.
  std::optional<TWordIndex> index(std::in_place, order);
  const std::vector<int> starts = PieceStarts(regex.Subject());
  if (!starts.empty()) {
    index->Reserve(regex.Subject().size());
    if (PassAndIndexPieces(regex, starts, *index)) return index;
    index.emplace(order);
  } else {
    regex.ReplaceAllMatches();
  }
  // The working text is one line (every line break is a comma now), read back
  // as the one item of a list, CR LF after it, and cut there.
  const std::string_view working = TrimmedView(regex.Subject());
  index->Reserve(working.size());
  IndexWords(working, *index);
  return index;
}

std::optional<TSplitResult> SplitWords(AnsiString text, const TSplitOptions& options, TPerlRegEx& regex,
                                       const TLocale& locale) {
  std::optional<TWordIndex> index = SplitWordIndex(std::move(text), regex);
  if (!index) return std::nullopt;
  const TFoldedCounts folded = RankAndCountFolded(*index, locale);
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
