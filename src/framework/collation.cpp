#include "framework/collation.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

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

  std::vector<AnsiString> keys;
  keys.reserve(texts.size());
  for (std::string_view text : texts) keys.push_back(locale.SortKey(text));
  std::vector<std::uint32_t> by_key(texts.size());
  for (std::uint32_t id = 0; id < by_key.size(); ++id) by_key[id] = id;
  std::sort(by_key.begin(), by_key.end(),
            [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });

  // Texts with equal keys are ordered and told apart by the comparison
  // itself, in case the keys are coarser than it.
  const auto below = [&](std::uint32_t a, std::uint32_t b) {
    return locale.CompareText(texts[a], texts[b]) < 0;
  };
  std::vector<std::uint32_t> id_ranks(texts.size());
  std::uint32_t rank = 0;
  for (std::size_t first = 0; first < by_key.size();) {
    std::size_t last = first + 1;
    while (last < by_key.size() && keys[by_key[last]] == keys[by_key[first]]) ++last;
    std::sort(by_key.begin() + static_cast<std::ptrdiff_t>(first),
              by_key.begin() + static_cast<std::ptrdiff_t>(last), below);
    for (std::size_t q = first; q < last; ++q) {
      if (q > first && below(by_key[q - 1], by_key[q])) ++rank;
      id_ranks[by_key[q]] = rank;
    }
    ++rank;
    first = last;
  }

  std::vector<std::uint32_t> ranks;
  ranks.reserve(items.size());
  for (std::uint32_t id : item_ids) ranks.push_back(id_ranks[id]);
  return ranks;
}
