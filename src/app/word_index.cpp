#include "app/word_index.h"

#include <algorithm>
#include <cstring>

#include "framework/collation.h"

// Eight bytes at a time: words are short and there are millions of them.
std::uint64_t TWordIndex::Hash(std::string_view s) {
  std::uint64_t h = 0x9E3779B97F4A7C15u ^ s.size();
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    h = (h ^ w) * 0xFF51AFD7ED558CCDu;
    h ^= h >> 32;
  }
  std::uint64_t w = 0;
  if (i < s.size()) std::memcpy(&w, s.data() + i, s.size() - i);
  h = (h ^ w) * 0xC4CEB9FE1A85EC53u;
  h ^= h >> 29;
  return h >> 32;
}

std::uint64_t TWordIndex::Head(std::string_view word) {
  std::uint64_t head = 0;
  if (word.size() >= 8) {
    std::memcpy(&head, word.data(), 8);
  } else {
    for (std::size_t i = 0; i < word.size(); ++i)
      head |= std::uint64_t{static_cast<unsigned char>(word[i])} << (8 * i);
  }
  return head;
}

void TWordIndex::Add(std::span<const std::string_view> words) {
  constexpr std::size_t kBatch = 16;
  std::uint64_t hashes[kBatch];
  for (std::size_t first = 0; first < words.size(); first += kBatch) {
    const std::size_t n = std::min(kBatch, words.size() - first);
    for (std::size_t k = 0; k < n; ++k) {
      hashes[k] = Hash(words[first + k]);
      if (!slots_.empty()) __builtin_prefetch(&slots_[hashes[k] & (slots_.size() - 1)]);
    }
    for (std::size_t k = 0; k < n; ++k) Add(words[first + k], hashes[k]);
  }
}

namespace {

// Words are a few bytes long: a call of memcmp per word costs more than this.
bool SameBytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a.size() > 16) return a == b;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace

TSpelling TWordIndex::Intern(std::string_view word, std::uint64_t hash) {
  // At most seven slots in ten taken: probes stay short.
  if (10 * (SpellingCount() + 1) > 7 * slots_.size()) Grow();
  const std::size_t mask = slots_.size() - 1;
  const std::uint64_t head = Head(word);
  const std::uint32_t tag = Tag(word, hash);
  std::size_t slot = hash & mask;
  for (; slots_[slot].id != 0; slot = (slot + 1) & mask) {
    const TSlot& taken = slots_[slot];
    // Equal heads and lengths up to eight make equal words.
    if (taken.tag == tag && taken.head == head && (word.size() <= 8 || SameBytes(Text(taken.id - 1), word)))
      return taken.id - 1;
  }
  const auto spelling = static_cast<TSpelling>(SpellingCount());
  bytes_.append(word);
  starts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
  slots_[slot] = TSlot{head, tag, spelling + 1};
  return spelling;
}

void TWordIndex::Append(const TWordIndex& other) {
  std::vector<TSpelling> here(other.SpellingCount());
  for (TSpelling spelling = 0; spelling < other.SpellingCount(); ++spelling) {
    const std::string_view text = other.Text(spelling);
    here[spelling] = Intern(text, Hash(text));
  }
  occurrences_.reserve(occurrences_.size() + other.occurrences_.size());
  for (TSpelling spelling : other.occurrences_) occurrences_.push_back(here[spelling]);
}

void TWordIndex::Grow() {
  std::vector<TSlot> old(slots_.empty() ? 1024 : 2 * slots_.size(), TSlot{0, 0, 0});
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const TSlot& entry : old) {
    if (entry.id == 0) continue;
    std::size_t slot = Hash(Text(entry.id - 1)) & mask;
    while (slots_[slot].id != 0) slot = (slot + 1) & mask;
    slots_[slot] = entry;
  }
}

void TWordIndex::Rank(const TLocale& locale) {
  std::vector<std::string_view> texts;
  texts.reserve(SpellingCount());
  for (TSpelling spelling = 0; spelling < SpellingCount(); ++spelling) texts.push_back(Text(spelling));
  ranks_ = DistinctCollationRanks(texts, locale);
  rank_count_ = 0;
  for (std::uint32_t rank : ranks_) rank_count_ = std::max(rank_count_, rank + 1);
}

std::vector<TSpelling> DistinctSpellings(const TWordIndex& index) {
  // Spellings are numbered by first occurrence, so the lowest of each rank is
  // the first word of that rank.
  std::vector<bool> ranked(index.RankCount(), false);
  std::vector<TSpelling> first_of_rank(index.RankCount());
  for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling) {
    const std::uint32_t rank = index.RankOf(spelling);
    if (ranked[rank]) continue;
    ranked[rank] = true;
    first_of_rank[rank] = spelling;
  }
  return first_of_rank;
}

std::vector<TSpelling> WithoutRepeats(const TWordIndex& index, const std::vector<TSpelling>& words) {
  // The folded form is worked out once per spelling; the words then only
  // compare numbers.
  TWordIndex folds;
  for (TSpelling spelling = 0; spelling < index.SpellingCount(); ++spelling) {
    folds.Add(LowerCaseAscii(Trim(index.Text(spelling))));
  }
  const std::vector<TSpelling>& fold_of = folds.Occurrences();
  std::vector<bool> seen(folds.SpellingCount(), false);
  std::vector<TSpelling> kept;
  for (TSpelling spelling : words) {
    if (seen[fold_of[spelling]]) continue;
    seen[fold_of[spelling]] = true;
    kept.push_back(spelling);
  }
  return kept;
}

std::vector<TSpelling> SortedByLocale(const TWordIndex& index, const std::vector<TSpelling>& words,
                                      bool ignore_duplicates) {
  const std::uint32_t rank_count = index.RankCount();
  if (ignore_duplicates) {
    constexpr TSpelling kNone = ~TSpelling{0};
    std::vector<TSpelling> first(rank_count, kNone);
    for (TSpelling spelling : words) {
      if (first[index.RankOf(spelling)] == kNone) first[index.RankOf(spelling)] = spelling;
    }
    std::vector<TSpelling> sorted;
    for (TSpelling spelling : first) {
      if (spelling != kNone) sorted.push_back(spelling);
    }
    return sorted;
  }
  // A counting sort over the ranks, filled from the last word so that equal
  // words stand last first, as adding each before its equals leaves them.
  std::vector<std::size_t> next(rank_count + std::size_t{1}, 0);
  for (TSpelling spelling : words) ++next[index.RankOf(spelling) + 1];
  for (std::size_t r = 0; r < rank_count; ++r) next[r + 1] += next[r];
  std::vector<TSpelling> sorted(words.size());
  for (std::size_t i = words.size(); i-- > 0;) sorted[next[index.RankOf(words[i])]++] = words[i];
  return sorted;
}
