#include "skin/data/archive/lzh_match.h"

#include <algorithm>

using namespace lzh;

namespace {

constexpr int kHashBits = 15;
constexpr int kMinMatch = kThreshold + 1;

int MatchLength(std::string_view history, std::size_t from, std::size_t position, int limit) {
  int n = 0;
  while (n < limit && history[from + n] == history[position + n]) ++n;
  return n;
}

int Limit(std::string_view history, std::size_t position) {
  return static_cast<int>(std::min<std::size_t>(kLongestMatch, history.size() - position));
}

}  // namespace

TLzhMatchFinder::TLzhMatchFinder(std::string_view history)
    : history_(history), head_(std::size_t{1} << kHashBits, -1), previous_(kRingSize, -1) {}

std::uint32_t TLzhMatchFinder::Hash(std::size_t position) const {
  const std::uint32_t key =
      static_cast<std::uint32_t>(static_cast<std::uint8_t>(history_[position]) << 16 |
                                 static_cast<std::uint8_t>(history_[position + 1]) << 8 |
                                 static_cast<std::uint8_t>(history_[position + 2]));
  return (key * 2654435761u) >> (32 - kHashBits);
}

void TLzhMatchFinder::Insert(std::size_t position) {
  if (position + kMinMatch > history_.size()) return;
  const std::uint32_t h = Hash(position);
  previous_[position & kRingMask] = head_[h];
  head_[h] = static_cast<std::int64_t>(position);
}

TLzhMatch TLzhMatchFinder::Find(std::size_t position) const {
  TLzhMatch best;
  const int limit = Limit(history_, position);
  if (limit < kMinMatch) return best;
  const std::int64_t oldest = static_cast<std::int64_t>(position) - kMaxDistance;
  // Chains run from the newest position back; an entry older than the window
  // may have been overwritten, so the walk stops there.
  for (std::int64_t from = head_[Hash(position)]; from >= 0 && from >= oldest;
       from = previous_[from & kRingMask]) {
    const int n = MatchLength(history_, static_cast<std::size_t>(from), position, limit);
    if (n > best.length) {
      best.length = n;
      best.distance = static_cast<int>(static_cast<std::int64_t>(position) - from);
      if (n == limit) break;
    }
  }
  if (best.length < kMinMatch) best = TLzhMatch{};
  return best;
}

TLzhMatch FindMatchSimple(std::string_view history, std::size_t position) {
  TLzhMatch best;
  const int limit = Limit(history, position);
  for (std::size_t d = 1; d <= kMaxDistance && d <= position; ++d) {
    const int n = MatchLength(history, position - d, position, limit);
    if (n > best.length) best = TLzhMatch{n, static_cast<int>(d)};
  }
  if (best.length < kMinMatch) best = TLzhMatch{};
  return best;
}
