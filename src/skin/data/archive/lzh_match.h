#pragma once
// Longest-match search for the LZHUF encoder over a history whose first
// lzh::kRingStart bytes are the spaces both ends start the ring with.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/data/archive/lzh_code.h"

struct TLzhMatch {
  int length = 0;    // 0 when nothing of at least kThreshold + 1 bytes matches
  int distance = 0;  // how far back the copy starts, 1..kMaxDistance
};

// Matches reach back no further than the ring holds outside the look-ahead,
// as the reference encoder keeps it.
inline constexpr int kMaxDistance = lzh::kRingStart;

// Hash chains over three-byte prefixes. Every position must be inserted, in
// order, before a later position is searched.
class TLzhMatchFinder {
 public:
  explicit TLzhMatchFinder(std::string_view history);

  void Insert(std::size_t position);
  // The longest match for `position`, the nearest one among equals.
  TLzhMatch Find(std::size_t position) const;

 private:
  std::uint32_t Hash(std::size_t position) const;

  std::string_view history_;
  std::vector<std::int64_t> head_;
  std::vector<std::int64_t> previous_;  // indexed by position within the ring
};

// The same answer by trying every distance; slow, kept to check the finder.
TLzhMatch FindMatchSimple(std::string_view history, std::size_t position);
