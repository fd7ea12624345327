#pragma once
// Sorting many items by a 64-bit key a byte at a time from the last (a least
// significant digit radix sort): for tens of thousands of items with short
// keys it beats comparing them. Stable; bytes that every key shares take no
// pass.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// Sorts `items` by key(item), ascending as unsigned numbers, keeping the
// order of items whose keys are equal.
template <class Item, class KeyOf>
void RadixSortBy(std::vector<Item>& items, KeyOf key_of) {
  std::vector<Item> other(items.size());
  for (int shift = 0; shift < 64; shift += 8) {
    std::size_t next[257] = {};
    for (const Item& item : items) ++next[(key_of(item) >> shift & 0xFF) + 1];
    if (std::find(next + 1, next + 257, items.size()) != next + 257) continue;
    for (int b = 0; b < 256; ++b) next[b + 1] += next[b];
    for (const Item& item : items) other[next[key_of(item) >> shift & 0xFF]++] = item;
    items.swap(other);
  }
}

// The first eight bytes of a text as a radix key that orders as the bytes do
// (unsigned), zeros after a shorter text: texts of one prefix are told apart
// by comparing them whole.
inline std::uint64_t TextPrefix(std::string_view text) {
  unsigned char bytes[8] = {};
  if (!text.empty()) std::memcpy(bytes, text.data(), std::min<std::size_t>(text.size(), 8));
  std::uint64_t prefix = 0;
  for (unsigned char byte : bytes) prefix = prefix << 8 | byte;
  return prefix;
}
