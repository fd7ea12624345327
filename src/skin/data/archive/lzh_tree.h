#pragma once
// The adaptive Huffman tree of LZHUF over 314 symbols (256 literals and the
// match lengths). Decoder and encoder update it identically after every symbol,
// which is what keeps the two in step without sending the tree.

#include <array>
#include <cstdint>

#include "skin/data/archive/lzh_code.h"

class TLzhTree {
 public:
  TLzhTree();

  // Node reached from `node` by bit 0; the bit-1 child is the next node. A value
  // of kNodeCount or more marks a leaf holding symbol value - kNodeCount.
  int Child(int node) const { return child_[node]; }
  // Parent of a node (0..626) or of a leaf (kNodeCount + symbol).
  int Parent(int index) const { return parent_[index]; }

  void Update(int symbol);

 private:
  void Rebuild();

  // Entry kNodeCount is a sentinel above every real frequency.
  std::array<std::uint16_t, lzh::kNodeCount + 1> frequency_{};
  std::array<std::int16_t, lzh::kNodeCount> child_{};
  std::array<std::int16_t, lzh::kNodeCount + lzh::kSymbolCount> parent_{};
};
