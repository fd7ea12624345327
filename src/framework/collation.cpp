#include "framework/collation.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <unordered_map>

#include "framework/in_parallel.h"
#include "framework/radix_sort.h"

namespace {

// A key's first eight bytes (TextPrefix), so that most comparisons of the
// sort touch no key text.
struct Keyed {
  std::uint64_t prefix;
  std::uint32_t id;
  std::uint32_t size;  // of the key; 9 for any longer than the prefix
};

// How two keys of one prefix compare: where either is no longer than the
// prefix, it is the start of the other (the prefix pads it with zeros), so
// the shorter one comes first and keys of one size are equal; only two
// longer keys are read.
template <class Keys>
int CompareSamePrefix(const Keyed& a, const Keyed& b, const Keys& keys) {
  if (a.size <= 8 || b.size <= 8) return a.size < b.size ? -1 : a.size > b.size ? 1 : 0;
  return keys(a.id).compare(keys(b.id));
}

}  // namespace

std::vector<std::uint32_t> CollationRanks(const std::vector<AnsiString>& items, const TLocale& locale) {
  // Identical texts share one key: word lists repeat their words many times.
  std::unordered_map<std::string_view, std::uint32_t> ids;
  std::vector<std::string_view> texts;
  std::vector<std::uint32_t> item_ids;
  item_ids.reserve(items.size());
  for (const AnsiString& item : items) {
    const auto [it, added] = ids.try_emplace(item, static_cast<std::uint32_t>(texts.size()));
    if (added) texts.push_back(item);
    item_ids.push_back(it->second);
  }
  const std::vector<std::uint32_t> id_ranks = DistinctCollationRanks(texts, locale);
  std::vector<std::uint32_t> ranks;
  ranks.reserve(items.size());
  for (std::uint32_t id : item_ids) ranks.push_back(id_ranks[id]);
  return ranks;
}

namespace {

// The sort keys of some texts, back to back in one text: a hundred thousand
// strings of their own would cost more memory than their bytes. Each key's
// prefix is read as it is made, while the key is at hand.
struct TKeys {
  AnsiString bytes;
  std::vector<std::size_t> starts{0};
  std::vector<Keyed> keyed;           // by key: its prefix, text and size
  std::size_t first_bytes[256] = {};  // how many keys begin with each byte (an empty one with 0)

  // The keys of `texts`, the first of which is text `first_id`.
  void Make(std::span<const std::string_view> texts, std::uint32_t first_id, const TLocale& locale) {
    std::size_t text_bytes = 0;
    for (std::string_view text : texts) text_bytes += text.size();
    bytes.reserve(text_bytes);
    starts.reserve(texts.size() + 1);
    keyed.reserve(texts.size());
    for (std::string_view text : texts) {
      locale.AppendSortKey(text, bytes);
      starts.push_back(bytes.size());
      const std::string_view key = Key(static_cast<std::uint32_t>(keyed.size()));
      const std::uint64_t prefix = TextPrefix(key);
      keyed.push_back({prefix, first_id + static_cast<std::uint32_t>(keyed.size()),
                       static_cast<std::uint32_t>(std::min<std::size_t>(key.size(), 9))});
      ++first_bytes[prefix >> 56];
    }
  }
  // Key number `k` of these texts.
  std::string_view Key(std::uint32_t k) const {
    return std::string_view(bytes.data() + starts[k], starts[k + 1] - starts[k]);
  }
};

// Ranks `items` (texts whose keys begin alike in no other group) from 0 into
// `ranks`; returns how many ranks they take.
template <class Keys>
std::uint32_t RankGroup(std::vector<Keyed>& items, const Keys& keys,
                        const std::vector<std::string_view>& texts, const TLocale& locale,
                        std::vector<std::uint32_t>& ranks) {
  // Keys are many and their prefixes short: sorted by prefix a byte at a time.
  RadixSortBy(items, [](const Keyed& item) { return item.prefix; });
  // Keys of one prefix are told apart within its run.
  for (std::size_t first = 0; first < items.size();) {
    std::size_t last = first + 1;
    while (last < items.size() && items[last].prefix == items[first].prefix) ++last;
    if (last - first > 1) {
      std::sort(items.begin() + static_cast<std::ptrdiff_t>(first),
                items.begin() + static_cast<std::ptrdiff_t>(last),
                [&](const Keyed& a, const Keyed& b) { return CompareSamePrefix(a, b, keys) < 0; });
    }
    first = last;
  }

  // Texts with equal keys are ordered and told apart by the comparison
  // itself, in case the keys are coarser than it; keys that are the
  // comparison settle it alone.
  const bool keys_decide = locale.ComparesUpperCased();
  const auto below = [&](const Keyed& a, const Keyed& b) {
    return locale.CompareText(texts[a.id], texts[b.id]) < 0;
  };
  std::uint32_t rank = 0;
  for (std::size_t first = 0; first < items.size();) {
    std::size_t last = first + 1;
    while (last < items.size() && items[last].prefix == items[first].prefix &&
           CompareSamePrefix(items[last], items[first], keys) == 0)
      ++last;
    if (last - first > 1 && !keys_decide) {
      std::sort(items.begin() + static_cast<std::ptrdiff_t>(first),
                items.begin() + static_cast<std::ptrdiff_t>(last), below);
    }
    for (std::size_t q = first; q < last; ++q) {
      if (q > first && !keys_decide && below(items[q - 1], items[q])) ++rank;
      ranks[items[q].id] = rank;
    }
    ++rank;
    first = last;
  }
  return rank;
}

// From this many texts on, their keys are made in two halves at once, and
// they are ranked in two groups at once: a thread costs far less than that.
constexpr std::size_t kManyTexts = 1 << 14;

}  // namespace

std::vector<std::uint32_t> DistinctCollationRanks(const std::vector<std::string_view>& texts,
                                                  const TLocale& locale) {
  // Keys of the first and second half of the texts.
  const std::size_t parts = texts.size() >= kManyTexts ? 2 : 1;
  const auto half = static_cast<std::uint32_t>(parts == 2 ? texts.size() / 2 : texts.size());
  TKeys made[2];
  const std::span<const std::string_view> all(texts);
  InParallelFor(parts, [&](std::size_t p) {
    if (p == 0)
      made[0].Make(all.first(half), 0, locale);
    else
      made[1].Make(all.subspan(half), half, locale);
  });
  const auto keys = [&](std::uint32_t id) { return id < half ? made[0].Key(id) : made[1].Key(id - half); };

  // Then ranked in two groups, split by the first byte of the keys where
  // about half of them lie below: keys that begin with a lower byte order
  // below every key of the other group.
  std::size_t below_byte[257] = {};
  for (int b = 0; b < 256; ++b)
    below_byte[b + 1] = below_byte[b] + made[0].first_bytes[b] + made[1].first_bytes[b];
  const int split =
      static_cast<int>(std::lower_bound(below_byte, below_byte + 257, texts.size() / 2) - below_byte);
  const std::size_t lower = below_byte[std::min(split, 256)];
  std::vector<std::uint32_t> ranks(texts.size());
  std::uint32_t counts[2] = {};
  // Each group gathers its keys from both parts itself.
  std::vector<Keyed> groups[2];
  const auto rank_group = [&](std::size_t g) {
    groups[g].reserve(g == 0 ? lower : texts.size() - lower);
    for (const TKeys& part : made) {
      for (const Keyed& item : part.keyed) {
        if ((static_cast<int>(item.prefix >> 56) >= split) == (g == 1)) groups[g].push_back(item);
      }
    }
    counts[g] = RankGroup(groups[g], keys, texts, locale, ranks);
  };
  if (parts == 2) {
    InParallelFor(2, rank_group);
  } else {
    rank_group(0);
    rank_group(1);
  }
  for (const Keyed& item : groups[1]) ranks[item.id] += counts[0];
  return ranks;
}
