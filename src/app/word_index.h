#pragma once
// The words of one split, each distinct spelling held once. A spelling is a
// byte-exact word text; every word occurrence is the number of its spelling,
// so lists of words are lists of numbers, and sorting, counting and removing
// repeats work on numbers and on the few distinct texts rather than on a copy
// of every word.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "framework/locale.h"
#include "framework/text.h"

using TSpelling = std::uint32_t;

// Whether an index keeps the order of its words or only how often each
// spelling occurs (enough for the report, and lighter).
enum class TWordOrder { kKept, kCountsOnly };

class TWordIndex {
 public:
  explicit TWordIndex(TWordOrder order = TWordOrder::kKept) : order_(order) {}

  // Appends one occurrence of `word`; the text is copied when it is new.
  void Add(std::string_view word) { Add(word, Key(word)); }
  // The same for each word in turn. The table slots of a few words are
  // fetched before they are added, so that the memory reads overlap.
  void Add(std::span<const std::string_view> words);
  // Room for the occurrences of a text of `text_bytes` bytes (a word and its
  // separator take two bytes at least), so that they are never copied, and
  // for a new spelling every 64 bytes. Lists are only reserved, their pages
  // touched as they fill. The table is written whole when it is made, so it
  // is made for at most 2^16 spellings: a table that grows step by step
  // writes all its earlier sizes too, but every word looks into it, and one
  // larger than prose needs (10 MB of it has about 10^5 spellings) misses
  // the cache more often.
  void Reserve(std::size_t text_bytes) {
    if (order_ == TWordOrder::kKept) occurrences_.reserve(text_bytes / 2 + 1);
    ReserveSpellings(text_bytes / 64, std::min<std::size_t>(text_bytes / 64, std::size_t{1} << 16));
  }
  // Room for `count` spellings in all, in the table for `in_table` of them,
  // so that it grows at most once more.
  void ReserveSpellings(std::size_t count, std::size_t in_table);
  void ReserveSpellings(std::size_t count) { ReserveSpellings(count, count); }
  // The spelling of `word`, made when it is new; adds no occurrence.
  TSpelling Spell(std::string_view word) { return Intern(word, Key(word)); }
  // Ranks the spellings in the locale's order; called after the last Add.
  void Rank(const TLocale& locale);

  std::string_view Text(TSpelling spelling) const {
    return std::string_view(bytes_.data() + starts_[spelling], starts_[spelling + 1] - starts_[spelling]);
  }
  // Reading spellings out of order, Text is quicker with where the text
  // lies fetched well ahead and then the text itself a little ahead.
  void FetchPlace(TSpelling spelling) const { __builtin_prefetch(&starts_[spelling]); }
  void FetchText(TSpelling spelling) const { __builtin_prefetch(bytes_.data() + starts_[spelling]); }
  std::size_t SpellingCount() const { return starts_.size() - 1; }
  // Every word, in text order; none when the order is not kept.
  const std::vector<TSpelling>& Occurrences() const { return occurrences_; }
  // How many words were added, and how many of them are `spelling`.
  std::size_t WordCount() const { return word_count_; }
  std::uint32_t Count(TSpelling spelling) const { return counts_[spelling]; }
  // The locale's case-insensitive order: dense from 0, equal for spellings
  // that compare equal.
  std::uint32_t RankOf(TSpelling spelling) const { return ranks_[spelling]; }
  bool Ranked() const { return ranks_.size() == SpellingCount(); }
  std::uint32_t RankCount() const { return rank_count_; }

 private:
  // A word's first eight bytes, zeros after a shorter word, and its hash.
  struct TKey {
    std::uint64_t head;
    std::uint64_t hash;
  };
  static TKey Key(std::string_view word);
  void Add(std::string_view word, const TKey& key) {
    const TSpelling spelling = Intern(word, key);
    ++counts_[spelling];
    ++word_count_;
    if (order_ == TWordOrder::kKept) occurrences_.push_back(spelling);
  }
  // The spelling of `word`, made when it is new.
  TSpelling Intern(std::string_view word, const TKey& key);
  // Moves the spellings to a table of `size` slots (a power of two).
  void Grow(std::size_t size);

  AnsiString bytes_;                      // the spellings' texts, back to back
  std::vector<std::uint32_t> starts_{0};  // spelling s is bytes_[starts_[s], starts_[s + 1])
  // Open addressing. A slot holds a short word's bytes and its length, so
  // that most words are told apart without reading the spellings' texts,
  // which lie elsewhere in memory, and a longer word's place among them, so
  // that its text is one read away.
  struct TSlot {
    std::uint64_t bytes;  // up to eight bytes: the word, zeros after; else where bytes_ holds it
    std::uint32_t tag;    // the hash's top 24 bits, the length (at most 255) below
    TSpelling id;         // the spelling + 1; 0 for a free slot
  };
  static std::uint32_t Tag(std::string_view word, std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash >> 40 << 8) |
           static_cast<std::uint32_t>(std::min<std::size_t>(word.size(), 255));
  }
  // Where a hash is first looked for. Tables of up to 2^24 slots place by
  // the bits the tag keeps, so that growing needs no word's text.
  static constexpr std::size_t kPlacedByTag = std::size_t{1} << 24;
  std::size_t Place(std::uint64_t hash) const {
    return (slots_.size() <= kPlacedByTag ? hash >> 40 : hash) & (slots_.size() - 1);
  }
  std::vector<TSlot> slots_;
  TWordOrder order_;
  std::vector<TSpelling> occurrences_;  // kept order only
  std::vector<std::uint32_t> counts_;   // by spelling
  std::size_t word_count_ = 0;
  std::vector<std::uint32_t> ranks_;
  std::uint32_t rank_count_ = 0;
};

// A sorted list that drops duplicates, given every word: the first spelling
// of each rank, in rank order. The index must be ranked.
std::vector<TSpelling> DistinctSpellings(const TWordIndex& index);

// The words that stay when repeats go: the first of the words equal after
// trimming and ASCII lower-casing, in order.
std::vector<TSpelling> WithoutRepeats(const TWordIndex& index, const std::vector<TSpelling>& words);

// What a sorted list holds after `words` are added to it one by one (the
// index must be ranked): ordered by rank, equal words in the reverse of their
// order in `words`, or, ignoring duplicates, only the first of them.
std::vector<TSpelling> SortedByLocale(const TWordIndex& index, const std::vector<TSpelling>& words,
                                      bool ignore_duplicates);
