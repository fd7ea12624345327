#include "controls/exchange_order.h"

#include <algorithm>
#include <cstddef>

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
  // `size` slots, each holding one when `ones`, else none; the storage is reused.
  void Reset(std::size_t size, bool ones) {
    tree_.assign(size + 1, 0);
    if (ones) {
      for (std::size_t i = 1; i <= size; ++i) tree_[i] = static_cast<std::ptrdiff_t>(LowBit(i));
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

  // The slot whose count makes the prefix sum reach `k` (k >= 1, counts 0 or 1).
  std::size_t FindKth(std::ptrdiff_t k) const {
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
  keys_seen.Reset(key_count, false);
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
  FenwickTree free_slots;
  for (std::size_t k = 0; k < key_count; ++k) {
    const std::size_t begin = key_start[k];
    const std::size_t size = key_start[k + 1] - begin;
    if (size == 0) continue;

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
    free_slots.Reset(size, true);
    for (std::size_t q = size; q-- > 0;) {
      const std::size_t slot = free_slots.FindKth(static_cast<std::ptrdiff_t>(insert_at[q]) + 1);
      list[slot] = arrival[passes[begin + q]];
      free_slots.Add(slot, -1);
    }
    std::rotate(list, list + front, list + size);
  }
  return order;
}
