#include "controls/exchange_order.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>

// Why this matches the exchange loop:
//
// Pass i = 0 holds row 0 against every other row and exchanges whenever the
// other key is higher, so each strict running maximum moves to where the next
// one stood and the first row of the highest key ends at position 0. It is
// cheap, so it is replayed as it is.
//
// Every later pass i finds positions 0..i-1 sorted with the highest key last.
// For j < i its exchanges put row i just after every row whose key is not
// above its own; in each run of equal keys above it, the run's first row is
// carried along to the start of the next run (the last run's to position i),
// so that run turns by one. At j >= i, position i holds the highest key and
// nothing moves.
//
// So the rows of one key behave as a queue: a row joins at the back when its
// pass comes, and every later pass of a lower key sends the front row to the
// back. Turns between two joins only count modulo the queue's length, and
// they only move the front, so each queue is a list grown by insertions at
// known indices plus a final front index. The list is rebuilt backwards: the
// last row inserted owns its index, each earlier one takes the free slot at
// its index among those left.

namespace {

std::size_t LowBit(std::size_t i) {
  return i & (~i + 1);
}

// Counts per slot with prefix sums and the search for the k-th unit.
class FenwickTree {
 public:
  // `size` slots holding `count` each, the last one `last` (the storage is
  // reused), made in one pass.
  void Reset(std::size_t size, std::ptrdiff_t count, std::ptrdiff_t last) {
    tree_.assign(size + 1, count);
    tree_[0] = 0;
    if (size > 0) tree_[size] = last;
    for (std::size_t i = 1; i <= size; ++i) {
      if (const std::size_t up = i + LowBit(i); up <= size) tree_[up] += tree_[i];
    }
  }

  void Add(std::size_t slot, std::ptrdiff_t delta) {
    for (std::size_t i = slot + 1; i < tree_.size(); i += LowBit(i)) tree_[i] += delta;
  }

  // The sum over the slots below `end`.
  std::ptrdiff_t PrefixSum(std::size_t end) const {
    std::ptrdiff_t sum = 0;
    for (std::size_t i = end; i > 0; i -= LowBit(i)) sum += tree_[i];
    return sum;
  }

  // The slot whose count makes the prefix sum reach `k` (k >= 1); `k` is
  // left as the place of the unit within that slot (from 1).
  std::size_t FindKth(std::ptrdiff_t& k) const {
    const std::size_t size = tree_.size() - 1;
    std::size_t slot = 0;
    std::size_t step = 1;
    while (step * 2 <= size) step *= 2;
    for (; step > 0; step /= 2) {
      if (slot + step <= size && tree_[slot + step] < k) {
        slot += step;
        k -= tree_[slot];
      }
    }
    return slot;
  }

 private:
  std::vector<std::ptrdiff_t> tree_;
};

// The free positions of a list being rebuilt: a bit each, 64 to a word, and
// the counts of the words in a tree 64 times smaller than one over the
// positions, which stays in the cache.
class FreeSlots {
 public:
  void Reset(std::size_t size) {
    const std::size_t words = (size + 63) / 64;
    const std::size_t tail = size - (words - 1) * 64;
    bits_.assign(words, ~std::uint64_t{0});
    if (tail < 64) bits_.back() = (std::uint64_t{1} << tail) - 1;
    counts_.Reset(words, 64, static_cast<std::ptrdiff_t>(tail));
  }

  // Takes the free position with `k` free ones before it.
  std::size_t Take(std::size_t k) {
    auto unit = static_cast<std::ptrdiff_t>(k) + 1;
    const std::size_t word = counts_.FindKth(unit);
    std::uint64_t bits = bits_[word];
    for (; unit > 1; --unit) bits &= bits - 1;
    const auto bit = static_cast<std::size_t>(std::countr_zero(bits));
    bits_[word] &= ~(std::uint64_t{1} << bit);
    counts_.Add(word, -1);
    return word * 64 + bit;
  }

 private:
  std::vector<std::uint64_t> bits_;
  FenwickTree counts_;
};

}  // namespace

std::vector<std::size_t> ExchangeOrder(const std::vector<std::size_t>& ranks) {
  const std::size_t n = ranks.size();
  if (n == 0) return {};

  std::vector<std::size_t> arrival(n);  // the row whose pass is pass t
  for (std::size_t r = 0; r < n; ++r) arrival[r] = r;
  for (std::size_t j = 1; j < n; ++j) {
    if (ranks[arrival[0]] < ranks[arrival[j]]) std::swap(arrival[0], arrival[j]);
  }

  const std::size_t key_count = *std::max_element(ranks.begin(), ranks.end()) + 1;

  // lower_before[t]: passes 0..t whose key is below that of pass t.
  std::vector<std::ptrdiff_t> lower_before(n);
  FenwickTree keys_seen;
  keys_seen.Reset(key_count, 0, 0);
  for (std::size_t t = 0; t < n; ++t) {
    const std::size_t rank = ranks[arrival[t]];
    lower_before[t] = keys_seen.PrefixSum(rank);
    keys_seen.Add(rank, 1);
  }

  // Passes grouped by key, in pass order within a key.
  std::vector<std::size_t> key_start(key_count + 1, 0);
  for (std::size_t r : ranks) ++key_start[r + 1];
  for (std::size_t k = 0; k < key_count; ++k) key_start[k + 1] += key_start[k];
  std::vector<std::size_t> passes(n);
  {
    std::vector<std::size_t> fill(key_start.begin(), key_start.end() - 1);
    for (std::size_t t = 0; t < n; ++t) passes[fill[ranks[arrival[t]]]++] = t;
  }

  std::vector<std::size_t> order(n);
  std::vector<std::size_t> insert_at(n);
  FreeSlots free_slots;
  for (std::size_t k = 0; k < key_count; ++k) {
    const std::size_t begin = key_start[k];
    const std::size_t size = key_start[k + 1] - begin;
    if (size == 0) continue;
    if (size == 1) {  // alone, it stays where it is: most keys of a text column
      order[begin] = arrival[passes[begin]];
      continue;
    }

    // Replay the queue: `front` is the index of its front row in the list,
    // where front == length stands for index 0.
    std::size_t length = 0;
    std::size_t front = 0;
    std::ptrdiff_t turns_seen = 0;
    for (std::size_t q = 0; q < size; ++q) {
      const std::ptrdiff_t lower = lower_before[passes[begin + q]];
      if (length > 0) front = (front + static_cast<std::size_t>(lower - turns_seen)) % length;
      turns_seen = lower;
      insert_at[q] = front;
      ++length;
      ++front;
    }
    // Passes of lower keys after the last row of this key joined.
    const auto lower_total = static_cast<std::ptrdiff_t>(begin);
    front = (front + static_cast<std::size_t>(lower_total - turns_seen)) % length;

    // The list, rebuilt from its insertions, then read from its front.
    std::size_t* list = order.data() + begin;
    free_slots.Reset(size);
    for (std::size_t q = size; q-- > 0;) list[free_slots.Take(insert_at[q])] = arrival[passes[begin + q]];
    std::rotate(list, list + front, list + size);
  }
  return order;
}
