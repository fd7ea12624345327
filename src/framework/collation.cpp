#include "framework/collation.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace {

// The first eight bytes of a key as a number that orders like the bytes (a
// shorter key padded with zeros), so that most comparisons of the sort touch
// no key text.
std::uint64_t KeyPrefix(std::string_view key) {
  unsigned char bytes[8] = {};
  std::memcpy(bytes, key.data(), std::min<std::size_t>(key.size(), 8));
  std::uint64_t prefix = 0;
  for (unsigned char byte : bytes) prefix = prefix << 8 | byte;
  return prefix;
}

struct Keyed {
  std::uint64_t prefix;
  std::uint32_t id;
};

// Orders by prefix a byte at a time from the last (a radix sort): keys are
// many and their prefixes short, so this beats comparing them. Bytes that
// every prefix shares take no pass.
void SortByPrefix(std::vector<Keyed>& items) {
  std::vector<Keyed> other(items.size());
  for (int shift = 0; shift < 64; shift += 8) {
    std::size_t next[257] = {};
    for (const Keyed& item : items) ++next[(item.prefix >> shift & 0xFF) + 1];
    if (std::find(next + 1, next + 257, items.size()) != next + 257) continue;
    for (int b = 0; b < 256; ++b) next[b + 1] += next[b];
    for (const Keyed& item : items) other[next[item.prefix >> shift & 0xFF]++] = item;
    items.swap(other);
  }
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

std::vector<std::uint32_t> DistinctCollationRanks(const std::vector<std::string_view>& texts,
                                                  const TLocale& locale) {
  // The keys back to back in one text: a hundred thousand strings of their
  // own would cost more memory than their bytes.
  AnsiString key_bytes;
  std::size_t text_bytes = 0;
  for (std::string_view text : texts) text_bytes += text.size();
  key_bytes.reserve(text_bytes);
  std::vector<std::size_t> key_starts{0};
  key_starts.reserve(texts.size() + 1);
  std::vector<Keyed> by_key;
  by_key.reserve(texts.size());
  for (std::string_view text : texts) {
    key_bytes += locale.SortKey(text);
    key_starts.push_back(key_bytes.size());
    const std::string_view key(key_bytes.data() + key_starts[by_key.size()],
                               key_starts.back() - key_starts[by_key.size()]);
    by_key.push_back({KeyPrefix(key), static_cast<std::uint32_t>(by_key.size())});
  }
  const auto keys = [&](std::uint32_t id) {
    return std::string_view(key_bytes.data() + key_starts[id], key_starts[id + 1] - key_starts[id]);
  };
  SortByPrefix(by_key);
  // Keys longer than their prefix are told apart within runs of one prefix.
  for (std::size_t first = 0; first < by_key.size();) {
    std::size_t last = first + 1;
    while (last < by_key.size() && by_key[last].prefix == by_key[first].prefix) ++last;
    if (last - first > 1) {
      std::sort(by_key.begin() + static_cast<std::ptrdiff_t>(first),
                by_key.begin() + static_cast<std::ptrdiff_t>(last),
                [&](const Keyed& a, const Keyed& b) { return keys(a.id) < keys(b.id); });
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
  std::vector<std::uint32_t> ranks(texts.size());
  std::uint32_t rank = 0;
  for (std::size_t first = 0; first < by_key.size();) {
    std::size_t last = first + 1;
    while (last < by_key.size() && by_key[last].prefix == by_key[first].prefix &&
           keys(by_key[last].id) == keys(by_key[first].id))
      ++last;
    if (keys_decide) {
      for (std::size_t q = first; q < last; ++q) ranks[by_key[q].id] = rank;
      ++rank;
      first = last;
      continue;
    }
    if (last - first > 1) {
      std::sort(by_key.begin() + static_cast<std::ptrdiff_t>(first),
                by_key.begin() + static_cast<std::ptrdiff_t>(last), below);
    }
    for (std::size_t q = first; q < last; ++q) {
      if (q > first && below(by_key[q - 1], by_key[q])) ++rank;
      ranks[by_key[q].id] = rank;
    }
    ++rank;
    first = last;
  }
  return ranks;
}
