#include "app/word_index.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "framework/collation.h"
#include "framework/prefault.h"

namespace {

static_assert(std::endian::native == std::endian::little, "a head keeps a word's first byte lowest");

std::uint64_t Load64(const unsigned char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

std::uint64_t Load32(const unsigned char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t bytes) {
  h = (h ^ bytes) * 0xFF51AFD7ED558CCDu;
  return h ^ h >> 32;
}

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

// Millions of words pass here: the head is read in at most three loads
// (overlapping ones for a short word), the rest eight bytes at a time, the
// last eight overlapping what came before.
TWordIndex::TKey TWordIndex::Key(std::string_view word) {
  const auto* p = reinterpret_cast<const unsigned char*>(word.data());
  const std::size_t n = word.size();
  std::uint64_t head = 0;
  if (n >= 8) {
    head = Load64(p);
  } else if (n >= 4) {
    head = Load32(p) | Load32(p + n - 4) << (8 * (n - 4));
  } else if (n > 0) {
    head = std::uint64_t{p[0]} | std::uint64_t{p[n / 2]} << (8 * (n / 2)) |
           std::uint64_t{p[n - 1]} << (8 * (n - 1));
  }
  std::uint64_t h = Mix(0x9E3779B97F4A7C15u ^ n, head);
  if (n > 8) {
    std::size_t i = 8;
    for (; i + 8 <= n; i += 8) h = Mix(h, Load64(p + i));
    if (i < n) h = Mix(h, Load64(p + n - 8));
  }
  h *= 0xC4CEB9FE1A85EC53u;
  return TKey{head, h ^ h >> 29};
}

void TWordIndex::Add(std::span<const std::string_view> words) {
  constexpr std::size_t kBatch = 16;
  TKey keys[kBatch];
  TSpelling spellings[kBatch];
  for (std::size_t first = 0; first < words.size(); first += kBatch) {
    const std::size_t n = std::min(kBatch, words.size() - first);
    for (std::size_t k = 0; k < n; ++k) {
      keys[k] = Key(words[first + k]);
      if (!slots_.empty()) __builtin_prefetch(&slots_[Place(keys[k].hash)]);
    }
    // The counts are fetched once the batch's spellings are known.
    for (std::size_t k = 0; k < n; ++k) {
      spellings[k] = Intern(words[first + k], keys[k]);
      __builtin_prefetch(&counts_[spellings[k]]);
    }
    for (std::size_t k = 0; k < n; ++k) {
      ++counts_[spellings[k]];
      if (order_ == TWordOrder::kKept) occurrences_.push_back(spellings[k]);
    }
    word_count_ += n;
  }
}

TSpelling TWordIndex::Intern(std::string_view word, const TKey& key) {
  // At most four slots in five taken: probes stay short.
  if (5 * (SpellingCount() + 1) > 4 * slots_.size()) Grow(slots_.empty() ? 1024 : 2 * slots_.size());
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t tag = Tag(word, key.hash);
  std::size_t slot = Place(key.hash);
  for (; slots_[slot].id != 0; slot = (slot + 1) & mask) {
    const TSlot& taken = slots_[slot];
    // Equal bytes and lengths up to eight make equal words.
    if (taken.tag != tag) continue;
    if (word.size() <= 8    ? taken.bytes == key.head
        : word.size() < 255 ? SameBytes(std::string_view(bytes_.data() + taken.bytes, word.size()), word)
                            : Text(taken.id - 1) == word)
      return taken.id - 1;
  }
  const auto spelling = static_cast<TSpelling>(SpellingCount());
  slots_[slot] = TSlot{word.size() <= 8 ? key.head : bytes_.size(), tag, spelling + 1};
  bytes_.append(word);
  starts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
  counts_.push_back(0);
  return spelling;
}

void TWordIndex::ReserveSpellings(std::size_t count, std::size_t in_table) {
  starts_.reserve(count + 1);
  counts_.reserve(count);
  bytes_.reserve(8 * count);
  std::size_t size = std::max<std::size_t>(slots_.size(), 1024);
  while (5 * (in_table + 1) > 4 * size) size *= 2;
  if (size > slots_.size()) Grow(size);
}

void TWordIndex::Grow(std::size_t size) {
  std::vector<TSlot> old;
  old.reserve(size);
  Prefault(old.data(), size * sizeof(TSlot));
  old.assign(size, TSlot{0, 0, 0});
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  const bool by_tag = slots_.size() <= kPlacedByTag;
  for (const TSlot& entry : old) {
    if (entry.id == 0) continue;
    std::size_t slot = by_tag ? (entry.tag >> 8) & mask : Place(Key(Text(entry.id - 1)).hash);
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
