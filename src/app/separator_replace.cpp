#include "app/separator_replace.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

struct Occurrence {
  std::size_t start;
  std::size_t end;
  std::size_t entry;  // index in the table: the lower one is replaced first
};

// Entries by their first character, in table order.
class EntryIndex {
 public:
  explicit EntryIndex(std::span<const std::string_view> table) {
    for (std::size_t k = 0; k < table.size(); ++k) {
      if (table[k].empty()) continue;
      starts_[static_cast<unsigned char>(table[k][0])] = true;
      entries_.push_back({FirstCharacter(table[k], 0), k});
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.first < b.first; });
  }

  bool MayStart(unsigned char byte) const { return starts_[byte]; }

  // Indices of the entries that start with the character at `pos`.
  template <class Visit>
  void ForEachStartingAt(std::string_view text, std::size_t pos, Visit visit) const {
    if (!starts_[static_cast<unsigned char>(text[pos])]) return;
    const unsigned first = FirstCharacter(text, pos);
    auto it = std::lower_bound(entries_.begin(), entries_.end(), first,
                               [](const Entry& e, unsigned c) { return e.first < c; });
    for (; it != entries_.end() && it->first == first; ++it) visit(it->entry);
  }

 private:
  struct Entry {
    unsigned first;  // the bytes of the first character
    std::size_t entry;
  };

  static unsigned FirstCharacter(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    return CharLength(s, pos) == 2 ? (lead << 8 | static_cast<unsigned char>(s[pos + 1])) : lead;
  }

  std::array<bool, 256> starts_{};
  std::vector<Entry> entries_;
};

// Replacement order decides only among occurrences that overlap, directly or
// through others: each such cluster is settled alone, entry by entry and left
// to right, as the passes of the table would. Returns them in text order.
std::vector<Occurrence> Settle(std::vector<Occurrence> cluster) {
  std::stable_sort(cluster.begin(), cluster.end(),
                   [](const Occurrence& a, const Occurrence& b) { return a.entry < b.entry; });
  std::vector<Occurrence> taken;
  for (const Occurrence& o : cluster) {
    const bool free = std::none_of(taken.begin(), taken.end(),
                                   [&](const Occurrence& t) { return o.start < t.end && t.start < o.end; });
    if (free) taken.push_back(o);
  }
  std::sort(taken.begin(), taken.end(),
            [](const Occurrence& a, const Occurrence& b) { return a.start < b.start; });
  return taken;
}

}  // namespace

AnsiString ReplaceSeparators(std::string_view text, std::span<const std::string_view> table) {
  const EntryIndex index(table);
  AnsiString out;
  out.reserve(text.size());
  std::size_t copied = 0;  // text before this is in `out`
  std::vector<Occurrence> cluster;
  std::size_t cluster_end = 0;

  const auto replace = [&](const Occurrence& o) {
    out.append(text, copied, o.start - copied);
    out += ',';
    copied = o.end;
  };
  const auto flush = [&] {
    if (cluster.size() == 1) {
      replace(cluster[0]);
    } else {
      for (const Occurrence& o : Settle(cluster)) replace(o);
    }
    cluster.clear();
  };

  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (!index.MayStart(static_cast<unsigned char>(text[i]))) continue;
    index.ForEachStartingAt(text, i, [&](std::size_t k) {
      if (text.substr(i, table[k].size()) != table[k]) return;
      if (!cluster.empty() && i >= cluster_end) flush();
      cluster.push_back(Occurrence{i, i + table[k].size(), k});
      cluster_end = std::max(cluster_end, i + table[k].size());
    });
  }
  if (!cluster.empty()) flush();
  out.append(text, copied);
  return out;
}
