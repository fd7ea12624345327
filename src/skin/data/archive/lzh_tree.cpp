#include "skin/data/archive/lzh_tree.h"

#include <algorithm>

using namespace lzh;

TLzhTree::TLzhTree() {
  for (int s = 0; s < kSymbolCount; ++s) {
    frequency_[s] = 1;
    child_[s] = static_cast<std::int16_t>(s + kNodeCount);
    parent_[s + kNodeCount] = static_cast<std::int16_t>(s);
  }
  for (int i = 0, j = kSymbolCount; j < kNodeCount; i += 2, ++j) {
    frequency_[j] = static_cast<std::uint16_t>(frequency_[i] + frequency_[i + 1]);
    child_[j] = static_cast<std::int16_t>(i);
    parent_[i] = parent_[i + 1] = static_cast<std::int16_t>(j);
  }
  frequency_[kNodeCount] = 0xFFFF;
  parent_[kRoot] = 0;
}

void TLzhTree::Update(int symbol) {
  if (frequency_[kRoot] == kFrequencyLimit) Rebuild();
  int c = parent_[symbol + kNodeCount];
  do {
    const std::uint16_t k = ++frequency_[c];
    if (k > frequency_[c + 1]) {
      // Keep frequencies ordered by index: swap this node with the last one
      // whose frequency it has now overtaken.
      int l = c + 1;
      while (k > frequency_[l + 1]) ++l;
      frequency_[c] = frequency_[l];
      frequency_[l] = k;
      const int i = child_[c];
      parent_[i] = static_cast<std::int16_t>(l);
      if (i < kNodeCount) parent_[i + 1] = static_cast<std::int16_t>(l);
      const int j = child_[l];
      child_[l] = static_cast<std::int16_t>(i);
      parent_[j] = static_cast<std::int16_t>(c);
      if (j < kNodeCount) parent_[j + 1] = static_cast<std::int16_t>(c);
      child_[c] = static_cast<std::int16_t>(j);
      c = l;
    }
    c = parent_[c];
  } while (c != 0);
}

void TLzhTree::Rebuild() {
  // Halve the leaf frequencies, keeping the leaves in their order.
  int n = 0;
  for (int i = 0; i < kNodeCount; ++i) {
    if (child_[i] >= kNodeCount) {
      frequency_[n] = static_cast<std::uint16_t>((frequency_[i] + 1) / 2);
      child_[n] = child_[i];
      ++n;
    }
  }
  // Join pairs from the bottom, inserting each new node where its frequency
  // keeps the table ordered.
  for (int i = 0, j = kSymbolCount; j < kNodeCount; i += 2, ++j) {
    const std::uint16_t f = static_cast<std::uint16_t>(frequency_[i] + frequency_[i + 1]);
    int k = j - 1;
    while (f < frequency_[k]) --k;
    ++k;
    std::copy_backward(frequency_.begin() + k, frequency_.begin() + j, frequency_.begin() + j + 1);
    std::copy_backward(child_.begin() + k, child_.begin() + j, child_.begin() + j + 1);
    frequency_[k] = f;
    child_[k] = static_cast<std::int16_t>(i);
  }
  for (int i = 0; i < kNodeCount; ++i) {
    const int k = child_[i];
    if (k >= kNodeCount) {
      parent_[k] = static_cast<std::int16_t>(i);
    } else {
      parent_[k] = parent_[k + 1] = static_cast<std::int16_t>(i);
    }
  }
}
